#include "core/svenskordning.h"

#include <algorithm>

namespace {
// The letter's place, letter case set aside.
int vikt(QChar c)
{
    QChar s = c.toLower();
    switch (s.unicode()) {
    case 0xE5: return 1000 + 26;   // å
    case 0xE4: case 0xE6: return 1000 + 27;   // ä, æ
    case 0xF6: case 0xF8: return 1000 + 28;   // ö, ø
    default: break;
    }
    if (s.decompositionTag() == QChar::Canonical)
        s = s.decomposition().at(0);
    if (s >= QLatin1Char('a') && s <= QLatin1Char('z'))
        return 1000 + (s.unicode() - 'a');
    return s.isLetter() ? 2000 + s.unicode() : s.unicode();
}
} // namespace

int svenskJaemfoer(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (const int d = vikt(a.at(i)) - vikt(b.at(i)))
            return d;
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i)
        if (a.at(i) != b.at(i))
            return a.at(i).isUpper() && !b.at(i).isUpper() ? -1
                   : b.at(i).isUpper() && !a.at(i).isUpper() ? 1
                   : a.at(i).unicode() - b.at(i).unicode();
    return 0;
}

void svenskSortera(QStringList &lista) { std::stable_sort(lista.begin(), lista.end(), svenskFoere); }
