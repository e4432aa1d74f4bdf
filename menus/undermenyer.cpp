#include "menus/undermenyer.h"

#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

using S = Menypost::Slag;
using F = Foenstertyp;

namespace {
// An exercise entry: its data file (or none) and the window it opens.
Menypost ovn(int knapp, const char *text, const char *datfil, F oeppnar, bool avIArbetsblad = false)
{
    return {knapp, text, S::Oevning, datfil, oeppnar, nullptr, avIArbetsblad};
}
// An entry that opens a deeper sub-menu.
Menypost sub(int knapp, const char *text, void (*visa)(), bool avIArbetsblad = false)
{
    return {knapp, text, S::Undermeny, nullptr, F::Ingen, visa, avIArbetsblad};
}
Menypost tillbaka(int knapp, const char *text = "Till föregående meny")
{
    return {knapp, text, S::Tillbaka};
}
} // namespace

const Menydef menyTF1{"TF1", "Sverige", 233,
    {ovn(1, "Karta", nullptr, F::TKarta), ovn(2, "Flagga", nullptr, F::TFlagga),
     ovn(3, "Nationalsång", nullptr, F::TSvHymn), tillbaka(4, "Till huvudmenyn")},
    24, 19};

const Menydef menyTF2{"TF2", "Stavning", 260,
    {sub(1, "Vokalen", VisaF21), sub(2, "Kort-lång vokal", VisaF22), sub(3, "Stava rätt", VisaF23),
     sub(4, "Diktamen", VisaF24, true), sub(5, "Skilja ljud", VisaF25), tillbaka(6)}};

const Menydef menyTF21{"TF21", "Vokalen", 280,
    {ovn(1, "Vokal eller konsonant?", "SVE21100.DAT", F::TPassAkt),
     ovn(2, "Hur många vokaler?", "SVE21200.DAT", F::TPassAkt),
     ovn(3, "Hård eller mjuk vokal?", "SVE21300.DAT", F::TPassAkt),
     ovn(4, "Examen", nullptr, F::TVokalex, true), tillbaka(5)}};

const Menydef menyTF22{"TF22", "Kort eller lång vokal?", 300,
    {ovn(1, "Kort eller lång vokal", "SVE22100.DAT", F::TPassAkt),
     ovn(2, "Dubbelskrivning 1", "SVE22200.DAT", F::TFLERBAR),
     ovn(3, "Dubbelskrivning 2", "SVE22300.DAT", F::TFLERBAR), tillbaka(4)}};

const Menydef menyTF23{"TF23", "Stava rätt", 300,
    {ovn(1, "Ä-ljudet", "SVE23100.DAT", F::TFLERBAR), ovn(2, "Å-ljudet", "SVE23200.DAT", F::TFLERBAR),
     ovn(3, "TJ-ljudet", "SVE23300.DAT", F::TFLERBAR),
     ovn(4, "SJ-ljudet - sj, sk, skj, stj", "SVE23400.DAT", F::TFLERBAR),
     ovn(5, "SJ-ljudet - alla varianter", "SVE23500.DAT", F::TFLERBAR),
     ovn(6, "NG-ljudet", "SVE23600.DAT", F::TFLERBAR), ovn(7, "J-ljudet", "SVE23700.DAT", F::TFLERBAR),
     ovn(8, "KS-'ljudet'", "SVE23800.DAT", F::TFLERBAR), ovn(9, "S-ljudet", "SVE23900.DAT", F::TFLERBAR),
     ovn(10, "Homonymer", "SVE23101.DAT", F::TFLERBAR), tillbaka(11)}};

const Menydef menyTF24{"TF24", "Diktamen", 260,
    {ovn(1, "Ganska svårt", "SVE24100.DAT", F::TDiktam), ovn(2, "Svårare", "SVE24200.DAT", F::TDiktam),
     ovn(3, "Knepiga ord", "SVE24300.DAT", F::TSkrivinf), tillbaka(4)}};

const Menydef menyTF25{"TF25", "Skilja ljud", 260,
    {ovn(1, "B - P", "SVE25100.DAT", F::TFLERBAR), ovn(2, "D - T", "SVE25200.DAT", F::TFLERBAR),
     ovn(3, "F - V", "SVE25300.DAT", F::TFLERBAR), ovn(4, "G - K", "SVE25400.DAT", F::TFLERBAR),
     ovn(5, "SJ - TJ", "SVE25500.DAT", F::TPassAkt), ovn(6, "U - Y - Ö", "SVE25600.DAT", F::TFLERBAR),
     ovn(9, "Bokstäverna b och d", "SVE25700.DAT", F::TFLERBAR), tillbaka(7)}};

