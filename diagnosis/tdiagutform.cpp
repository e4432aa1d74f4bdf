#include "diagnosis/tdiagutform.h"

#include "core/tillstaand.h"
#include "platform/ui/utskrift.h"

#include <algorithm>
#include <cmath>

using plattform::Skrivare;

namespace {
constexpr int Radavstaand = 6;   // mm between rows; their rules are 8 mm long and run on

// A percentage of the table (180 of the page's 210 mm) in printer pixels.
int ProcentTillPixel(const Skrivare &p, int procent)
{
    return std::max(0, int(std::lround(procent * (p.pageWidth() * 6.0 / 7.0) / 100.0)));
}
} // namespace

void SkrivutDiaggen(const QList<QStringList> &rader)
{
    if (!plattform::koerUtskriftsdialog())
        return;
    Skrivare &p = plattform::skrivare();
    if (!p.beginDoc())
        return;
    p.saettTypsnitt(QStringLiteral("Arial"), 12, true);
    p.saettPenna(Qt::black, 1);
    int y = 2;
    p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(y + 2),
              QStringLiteral("Diagnosprotokoll från Morvika för ") + G.Diagnostabell.namn.str()
                  + QLatin1Char('.'));
    y += 10;
    const int L = p.XmmTillPixel(15) - 1;
    const int R = p.XmmTillPixel(195) + 1;
    for (int r = 0; r < rader.size(); ++r) {
        const QStringList &rad = rader.at(r);
        auto cell = [&](int k) { return k < rad.size() ? rad.at(k) : QString(); };
        const bool summarad = r == rader.size() - 1;
        const int T = p.YmmTillPixel(y);
        const int B = p.YmmTillPixel(y + 8);
        p.linje(L, T, L, B);
        p.linje(L, T, R, T);
        p.textOut(p.XmmTillPixel(15), p.YmmTillPixel(y + 2), cell(0));
        for (int k = 0; k <= 3; ++k) {
            const int x = ProcentTillPixel(p, G.Kolumnprocent[k + 1]);
            p.linje(L + x, T, L + x, B);
            const int texty = summarad && (k == 0 || k == 1) ? y + 3 : y + 2;
            p.textOut(p.XmmTillPixel(15) + x, p.YmmTillPixel(texty), cell(k + 1));
        }
        p.linje(R, T, R, B);
        p.linje(L, T + 3, R, T + 3);
        y += Radavstaand;
    }
    const int slut = p.YmmTillPixel(y + 2);
    p.linje(L, slut, R, slut);
    p.endDoc();
}
