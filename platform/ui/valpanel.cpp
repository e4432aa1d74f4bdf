#include "platform/ui/valpanel.h"

#include "platform/ui/faerger.h"

#include <QMouseEvent>

namespace plattform {

Valpanel::Valpanel(QWidget *foeraelder, const QString &namn) : QLabel(foeraelder)
{
    setObjectName(namn);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setLineWidth(2);
    saettUtseende(false);
}

void Valpanel::saettUtseende(bool vald)
{
    setFrameStyle(QFrame::Panel | (vald ? QFrame::Sunken : QFrame::Raised));
    saettBakgrund(this, vald ? clYellow : clLjusgroen);
}

void Valpanel::mouseMoveEvent(QMouseEvent *e)
{
    e->accept();
    if (OnMouseMove)
        OnMouseMove();
}

void Valpanel::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (OnMouseDown && isEnabled())
        OnMouseDown(e->button());
}

void Valpanel::mouseReleaseEvent(QMouseEvent *e) { e->accept(); }

} // namespace plattform
