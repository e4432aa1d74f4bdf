#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<QObject> kontext;

// Closes every modal window that is open, the innermost first.
int staengAllaModala()
{
    int antal = 0;
    for (int varv = 0; varv < 20; ++varv) {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            break;
        ADD_FAILURE() << "window left open: " << w->objectName().toStdString() << " ("
                      << w->metaObject()->className() << ")";
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        else
            w->close();
        QApplication::processEvents();
        ++antal;
    }
    return antal;
}

class Modalvakter : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override
    {
        kontext = std::make_unique<QObject>();
        auto *vakt = new QTimer(kontext.get());
        vakt->setSingleShot(true);
        QObject::connect(vakt, &QTimer::timeout, [] { staengAllaModala(); });
        vakt->start(Vakthund::tid);
    }
    void OnTestEnd(const ::testing::TestInfo &) override
    {
        kontext.reset();   // pending waits and the watchdog end here
        staengAllaModala();
    }
};

} // namespace

QObject *testkontext()
{
    if (!kontext)
        kontext = std::make_unique<QObject>();
    return kontext.get();
}

void naerModal(std::function<void(QWidget *)> steg, int ms)
{
    QPointer<QWidget> under = QApplication::activeModalWidget();
    auto *poll = new QTimer(testkontext());
    auto *klocka = new QElapsedTimer;
    klocka->start();
    QObject::connect(poll, &QObject::destroyed, [klocka] { delete klocka; });
    QObject::connect(poll, &QTimer::timeout, poll, [poll, under, klocka, ms, steg = std::move(steg)] {
        QWidget *m = QApplication::activeModalWidget();
        if (m && m != under && m->isVisible()) {
            poll->stop();
            poll->deleteLater();
            steg(m);
        } else if (klocka->elapsed() > ms) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window opened";
        }
    });
    poll->start(5);
}

void staengNaestaModal()
{
    naerModal([](QWidget *w) { w->close(); });
}

void installeraModalvakter()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new Modalvakter);
}
