#include "platform/ui/skalning.h"

#include <QFont>
#include <QLayout>
#include <QList>
#include <QPair>
#include <QWidget>

namespace plattform {

int skala(int v, int procent)
{
    const qint64 t = qint64(v) * procent;
    return int(t >= 0 ? (t + 50) / 100 : -((-t + 50) / 100));
}

namespace {

QFont skaladFont(QFont f, int procent)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, skala(f.pixelSize(), procent)));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * procent / 100.0);
    return f;
}

bool skalasMedFoenstret(const QWidget *w)
{
    if (w->isWindow())
        return false;
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    const QWidget *foraelder = w->parentWidget();
    return !(foraelder && foraelder->layout());
}

// The controls below w that scale with it, parents before children.
void samla(QWidget *w, QList<QWidget *> &ut)
{
    for (QObject *o : w->children()) {
        auto *barn = qobject_cast<QWidget *>(o);
        if (!barn || !skalasMedFoenstret(barn))
            continue;
        ut.append(barn);
        samla(barn, ut);
    }
}

void saettStorlek(QWidget *w, const QSize &s)
{
    if (w->minimumSize() == w->maximumSize())
        w->setFixedSize(s);
    else
        w->resize(s);
}

} // namespace

void skalaFoenster(QWidget *foenster, int procent)
{
    if (!foenster || procent == 100 || procent < 1)
        return;
    QList<QWidget *> kontroller;
    samla(foenster, kontroller);

    // Fonts first, each from the font it had before anything changed, so
    // that a control whose font follows its parent is not scaled twice.
    QList<QPair<QWidget *, QFont>> egnaFonter;
    egnaFonter.append({foenster, foenster->font()});
    for (QWidget *w : kontroller)
        if (w->testAttribute(Qt::WA_SetFont))
            egnaFonter.append({w, w->font()});
    for (const auto &[w, f] : egnaFonter)
        w->setFont(skaladFont(f, procent));

    // Edges are scaled, so that controls side by side stay side by side.
    for (QWidget *w : kontroller) {
        const QRect g = w->geometry();
        const int x = skala(g.x(), procent);
        const int y = skala(g.y(), procent);
        const int b = skala(g.x() + g.width(), procent) - x;
        const int h = skala(g.y() + g.height(), procent) - y;
        w->move(x, y);
        saettStorlek(w, QSize(b, h));
    }
    saettStorlek(foenster, QSize(skala(foenster->width(), procent), skala(foenster->height(), procent)));
}

void skalaInomSkaermen(QWidget *foenster, int procent)
{
    if (!foenster)
        return;
    const QSize foere = foenster->size();
    skalaFoenster(foenster, procent);
    saettStorlek(foenster, foere);
}

} // namespace plattform
