// The story files and the decisions of the three story windows: reading and
// masking a hidden-word story, judging drops and guesses, the percentages,
// the silly-story gaps and filling, the openings and the split of a
// written line.
#include "../support/miljoe.h"

#include "core/historier.h"
#include "core/svenskordning.h"
#include "core/tillstaand.h"

namespace {
const QStringList tvaaHistorier = {
    "<Ella> Mormor, vad gör du?",                  // story 1
    "<Mormor> Jag bakar - bullar till dig.",
    "#",
    "En katt och en hund och en fågel sjöng.",     // story 2: 9 words in row 1
    "Sedan sov de.",
    "#",
};
} // namespace

class Historier : public Miljoe {};

TEST_F(Historier, AStoryIsReadIntoItsRowsWithNamesMasksAndTheWordList)
{
    EXPECT_EQ(antalBeraettelser(tvaaHistorier), 2);
    Avslojning a;
    a.laes(tvaaHistorier, 1);
    EXPECT_EQ(a.Namn[1], "Ella");
    EXPECT_EQ(a.Namn[2], "Mormor");
    EXPECT_EQ(a.OrdText[1], "Mormor,");
    EXPECT_EQ(a.OrdMask[1], "******,");       // one star per letter, the comma kept
    EXPECT_EQ(a.OrdMask[2], "***");
    EXPECT_EQ(a.OrdMask[4], "**?");
    EXPECT_TRUE(a.OrdText[5].isEmpty());       // row 1 ends at its fourth word
    EXPECT_EQ(a.OrdText[8], "Jag");             // row 2 begins at slot 8
    EXPECT_EQ(a.OrdMask[10], "-");              // a dash keeps its place
    EXPECT_EQ(a.OrdAttHitta, 9);
    QStringList ord = a.ordAttDra();
    EXPECT_FALSE(ord.contains("-"));
    EXPECT_TRUE(ord.contains("du") && ord.contains("Mormor") && ord.contains("dig"));
    EXPECT_EQ(ord.size(), 9);
    EXPECT_EQ(maskera("tre,"), "***,");
    EXPECT_EQ(maskera("x-"), "-");

    // A row of nine words runs into the next row's slots, which moves that row.
    a.laes(tvaaHistorier, 2);
    EXPECT_EQ(a.OrdText[9], "sjöng.");
    EXPECT_EQ(a.OrdText[10], "Sedan");
}

TEST_F(Historier, WordsBeyondTheLastSlotAreNotReadSoTheStoryCanBeFinished)
{
    QStringList lang;
    for (int r = 1; r <= 9; ++r)
        lang << "a b c d e f g";
    lang << "#";
    Avslojning a;
    a.laes(lang, 1);
    EXPECT_EQ(a.OrdAttHitta, AntalPlatser);
    EXPECT_EQ(a.ordAttDra().size(), AntalPlatser);
    for (int s = 1; s <= AntalPlatser; ++s)
        a.slaepp(s, a.OrdText[s]);
    EXPECT_TRUE(a.klar());
}

TEST_F(Historier, AnEndMarkStandingAloneIsShownAndTheStoryCanBeFinished)
{
    Avslojning a;
    a.laes({"<Ella> Hej Bo !", "<Bo> Ja nu .", "#"}, 1);
    EXPECT_EQ(a.OrdMask[3], "!");
    EXPECT_EQ(a.OrdAttHitta, 4);
    EXPECT_FALSE(a.ordAttDra().contains(QString()));
    for (const QString &ord : a.ordAttDra())
        a.gissa(ord);
    EXPECT_TRUE(a.klar());
}

