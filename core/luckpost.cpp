#include "core/luckpost.h"

#include "core/datafiler.h"

int AntalLuckor(const QString &text) { return int(text.count(QLatin1Char('<'))); }

QString Luckmarke(const QString &efterLuckan)
{
    const bool slutmaerke = efterLuckan.startsWith(QLatin1Char('?')) || efterLuckan.startsWith(QLatin1Char('!'));
    return slutmaerke ? QStringLiteral("___") : QStringLiteral("?");
}

Luckpost delaLuckpost(const Arr<QString, 1, 10> &faelt, int antalAlternativ, bool moensterFoerst)
{
    Luckpost p;
    const bool medMoenster = moensterFoerst && !faelt[2].isEmpty();
    p.moenster = medMoenster ? faelt[1] : QString();
    p.mening = medMoenster ? faelt[2] : faelt[1];
    p.luckor = AntalLuckor(p.mening);
    const Arr<QString, 1, 5> delar = delaVidMarkeringar(p.mening);
    p.svar1 = delar[2];
    p.svar2 = delar[4];
    const int foersta = moensterFoerst ? 3 : 2;
    p.antalHjaelp = (foerstaTommaFaelt(faelt) - 1) - antalAlternativ - (foersta - 1);
    if (p.antalHjaelp >= 1 && p.antalHjaelp <= 2) {
        p.hjaelp1 = faelt[foersta];
        if (p.antalHjaelp == 2)
            p.hjaelp2 = faelt[foersta + 1];
    }
    return p;
}

Luckbokning bokaLucka(int lucka, int luckor, bool raett, bool lucka1Raett)
{
    if (lucka == 1 && luckor >= 2)
        return raett ? Luckbokning::Ingen : Luckbokning::Fel;
    if (lucka == 2 && !lucka1Raett)
        return Luckbokning::Ingen;   // the item was booked wrong at its first gap
    return raett ? Luckbokning::Raett : Luckbokning::Fel;
}
