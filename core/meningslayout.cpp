#include "core/meningslayout.h"

#include "core/program.h"
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
    G.Skalprocent = Skalprocent(plattform::skaermstorlek());
    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.punkter = 12;
    G.Marginal = Word(textmaetare().bredd(QStringLiteral("L"), t));
}

int MeningsPunkter(Word programtal)
{
    return program(programtal).meningsPunkter;
}

int MeningsBredd(int vaenster, int hoeger)
{
    const int spann = hoeger - vaenster;
    if (G.MusOverText == 1 || program(G.Programtal).oskaladRadbredd)
        return spann;
    return int(avrundaJaemnt(qint64(plattform::skaermstorlek().width()) * spann, 640));
}

namespace {

bool aerBrytpunkt(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('-')
           || c == QLatin1Char('.');
}

void taBortInledandeBlanka(QString &t)
{
    qsizetype b = 0;
    while (b < t.size() && t.at(b) == QLatin1Char(' '))
        ++b;
    t.remove(0, b);
}

} // namespace

void dela_mening(int vaenster, int hoeger, const QString &text, int rader)
{
    const int W = MeningsBredd(vaenster, hoeger);
    rader = std::clamp(rader, 0, 3);
    for (int k = 1; k <= rader; ++k)
        G.MeningsRader[k].clear();

    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.punkter = G.MusOverText == 1 ? 8 : MeningsPunkter(G.Programtal);
    G.MusOverText = 0;
    if (text.isEmpty())
        return;

    const Textmaetare &m = textmaetare();
    const qsizetype sist = text.size() - 1;
    qsizetype i = 0;   // the character being placed
    qsizetype s = 0;   // where the current line starts
    int k = 1;
    while (k <= rader) {
        QString &rad = G.MeningsRader[k];
        rad.append(text.at(i));
        if (m.bredd(rad, t) > W) {
            qsizetype j = i - 1;
            while (j >= s && !aerBrytpunkt(text.at(j)))
                --j;
            if (j >= s) {
                // The break character ends the line.
                rad = text.mid(s, j - s + 1);
                s = j + 1;
                i = j;
            } else if (i > s) {
                // No break character in the line: break before the
                // character that does not fit, and place it again.
                rad = text.mid(s, i - s);
                s = i;
                --i;
            } else {
                // One character wider than the span stands alone.
                s = i + 1;
            }
            ++k;
        }
        if (i == sist) {
            if (k <= rader)
                G.MeningsRader[k] = text.mid(s);
            for (QString &r : G.MeningsRader)
                taBortInledandeBlanka(r);
            return;
        }
        ++i;
    }
}
