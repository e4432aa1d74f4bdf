#include "core/vokalexamen.h"

#include <algorithm>

const Vokalsteg &vokalsteg(int steg)
{
    static const QString ordning = QStringLiteral("Skriv dem i alfabetisk ordning:");
    static const std::array<Vokalsteg, 4> stegen = {{
        {QStringLiteral("Hur många vokaler finns det i alfabetet?"), QStringLiteral("Tryck på en siffra!"),
         QStringLiteral("9"), 1},
        {QStringLiteral("Räkna upp vokalerna."), ordning, QStringLiteral("AEIOUYÅÄÖ"), 9},
        {QStringLiteral("Räkna upp de mjuka vokalerna."), ordning, QStringLiteral("EIYÄÖ"), 5},
        {QStringLiteral("Räkna upp de hårda vokalerna."), ordning, QStringLiteral("AOUÅ"), 4},
    }};
    return stegen[std::size_t(std::clamp(steg, 1, 4) - 1)];
}

void Vokalexamen::nyttSteg(int steg)
{
    if (steg == 1)
        Felsteg = {};
    Vokalindex = 1;
}

Vokalutfall Vokalexamen::tangent(int steg, QChar c)
{
    Vokalutfall ut;
    if (steg == 1) {
        if (c == QLatin1Char('9')) {
            ut.panel = 1;
            ut.tecken = c;
            ut.stegKlart = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('8')) {
            ++Felsteg[1];
            ut.kommentar = c == QLatin1Char('8')   ? QStringLiteral("Mycket nära. Försök igen!")
                           : c == QLatin1Char('7') ? QStringLiteral("Nära. Försök igen!")
                                                   : QStringLiteral("Försök igen!");
        }
        return ut;
    }
    if (steg < 2 || steg > 4)
        return ut;
    const QString &svar = vokalsteg(steg).svar;
    const int antal = int(svar.size());
    if (Vokalindex > antal)
        return ut;
    const QChar vaentad = svar.at(Vokalindex - 1);
    // The lower-case vowel is the upper-case code + 32, which holds for Å, Ä and Ö too.
    if (c != vaentad && c.unicode() != vaentad.unicode() + 32) {
        ++Felsteg[std::size_t(steg)];
        return ut;
    }
    ut.panel = Vokalindex;
    ut.tecken = vaentad;
    if (Vokalindex < antal) {
        ++Vokalindex;
        return ut;
    }
    ut.stegKlart = true;
    // After the last vowel of the list, step 2 keeps judging keys against
    // it; steps 3 and 4 take no more.
    if (steg != 2)
        ++Vokalindex;
    return ut;
}

int VokalBetyg(int fel)
{
    if (fel <= 0)
        return 10;
    return std::max(1, 9 - (fel - 1) / 2);
}

QString VokalLovord(int betyg)
{
    switch (betyg) {
    case 10:
        return QStringLiteral("Du är expert.");
    case 9:
        return QStringLiteral("Mycket bra. Försök att få alla rätt.");
    case 8:
        return QStringLiteral("Bra. Två steg från full pott.");
    default:
        return {};
    }
}