TEST_F(Historier, DropsAreJudgedExactlyAndARevealedSlotTakesNoDuplicate)
{
    Avslojning a;
    a.laes({"Mormor, en katt och en hund.", "#"}, 1);
    EXPECT_FALSE(a.slaepp(1, "mormor"));                 // capitals count
    EXPECT_EQ(a.procentRaett(), 0);
    EXPECT_TRUE(a.slaepp(1, "Mormor"));
    EXPECT_EQ(a.OrdMask[1], "Mormor,");                  // the word with its comma
    EXPECT_EQ(a.procentRaett(), 50);
    EXPECT_EQ(a.procentKlarat(), 17);                    // 1 of 6
    EXPECT_TRUE(a.slaepp(2, "en"));
    // The second "en" dropped on the slot already revealed is wrong.
    EXPECT_FALSE(a.slaepp(2, "en"));
    EXPECT_EQ(a.Traeffar, 2);
    EXPECT_EQ(a.Foersoek, 4);
    EXPECT_FALSE(a.klar());
    for (int s : {3, 4, 5, 6})
        EXPECT_TRUE(a.slaepp(s, utanSlutTecken(a.OrdText[s])));
    EXPECT_EQ(a.procentRaett(), 75);                     // 6 of 8
    EXPECT_TRUE(a.klar());
}

TEST_F(Historier, AGuessRevealsEveryOccurrenceAndBlanksRevealNothing)
{
    Avslojning a;
    a.laes({"en katt, en hund - och en fisk.", "#"}, 1);
    EXPECT_EQ(a.gissa("en"), (QList<int>{1, 3, 7}));
    EXPECT_EQ(a.Traeffar, 3);
    EXPECT_EQ(a.Foersoek, 3);
    EXPECT_EQ(a.gissa("  "), QList<int>{});             // no guess at all
    EXPECT_EQ(a.gissa(" - "), QList<int>{});
    EXPECT_EQ(a.Foersoek, 3);
    EXPECT_EQ(a.OrdMask[5], "-");
    EXPECT_EQ(a.gissa("en"), QList<int>{});             // all found: one wrong attempt
    EXPECT_EQ(a.gissa("Katt"), QList<int>{});
    EXPECT_EQ(a.Foersoek, 5);
    EXPECT_EQ(a.gissa(" katt "), QList<int>{2});
    EXPECT_EQ(a.OrdMask[2], "katt,");
    EXPECT_EQ(a.procentRaett(), 67);                     // 4 of 6
    // Halves go to the even neighbour: 1 of 8 is 12 %, 3 of 8 is 38 %.
    Avslojning b;
    b.laes({"a b c d e f g h", "#"}, 1);
    b.Traeffar = 1;
    EXPECT_EQ(b.procentKlarat(), 12);
    b.Traeffar = 3;
    EXPECT_EQ(b.procentKlarat(), 38);
}

TEST_F(Historier, SwedishOrderPutsTheThreeLettersAfterZ)
{
    QStringList l = {"ödla", "äpple", "åka", "zebra", "Anna", "anka", "jag", "Jag"};
    sorteraSvenskt(l);
    EXPECT_EQ(l, (QStringList{"anka", "Anna", "jag", "Jag", "zebra", "åka", "äpple", "ödla"}));
}

// ---- silly stories -------------------------------------------------------

TEST_F(Historier, SillyStoryTitlesGapsAndFilling)
{
    const QStringList fil = {"; kommentar", "$Första", "En #1 hund och en #1 katt#", "såg #3 och #2.#x", "#",
                             "$Andra", "Tio #1.", "#"};
    EXPECT_EQ(prankTitlar(fil), (QStringList{"Första", "Andra"}));
    const QStringList f = prankBeraettelse(fil, "Första");
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(raeknaLuckor(f), (std::array<int, 3>{2, 1, 1}));
    EXPECT_TRUE(prankBeraettelse(fil, "Saknas").isEmpty());
    // A "#" at the end of a line and "#x" are dropped.
    EXPECT_EQ(fyllBeraettelse(f, {QStringList{"glad", "sur"}, QStringList{"bil"}, QStringList{"ostar"}}),
              (QStringList{"Första", "En glad hund och en sur katt", "såg ostar och bil."}));
    // More gaps than words: the first words come again.
    EXPECT_EQ(fyllBeraettelse({"#1 #1 #1"}, {QStringList{"a", "b"}, {}, {}}), QStringList{"a b a"});
}

