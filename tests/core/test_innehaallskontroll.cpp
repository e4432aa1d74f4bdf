// Every exercise file the list file names, checked as a Swedish teacher
// would want before a pupil meets it: one right answer that the sentence
// does not give away, no sentence twice, no diagnosis item that its
// practice has already shown, and enough items for several fresh rounds.
#include "../support/innehaallskontroll.h"
#include "../support/miljoe.h"

#include "core/diagnos.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

namespace {

Innehaallsregler reglerFoer(Word p)
{
    Innehaallsregler r;
    r.egnaVal = program(p).egnaVal;
    r.lucka = program(p).foenster != Foenstertyp::TDiktam;   // a dictation item is its word
    const bool diagnos = p >= 1 && p <= 20;
    r.minstPerOrd = diagnos ? 0 : 5;
    r.luckmening = program(p).foenster == Foenstertyp::TSkrivinf;
    r.moensterFoerst = program(p).moensterFoerst;
    if (program(p).foenster == Foenstertyp::TSKRIVHI) {
        // A verb and its tense form: no gap, at least 30 verbs.
        r.lucka = false;
        r.svarIFaelt2 = true;
        r.minstPoster = 30;
    }
    return r;
}

QString lista(const QStringList &fel) { return fel.join(QLatin1Char('\n')); }

class Innehaallskontroll : public ByggdMiljoe {};

TEST_F(Innehaallskontroll, EveryListedFileOfABuiltWindowPasses)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    QHash<QString, Meningar> meningar;
    int granskade = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        const Word p = GeProgramtal(namn);
        // The files of the word-choice, dictation and gap-sentence windows and the verb-form ladder.
        const Foenstertyp typ = program(p).foenster;
        if (typ != Foenstertyp::TFLERBAR && typ != Foenstertyp::TSKRIVHI && typ != Foenstertyp::TDiktam
            && typ != Foenstertyp::TSkrivinf)
            continue;
        ++granskade;
        fel << granskaDatafil(namn, reglerFoer(p), &meningar[namn]);
    }
    EXPECT_GE(granskade, 50 + 17);

    // A diagnosis pool shares no sentence with its practice file or with the
    // menu files that lead to it.
    for (auto d = meningar.cbegin(); d != meningar.cend(); ++d) {
        const Word test = GeProgramtal(d.key());
        if (!d.key().startsWith(QStringLiteral("SVDI")) || test < 1 || test > 20)
            continue;
        for (auto t = meningar.cbegin(); t != meningar.cend(); ++t) {
            const Word p = GeProgramtal(t.key());
            if (p == 100 + test || (p > 200 && GeDiagnosNummer(p) == test))
                fel << gemensammaMeningar(d.key(), d.value(), t.key(), t.value());
        }
    }
    EXPECT_TRUE(fel.isEmpty()) << lista(fel).toStdString();
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

TEST_F(Innehaallskontroll, EveryStoryFileOfTheStoryWindowsPasses)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    int granskade = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        const Foenstertyp f = program(GeProgramtal(namn)).foenster;
        if (f != Foenstertyp::Tavsloj && f != Foenstertyp::TPrank && f != Foenstertyp::Tberaetta)
            continue;
        ++granskade;
        fel << granskaHistoriefil(namn, f);
    }
    EXPECT_EQ(granskade, 3);
    EXPECT_TRUE(fel.isEmpty()) << lista(fel).toStdString();
}

class PlanteradeFel : public Miljoe {};

