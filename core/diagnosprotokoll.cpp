#include "core/diagnosprotokoll.h"

#include "core/tillstaand.h"
#include "platform/text1252.h"

#include <array>
#include <cmath>

namespace {
QString tvaa(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

int procent(double del, double helt) { return helt > 0 ? int(std::lround(del / helt * 100.0)) : 0; }
} // namespace

const Diagnostest *diagnostest(int n)
{
    // Tests 4 and 5 both examine the sj sound; their areas carry the number
    // their data files carry, so the pupil can tell the rows apart.
    static const char *const omraaden[AntalDiagnostester] = {
        "Ä-ljudet", "Å-ljudet", "TJ-ljudet", "SJ-ljudet 1", "SJ-ljudet 2", "NG-ljudet", "J-ljudet",
        "KS-'ljudet'", "S-ljudet", "Dubbelskrivning", "Knepiga ord", "Plural", "Oregelbundna ord",
        "Preposition", "Motsatser", "Talesätt", "Alfabetet"};
    static const std::array<Diagnostest, AntalDiagnostester> tabell = [] {
        std::array<Diagnostest, AntalDiagnostester> t;
        for (int i = 0; i < AntalDiagnostester; ++i)
            t[std::size_t(i)] = {QString::fromUtf8(omraaden[i]),
                                 QStringLiteral("SVDI%1.DAT").arg(i + 1, 2, 10, QLatin1Char('0')),
                                 QStringLiteral("SVOVN1%1.DAT").arg(i + 1, 2, 10, QLatin1Char('0'))};
        return t;
    }();
    return n >= 1 && n <= AntalDiagnostester ? &tabell[std::size_t(n - 1)] : nullptr;
}

QString resultatCell(qint64 resultat)
{
    const int blanka = resultat < 10 ? 10 : resultat < 100 ? 8 : 6;
    return QString(blanka, QLatin1Char(' ')) + QString::number(resultat);
}

QString summaCell(qint64 summa)
{
    const int blanka = summa < 10 ? 10 : summa < 100 ? 8 : 7;
    return QString(blanka, QLatin1Char(' ')) + QString::number(summa);
}

QString TidpunktText(int resultat, int n)
{
    const Diagnospost &d = G.diagnos.Diagnostabell;
    if (resultat <= 0 || !decltype(d.aar)::inom(n))
        return QString();
    return QString::number(d.aar[n]).mid(2, 2) + tvaa(d.maanad[n]) + tvaa(d.dag[n]) + QLatin1Char(' ')
           + tvaa(d.timme[n]) + QLatin1Char(':') + tvaa(d.minut[n]);
}

QString statusCell(int status) { return QStringLiteral("    ") + Statustexter(status); }

qint64 summa()
{
    qint64 s = 0;
    for (int n = 1; n <= 20; ++n)
        s += G.diagnos.Diagnostabell.resultat[n];
    return s;
}

void beraeknaKolumnprocent(int w, int klientbredd, int marginal)
{
    const int r = procent(w, klientbredd);
    const int p0 = procent((7 * marginal) / 2, klientbredd);
    const int p2 = r - 1;
    const int p3 = r + 1;
    const int p1 = 100 - p0 - 3 * p2;
    G.diagnos.Kolumnprocent[1] = p0;
    G.diagnos.Kolumnprocent[2] = p0 + p1;
    G.diagnos.Kolumnprocent[3] = p0 + p1 + p2;
    G.diagnos.Kolumnprocent[4] = p0 + p1 + p2 + p3;
}

bool kanLagras1252(const QString &text) { return plattform::fraan1252(plattform::till1252(text)) == text; }
