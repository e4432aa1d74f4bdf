#include "../support/miljoe.h"
#include "../support/varningar.h"

#include "core/datafiler.h"
#include "core/tillstaand.h"

class Poster : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
    }
};

TEST(Radkryptering, ScramblesAndUnscramblesAsStored)
{
    EXPECT_EQ(kryptrad(QByteArray("abc")), QByteArray(")hii"));
    EXPECT_EQ(dekryptrad(QByteArray(")hii")), QByteArray("abc"));
    EXPECT_EQ(kryptrad(QByteArray()), QByteArray(")"));
    EXPECT_EQ(dekryptrad(QByteArray(")")), QByteArray());
    for (const char *oeroerd : {";kommentar", "$rubrik", "#fält", ")redan"})
        EXPECT_EQ(kryptrad(QByteArray(oeroerd)), QByteArray(oeroerd));
    EXPECT_EQ(dekryptrad(QByteArray("vanlig rad")), QByteArray("vanlig rad"));
}

TEST(Radkryptering, SwedishTextRoundTripsThroughQString)
{
    const QString rad = QString::fromUtf8("Hon <gick> till skolan#går#&gick#gått ÅÄÖ åäö é ü");
    const QString krypt = kryptrad(rad);
    EXPECT_TRUE(krypt.startsWith(')'));
    EXPECT_NE(krypt, rad);
    EXPECT_EQ(dekryptrad(krypt), rad);
    // Long lines reach keys past 128 and 256.
    const QString lang = QString(600, QChar('x')) + QString::fromUtf8("ö");
    EXPECT_EQ(dekryptrad(kryptrad(lang)), lang);
}

TEST(Radkryptering, EveryByteAtEveryColumnComesBack)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray rad = QByteArray("x") + QByteArray(600, char(b));
        ASSERT_EQ(dekryptrad(kryptrad(rad)), rad) << "byte " << b;
    }
    QByteArray alla("x");
    for (int b = 0; b < 256; ++b)
        alla += QByteArray(3, char(b));
    EXPECT_EQ(dekryptrad(kryptrad(alla)), alla);
}

TEST(Markeringar, GapWordMustBeThere)
{
    EXPECT_TRUE(harLuckord(QStringLiteral("Han <gick> hem")));
    EXPECT_TRUE(harLuckord(QStringLiteral("<Per> kom")));
    for (const char *utan : {"Han gick hem", "Han <> hem", "Han <  > hem", "", "Han >< hem"})
        EXPECT_FALSE(harLuckord(QString::fromLatin1(utan))) << utan;
}

TEST(StrPostarray, AlternativesAndBlanks)
{
    Postdelar p = str_postarray("hus#&huset#&husen");
    EXPECT_EQ(p.faelt[1], "hus");
    EXPECT_EQ(p.faelt[2], "huset");
    EXPECT_EQ(p.faelt[3], "husen");
    EXPECT_EQ(p.antalFaelt, 3);
    EXPECT_EQ(p.antalAlternativ, 2);

    p = str_postarray("  bil #  bilen");
    EXPECT_EQ(p.faelt[1], "bil ");
    EXPECT_EQ(p.faelt[2], "bilen");
    EXPECT_EQ(p.antalAlternativ, 0);

    p = str_postarray("a#");
    EXPECT_EQ(p.faelt[1], "a");
    EXPECT_EQ(p.antalFaelt, 1);

    p = str_postarray("a#   #b##c");
    EXPECT_EQ(p.faelt[2], " ");
    EXPECT_EQ(p.faelt[4], "");
    EXPECT_EQ(p.faelt[5], "c");
    EXPECT_EQ(p.antalFaelt, 5);
}

TEST(StrPostarray, TenthFieldTakesTheRestAndScrambledLinesAreOpened)
{
    Postdelar p = str_postarray("1#2#3#4#5#6#7#8#9#10#11#12");
    EXPECT_EQ(p.faelt[9], "9");
    EXPECT_EQ(p.faelt[10], "101112");
    EXPECT_EQ(p.antalFaelt, 9);
    p = str_postarray("1#2#3#4#5#6#7#8#9");
    EXPECT_EQ(p.antalFaelt, 9);

    p = str_postarray(kryptrad(QString::fromUtf8("Ä-ljud#&äta")));
    EXPECT_EQ(p.faelt[1], QString::fromUtf8("Ä-ljud"));
    EXPECT_EQ(p.faelt[2], QString::fromUtf8("äta"));
    EXPECT_EQ(p.antalAlternativ, 1);
}

TEST(Markeringar, LetaPrepSplitsAtMarks)
{
    aaterstaellTillstaand();
    LetaPrep("Han <gick> hem");
    EXPECT_EQ(G.post.LetaPrepDelar[1], "Han ");
    EXPECT_EQ(G.post.LetaPrepDelar[2], "gick");
    EXPECT_EQ(G.post.LetaPrepDelar[3], " hem");
    LetaPrep("<a>b<c>d");
    EXPECT_EQ(G.post.LetaPrepDelar[1], "");
    EXPECT_EQ(G.post.LetaPrepDelar[5], "d");
    LetaPrep("utan");
    EXPECT_EQ(G.post.LetaPrepDelar[1], "utan");
    EXPECT_EQ(G.post.LetaPrepDelar[2], "");
    // More marks than the format has: the rest of the line joins part 5.
    LetaPrep("a<b>c<d>e<f>g");
    EXPECT_EQ(G.post.LetaPrepDelar[4], "d");
    EXPECT_EQ(G.post.LetaPrepDelar[5], "efg");
}

