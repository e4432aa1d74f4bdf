#include "exercises/arrange/historieutskrift.h"

#include "platform/seams.h"
#include "platform/ui/utskrift.h"

using namespace plattform;

void skrivHistoria(const std::function<void(Skrivare &)> &skriv)
{
    if (!koerUtskriftsdialog())
        return;
    Skrivare &p = skrivare();
    if (!p.beginDoc()) {
        visaMeddelande(QStringLiteral("Det gick inte att skriva ut."));
        return;
    }
    skriv(p);
    p.endDoc();
}

void skrivRader(Skrivare &p, const QStringList &rader, int x, int y, int foerstaMellanrum, int mellanrum,
                int topp)
{
    for (qsizetype i = 0; i < rader.size(); ++i) {
        const int h = p.textHeight(rader.at(i));
        if (y + h > p.pageHeight() && y > topp) {
            p.newPage();
            y = topp;
        }
        p.textOut(x, y, rader.at(i));
        y += h + (i == 0 ? foerstaMellanrum : mellanrum);
    }
}
