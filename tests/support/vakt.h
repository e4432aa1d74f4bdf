#pragma once
// A watchdog for tests that run a modal window: after the given time it
// closes whatever modal window is open. It lives in the test's scope, so it
// never fires into a later test.
#include <QApplication>
#include <QTimer>
#include <QWidget>

class Vakt {
public:
    explicit Vakt(int ms = 5000)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });
        m_timer.start(ms);
    }
private:
    QTimer m_timer;
};