TEST(Markeringar, FirstEmptyFieldIsElevenWhenAllTenAreFilled)
{
    EXPECT_EQ(foerstaTommaFaelt(str_postarray("a#b##d").faelt), 3);
    EXPECT_EQ(foerstaTommaFaelt(str_postarray("1#2#3#4#5#6#7#8#9#10#11").faelt), 11);
    EXPECT_EQ(foerstaTommaFaelt(str_postarray("").faelt), 1);
}

TEST_F(Poster, HaemtaordCountsItemsAndPrefersThePcPath)
{
    skrivFil1252(i("cd/DATA/DAT/SVE99001.DAT"),
                 {"$Rubrik", "; kommentar", "ett", "", ")hii", "  ", "fyra"});
    G.post.HaemtadRad = "orörd";
    haemtaord("SVE99001.DAT", 1);
    EXPECT_EQ(G.post.HaemtadRad, "ett");
    haemtaord("SVE99001.DAT", 2);
    EXPECT_EQ(G.post.HaemtadRad, ")hii");
    haemtaord("SVE99001.DAT", 3);
    EXPECT_EQ(G.post.HaemtadRad, "  ");
    haemtaord("SVE99001.DAT", 9);       // past the end: the last line read
    EXPECT_EQ(G.post.HaemtadRad, "fyra");
    G.post.HaemtadRad = "kvar";
    haemtaord("SVE99001.DAT", 0);
    EXPECT_EQ(G.post.HaemtadRad, "kvar");

    skrivFil1252(i("pc/data/dat/sve99001.dat"), {"från pc"});
    haemtaord("SVE99001.DAT", 1);
    EXPECT_EQ(G.post.HaemtadRad, QString::fromUtf8("från pc"));

    // A file that cannot be opened never leaves the previous item behind.
    G.post.HaemtadRad = "kvar";
    EXPECT_FALSE(haemtaord("SVE00000.DAT", 1));
    EXPECT_TRUE(G.post.HaemtadRad.isEmpty());
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Poster, AWindowsFileIsReadOnceAndAGoneFileIsSaidOnce)
{
    const QString fil = i("cd/DATA/DAT/SVE99001.DAT");
    skrivFil1252(fil, {"$Rubrik", "ett#&1", kryptrad(QStringLiteral("två#&2")), "tre"});
    G.oevning.DatFilNamn = "SVE99001.DAT";
    Postfil poster;
    ASSERT_TRUE(postNummer(poster, 2).has_value());
    EXPECT_EQ(postNummer(poster, 2)->faelt[1], QString::fromUtf8("två"));
    EXPECT_EQ(postNummer(poster, 9)->rad, "tre");   // past the end: the last line
    // Changed on disk: read again. Gone: nothing, the pupil told once.
    skrivFil1252(fil, {"ett", "nya två", "tre"});
    EXPECT_EQ(postNummer(poster, 2)->rad, QString::fromUtf8("nya två"));
    QFile::remove(fil);
    G.post.HaemtadRad = "kvar";
    EXPECT_FALSE(postNummer(poster, 1).has_value());
    EXPECT_TRUE(G.post.HaemtadRad.isEmpty());
    EXPECT_EQ(meddelanden.texter(), QStringList{"Filen SVE99001.DAT finns inte eller är felaktig"});
}

// A file that changed under a running window: past its new end the reader
// gives its last item, never the comment that ends it; a file left with
// nothing to ask is a gone file.
TEST_F(Poster, PastTheEndTheLastItemAndAFileWithoutItemsIsGone)
{
    const QString fil = i("cd/DATA/DAT/SVE99001.DAT");
    skrivFil1252(fil, {"$Rubrik", "ett", QString::fromUtf8("två"), "; slutkommentar", "$Sen rubrik"});
    G.oevning.DatFilNamn = "SVE99001.DAT";
    Postfil poster;
    EXPECT_EQ(poster.rad(G.oevning.DatFilNamn, 9), QString::fromUtf8("två"));
    EXPECT_EQ(laesPostrad(G.oevning.DatFilNamn, 3), QString::fromUtf8("två"));

    for (const QStringList &utan : {QStringList{"$Rubrik", "; bara kommentar"}, QStringList{}}) {
        skrivFil1252(fil, utan);
        G.post.HaemtadRad = "kvar";
        EXPECT_FALSE(postNummer(poster, 1).has_value());
        EXPECT_TRUE(G.post.HaemtadRad.isEmpty());
        EXPECT_FALSE(laesPostrad(G.oevning.DatFilNamn, 1).has_value());
        EXPECT_EQ(poster.poster(G.oevning.DatFilNamn), nullptr);
    }
    EXPECT_EQ(meddelanden.texter(), QStringList(2, "Filen SVE99001.DAT finns inte eller är felaktig"));
}

TEST(Texter, BoundedTextsAreCut)
{
    aaterstaellTillstaand();
    G.oevning.Instruktion = QString(100, QChar('a'));
    EXPECT_EQ(G.oevning.Instruktion.length(), 80);
    G.start.DatFilTabell[1] = "SVE23100.DATEXTRA";
    EXPECT_EQ(G.start.DatFilTabell[1], "SVE23100.DAT");
    G.spelare.Spelarnamn[2] = QString::fromUtf8("Åsa Örnsköld-Lindqvistsson");
    EXPECT_EQ(G.spelare.Spelarnamn[2].length(), 20);
}

TEST(Texter, IndexOutsideItsRangeTouchesNothing)
{
    aaterstaellTillstaand();
    VaentadVarning v(QStringLiteral("outside 1..140"));
    G.fel.FelAntal[0] = 5;
    G.fel.FelAntal[141] = 5;
    int summa = 0;
    for (int v : G.fel.FelAntal)
        summa += v;
    EXPECT_EQ(summa, 0);
    EXPECT_EQ(G.fel.FelAntal[0], 0);
    EXPECT_EQ(v.antal(), 3);
}