const Menydef menyTF3{"TF3", "Dina ord", 300,
    {sub(1, "Göra ord", VisaF31), sub(2, "Ord som hör ihop", VisaF32), sub(3, "Språkkryddor", VisaF33),
     sub(4, "Alfabetet", VisaF34), ovn(5, "Krypto", "SVE35000.DAT", F::TSKRIV),
     sub(6, "Avstavning", VisaF36), sub(7, "Förkortningar", VisaF37), sub(8, "Du själv", VisaF38, true),
     sub(9, "Håll isär", VisaF39), ovn(10, "Stor eller liten", "SVE31010.DAT", F::TFLERBAR),
     tillbaka(11)},
    30, 22, 35, 50};

const Menydef menyTF31{"TF31", "Göra ord", 260,
    {sub(1, "Vilket ord", VisaF311), ovn(2, "Skapa ord", "SVE31210.DAT", F::TSKRIV),
     ovn(3, "Poet", "SVE31310.DAT", F::TSynon, true), ovn(4, "Skarva", "SVE31410.DAT", F::TSynon, true),
     tillbaka(5)}};

const Menydef menyTF311{"TF311", "Vilket ord", 260,
    {ovn(1, "Vilket ord 1", "SVE31110.DAT", F::TSKRIV), ovn(2, "Vilket ord 2", "SVE31120.DAT", F::TSKRIV),
     ovn(3, "Vilket ord 3", "SVE31130.DAT", F::TSKRIV), ovn(4, "Vilket ord 4", "SVE31140.DAT", F::TSKRIV),
     ovn(5, "Vilket ord 5", "SVE31150.DAT", F::TSKRIV), ovn(6, "Vilket ord 6", "SVE31160.DAT", F::TSKRIV),
     ovn(7, "Vilket ord 7", "SVE31170.DAT", F::TSKRIV), ovn(8, "Vilket ord 8", "SVE31180.DAT", F::TSKRIV),
     tillbaka(9)}};

const Menydef menyTF32{"TF32", "Ord som hör ihop", 280,
    {sub(1, "Synonymer", VisaF321, true), sub(2, "Katt bland hermeliner", VisaF322, true),
     ovn(3, "Rubrik", "SVE32300.DAT", F::TSKRIV), ovn(4, "Motsats", "SVE32400.DAT", F::TSKRIV),
     tillbaka(5)}};

const Menydef menyTF321{"TF321", "Synonymer", 260,
    {ovn(1, "Synonym 1", "SVE32110.DAT", F::TSynon), ovn(2, "Synonym 2", "SVE32120.DAT", F::TSynon),
     ovn(3, "Förklarat ord", "SVE32130.DAT", F::TInseTxt), tillbaka(4)}};

const Menydef menyTF322{"TF322", "Katt bland hermeliner", 320,
    {{1, "Brokig katt", S::Oevning, "SVE32210.DAT", F::Tkatten, nullptr, false, F::TSpelNam},
     {2, "Liten katt", S::Oevning, "SVE32220.DAT", F::Tkatten, nullptr, false, F::TSpelNam},
     tillbaka(3)}};

const Menydef menyTF33{"TF33", "Språkkryddor", 260,
    {ovn(1, "Talesätt 1", "SVE33100.DAT", F::TSkrivinf), ovn(2, "Talesätt 2", "SVE33200.DAT", F::TSkrivinf),
     ovn(3, "Talesätt 3", "SVE33300.DAT", F::TSkrivinf), tillbaka(4)}};

const Menydef menyTF34{"TF34", "Alfabetet", 260,
    {ovn(1, "Före – mellan – efter", "SVE34100.DAT", F::TSKRIV),
     ovn(2, "Alfabetisk ordning", "SVE34200.DAT", F::TPassAkt),
     ovn(3, "Ordna 1", "SVE34300.DAT", F::TSKRIV), ovn(4, "Ordna 2", "SVE34400.DAT", F::TSKRIV),
     ovn(5, "Ordna 3", "SVE34500.DAT", F::TSKRIV), ovn(6, "Ordna 4", "SVE34600.DAT", F::TOrdna, true),
     ovn(7, "Ordna 5", "SVE34700.DAT", F::TOrdna, true), ovn(8, "Ordna 6", "SVE34800.DAT", F::TOrdna, true),
     tillbaka(9)}};

