#include "platform/ui/dragdrop.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <utility>

namespace plattform {

Dragdata *dragdata(QWidget *kaella, int rad)
{
    auto *d = new Dragdata;
    d->m_kaella = kaella;
    d->m_rad = rad;
    if (auto *l = qobject_cast<QListWidget *>(kaella)) {
        if (QListWidgetItem *p = l->item(rad))
            d->setText(p->text());
    } else if (auto *e = qobject_cast<QLabel *>(kaella)) {
        d->setText(e->text());
    }
    return d;
}

namespace {
Dragkoerare &koerare()
{
    static Dragkoerare k;
    return k;
}
} // namespace

Qt::DropAction koerDrag(QDrag &drag)
{
    if (koerare())
        return koerare()(drag);
    return drag.exec(Qt::MoveAction);
}

Dragkoerare saettKoerDrag(Dragkoerare k) { return std::exchange(koerare(), std::move(k)); }

// ---- source --------------------------------------------------------------

Dragkaella::Dragkaella(QWidget *kontroll, Start start)
    : QObject(kontroll), m_kontroll(kontroll), m_start(start)
{
    kontroll->installEventFilter(this);
}

Dragkaella::Dragkaella(QListWidget *lista, Start start)
    : QObject(lista), m_kontroll(lista), m_lista(lista), m_start(start)
{
    lista->viewport()->installEventFilter(this);
}

bool Dragkaella::eventFilter(QObject *, QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() != Qt::LeftButton || !m_kontroll->isEnabled())
            return false;
        m_tryck = m->position().toPoint();
        m_rad = -1;
        if (m_lista) {
            // Only an existing entry can be picked up.
            QListWidgetItem *p = m_lista->itemAt(m_tryck);
            if (!p)
                return false;
            m_rad = m_lista->row(p);
        }
        m_nere = true;
        if (m_start == Start::Genast) {
            starta();
            return !m_lista;
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m_nere && (m->buttons() & Qt::LeftButton)
            && (m->position().toPoint() - m_tryck).manhattanLength() >= QApplication::startDragDistance()) {
            starta();
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_nere = false;
        return false;
    default:
        return false;
    }
}

void Dragkaella::starta()
{
    m_nere = false;
    QDrag drag(m_kontroll);
    drag.setMimeData(dragdata(m_kontroll, m_rad));
    // A control is seen moving with the mouse.
    if (!m_lista) {
        drag.setPixmap(m_kontroll->grab());
        drag.setHotSpot(m_tryck);
    }
    const Qt::DropAction a = koerDrag(drag);
    QWidget *maal = qobject_cast<QWidget *>(drag.target());
    // A list's entries area stands for the list.
    if (maal && qobject_cast<QAbstractScrollArea *>(maal->parentWidget())
        && static_cast<QAbstractScrollArea *>(maal->parentWidget())->viewport() == maal)
        maal = maal->parentWidget();
    avsluta(maal, a != Qt::IgnoreAction);
}

void Dragkaella::avsluta(QWidget *maal, bool accepterad)
{
    if (EndDrag)
        EndDrag(maal, accepterad);
}

// ---- target --------------------------------------------------------------

Slaeppmaal::Slaeppmaal(QWidget *maal) : QObject(maal), m_maal(maal)
{
    mottagare()->setAcceptDrops(true);
    mottagare()->installEventFilter(this);
}

QWidget *Slaeppmaal::mottagare() const
{
    if (auto *s = qobject_cast<QAbstractScrollArea *>(m_maal))
        return s->viewport();
    return m_maal;
}

bool Slaeppmaal::eventFilter(QObject *, QEvent *e)
{
    switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *d = static_cast<QDragMoveEvent *>(e);
        const auto *data = qobject_cast<const Dragdata *>(d->mimeData());
        m_tar = data && m_maal->isEnabled()
                && (!OnDragOver || OnDragOver(*data, d->position().toPoint()));
        if (m_tar)
            d->acceptProposedAction();
        else
            d->ignore();
        return true;
    }
    case QEvent::DragLeave:
        m_tar = false;
        return true;
    case QEvent::Drop: {
        auto *d = static_cast<QDropEvent *>(e);
        const auto *data = qobject_cast<const Dragdata *>(d->mimeData());
        const bool tar = m_tar && data && m_maal->isEnabled()
                         && (!OnDragDrop || OnDragDrop(*data, d->position().toPoint()));
        m_tar = false;
        if (tar)
            d->acceptProposedAction();
        else
            d->ignore();
        return true;
    }
    default:
        return false;
    }
}

} // namespace plattform
