#pragma once
// A window timer as the program's windows use it: it runs only while it is
// enabled and its interval is above 0, and setting the interval (or
// enabling it) restarts the countdown. Tests call the handler themselves.
#include <QObject>
#include <QTimer>
#include <functional>

namespace plattform {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr, int intervall = 1000, bool paa = true);
    void setInterval(int ms);
    int interval() const { return m_intervall; }
    void setEnabled(bool paa);
    bool isEnabled() const { return m_paa; }
    bool koer() const { return m_qt.isActive(); }
    std::function<void()> OnTimer;   // the handler; windows set it, never a signal
private:
    void uppdatera();
    QTimer m_qt;
    int m_intervall;
    bool m_paa;
};

} // namespace plattform