const Menydef menyTF36{"TF36", "Avstavning", 260,
    {ovn(1, "Lätt", "SVE36100.DAT", F::TSKRIV), ovn(2, "Svårare", "SVE36200.DAT", F::TSKRIV),
     tillbaka(3)}};

const Menydef menyTF37{"TF37", "Förkortningar", 260,
    {ovn(1, "Förkortning, lätt", "SVE37100.DAT", F::TSKRIV),
     ovn(2, "Förkortning, svår", "SVE37200.DAT", F::TSKRIV),
     ovn(3, "Bokstavsord", "SVE37300.DAT", F::TSKRIV), tillbaka(4)}};

const Menydef menyTF38{"TF38", "Du själv", 260,
    {ovn(1, "Kroppens delar", "SVE38100.DAT", F::TBilden), ovn(2, "Huvudets delar", "SVE38200.DAT", F::TBilden),
     tillbaka(3)}};

const Menydef menyTF39{"TF39", "Håll isär", 260,
    {ovn(1, "Före - för", "SVE39100.DAT", F::TFLERBAR), ovn(2, "Var - vart", "SVE39200.DAT", F::TFLERBAR),
     tillbaka(3)}};

const Menydef menyTF4{"TF4", "Grammatik", 260,
    {sub(1, "Ordkamp", VisaF41, true), ovn(2, "Preposition", "SVE42000.DAT", F::TSkrivinf),
     sub(3, "Oregelbundna ord", VisaF43), ovn(4, "Genus", "SVE44000.DAT", F::TFLERBAR),
     ovn(5, "Plural", "SVE45000.DAT", F::TSKRIV), sub(6, "Lite om verb", VisaF46),
     sub(9, "Satsdelar", VisaF47), tillbaka(7)}};

const Menydef menyTF41{"TF41", "Ordkamp", 260,
    {ovn(1, "Substantiv", "SVE41100.DAT", F::TFalska), ovn(2, "Adjektiv", "SVE41200.DAT", F::TFalska),
     ovn(3, "Verb", "SVE41300.DAT", F::TFalska), tillbaka(4)}};

const Menydef menyTF43{"TF43", "Oregelbundna ord", 280,
    {ovn(1, "Adjektiv", "SVE43100.DAT", F::TSkrivinf), ovn(2, "Substantiv", "SVE43200.DAT", F::TSkrivinf),
     ovn(3, "Verb", "SVE43300.DAT", F::TSkrivinf), tillbaka(4)}};

const Menydef menyTF46{"TF46", "Lite om verb", 300,
    {sub(1, "Tempus", VisaF461), ovn(2, "Imperativ", "SVE46200.DAT", F::TSkrivinf),
     ovn(3, "Regelbundna - oregelbundna", "SVE46300.DAT", F::TPassAkt),
     ovn(4, "Transitiva - intransitiva", "SVE46400.DAT", F::TFLERBAR), tillbaka(5)}};

const Menydef menyTF461{"TF461", "TEMPUS", 260,
    {ovn(1, "Presens", "SVE46110.DAT", F::TSKRIVHI), ovn(2, "Imperfekt", "SVE46120.DAT", F::TSKRIVHI),
     ovn(3, "Perfekt", "SVE46130.DAT", F::TSKRIVHI), ovn(4, "Pluskvamperfekt", "SVE46140.DAT", F::TSKRIVHI),
     ovn(5, "Futurum", "SVE46150.DAT", F::TSKRIVHI), tillbaka(6)}};

const Menydef menyTF47{"TF47", "Satsdelar", 442,
    {ovn(1, "Predikat eller subjekt?", "SVE47100.DAT", F::TSats),
     ovn(2, "Ackusativobjekt?", "SVE47200.DAT", F::TSats),
     ovn(3, "Ackusativ- eller dativobjekt?", "SVE47300.DAT", F::TSats),
     ovn(4, "Ackusativ-, dativobjekt eller predikatsfyllnad?", "SVE47400.DAT", F::TPassAkt),
     tillbaka(5)}};

const Menydef menyTF5{"TF5", "Diverse", 260,
    {ovn(1, "Stolliga texten", "SVE51000.DAT", F::TPrank), ovn(2, "Avslöja", "SVE52000.DAT", F::Tavsloj),
     ovn(3, "Berätta", "SVE53000.DAT", F::Tberaetta), sub(4, "Läsgympa", VisaF54),
     ovn(5, "Klockan", "SVE55000.DAT", F::TKlockan), sub(6, "Läsförståelse", VisaF56), tillbaka(7)}};

