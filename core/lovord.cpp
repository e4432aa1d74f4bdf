#include "core/lovord.h"

#include "core/diagnos.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

#include <algorithm>

namespace {

// The file number for a round with `fel` wrong answers (0..2), or 0.
int lovordNummer(int fel, int d, int res, bool namngiven)
{
    if (d == 0) {
        static const int utan[3][2] = {{9001, 9005}, {9002, 9006}, {9013, 9015}};
        return utan[fel][namngiven ? 1 : 0];
    }
    if (res < 0 || res > Tillstaand::Runddata::DiagnosLaengd)
        return 0;
    if (fel == 2)
        return namngiven ? 9016 : 9014;
    if (res == Tillstaand::Runddata::DiagnosLaengd)
        return fel == 0 ? 9011 : 9012;
    if (res > 0)
        return fel == 0 ? 9009 : 9010;
    if (fel == 0)
        return namngiven ? 9007 : 9003;
    return namngiven ? 9008 : 9004;
}

const QString texterA[AntalBilder + 1] = {
    QString(),
    QStringLiteral("Stalltjärnstugeån i västra Jämtland"),
    QStringLiteral("Gammalt hus i västra Hälsingland"),
    QStringLiteral("Ensilagerullar - inplastat gräs"),
    QStringLiteral("Röd flugsvamp"),
    QStringLiteral("Blommande bovetefält i Sörmland"),
    QStringLiteral("Tännforsen i Jämtland."),
    QStringLiteral("Vedstackar på en fjällgård"),
    QStringLiteral("Fäbodvall i Dalarna"),
    QStringLiteral("Åre med Åreskutan"),
    QStringLiteral("Brudsporre på en fjälläng"),
    QStringLiteral("Fält av smörbollar i fjälltrakterna"),
    QStringLiteral("Fjällfisken bärs hem"),
    QStringLiteral("Husmanskost - ärtsoppa och pannkakor"),
    QStringLiteral("\"Paddan\" i Göteborg"),
    QStringLiteral("Tussilago farfara, hästhov"),
    QStringLiteral("Skrivmaskinernas öde"),
    QStringLiteral("Skogsväg i Norrland"),
    QStringLiteral("Orkidéer"),
    QStringLiteral("Islyktor"),
    QStringLiteral("Runor"),
    QStringLiteral("Höstlöv"),
    QStringLiteral("Vitsippor"),
    QStringLiteral("Landsväg"),
    QStringLiteral("Nya studenter kommer ut."),
    QStringLiteral("Operakällaren"),
    QStringLiteral("Riksdagshuset i Stockholm."),
    QStringLiteral("Stadshuset i Stockholm."),
    QStringLiteral("Riksdagshuset i Stockholm."),
    QStringLiteral("Stockholm. Vik av Riddarfjärden."),
    QStringLiteral("Vy från Katarinahissen i Stockholm."),
    QStringLiteral("Stockholms slott."),
    QStringLiteral("Stockholm. Skeppsbron."),
    QStringLiteral("Tussilago farfara, hästhov"),
    QStringLiteral("Vintervy över Torshälla."),
    QStringLiteral("Guds hand."),
    QStringLiteral("Avenyn i Göteborg."),
    QStringLiteral("Poseidonstatyn på Götaplatsen i Göteborg."),
    QStringLiteral("Göteborg, spårvagnsstaden."),
    QStringLiteral("\"Läppstiftet\" i Göteborg."),
    QStringLiteral("Centralstationen i Göteborg."),
};

const QString texterB[AntalBilder + 1] = {
    QString(),
    QStringLiteral("1Stalltjärnstugeån i västra Jämtland"),
    QStringLiteral("1Gammalt hus i västra Hälsingland"),
    QStringLiteral("1Ensilagerullar - inplastat gräs"),
    QStringLiteral("1Röd flugsvamp"),
    QStringLiteral("1Blommande bovetefält i Sörmland"),
    QStringLiteral("1Tännforsen i Jämtland."),
    QStringLiteral("1Vedstackar på en fjällgård"),
    QStringLiteral("1Fäbodvall i Dalarna"),
    QStringLiteral("1Åre med Åreskutan"),
    QStringLiteral("1En tistel och en strätta"),
    QStringLiteral("1Glasblåsare"),
    QStringLiteral("1Grand Hotell, Stockholm, 1950"),
    QStringLiteral("1Husmanskost - ärtsoppa och pannkakor"),
    QStringLiteral("1Sveriges flagga"),
    QStringLiteral("1Tussilago farfara, hästhov"),
    QStringLiteral("1Skrivmaskinernas öde"),
    QStringLiteral("1Skogsväg i Norrland"),
    QStringLiteral("1Väderkvarn i Torshälla"),
    QStringLiteral("1Islyktor"),
    QStringLiteral("1Ristningar i bark och i sten"),
    QStringLiteral("1Vinterbadare"),
    QStringLiteral("1Vitsippor"),
    QStringLiteral("1Vintervy över Torshälla."),
    QStringLiteral("1Nya studenter kommer ut."),
    QStringLiteral("1Stockholm. Grand hotell och Nationalmuseum."),
    QStringLiteral("1Riksdagshuset i Stockholm."),
    QStringLiteral("1Stadshuset i Stockholm."),
    QStringLiteral("1Riksdagshuset i Stockholm."),
    QStringLiteral("1Stockholm. Vik av Riddarfjärden."),
    QStringLiteral("1Vy från Katarinahissen i Stockholm."),
    QStringLiteral("1Stockholms slott."),
    QStringLiteral("1Stockholm. Skeppsbron."),
    QStringLiteral("1Fjällfisken bärs hem."),
    QStringLiteral("1Devis på kyrkskolan i Torshälla: \"Kunskap är makt\"."),
    QStringLiteral("1Guds hand."),
    QStringLiteral("1Avenyn i Göteborg."),
    QStringLiteral("1Poseidonstatyn på Götaplatsen i Göteborg."),
    QStringLiteral("1Göteborg, spårvagnsstaden."),
    QStringLiteral("1\"Läppstiftet\" i Göteborg."),
    QStringLiteral("1Centralstationen i Göteborg."),
};

const QString &texter(const QString (&lista)[AntalBilder + 1], int n)
{
    return n >= 1 && n <= AntalBilder ? lista[n] : lista[0];
}

} // namespace

