#include "core/svenskordning.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {
const QCollator &kollator()
{
    static const QCollator k = [] {
        QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
        c.setCaseSensitivity(Qt::CaseSensitive);
        c.setNumericMode(true);
        return c;
    }();
    return k;
}
} // namespace

bool foereSvenskt(const QString &a, const QString &b) { return kollator().compare(a, b) < 0; }

void sorteraSvenskt(QStringList &lista) { std::stable_sort(lista.begin(), lista.end(), foereSvenskt); }
