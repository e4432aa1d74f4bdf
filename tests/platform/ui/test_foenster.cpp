#include "../../support/miljoe.h"
#include "../../support/ui/modal.h"

#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/foenster.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace plattform;

TEST(Timer, RunsOnlyWhileEnabledWithAnInterval)
{
    Timer t(nullptr, 100, true);
    EXPECT_TRUE(t.koer());
    t.setInterval(0);
    EXPECT_FALSE(t.koer());
    t.setInterval(50);
    EXPECT_TRUE(t.koer());
    t.setEnabled(false);
    EXPECT_FALSE(t.koer());
    t.setInterval(100);
    EXPECT_FALSE(t.koer());
    t.setEnabled(true);
    EXPECT_TRUE(t.koer());
    int tick = 0;
    t.OnTimer = [&] { ++tick; };
    t.setInterval(1);
    QTest::qWait(30);
    EXPECT_GT(tick, 0);
    // Interval 0 must not spin.
    t.setInterval(0);
    const int efter = tick;
    QTest::qWait(20);
    EXPECT_EQ(tick, efter);
}

TEST(Faerger, BgrValuesAndNames)
{
    EXPECT_EQ(fraanBGR(0x800000), clNavy);
    EXPECT_EQ(fraanBGR(0x000080), clMaroon);
    EXPECT_EQ(fraanBGR(0x00FFFF), clYellow);
}

namespace {
class Provfoenster : public Foenster {
public:
    explicit Provfoenster(bool stangNu = false)
    {
        Edit1 = skapaRuta(this, "Edit1", QRect(10, 10, 100, 20));
        Avbryt = skapaKnapp(this, "Button1", "&Avbryt", QRect(10, 40, 80, 24));
        connect(Avbryt, &QPushButton::clicked, this, [this] { ++avbrutet; stang(); });
        saettKeyPreview(true);
        if (stangNu)
            stang();
    }
    bool keyDown(QKeyEvent *e) override
    {
        nedtryckta << e->key();
        return e->key() == Qt::Key_F2;
    }
    bool keyPress(QChar c) override
    {
        tecken += c;
        return c == QLatin1Char('x');
    }
    void escape() override { ++esc; }
    QLineEdit *Edit1;
    QPushButton *Avbryt;
    QList<int> nedtryckta;
    QString tecken;
    int esc = 0;
    int avbrutet = 0;
};
} // namespace

TEST(Foenster, KeyPreviewSeesKeysOnceBeforeTheControl)
{
    Provfoenster f;
    f.show();
    f.Edit1->setFocus();
    QTest::keyClicks(f.Edit1, QString::fromUtf8("åxb"));
    EXPECT_EQ(f.tecken, QString::fromUtf8("åxb"));
    EXPECT_EQ(f.Edit1->text(), QString::fromUtf8("åb"));   // x was taken by the window
    QTest::keyClick(f.Edit1, Qt::Key_F2);
    EXPECT_EQ(f.nedtryckta.count(Qt::Key_F2), 1);
}

TEST(Foenster, EnterPressesOnlyTheFocusedButtonAndEscIsTheWindows)
{
    Provfoenster f;
    f.show();
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(f.avbrutet, 0);
    EXPECT_TRUE(f.isVisible());
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_EQ(f.esc, 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.Avbryt->autoDefault());
    // Only the button that has the focus is pressed by Enter, once.
    f.Avbryt->setFocus();
    QTest::keyClick(f.Avbryt, Qt::Key_Return);
    EXPECT_EQ(f.avbrutet, 1);
}

TEST(Foenster, ClosedDuringCreationIsNeverShown)
{
    bool visades = false;
    QTimer::singleShot(0, testkontext(), [&] {
        if (QApplication::activeModalWidget()) {
            visades = true;
            QApplication::activeModalWidget()->close();
        }
    });
    struct Stangs : Provfoenster { Stangs() : Provfoenster(true) {} };
    EXPECT_EQ(visaModalt<Stangs>(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(visades);
}

TEST(Foenster, LauncherShowsModallyUntilTheWindowCloses)
{
    naerModal([](QWidget *w) {
        auto *f = dynamic_cast<Provfoenster *>(w);
        ASSERT_NE(f, nullptr);
        QTest::mouseClick(f->Avbryt, Qt::LeftButton);
    });
    EXPECT_EQ(visaModalt<Provfoenster>(), QDialog::Rejected);
}
