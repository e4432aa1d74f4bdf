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

// The mode of the exercise windows, stored in G.oevning.Arbetsbladslaege as its byte.
enum class Laege : Byte {
    Oevning = 0,               // practice from a menu
    Arbetsblad = 1,            // worksheet mode: the windows print instead of running
    Diagnostest = 2,           // a diagnosis test
    Diagnosoevning = 3,        // the practice of a diagnosis test
    OevningGodkaend = 4,       // that practice passed, held only while its round ends
    OevningRaettning = 5,      // that practice in a correction round
};

// G.oevning.Arbetsbladslaege read as a mode, and set from one.
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

// Each part of the state is a group named by the code that writes it; its
// comment says who writes it and who reads it. Uppstart() and TForm1's
// creation give some fields their first values besides.
struct Tillstaand {
    // Configuration and content tables. Written by start-up (core/uppstart:
    // HaemtaSoekvaegar, HaemtaDatFiler, HaemtaLovordFiler); Kolla and
    // ordantal count a file's items or lines the first time it opens, and
    // SkapaSlumpordning zeroes the counts. Read by the readers of content and
    // results (core/innehaall, ljud, lovord, slumpordning, rekord, diagnosfil),
    // TForm1, the frame and some windows, the worksheet panel, the rule page
    // and the manual.
    struct Startdata {
        TextN<80> PcSoekvaeg;
        TextN<80> CdSoekvaeg;
        QString ResultatKatalog;
        QString DiagnosKatalog;
        QString ReservLaerarLoesen;    // from the configuration, for a forgotten password; empty: none
        Arr<TextN<12>, 1, 140> DatFilTabell;
        Word AntalDatFiler = 0;
        Arr<TextN<12>, 1, 20> LovordFilTabell;
        Word AntalLovordFiler = 0;
        Arr<int, 1, 140> FilAntalPoster;
        Arr<int, 1, 20> LovordAntalRader;
    } start;

    // The exercise opened. Written by who opens it: the sub-menus
    // (Undermeny) and the protocol (Tdiaprot) set DatFilNamn; Kolla
    // (core/uppstart) sets DatFilIndex and reads the header lines into
    // Rubrikrader, Instruktion and Fraagerad; the window's creation sets
    // Programtal (Ovningsram::skapa, the windows without the frame,
    // VisaRegelform); the mode goes through saettLaege (TForm1, the menus,
    // TDiag, Tdiaprot, Uppstart, and Runda and diagnosback as a diagnosis
    // practice moves on). TFLERBAR, TSkrivinf and TSats set their worksheet's
    // Fraagerad. Read by the windows, Runda, core/ (datafiler, slumpordning,
    // ljud, lovord, meningslayout), the rule page, records and the worksheet
    // panel.
    struct Oevningsdata {
        QString DatFilNamn;
        int DatFilIndex = 0;
        Word Programtal = 0;
        Byte Arbetsbladslaege = 0;
        Arr<TextN<80>, 1, 3> Rubrikrader;
        TextN<80> Instruktion;
        TextN<80> Fraagerad;
    } oevning;

    // Where the reading of items stands. Written by the item readers
    // (core/datafiler: naestaPost, postNummer, LetaPrep) and by haemtafel
    // (core/slumpordning) for a listed wrong item; TLasLjud sets PostNummer,
    // TSats HaemtadRad and TFalska LetaPrepDelar for items they pick
    // themselves. Read by Runda, the windows that pick items themselves,
    // ljud (the item's sound) and slumpordning. The item itself is a value
    // (Postdelar) that the window keeps and passes on.
    struct Postdata {
        Word PostNummer = 0;
        QString HaemtadRad;
        Arr<QString, 1, 5> LetaPrepDelar;
        static constexpr Byte Radskrypterad = 1;   // lines starting with ")" are scrambled
    } post;

    // Random order and wrong answers. Written by core/slumpordning
    // (SkapaSlumpordning at start, haemta_slumptal, haemtafel); TKlockan notes
    // its own KlockPost. Read by core/datafiler (naestaPost), Runda, the frame
    // and the windows, ljud and lovord.
    struct Feldata {
        Arr<int, 1, 900> SlumpOrdning;
        Arr<int, 1, 140> FilSlumpMarkoer;
        Arr<Felpost, 1, 400> Fellista;
        Arr<int, 1, 140> FelAntal;
        int FelPostNummer = 0;
        int KlockPost = 0;
    } fel;

    // The round. Written by Runda (core/runda) for praise, diagnosis and the
    // windows' counters; bokaGodkaendOevning (core/diagnos) zeroes AntalRaett.
    // The windows write what Runda does not do for them: TInseTxt and
    // TSKRIVHI the round's length, TSats, TFalska and TSkrivinf SenastRaett,
    // the windows without the frame clear RaettaFel. Tidraeknare
    // is the tick count of whichever timer runs (Runda's waits, the frame,
    // TForm1's Timer2, the windows with timers of their own). Read by Runda,
    // lovord (praise), ljud, the windows and the main window.
    struct Runddata {
        Word Uppgiftsnummer = 0;
        Word AntalRaett = 0;
        Word AntalFel = 0;
        int AntalIRunda = 0;
        int StandardAntal = 0;
        static constexpr int AntalPerRunda = 10;
        static constexpr int DiagnosLaengd = 20;
        Byte SenastRaett = 0;
        int Tidraeknare = 0;
        Byte RaettaFel = 0;
    } runda;

