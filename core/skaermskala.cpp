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
    // n is the least count of "A"s as wide as the screen, or the width plus
    // one for a measure that never grows (each "A" is at least a pixel
    // wide). A row of one letter only grows, so the count is searched by
    // halves: a handful of measurements instead of one per letter, which
    // the start pays before its first paint.
    const int w = skaerm.width();
    const auto raecker = [&](int antal) {
        return antal > w || m.bredd(QString(antal, QLatin1Char('A')), t) >= w;
    };
    int laeg = 0;
    int hoeg = std::max(w, 0) + 1;
    while (laeg < hoeg) {
        const int mitt = laeg + (hoeg - laeg) / 2;
        if (raecker(mitt))
            hoeg = mitt;
        else
            laeg = mitt + 1;
    }
    const int n = laeg;
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
