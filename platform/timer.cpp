#include "platform/timer.h"

namespace plattform {

Timer::Timer(QObject *parent, int intervall, bool paa)
    : QObject(parent), m_intervall(intervall), m_paa(paa)
{
    connect(&m_qt, &QTimer::timeout, this, [this] {
        if (OnTimer)
            OnTimer();
    });
    uppdatera();
}

void Timer::setInterval(int ms)
{
    m_intervall = ms;
    uppdatera();
}

void Timer::setEnabled(bool paa)
{
    m_paa = paa;
    uppdatera();
}

void Timer::uppdatera()
{
    m_qt.stop();
    if (m_paa && m_intervall > 0) {
        m_qt.setInterval(m_intervall);
        m_qt.start();
    }
}

} // namespace plattform