void HaemtaLovordFilNamn()
{
    const int raett = G.runda.AntalRaett;
    const int fel = G.runda.AntalIRunda - raett;
    G.beroem.LovordFilNamn.clear();
    if (fel < 0 || fel > 2)
        return;
    const int d = GeDiagnosNummer(G.oevning.Programtal);
    const int res = d == 0 ? 0 : G.diagnos.Diagnostabell.resultat[d];
    const int nummer = lovordNummer(fel, d, res, !G.diagnos.Diagnostabell.namn.isEmpty());
    if (nummer != 0)
        G.beroem.LovordFilNamn = QStringLiteral("SVOM") + QString::number(nummer) + QStringLiteral(".LOV");
}

bool KollaLovOrd(const QString &namn)
{
    G.beroem.LovordIndex = 1;
    while (G.beroem.LovordIndex <= G.start.AntalLovordFiler && G.start.LovordFilTabell[G.beroem.LovordIndex] != namn)
        ++G.beroem.LovordIndex;
    // A name that is not in the table has no count to look at.
    if (G.beroem.LovordIndex > G.start.AntalLovordFiler || !decltype(G.start.LovordAntalRader)::inom(G.beroem.LovordIndex))
        return false;
    if (G.start.LovordAntalRader[G.beroem.LovordIndex] == 0)
        ordantal(namn, G.beroem.LovordIndex, true);
    return G.start.LovordAntalRader[G.beroem.LovordIndex] != 0;
}

int haemta_Lovordslumptal(int markoer, int index)
{
    if (!decltype(G.start.LovordAntalRader)::inom(index))
        return 0;
    const int antal = G.start.LovordAntalRader[index];
    if (antal <= 0)
        return 0;
    int resultat = nteIOrdningen(markoer, antal, 900);
    // A cursor past the count (or an order that is not drawn yet) still
    // gives a line of the file.
    if (resultat == 0)
        resultat = std::clamp(markoer, 1, antal);
    int &m = G.beroem.LovordMarkoer[index];
    m = m < antal ? m + 1 : 1;
    return resultat;
}

QString LovordMen(const QString &faelt)
{
    QString ut;
    const int d = GeDiagnosNummer(G.oevning.Programtal);
    qsizetype p = 0;
    while (p < faelt.size()) {
        const QChar c = faelt.at(p);
        if (c != QLatin1Char('<')) {
            ut += c;
            ++p;
            continue;
        }
        const QStringView rest = QStringView(faelt).mid(p);
        if (rest.startsWith(QLatin1String("<namn>"))) {
            ut += G.diagnos.Diagnostabell.namn.str();
            p += 6;
        } else if (rest.startsWith(QLatin1String("<diagnos>"))) {
            ut += QString::number(d);
            p += 9;
        } else if (rest.startsWith(QLatin1String("<res>"))) {
            ut += QString::number(d == 0 ? 0 : G.diagnos.Diagnostabell.resultat[d]);
            p += 5;
        } else {
            ++p;   // a lone "<" is dropped
        }
    }
    return ut;
}

int haemta_Bildslumptal(int /*markoer*/)
{
    if (G.beroem.BildOrdningNy == 1) {
        bool tagen[AntalBilder + 1] = {};
        int j = 1;
        for (int p = 1; p <= 900 && j <= AntalBilder; ++p) {
            const int tal = G.fel.SlumpOrdning[p];
            if (tal >= 1 && tal <= AntalBilder && !tagen[tal]) {
                tagen[tal] = true;
                G.beroem.BildOrdning[j++] = tal;
            }
        }
        // An order that does not hold every picture number yet: the missing
        // numbers follow in turn, so every entry is a picture.
        for (int n = 1; n <= AntalBilder && j <= AntalBilder; ++n)
            if (!tagen[n])
                G.beroem.BildOrdning[j++] = n;
        G.beroem.BildOrdningNy = 0;
    }
    if (G.beroem.BildMarkoer < 1 || G.beroem.BildMarkoer > AntalBilder)
        G.beroem.BildMarkoer = 1;
    const int n = G.beroem.BildOrdning[G.beroem.BildMarkoer];
    GeBildText(n);
    G.beroem.BildMarkoer = G.beroem.BildMarkoer < AntalBilder ? G.beroem.BildMarkoer + 1 : 1;
    return n;
}

QString GeBildText(int n)
{
    if (n >= 1 && n <= AntalBilder)
        G.beroem.BildText = G.mening.MusOverText == 1 ? texterA[n] : texterB[n];
    return G.beroem.BildText;
}

const QString &StartbildText(int n) { return texter(texterA, n); }
const QString &BeloeningsbildText(int n) { return texter(texterB, n); }

QString VisadBildText(const QString &bildText)
{
    return bildText.startsWith(QLatin1Char('1')) ? bildText.mid(1) : bildText;
}
