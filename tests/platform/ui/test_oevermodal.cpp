// A window shown beside a modal one takes clicks through the window system
// (a widget click would pass the modal block unseen) and is let go when the
// modal window finishes.
#include "../../support/ui/modal.h"

#include "platform/ui/oevermodal.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
int klickaGenomFoenstret(QPushButton *b)
{
    int klick = 0;
    auto c = QObject::connect(b, &QPushButton::clicked, [&] { ++klick; });
    QWidget *topp = b->window();
    const QPoint p = b->mapTo(topp, b->rect().center());
    QTest::mouseClick(topp->windowHandle(), Qt::LeftButton, {}, p);
    QObject::disconnect(c);
    return klick;
}
} // namespace

TEST(OeverModal, APreviewOverAModalWindowTakesClicksAndIsLetGo)
{
    QWidget foerhandsvisning;
    foerhandsvisning.setGeometry(50, 50, 200, 100);
    auto *knapp = new QPushButton(QStringLiteral("Skriv ut"), &foerhandsvisning);
    knapp->setGeometry(10, 10, 100, 30);
    QDialog protokoll;
    int klick = -1;
    naerModal([&](QWidget *w) {
        plattform::visaOeverModal(&foerhandsvisning);
        EXPECT_EQ(foerhandsvisning.parentWidget(), w);
        EXPECT_TRUE(foerhandsvisning.isWindow());
        QApplication::processEvents();
        klick = klickaGenomFoenstret(knapp);
        static_cast<QDialog *>(w)->accept();
    });
    protokoll.exec();
    EXPECT_EQ(klick, 1);
    EXPECT_EQ(foerhandsvisning.parentWidget(), nullptr);
    EXPECT_TRUE(foerhandsvisning.isVisible());

    // A dialog destroyed while the preview is over it leaves it whole.
    auto *d = new QDialog;
    d->setAttribute(Qt::WA_DeleteOnClose);
    naerModal([&](QWidget *w) {
        plattform::visaOeverModal(&foerhandsvisning);
        EXPECT_EQ(foerhandsvisning.parentWidget(), w);
        w->close();
    });
    d->exec();
    QApplication::processEvents();
    EXPECT_EQ(foerhandsvisning.parentWidget(), nullptr);
}