TEST_F(Historier, ALongLineFlowsOnWithoutLosingItsEnd)
{
    FastTextmaetare m;
    Saett<const Textmaetare> s(&m);
    Saett<Skaerm> skaerm([] { return QSize(300, 480); });   // 190 pixels: 19 characters
    G.oevning.Programtal = 51000;
    const QString lang = "ett två tre fyra fem sex sju åtta nio tio elva tolv tretton fjorton femton";
    const QStringList ut = fyllBeraettelse({lang, "Slut."}, {});
    EXPECT_EQ(ut.join(' ').split(' ', Qt::SkipEmptyParts), (lang + " Slut.").split(' '));
    for (const QString &rad : ut)
        EXPECT_LE(rad.trimmed().size() * 10, 190) << rad.toStdString();
    EXPECT_GT(ut.size(), 4);
    EXPECT_TRUE(ut.last().endsWith("Slut."));    // the carried rest went before the next line
}

TEST_F(Historier, ShufflingTheWordsLeavesTheExercisesOrderAlone)
{
    for (int p = 1; p <= 900; ++p)
        G.fel.SlumpOrdning[p] = 901 - p;
    G.fel.FilSlumpMarkoer[4] = 7;
    G.beroem.LovordMarkoer[2] = 3;
    G.beroem.BildMarkoer = 5;
    G.fel.Fellista[1] = Felpost{12, 4};
    G.fel.FelAntal[4] = 1;
    G.oevning.DatFilIndex = 4;
    slump.vaerden = {2, 0, 1};
    const Prankord ut = blandaOrd({QStringList{"a", "b", "c", "d"}, QStringList{"x"}, {}});
    EXPECT_EQ(ut[0], (QStringList{"c", "a", "d", "b"}));
    EXPECT_EQ(ut[1], QStringList{"x"});
    EXPECT_TRUE(ut[2].isEmpty());
    EXPECT_EQ(G.fel.SlumpOrdning[1], 900);
    EXPECT_EQ(G.fel.SlumpOrdning[4], 897);
    EXPECT_EQ(G.fel.FilSlumpMarkoer[4], 7);
    EXPECT_EQ(G.beroem.LovordMarkoer[2], 3);
    EXPECT_EQ(G.beroem.BildMarkoer, 5);
    EXPECT_EQ(G.fel.Fellista[1].postnummer, 12);
    EXPECT_EQ(G.fel.FelAntal[4], 1);
    EXPECT_EQ(G.oevning.DatFilIndex, 4);
}

// ---- openings and written lines ----------------------------------------

TEST_F(Historier, OpeningsAreCountedByTheirHashLinesAndShortOnesShowEmptyLines)
{
    const Inledningar in = laesInledningar({"a1", "a2", "a3", "#", "b1", "b2", "#"});
    EXPECT_EQ(in.antal, 2);
    EXPECT_EQ(in.inledning(1), (QStringList{"a1", "a2", "a3"}));
    EXPECT_EQ(in.inledning(2), (QStringList{"b1", "b2", ""}));
}

TEST_F(Historier, AWrittenLineIsSplitAtTheLastBlankThatFitsAndNothingIsLost)
{
    FastTextmaetare m;
    Saett<const Textmaetare> s(&m);
    const Typsnitt t;
    EXPECT_EQ(klyvRad("kort rad", 100, t).rest, QString());
    Radklyvning k = klyvRad("Vi gick hem genom skogen", 120, t);   // 12 characters fit
    EXPECT_EQ(k.foersta, "Vi gick hem");
    EXPECT_EQ(k.rest, "genom skogen");
    k = klyvRad("Jätteskogsvandringen är slut", 100, t);            // no blank fits
    EXPECT_EQ(k.foersta + k.rest, "Jätteskogsvandringen är slut");
    EXPECT_EQ(k.foersta.size(), 10);
}
