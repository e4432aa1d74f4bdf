#include "app/tillfaelliga_tjaenster.h"

#include "core/tillstaand.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

namespace tillfaelligt {

void Skaltest(QWidget *)
{
    G.Skalprocent = 100;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    f.setBold(true);
    G.Marginal = Word(QFontMetrics(f).horizontalAdvance(QLatin1Char('L')));
}

void ScaleBy(QWidget *, int, int) {}

void dela_mening(int vaenster, int hoeger, const QString &text, int rader)
{
    const int bredd = hoeger - vaenster;
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSize(G.MusOverText == 1 ? 8 : 14);
    G.MusOverText = 0;
    rader = std::clamp(rader, 1, 3);
    for (int k = 1; k <= rader; ++k)
        G.MeningsRader[k].clear();
    const QFontMetrics m(f);
    int k = 1;
    for (const QString &ord : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString &rad = G.MeningsRader[k];
        const QString prov = rad.isEmpty() ? ord : rad + QLatin1Char(' ') + ord;
        if (m.horizontalAdvance(prov) <= bredd || rad.isEmpty()) {
            rad = prov;
        } else if (k < rader) {
            G.MeningsRader[++k] = ord;
        } else {
            break;
        }
    }
}

int haemta_Bildslumptal(int)
{
    if (G.BildOrdningNy == 1) {
        int j = 1;
        for (int i = 1; i <= 900 && j <= 40; ++i)
            if (G.SlumpOrdning[i] >= 1 && G.SlumpOrdning[i] <= 40)
                G.BildOrdning[j++] = G.SlumpOrdning[i];
        for (; j <= 40; ++j)
            G.BildOrdning[j] = j;
        G.BildOrdningNy = 0;
    }
    if (G.BildMarkoer < 1 || G.BildMarkoer > 40)
        G.BildMarkoer = 1;
    const int n = G.BildOrdning[G.BildMarkoer];
    G.BildText = GeBildText(n);
    G.BildMarkoer = G.BildMarkoer < 40 ? G.BildMarkoer + 1 : 1;
    return n;
}

QString GeBildText(int n)
{
    if (n >= 1 && n <= 40)
        G.BildText = QStringLiteral("Bild %1").arg(n);
    return G.BildText;
}

void FyllEngListan() {}

} // namespace tillfaelligt
