#include "core/ordna.h"

#include "platform/seams.h"

QStringList ordAttOrdna(const QStringList &faelt)
{
    QStringList ord;
    for (const QString &f : faelt) {
        if (f.isEmpty() || ord.size() >= FlestOrdAttOrdna)
            break;
        ord << f;
    }
    return ord;
}

QList<int> slumpOrdning(int lo, int hi)
{
    QList<int> pool;
    for (int v = lo; v <= hi; ++v)
        pool << v;
    QList<int> ordning;
    while (!pool.isEmpty())
        ordning << pool.takeAt(plattform::Random(int(pool.size())));
    return ordning;
}

QStringList blandaOrd(const QStringList &ord)
{
    plattform::Randomize();
    const bool kanSkilja = ord.size() >= 2 && ord.count(ord.first()) < ord.size();
    QStringList blandad;
    do {
        blandad.clear();
        for (int i : slumpOrdning(0, int(ord.size()) - 1))
            blandad << ord.at(i);
    } while (kanSkilja && RattSvar(blandad, ord));
    return blandad;
}

QStringList flyttaOrd(QStringList lista, int fraan, int till)
{
    if (fraan < 0 || till < 0 || fraan >= lista.size() || till >= lista.size())
        return lista;
    lista.move(fraan, till);
    return lista;
}

bool RattSvar(const QStringList &elevens, const QStringList &facit) { return elevens == facit; }