// A small bad file with one fault of each kind: each is named with its line.
TEST_F(PlanteradeFel, AreNamedWithTheirLines)
{
    anvaendTraed();
    skrivFil1252(i("pc/DATA/datfiler.sve"), {"SVE99100.DAT", "SVE99200.DAT"});
    skrivFil1252(i("pc/DATA/DAT/SVE99100.DAT"),
                 {"$Prov", "$Fel av alla slag", "$§Klicka.", "$%Skriv.",
                  "Katten <sover> i soffan.",          // 5: fine
                  "Väckarklockan ska <väcka> mig.",    // 6: the answer shows
                  "Katten <sover> i soffan.",          // 7: the same sentence
                  "Här finns ingen lucka.",            // 8: no gap
                  "Här är en tom <> lucka.",           // 9: an empty gap
                  "Vi <går> hem.#gåår",                // 10: own choices where none belong
                  "Hon <ett> a.", "Hon <två> b.", "Hon <tre> c.", "Hon <fyra> d.",
                  "Hon <fem> e.", "Hon <sex> f.", "Hon <sju> g.", "Hon <åtta> h.",
                  "Hon <nio> i."});                    // nine gap words in all
    skrivFil1252(i("pc/DATA/DAT/SVE99200.DAT"),
                 {"$Prov", "$Egna val", "$§Klicka.", "$%Skriv.",
                  "; Färre poster: en prövning av reglerna.",
                  "Min <katt> heter Sigge.#kat",      // 6: fine
                  "Vi <simmar> i sjön.",               // 7: no choices of its own
                  "Jag har en <hund>.#hund"});         // 8: the answer among the wrong ones
    ASSERT_TRUE(HaemtaDatFiler());

    Innehaallsregler regler;
    regler.minstPerOrd = 5;
    const QStringList fel = granskaDatafil(QStringLiteral("SVE99100.DAT"), regler);
    const QString alla = lista(fel);
    for (const char *vaentat :
         {"SVE99100.DAT:6: the answer \"väcka\" shows", "SVE99100.DAT:7: the same sentence as line 5",
          "SVE99100.DAT:8: not one marked gap", "SVE99100.DAT:9: the gap holds no word",
          "SVE99100.DAT:10: choices of its own", "SVE99100.DAT:0: 12 gap words, more than the 8",
          "SVE99100.DAT:0: 15 items, fewer than 40", "SVE99100.DAT:0: \"åtta\" is the answer of 1 items"})
        EXPECT_TRUE(alla.contains(QString::fromUtf8(vaentat))) << vaentat << "\n" << alla.toStdString();

    regler.egnaVal = true;
    const QString egna = lista(granskaDatafil(QStringLiteral("SVE99200.DAT"), regler));
    EXPECT_TRUE(egna.contains(QStringLiteral("SVE99200.DAT:7: no choices of its own"))) << egna.toStdString();
    EXPECT_TRUE(egna.contains(QStringLiteral("SVE99200.DAT:8: the answer stands among"))) << egna.toStdString();
    EXPECT_FALSE(egna.contains(QStringLiteral("fewer than"))) << "the comment says why the file is short";

    // Gap sentences after a model sentence.
    skrivFil1252(i("pc/DATA/DAT/SVE99300.DAT"),
                 {"$Prov", "$Luckor", "; Färre poster: en prövning av reglerna.",
                  "Du <går>.#<Gå> hem och <ät> nu!#Regel 3.",                  // 4: fine
                  "Du <ser>.#<Se> <upp> <nu>!",                                // 5: three gaps
                  "Du <tar>.#<Ta> det, ta det!",                               // 6: the answer shows
                  "Du <ger>.#<Ge> mig den!#a#b#c"});                            // 7: three help texts
    skrivFil1252(i("pc/DATA/datfiler.sve"), {"SVE99100.DAT", "SVE99200.DAT", "SVE99300.DAT"});
    ASSERT_TRUE(HaemtaDatFiler());
    Innehaallsregler luckor;
    luckor.luckmening = true;
    luckor.moensterFoerst = true;
    EXPECT_EQ(lista(granskaDatafil(QStringLiteral("SVE99300.DAT"), luckor)),
              QString::fromUtf8("SVE99300.DAT:5: not one or two marked gaps\n"
                                "SVE99300.DAT:6: the answer \"Ta\" shows in its own sentence\n"
                                "SVE99300.DAT:7: 3 help texts, more than the button offers"));

    // A test item that is a menu item turned round, its sense in brackets or not.
    skrivFil1252(i("pc/DATA/DAT/SVE99400.DAT"),
                 {"$Prov", "$Meny", "; Färre poster: en prövning av reglerna.", "stor (om ett hus)#liten", "varm#kall"});
    skrivFil1252(i("pc/DATA/DAT/SVE99410.DAT"),
                 {"$Prov", "$Test", "; Färre poster: en prövning av reglerna.", "tom#full", "liten#stor"});
    skrivFil1252(i("pc/DATA/datfiler.sve"), {"SVE99400.DAT", "SVE99410.DAT"});
    ASSERT_TRUE(HaemtaDatFiler());
    Innehaallsregler fraagor;
    fraagor.lucka = false;
    Svarspar meny, test;
    granskaDatafil(QStringLiteral("SVE99400.DAT"), fraagor, nullptr, &meny);
    granskaDatafil(QStringLiteral("SVE99410.DAT"), fraagor, nullptr, &test);
    EXPECT_EQ(omvaendaPar(QStringLiteral("SVE99410.DAT"), test, QStringLiteral("SVE99400.DAT"), meny),
              QStringList{QStringLiteral("SVE99410.DAT:5: the item of SVE99400.DAT:4 turned round")});

    Meningar a{{QStringLiteral("katten <sover> i soffan."), 5}};
    Meningar b{{QStringLiteral("katten <sover> i soffan."), 12}};
    EXPECT_EQ(gemensammaMeningar(QStringLiteral("SVDI01.DAT"), a, QStringLiteral("SVOVN101.DAT"), b),
              QStringList{QStringLiteral("SVDI01.DAT:5: the same sentence as SVOVN101.DAT:12")});
}

// Story files with a fault of each kind, each named with its line.
TEST_F(PlanteradeFel, InStoryFilesAreNamedWithTheirLines)
{
    anvaendTraed();
    skrivFil1252(i("pc/DATA/DAT/SVE99520.DAT"),
                 {"; a comment read as text", "a b c d e f g h", "#", "text after the end"});
    skrivFil1252(i("pc/DATA/DAT/SVE99510.DAT"), {"$Titel #1", "En #4 katt.", "#", "$Utan slut", "En katt."});
    skrivFil1252(i("pc/DATA/DAT/SVE99530.DAT"), {"ett", "två", "#", ";"});
    const QString alla = lista(granskaHistoriefil("SVE99520.DAT", Foenstertyp::Tavsloj)
                               + granskaHistoriefil("SVE99510.DAT", Foenstertyp::TPrank)
                               + granskaHistoriefil("SVE99530.DAT", Foenstertyp::Tberaetta));
    for (const char *vaentat :
         {"SVE99520.DAT:1: a comment the window reads", "SVE99520.DAT:2: more than 7 words",
          "SVE99520.DAT:4: text after the last", "SVE99520.DAT:0: 1 stories, fewer than 8",
          "SVE99510.DAT:1: a gap in the title", "SVE99510.DAT:2: a \"#\" that is no gap",
          "SVE99510.DAT:4: the story does not end", "SVE99510.DAT:4: a story without gaps",
          "SVE99530.DAT:3: an opening of 2 lines", "SVE99530.DAT:0: 1 openings, fewer than 15"})
        EXPECT_TRUE(alla.contains(QString::fromUtf8(vaentat))) << vaentat << "\n" << alla.toStdString();
}

} // namespace
