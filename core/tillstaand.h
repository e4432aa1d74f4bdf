#pragma once
// The program's shared state: one object that the main window, the menus,
// every exercise window, the diagnosis module and the worksheet printout
// read and write. Everything runs on the user-interface thread.
#include "core/typer.h"

#include <QString>
#include <QStringList>

// The current pupil's record, laid out on disk as 336 bytes (records file).
struct Diagnospost {
    TextN<21> namn;
    TextN<10> loesen;
    Arr<std::int32_t, 1, 20> resultat;
    Arr<Byte, 1, 20> status;
    Arr<Word, 1, 20> aar;
    Arr<Word, 1, 20> maanad;
    Arr<Word, 1, 20> dag;
    Arr<Word, 1, 20> timme;
    Arr<Word, 1, 20> minut;
};

// One row of a word-collection record table, 36 bytes on disk.
struct Rekordpost {
    TextN<21> namn;
    Word aar = 0, maanad = 0, dag = 0, timme = 0, minut = 0;
    std::int32_t resultat = 0;
};

// The mode of the exercise windows, stored in G.Arbetsbladslaege as its byte.
enum class Laege : Byte {
    Oevning = 0,               // practice from a menu
    Arbetsblad = 1,            // worksheet mode: the windows print instead of running
    Diagnostest = 2,           // a diagnosis test
    Diagnosoevning = 3,        // the practice of a diagnosis test
    OevningGodkaend = 4,       // that practice passed, held only while its round ends
    OevningRaettning = 5,      // that practice in a correction round
};

// G.Arbetsbladslaege read as a mode, and set from one.
Laege laege();
void saettLaege(Laege l);

// The mode predicates every window shares.
bool aerArbetsblad(Laege l);           // worksheet mode
bool aerDiagnoslaege(Laege l);         // a diagnosis round is being reported: test or passed practice
bool aerOevningslaege(Laege l);        // practice, from a menu or for a diagnosis
bool aerDiagnosomraade(Laege l);       // anything inside the diagnosis module (2..5): 20-item rounds

// Practice mode, unless worksheet mode is on: what a menu sets before it
// opens an exercise.
void oevningUtomArbetsblad();

// Sounds and pictures are on in the settings 1 and 3 of LjudLaege and BildLaege.
bool ljudPaa();
bool bildPaa();

struct Felpost {
    int postnummer = 0;     // 0 marks an empty slot
    int filindex = 0;
};

struct Tillstaand {
    // Paths and directories, set once at start-up.
    TextN<80> PcSoekvaeg;
    TextN<80> CdSoekvaeg;
    QString ResultatKatalog;
    QString DiagnosKatalog;

    // Content tables.
    Arr<TextN<12>, 1, 140> DatFilTabell;
    Word AntalDatFiler = 0;
    Arr<TextN<12>, 1, 20> LovordFilTabell;
    Word AntalLovordFiler = 0;
    Arr<int, 1, 140> FilAntalPoster;
    Arr<int, 1, 20> LovordAntalRader;

    // The current exercise.
    QString DatFilNamn;
    int DatFilIndex = 0;
    Word Programtal = 0;
    Byte Arbetsbladslaege = 0;
    Word PostNummer = 0;
    QString HaemtadRad;
    Arr<QString, 1, 5> LetaPrepDelar;
    Arr<TextN<80>, 1, 3> Rubrikrader;
    TextN<80> Instruktion;
    TextN<80> Fraagerad;
    static constexpr Byte Radskrypterad = 1;

    // Random order and wrong answers.
    Arr<int, 1, 900> SlumpOrdning;
    Arr<int, 1, 140> FilSlumpMarkoer;
    Arr<Felpost, 1, 400> Fellista;
    Arr<int, 1, 140> FelAntal;
    int FelPostNummer = 0;
    Byte RaettaFel = 0;
    int KlockPost = 0;

    // Round counters.
    Word Uppgiftsnummer = 0;
    Word AntalRaett = 0;
    Word AntalFel = 0;
    int AntalIRunda = 0;
    int StandardAntal = 0;
    static constexpr int AntalPerRunda = 10;
    static constexpr int DiagnosLaengd = 20;
    Byte SenastRaett = 0;
    int Tidraeknare = 0;

    // Settings, in memory only.
    int SekunderRaettSvar = 0;
    Byte LjudLaege = 0;
    Byte BildLaege = 0;
    Byte Oeversaettning = 0;
    Byte LaddaOrdlistor = 0;
    Byte DiktatLaege = 0;

    // Praise, pictures and sounds.
    TextN<12> LovordFilNamn;
    int LovordIndex = 0;
    Arr<int, 1, 20> LovordMarkoer;
    Arr<int, 1, 50> BildOrdning;
    Byte BildOrdningNy = 0;
    int BildMarkoer = 0;
    int BildNummer = 0;
    QString BildNamn;
    QString BildText;
    Arr<int, 0, 5> StartbildNummer;
    Byte MusOverText = 0;
    QString LjudKatalog;
    Byte RaktLjud = 0;
    QStringList ListBox1;          // the main window's hidden translation lists:
    QStringList ListBox2;          // the Swedish words and their translations
    bool LjudutgaangSaknasSagt = false;   // "no audio output" said in this run

    // Screen.
    Word Skalprocent = 0;
    Word Marginal = 0;

    // Diagnosis.
    Diagnospost Diagnostabell;
    int DiagnosNummer = 0;
    Byte DiagnosStaengd = 0;
    Byte ProtokollAendrat = 0;
    int ValtTest = 0;
    Byte OevningsNummer = 0;
    static constexpr int StatusGraens = 15;
    QString LaerarLoesen;          // the teacher password in effect; empty until read
    QString ReservLaerarLoesen;    // from the configuration, for a forgotten password; empty: none
    Byte Raderingslaege = 0;       // 1 while the sign-in deletes a pupil ("R" on the list)
    Arr<int, 1, 4> Kolumnprocent;

    // Players and record tables.
    Arr<TextN<20>, 1, 3> Spelarnamn;
    int AntalSpelare = 0;
    Byte SpelnamnAvbrutet = 0;
    QString RekordFilNamn;
    Rekordpost RekordPost;
    Byte RekordtabellPaa = 0;
    Byte ForstaRekordtabell = 0;

    // Worksheets.
    int UtskriftAntal = 0;
    int UtskriftAvsnitt = 0;
    Byte NyttAvsnitt = 0;
    Byte MedSvar = 0;
    TextN<80> Utskriftsrubrik;
    int SidNummer = 0;
    Byte NySida = 0;
    Byte FleraBarFlagga = 0;
    int UtskriftNummer = 0;
};

// "Börja", "Vänta", "Testa", "Öva" for status 0..3.
const QString &Statustexter(int status);

// The one shared state of the run.
extern Tillstaand G;

// Everything back to zero and empty, as before the program starts.
void aaterstaellTillstaand();
