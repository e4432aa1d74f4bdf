#include "platform/ui/klickpanel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace plattform {

Klickpanel::Klickpanel(QWidget *foeraelder, const QString &namn, const QString &caption,
                       const QRect &ram)
    : QLabel(foeraelder)
{
    setObjectName(namn);
    setGeometry(ram);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    saettCaption(caption);
}

void Klickpanel::saettCaption(const QString &caption)
{
    m_caption = caption;
    QString visas;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;   // "&&" shows one "&"
        }
        visas += caption.at(i);
    }
    setText(visas);
}

void Klickpanel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_nere = true;
    e->accept();
}

void Klickpanel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool klick = m_nere && e->button() == Qt::LeftButton && rect().contains(e->pos());
    m_nere = false;
    e->accept();
    if (!klick)
        return;
    if (OnClick)
        OnClick();
}

void Klickpanel::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (!e->isAutoRepeat() && isEnabled() && OnClick)
            OnClick();
        return;
    }
    QLabel::keyPressEvent(e);
}

} // namespace plattform