    // Settings, in memory only. Written by TForm1 (the defaults at start) and
    // the settings dialog TStallin; TSKRIVHI sets SekunderRaettSvar back to 3,
    // the frame clears LaddaOrdlistor once it has loaded the lists, TDiktam
    // keeps its DiktatLaege. Read by the windows, Runda, ljudPaa/bildPaa and
    // core/oeversaettning.
    struct Valdata {
        int SekunderRaettSvar = 0;
        Byte LjudLaege = 0;
        Byte BildLaege = 0;
        Byte Oeversaettning = 0;
        Byte LaddaOrdlistor = 0;
        Byte DiktatLaege = 0;
    } val;

    // Praise and pictures. Written by core/lovord (the praise file and its
    // line, the picture order and caption), SkapaSlumpordning (the marks at
    // start), the frame's reward picture (BildNummer, BildNamn), TForm1 (its
    // start pictures) and the picture menu (BildNamn). Read by core/lovord,
    // the frame's praise box and reward picture, TInseTxt, TBilden and TForm1.
    struct Beroemdata {
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
    } beroem;

    // Sounds. Written by core/ljud (the program's sound folder, the one-off
    // "no audio output" message); TSvHymn sets RaktLjud for a sound straight
    // from the sound folder's top (TForm1 clears it at start). Read by
    // core/ljud, the frame and TLasLjud.
    struct Ljuddata {
        QString LjudKatalog;
        Byte RaktLjud = 0;
        bool LjudutgaangSaknasSagt = false;   // "no audio output" said in this run
    } ljud;

    // The translation lists, written by FyllEngListan (core/oeversaettning)
    // and read by the frame, TDiktam and core/oeversaettning.
    struct Ordlistdata {
        QStringList ListBox1;          // the main window's hidden translation lists:
        QStringList ListBox2;          // the Swedish words and their translations
    } ordlistor;

    // Whether a sentence is being laid out as a picture's caption. TForm1
    // sets MusOverText around the caption; dela_mening (core/meningslayout)
    // reads it and clears it, and GeBildText (core/lovord) reads it too.
    struct Meningsdata {
        Byte MusOverText = 0;
    } mening;

    // Screen, written by Skaltest (core/skaermskala) and read by every window.
    struct Skaermdata {
        Word Skalprocent = 0;
        Word Marginal = 0;
    } skaerm;

    // Diagnosis. Written by the diagnosis module: core/diagnosfil (the
    // pupil's record, the teacher password), core/diagnos (diagnosback),
    // core/diagnosprotokoll (Kolumnprocent), Tdiaprot and TDiag; Runda and
    // TFLERBAR move OevningsNummer on, TForm1 clears DiagnosStaengd and
    // Uppstart sets ValtTest. Read by the diagnosis module, Runda, lovord and
    // the frame.
    struct Diagnosdata {
        Diagnospost Diagnostabell;
        int DiagnosNummer = 0;
        Byte DiagnosStaengd = 0;
        Byte ProtokollAendrat = 0;
        int ValtTest = 0;
        Byte OevningsNummer = 0;
        static constexpr int StatusGraens = 15;
        QString LaerarLoesen;          // the teacher password in effect; empty until read
        Byte Raderingslaege = 0;       // 1 while the sign-in deletes a pupil ("R" on the list)
        Arr<int, 1, 4> Kolumnprocent;
    } diagnos;

    // Players and record tables. Written by the player dialog TSpelNam, the
    // games (TFalska and TSynon their player and record row), the sub-menus
    // (SpelnamnAvbrutet before asking), TForm1 (the defaults at start) and
    // records/rekord. Read by the games, the sub-menus, TSpelNam, core/rekord
    // and records/rekord.
    struct Spelardata {
        Arr<TextN<20>, 1, 3> Spelarnamn;
        int AntalSpelare = 0;
        Byte SpelnamnAvbrutet = 0;
        QString RekordFilNamn;
        Rekordpost RekordPost;
        Byte RekordtabellPaa = 0;
        Byte ForstaRekordtabell = 0;
    } spelare;

    // Worksheets. Written by the worksheet panel (worksheets/arbetsbladsval)
    // and the printout (TUtskrift); TForm1 starts a worksheet session, the
    // frame a window's section, the windows in worksheet mode set their
    // Utskriftsrubrik (and TFLERBAR its FleraBarFlagga). Read by the panel
    // and the printout.
    struct Arbetsbladsdata {
        int UtskriftAntal = 0;
        int UtskriftAvsnitt = 0;
        Byte NyttAvsnitt = 0;
        Byte MedSvar = 0;
        TextN<80> Utskriftsrubrik;
        int SidNummer = 0;
        Byte NySida = 0;
        Byte FleraBarFlagga = 0;
        int UtskriftNummer = 0;
    } arbetsblad;
};


// "Börja", "Vänta", "Testa", "Öva" for status 0..3.
const QString &Statustexter(int status);

// The one shared state of the run.
extern Tillstaand G;

// Everything back to zero and empty, as before the program starts.
void aaterstaellTillstaand();
