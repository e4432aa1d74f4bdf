#include "diagnosis/tdiagutform.h"

#include "core/tillstaand.h"
#include "platform/ui/utskrift.h"

#include <algorithm>
#include <array>

using plattform::Skrivare;

namespace {
constexpr int Kolumner = 5;
constexpr int Resultatkolumn = 2;

// The table is measured in the printer's own font: each column as wide as
// its widest text plus air on both sides, the area column taking what is
// left of the 180 mm, every row as high as a line plus air above and below.
// The screen's blanks that line the grid up are not printed; the numbers
// stand to the right of their column instead, and so does "Summa:".
struct Tabell {
    std::array<int, Kolumner + 1> kant{};   // left borders, then the right one
    int radhoejd = 0;
    int luftX = 0;
    int luftY = 0;
};

QString cell(const QStringList &rad, int k) { return k < rad.size() ? rad.at(k).trimmed() : QString(); }

bool hoegerstaelld(int rad, int antal, int k) { return k == Resultatkolumn || (rad == antal - 1 && k == 1); }

bool maet(Skrivare &p, const QList<QStringList> &rader, int L, int R, Tabell &t)
{
    t.luftX = p.XmmTillPixel(2);
    t.luftY = p.YmmTillPixel(1);
    t.radhoejd = p.textHeight(QStringLiteral("ÅgJj")) + 2 * t.luftY;
    // Room for every text a column can hold, not only today's.
    const QStringList prov = {QStringLiteral("17"), QString(), QStringLiteral("Resultat"),
                              QStringLiteral("000000 00:00"), QStringLiteral("Vänta")};
    std::array<int, Kolumner> bredd{};
    for (const QStringList &rad : rader + QList<QStringList>{prov})
        for (int k = 0; k < Kolumner; ++k)
            bredd[k] = std::max(bredd[k], p.textWidth(cell(rad, k)) + 2 * t.luftX);
    int oevriga = 0;
    for (int k = 0; k < Kolumner; ++k)
        if (k != 1)
            oevriga += bredd[k];
    const int omraade = R - L - oevriga;
    t.kant[0] = L;
    t.kant[1] = L + bredd[0];
    t.kant[2] = t.kant[1] + omraade;
    for (int k = 2; k < Kolumner; ++k)
        t.kant[k + 1] = t.kant[k] + bredd[k];
    return omraade >= bredd[1];
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
              QStringLiteral("Diagnosprotokoll från Morvika för ") + G.diagnos.Diagnostabell.namn.str()
                  + QLatin1Char('.'));
    y += 10;
    const int L = p.XmmTillPixel(15) - 1;
    const int R = p.XmmTillPixel(195) + 1;
    // A text too wide for the page at 12 points is printed smaller.
    Tabell t;
    for (int punkter = 12; !maet(p, rader, L, R, t) && punkter > 7; --punkter)
        p.saettStorlek(punkter - 1);

    int T = p.YmmTillPixel(y);
    for (int r = 0; r < rader.size(); ++r) {
        const QStringList &rad = rader.at(r);
        const int B = T + t.radhoejd;
        p.linje(L, T, R, T);
        for (int k = 0; k < Kolumner; ++k) {
            const QString text = cell(rad, k);
            const int x = hoegerstaelld(r, int(rader.size()), k) ? t.kant[k + 1] - t.luftX - p.textWidth(text)
                                                                  : t.kant[k] + t.luftX;
            p.linje(t.kant[k], T, t.kant[k], B);
            p.textOut(x, T + t.luftY, text);
        }
        p.linje(R, T, R, B);
        p.linje(L, T + 3, R, T + 3);
        T = B;
    }
    p.linje(L, T, R, T);
    p.endDoc();
}
