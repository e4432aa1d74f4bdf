#pragma once
// Driving modal windows in tests: a launcher blocks in its own event loop,
// so what the test does inside the window is queued before the window opens.
#include "menus/foensterregister.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <vector>

// Runs f on the next modal window that opens over the current one.
inline void naerModal(std::function<void(QWidget *)> f, int foersoek = 400)
{
    QWidget *under = QApplication::activeModalWidget();
    QTimer::singleShot(5, [f, under, foersoek] {
        QWidget *m = QApplication::activeModalWidget();
        if (m && m != under && m->isVisible())
            f(m);
        else if (foersoek > 0)
            naerModal(f, foersoek - 1);
        else
            ADD_FAILURE() << "no modal window opened";
    });
}

// Closes every modal window still open after a while, so that a window
// that does not close fails the test instead of hanging it. It watches as
// long as it lives.
class Vakthund {
public:
    explicit Vakthund(int ms = 15000)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            while (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "window left open: " << d->objectName().toStdString();
                d->reject();
                QApplication::processEvents();
            }
        });
        m_timer.start(ms);
    }
private:
    QTimer m_timer;
};

// Launchers that record what was opened, for every window of the registry
// (or only the given ones); the real ones come back at the end.
class FalskaStartare {
public:
    explicit FalskaStartare(std::vector<Foenstertyp> typer = {})
    {
        if (typer.empty())
            for (int t = 0; t < int(Foenstertyp::Ingen); ++t)
                typer.push_back(Foenstertyp(t));
        for (Foenstertyp t : typer)
            m_foerra[t] = registreraFoenster(t, [this, t] {
                oeppnade.push_back(t);
                if (vid.count(t))
                    vid[t]();
            });
    }
    ~FalskaStartare()
    {
        for (auto &[t, s] : m_foerra)
            registreraFoenster(t, s);
    }
    std::vector<Foenstertyp> oeppnade;
    std::map<Foenstertyp, std::function<void()>> vid;   // what a window does when it opens
private:
    std::map<Foenstertyp, Startare> m_foerra;
};