const Menydef menyTF54{"TF54", "Läsgympa", 280,
    {ovn(1, "Ord med två bokstäver", "SVE54100.DAT", F::TLasLjud),
     ovn(2, "Ord med tre bokstäver", "SVE54200.DAT", F::TLasLjud), tillbaka(3)}};

const Menydef menyTF56{"TF56", "Läsförståelse", 260,
    {ovn(1, "Fabel 1", "SVE56100.DAT", F::TInseTxt), ovn(2, "Fabel 2", "SVE56200.DAT", F::TInseTxt),
     ovn(3, "Fabel 3", "SVE56300.DAT", F::TInseTxt), ovn(4, "Fabel 4", "SVE56400.DAT", F::TInseTxt),
     ovn(5, "Fabel 5", "SVE56500.DAT", F::TInseTxt), ovn(6, "Fabel 6", "SVE56600.DAT", F::TInseTxt),
     ovn(7, "Fabel 7", "SVE56700.DAT", F::TInseTxt), ovn(8, "Fabel 8", "SVE56800.DAT", F::TInseTxt),
     ovn(9, "Fabel 9", "SVE56900.DAT", F::TInseTxt), tillbaka(11)}};

const std::vector<const Menydef *> &allaUndermenyer()
{
    static const std::vector<const Menydef *> alla{
        &menyTF1, &menyTF2, &menyTF21, &menyTF22, &menyTF23, &menyTF24, &menyTF25, &menyTF3,
        &menyTF31, &menyTF311, &menyTF32, &menyTF321, &menyTF322, &menyTF33, &menyTF34, &menyTF36,
        &menyTF37, &menyTF38, &menyTF39, &menyTF4, &menyTF41, &menyTF43, &menyTF46, &menyTF461,
        &menyTF47, &menyTF5, &menyTF54, &menyTF56};
    return alla;
}

const Menydef *undermenydef(const QString &klass)
{
    for (const Menydef *d : allaUndermenyer())
        if (klass == QLatin1String(d->klass))
            return d;
    return nullptr;
}

void TF21::foereOevning(const Menypost &)
{
    oevningUtomArbetsblad();
}

void TF322::oeppnaOevning(const Menypost &post)
{
    G.spelare.SpelnamnAvbrutet = 0;
    starta(post.foerst);
    if (G.spelare.SpelnamnAvbrutet == 0)
        starta(post.oeppnar);
}

void TF38::efterDatfil(const Menypost &)
{
    G.beroem.BildNamn = QString::fromLatin1(program(GeProgramtal(G.oevning.DatFilNamn)).bild);
}

void VisaF1() { plattform::visaModalt<TF1>(); }
void VisaF2() { plattform::visaModalt<TF2>(); }
void VisaF21() { plattform::visaModalt<TF21>(); }
void VisaF22() { plattform::visaModalt<TF22>(); }
void VisaF23() { plattform::visaModalt<TF23>(); }
void VisaF24() { plattform::visaModalt<TF24>(); }
void VisaF25() { plattform::visaModalt<TF25>(); }
void VisaF3() { plattform::visaModalt<TF3>(); }
void VisaF31() { plattform::visaModalt<TF31>(); }
void VisaF311() { plattform::visaModalt<TF311>(); }
void VisaF32() { plattform::visaModalt<TF32>(); }
void VisaF321() { plattform::visaModalt<TF321>(); }
void VisaF322() { plattform::visaModalt<TF322>(); }
void VisaF33() { plattform::visaModalt<TF33>(); }
void VisaF34() { plattform::visaModalt<TF34>(); }
void VisaF36() { plattform::visaModalt<TF36>(); }
void VisaF37() { plattform::visaModalt<TF37>(); }
void VisaF38() { plattform::visaModalt<TF38>(); }
void VisaF39() { plattform::visaModalt<TF39>(); }
void VisaF4() { plattform::visaModalt<TF4>(); }
void VisaF41() { plattform::visaModalt<TF41>(); }
void VisaF43() { plattform::visaModalt<TF43>(); }
void VisaF46() { plattform::visaModalt<TF46>(); }
void VisaF461() { plattform::visaModalt<TF461>(); }
void VisaF47() { plattform::visaModalt<TF47>(); }
void VisaF5() { plattform::visaModalt<TF5>(); }
void VisaF54() { plattform::visaModalt<TF54>(); }
void VisaF56() { plattform::visaModalt<TF56>(); }
