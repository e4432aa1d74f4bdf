#include "provdrag.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDropEvent>
#include <memory>

bool provDrag(plattform::Dragkaella &kaella, QWidget *maal, QPoint punkt, int rad)
{
    QWidget *mottagare = maal;
    if (auto *s = qobject_cast<QAbstractScrollArea *>(maal))
        mottagare = s->viewport();
    std::unique_ptr<QMimeData> data(plattform::dragdata(kaella.kontroll(), rad));
    QDragEnterEvent enter(punkt, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(mottagare, &enter);
    bool tog = enter.isAccepted();
    if (tog) {
        QDragMoveEvent move(punkt, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        move.ignore();
        QCoreApplication::sendEvent(mottagare, &move);
        tog = move.isAccepted();
    }
    if (tog) {
        QDropEvent drop(QPointF(punkt), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        drop.ignore();
        QCoreApplication::sendEvent(mottagare, &drop);
        tog = drop.isAccepted();
    } else {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(mottagare, &leave);
    }
    kaella.avsluta(tog ? maal : nullptr, tog);
    return tog;
}
