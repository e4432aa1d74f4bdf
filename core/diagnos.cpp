#include "core/diagnos.h"

#include "core/tillstaand.h"
#include "platform/seams.h"

#include <QDateTime>

Diagnosprotokoll *diaprot = nullptr;

int GeDiagnosNummer(Word program)
{
    const int p = program;
    switch (p) {
    case 23100: return 1;
    case 23200: return 2;
    case 23300: return 3;
    case 23400: return 4;
    case 23500: return 5;
    case 23600: return 6;
    case 23700: return 7;
    case 23800: return 8;
    case 23900: return 9;
    case 22200:
    case 22300: return 10;
    case 24300: return 11;
    case 45000: return 12;
    case 42000: return 14;
    case 32400: return 15;
    default: break;
    }
    if (p >= 43100 && p <= 43300) return 13;
    if (p >= 33100 && p <= 33300) return 16;
    if (p >= 34100 && p <= 34800) return 17;
    return 0;
}

Byte GeStatusTal(int test)
{
    if (!Arr<int, 1, 20>::inom(test))
        return 0;
    const int resultat = G.Diagnostabell.resultat[test];
    if (resultat == 0)
        return 0;
    return resultat < Tillstaand::StatusGraens ? 3 : 2;
}

void diagnosback(int resultat)
{
    const int i = G.DiagnosNummer;
    if (Arr<int, 1, 20>::inom(i)) {
        Diagnospost &d = G.Diagnostabell;
        if (d.resultat[i] > 0 && resultat == 0) {
            d.status[i] = 3;
            d.resultat[i] = 0;
        } else {
            d.resultat[i] = resultat;
            d.status[i] = GeStatusTal(i);
        }
        const QDateTime nu = plattform::klocka().nu();
        d.aar[i] = Word(nu.date().year());
        d.maanad[i] = Word(nu.date().month());
        d.dag[i] = Word(nu.date().day());
        d.timme[i] = Word(nu.time().hour());
        d.minut[i] = Word(nu.time().minute());
        G.ProtokollAendrat = 1;
    } else {
        qWarning("diagnosback: test %d outside 1..20, nothing stored", i);
    }
    if (diaprot) {
        diaprot->aktivera();
        diaprot->rita_prot();
        diaprot->maalaNu();
    }
}

void bokaGodkaendOevning()
{
    const int test = G.DiagnosNummer;
    if (decltype(G.Diagnostabell.status)::inom(test)) {
        G.Diagnostabell.status[test] = 2;
        G.ProtokollAendrat = 1;
    }
    G.OevningsNummer = 0;
    saettLaege(Laege::Diagnostest);
    G.AntalRaett = 0;
    if (diaprot)
        diaprot->oevningGodkaend(test);
}
