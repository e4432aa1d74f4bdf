#include "core/slumpordning.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <QList>
#include <algorithm>

QList<int> slumpadOrdning(int n)
{
    QList<int> pool;
    for (int i = 1; i <= n; ++i)
        pool << i;
    QList<int> ut;
    while (!pool.isEmpty())
        ut << pool.takeAt(plattform::Random(int(pool.size())));
    return ut;
}

void SkapaSlumpordning(int lo, int hi)
{
    for (int i = 1; i <= 20; ++i) {
        G.beroem.LovordMarkoer[i] = 1;
        G.start.LovordAntalRader[i] = 0;
    }
    G.beroem.BildMarkoer = 1;
    for (int i = 1; i <= 140; ++i) {
        G.fel.FilSlumpMarkoer[i] = 1;
        G.start.FilAntalPoster[i] = 0;
    }
    plattform::Randomize();
    lo = std::max(lo, 1);
    hi = std::min(hi, 900);
    const QList<int> ordning = slumpadOrdning(hi - lo + 1);
    for (int k = 0; k < ordning.size(); ++k)
        G.fel.SlumpOrdning[lo + k] = ordning.at(k) + lo - 1;
    for (auto &f : G.fel.Fellista)
        f = Felpost{};
    G.oevning.DatFilIndex = 0;
    for (int i = 1; i <= 140; ++i)
        G.fel.FelAntal[i] = 0;
}

namespace {

constexpr int Listlaengd = 400;
constexpr int HoegstaPost = 900;

bool aerFil(int index) { return index >= 1 && index <= 140; }

// The slot of the first entry of file `fil`, 0 when it has none.
int foerstaPlats(int fil)
{
    for (int p = 1; p <= Listlaengd; ++p)
        if (G.fel.Fellista[p].postnummer != 0 && G.fel.Fellista[p].filindex == fil)
            return p;
    return 0;
}

int sistFylldaPlats()
{
    int sist = 0;
    for (int p = 1; p <= Listlaengd; ++p)
        if (G.fel.Fellista[p].postnummer != 0)
            sist = p;
    return sist;
}

// Slots p+1..sist one slot down, over slot p.
void flyttaNer(int p, int sist)
{
    for (int j = p; j < sist; ++j)
        G.fel.Fellista[j] = G.fel.Fellista[j + 1];
}

// The item number of the file's first entry (FelPostNummer), 0 when there
// is none or it lies outside the file.
int foerstaFelpost(int fil)
{
    if (G.fel.FelAntal[fil] <= 0)
        return 0;
    const int p = foerstaPlats(fil);
    if (p == 0)
        return 0;
    G.fel.FelPostNummer = G.fel.Fellista[p].postnummer;
    if (G.fel.FelPostNummer <= 0 || G.fel.FelPostNummer > G.start.FilAntalPoster[fil])
        return 0;
    return G.fel.FelPostNummer;
}

void haemta(const QString &namn, int fil)
{
    if (foerstaFelpost(fil) == 0)
        return;
    const QString undervaeg = QStringLiteral("\\DATA\\DAT\\") + namn;
    // Items are counted as the item reader counts them: comment and header
    // lines and empty lines are not items.
    const std::optional<QString> rad = laesPostrad(namn, G.fel.FelPostNummer);
    if (!rad) {
        plattform::visaMeddelande(saknadFil(G.start.CdSoekvaeg + undervaeg));
        return;
    }
    if (program(G.oevning.Programtal).foenster == Foenstertyp::TKlockan)
        G.fel.KlockPost = G.fel.FelPostNummer;
    G.post.HaemtadRad = *rad;
}

void taBort(int fil)
{
    const int p = foerstaPlats(fil);
    if (p == 0)
        return;
    const int sist = sistFylldaPlats();
    flyttaNer(p, sist);
    G.fel.Fellista[sist] = Felpost{};
    if (G.fel.FelAntal[fil] > 0)
        --G.fel.FelAntal[fil];
}

void flyttaSist(int fil)
{
    const int p = foerstaPlats(fil);
    if (p == 0)
        return;
    const Felpost post = G.fel.Fellista[p];
    const int sist = sistFylldaPlats();
    if (sist == Listlaengd) {
        // A full list: the entry goes into the last slot but one, and the
        // entry of the last slot stays last. An entry already in the last
        // slot stays where it is.
        if (p == Listlaengd)
            return;
        flyttaNer(p, Listlaengd - 1);
        G.fel.Fellista[Listlaengd - 1] = post;
        return;
    }
    flyttaNer(p, sist);
    G.fel.Fellista[sist] = post;
}

void laeggTill(int fil)
{
    int plats = Listlaengd;
    for (int p = 1; p < Listlaengd; ++p)
        if (G.fel.Fellista[p].postnummer == 0) {
            plats = p;
            break;
        }
    if (G.fel.Fellista[Listlaengd].postnummer != 0) {
        const int aeldsta = G.fel.Fellista[1].filindex;
        if (aerFil(aeldsta) && G.fel.FelAntal[aeldsta] > 0)
            --G.fel.FelAntal[aeldsta];
        flyttaNer(1, Listlaengd);
    }
    G.fel.Fellista[plats] = Felpost{int(G.post.PostNummer), fil};
    if (G.fel.FelAntal[fil] < Listlaengd)
        ++G.fel.FelAntal[fil];
}

} // namespace

int foerstaFelpost()
{
    if (!aerFil(G.oevning.DatFilIndex))
        return 0;
    const int n = foerstaFelpost(G.oevning.DatFilIndex);
    if (n != 0 && program(G.oevning.Programtal).foenster == Foenstertyp::TKlockan)
        G.fel.KlockPost = G.fel.FelPostNummer;
    return n;
}

int nteIOrdningen(int n, int antal, int plaster)
{
    int funna = 0;
    for (int p = 1; p <= plaster; ++p) {
        const int tal = G.fel.SlumpOrdning[p];
        if (tal >= 1 && tal <= antal && ++funna == n)
            return tal;
    }
    return 0;
}

int haemta_slumptal(int cursor, int fil)
{
    if (!aerFil(fil))
        return 0;
    const int c = std::min(G.start.FilAntalPoster[fil], HoegstaPost);
    if (c <= 0) {
        G.fel.FilSlumpMarkoer[fil] = 1;
        return 0;
    }
    // A cursor outside the file's items starts the order again.
    if (cursor < 1 || cursor > c)
        cursor = 1;
    const int resultat = std::max(nteIOrdningen(cursor, c, HoegstaPost), 1);
    G.fel.FilSlumpMarkoer[fil] = G.fel.FilSlumpMarkoer[fil] < c ? G.fel.FilSlumpMarkoer[fil] + 1 : 1;
    return resultat;
}

void haemtafel(const QString &namn, Felfunktion operation)
{
    const int fil = G.oevning.DatFilIndex;
    if (!aerFil(fil))
        return;
    switch (operation) {
    case FelHaemta: haemta(namn, fil); break;
    case FelTaBort: taBort(fil); break;
    case FelFlyttaSist: flyttaSist(fil); break;
    case FelLaeggTill: laeggTill(fil); break;
    default: break;
    }
}
