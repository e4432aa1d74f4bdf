#include "core/meningslayout.h"

#include "core/program.h"
#include "core/skaermskala.h"
#include "core/tillstaand.h"
#include "platform/seams.h"

#include <algorithm>

int MeningsPunkter(Word programtal)
{
    return program(programtal).meningsPunkter;
}

int MeningsBredd(int vaenster, int hoeger)
{
    const int spann = hoeger - vaenster;
    if (G.mening.MusOverText == 1 || program(G.oevning.Programtal).oskaladRadbredd)
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

Meningsrader dela_mening(int vaenster, int hoeger, const QString &text, int antal)
{
    Meningsrader ut;
    const int W = MeningsBredd(vaenster, hoeger);
    antal = std::clamp(antal, 0, 3);

    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.punkter = G.mening.MusOverText == 1 ? 8 : MeningsPunkter(G.oevning.Programtal);
    G.mening.MusOverText = 0;
    if (text.isEmpty())
        return ut;

    const Textmaetare &m = textmaetare();
    const qsizetype sist = text.size() - 1;
    qsizetype i = 0;   // the character being placed
    qsizetype s = 0;   // where the current line starts
    int k = 1;
    while (k <= antal) {
        QString &rad = ut[k];
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
            if (k <= antal)
                ut[k] = text.mid(s);
            for (QString &r : ut)
                taBortInledandeBlanka(r);
            return ut;
        }
        ++i;
    }
    return ut;
}

Inpassadmening dela_mening_inom(int vaenster, int hoeger, const QString &text, int antal, int rum,
                                 const std::function<int(const QString &)> &bredd)
{
    antal = std::clamp(antal, 0, 3);
    auto utanBlanka = [](QString t) { return t.remove(QLatin1Char(' ')); };
    const QString hel = utanBlanka(text);
    int h = hoeger;
    // Each try narrows the span in proportion to the overflow, at least a
    // little; a span of a few characters is not worth trying.
    while (h - vaenster >= 100) {
        const Meningsrader rader = dela_mening(vaenster, h, text, antal);
        QString placerat;
        int bredast = 0;
        for (int k = 1; k <= antal; ++k) {
            placerat += rader[k];
            bredast = std::max(bredast, bredd(rader[k]));
        }
        if (utanBlanka(placerat) != hel)
            break;
        if (bredast <= rum)
            return {rader, true};
        h = std::min(h - 5, vaenster + int(qint64(h - vaenster) * rum / std::max(1, bredast)));
    }
    return {dela_mening(vaenster, hoeger, text, antal), false};
}
