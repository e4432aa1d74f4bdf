#include "core/diagnos.h"

#include "core/program.h"
#include "core/tillstaand.h"
#include "platform/seams.h"

#include <QDateTime>

Diagnosprotokoll *diaprot = nullptr;

int GeDiagnosNummer(Word programtal) { return program(programtal).diagnosnummer; }

Byte GeStatusTal(int test)
{
    if (!Arr<int, 1, 20>::inom(test))
        return 0;
    const int resultat = G.diagnos.Diagnostabell.resultat[test];
    if (resultat == 0)
        return 0;
    return resultat < Tillstaand::Diagnosdata::StatusGraens ? 3 : 2;
}

void diagnosback(int resultat)
{
    const int i = G.diagnos.DiagnosNummer;
    if (Arr<int, 1, 20>::inom(i)) {
        Diagnospost &d = G.diagnos.Diagnostabell;
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
        G.diagnos.ProtokollAendrat = 1;
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
    const int test = G.diagnos.DiagnosNummer;
    if (decltype(G.diagnos.Diagnostabell.status)::inom(test)) {
        G.diagnos.Diagnostabell.status[test] = 2;
        G.diagnos.ProtokollAendrat = 1;
    }
    G.diagnos.OevningsNummer = 0;
    saettLaege(Laege::Diagnostest);
    G.runda.AntalRaett = 0;
    if (diaprot)
        diaprot->oevningGodkaend(test);
}
