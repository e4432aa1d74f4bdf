#include "platform/ui/oevermodal.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace plattform {

namespace {
// Lets the window go when the modal window under it is hidden (its loop has
// ended) or destroyed. It belongs to the window, so it goes with it.
class Slaeppare : public QObject {
public:
    Slaeppare(QWidget *foenster, QWidget *modal) : QObject(foenster), m_foenster(foenster), m_modal(modal)
    {
        modal->installEventFilter(this);
        connect(modal, &QObject::destroyed, this, [this] { slaeppa(); });
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_modal && e->type() == QEvent::Hide)
            slaeppa();
        return false;
    }
private:
    void slaeppa()
    {
        if (m_modal)
            m_modal->removeEventFilter(this);
        if (m_foenster && m_foenster->parentWidget()) {
            const bool synlig = m_foenster->isVisible();
            m_foenster->setParent(nullptr, m_foenster->windowFlags() | Qt::Window);
            if (synlig)
                m_foenster->show();
        }
        deleteLater();
    }
    QPointer<QWidget> m_foenster;
    QPointer<QWidget> m_modal;
};
} // namespace

void visaOeverModal(QWidget *foenster)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != foenster && foenster->parentWidget() != modal) {
        const QRect ram = foenster->geometry();
        foenster->setParent(modal, foenster->windowFlags() | Qt::Window);
        foenster->setGeometry(ram);
        new Slaeppare(foenster, modal);
    }
    foenster->show();
    foenster->raise();
    foenster->activateWindow();
}

} // namespace plattform
