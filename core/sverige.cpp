#include "core/sverige.h"

#include "core/textmaett.h"

#include <algorithm>

namespace {
// Richard Dybeck's two verses of 1844, the last line sung twice.
const char *const verser[][5] = {
    {"Du gamla, du fria, du fjällhöga nord,", "du tysta, du glädjerika sköna!",
     "Jag hälsar dig, vänaste land uppå jord,", "din sol, din himmel, dina ängder gröna,",
     "din sol, din himmel, dina ängder gröna."},
    {"Du tronar på minnen från fornstora dar,", "då ärat ditt namn flög över jorden.",
     "Jag vet att du är och du blir vad du var.", "Ja, jag vill leva, jag vill dö i Norden.",
     "Ja, jag vill leva, jag vill dö i Norden."},
};
const char *const namn[] = {"Första versen", "Andra versen", "Tredje versen", "Fjärde versen"};
} // namespace

int antalVerser() { return int(std::size(verser)); }

QStringList versrader(int vers)
{
    QStringList rader;
    if (vers < 1 || vers > antalVerser())
        return rader;
    for (const char *r : verser[vers - 1])
        rader << QString::fromUtf8(r);
    return rader;
}

QString versnamn(int vers)
{
    return vers >= 1 && vers <= int(std::size(namn)) ? QString::fromUtf8(namn[vers - 1]) : QString();
}

int naestaVers(int vers) { return vers >= antalVerser() ? 1 : vers + 1; }

int passandePixelstorlek(const QStringList &texter, bool fet, int bredd, int stoerst, int golv)
{
    Typsnitt t;
    t.fet = fet;
    t.pixlar = std::max(stoerst, golv);
    return passandeTypsnitt(texter, bredd, t, golv).pixlar;
}
