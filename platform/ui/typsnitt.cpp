#include "platform/ui/typsnitt.h"

#include "core/textmaett.h"

namespace plattform {

QFont arial(Punkter storlek, bool fet)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(storlek.n);
    f.setBold(fet);
    return f;
}

QFont arial(Pixlar storlek, bool fet)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(storlek.n);
    f.setBold(fet);
    return f;
}

QFont passandeTypsnitt(const QStringList &texter, int bredd, const QFont &fraan, int golv)
{
    const bool pixlar = fraan.pixelSize() > 0;
    Typsnitt t;
    t.familj = fraan.family();
    t.fet = fraan.bold();
    t.punkter = pixlar ? 0 : fraan.pointSize();
    t.pixlar = pixlar ? fraan.pixelSize() : 0;
    const Typsnitt passande = ::passandeTypsnitt(texter, bredd, t, golv);
    if (passande.pixlar == t.pixlar && passande.punkter == t.punkter)
        return fraan;
    QFont f = fraan;
    if (pixlar)
        f.setPixelSize(passande.pixlar);
    else
        f.setPointSize(passande.punkter);
    return f;
}

} // namespace plattform
