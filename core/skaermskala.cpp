#include "core/skaermskala.h"

#include "core/tillstaand.h"
#include "platform/seams.h"

#include <algorithm>

qint64 avrundaJaemnt(qint64 taeljare, qint64 naemnare)
{
    const bool negativ = (taeljare < 0) != (naemnare < 0);
    taeljare = taeljare < 0 ? -taeljare : taeljare;
    naemnare = naemnare < 0 ? -naemnare : naemnare;
    qint64 kvot = taeljare / naemnare;
    const qint64 rest2 = 2 * (taeljare % naemnare);
    if (rest2 > naemnare || (rest2 == naemnare && kvot % 2 != 0))
        ++kvot;
    return negativ ? -kvot : kvot;
}

Typsnitt SkaltestTypsnitt()
{
    // The label is laid out at a character height of 19 pixels; with the
    // metrics of the Arial-compatible fonts on this system, 18 pixels is the
    // height at which a 640-pixel screen comes out at 100 %.
    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.pixlar = 18;
    return t;
}

Word Skalprocent(const QSize &skaerm)
{
    const Textmaetare &m = textmaetare();
    const Typsnitt t = SkaltestTypsnitt();
    QString rad;
    int n = 0;
    // Each "A" is at least a pixel wide; the bound keeps a broken measure
    // from looping for ever.
    while (skaerm.width() > m.bredd(rad, t) && n <= skaerm.width()) {
        rad.append(QLatin1Char('A'));
        ++n;
    }
    qint64 p = 2 * (n - 1);
    if (p > 156)
        p = avrundaJaemnt(qint64(skaerm.height()) * 156, 768);
    if (p >= 96 && p <= 101)
        p = 100;
    return Word(std::clamp<qint64>(p, 1, 65535));
}

void Skaltest()
{
    G.skaerm.Skalprocent = Skalprocent(plattform::skaermstorlek());
    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.punkter = 12;
    G.skaerm.Marginal = Word(textmaetare().bredd(QStringLiteral("L"), t));
}
