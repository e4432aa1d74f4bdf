#include "../support/miljoe.h"

#include "core/slumpordning.h"
#include "core/tillstaand.h"

#include <QSet>

namespace {
// The shared order begins with the given numbers; the rest of 1..900 follows
// in rising order.
void saettOrdning(const QList<int> &boerjan)
{
    int p = 1;
    for (int v : boerjan)
        G.fel.SlumpOrdning[p++] = v;
    for (int v = 1; v <= 900; ++v)
        if (!boerjan.contains(v))
            G.fel.SlumpOrdning[p++] = v;
}

int naesta(int fil) { return haemta_slumptal(G.fel.FilSlumpMarkoer[fil], fil); }

QList<int> lista()
{
    QList<int> ut;
    for (const Felpost &f : G.fel.Fellista)
        if (f.postnummer != 0)
            ut << f.postnummer * 1000 + f.filindex;
    return ut;
}
} // namespace

class Slumpordning : public Miljoe {};

TEST_F(Slumpordning, DrawsAPermutationAndResetsEverything)
{
    G.fel.FilSlumpMarkoer[3] = 7;
    G.start.FilAntalPoster[3] = 40;
    G.beroem.LovordMarkoer[2] = 5;
    G.start.LovordAntalRader[2] = 9;
    G.beroem.BildMarkoer = 4;
    G.oevning.DatFilIndex = 3;
    G.fel.FelAntal[3] = 1;
    G.fel.Fellista[1] = {5, 3};

    SkapaSlumpordning(1, 900);
    QSet<int> tal;
    for (int v : G.fel.SlumpOrdning)
        tal.insert(v);
    EXPECT_EQ(tal.size(), 900);
    EXPECT_TRUE(tal.contains(1) && tal.contains(900));
    EXPECT_EQ(slump.antalRandomize, 1);
    EXPECT_EQ(G.fel.FilSlumpMarkoer[3], 1);
    EXPECT_EQ(G.start.FilAntalPoster[3], 0);
    EXPECT_EQ(G.beroem.LovordMarkoer[2], 1);
    EXPECT_EQ(G.start.LovordAntalRader[2], 0);
    EXPECT_EQ(G.beroem.BildMarkoer, 1);
    EXPECT_EQ(G.oevning.DatFilIndex, 0);
    EXPECT_EQ(G.fel.FelAntal[3], 0);
    EXPECT_TRUE(lista().isEmpty());
}

TEST_F(Slumpordning, AShortDrawKeepsTheRestOfTheOrder)
{
    saettOrdning({7, 2, 9, 1, 5});
    // The pool 1..3: take the 2nd (2), then the 2nd of {1, 3} (3), then 1.
    slump.vaerden = {1, 1, 0};
    SkapaSlumpordning(1, 3);
    EXPECT_EQ(G.fel.SlumpOrdning[1], 2);
    EXPECT_EQ(G.fel.SlumpOrdning[2], 3);
    EXPECT_EQ(G.fel.SlumpOrdning[3], 1);
    EXPECT_EQ(G.fel.SlumpOrdning[4], 1);   // the earlier order stays, with repeats
    EXPECT_EQ(G.fel.SlumpOrdning[5], 5);
}

TEST_F(Slumpordning, RealDrawsInQuickSuccessionDiffer)
{
    Saett<plattform::Slumpkaella> riktigSlump(nullptr);
    Saett<plattform::Klocka> riktigKlocka(nullptr);
    SkapaSlumpordning(1, 900);
    const auto foersta = G.fel.SlumpOrdning;
    SkapaSlumpordning(1, 900);
    int lika = 0;
    for (int p = 1; p <= 900; ++p)
        lika += G.fel.SlumpOrdning[p] == foersta[p];
    EXPECT_LT(lika, 50);
}

TEST_F(Slumpordning, AFileTakesItsItemsInTheSharedOrderAndStartsAgain)
{
    saettOrdning({7, 2, 9, 1, 5});
    G.start.FilAntalPoster[4] = 5;
    G.fel.FilSlumpMarkoer[4] = 1;
    QList<int> tagna;
    for (int i = 0; i < 6; ++i)
        tagna << naesta(4);
    EXPECT_EQ(tagna, (QList<int>{2, 1, 5, 3, 4, 2}));
    EXPECT_EQ(G.fel.FilSlumpMarkoer[4], 2);

    // Another file with the same count has its own cursor and the same order.
    G.start.FilAntalPoster[9] = 5;
    G.fel.FilSlumpMarkoer[9] = 1;
    EXPECT_EQ(naesta(9), 2);
    EXPECT_EQ(naesta(4), 1);
}

TEST_F(Slumpordning, LargeFilesCycleOver900AndNoFileGivesNothing)
{
    saettOrdning({});
    G.start.FilAntalPoster[1] = 1200;
    G.fel.FilSlumpMarkoer[1] = 900;
    EXPECT_EQ(naesta(1), 900);
    EXPECT_EQ(G.fel.FilSlumpMarkoer[1], 1);
    EXPECT_EQ(naesta(1), 1);

    EXPECT_EQ(haemta_slumptal(1, 0), 0);
    EXPECT_EQ(haemta_slumptal(1, 141), 0);
    G.start.FilAntalPoster[2] = 0;
    EXPECT_EQ(haemta_slumptal(1, 2), 0);
    // A cursor beyond the count starts the file again.
    G.start.FilAntalPoster[3] = 5;
    saettOrdning({7, 2, 9, 1, 5});
    EXPECT_EQ(haemta_slumptal(8, 3), 2);
}

class Fellista : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
    }
    void laeggTill(int fil, int post)
    {
        G.oevning.DatFilIndex = fil;
        G.post.PostNummer = Word(post);
        haemtafel(QStringLiteral("SVE23100.DAT"), FelLaeggTill);
    }
    void goer(int fil, int op)
    {
        G.oevning.DatFilIndex = fil;
        haemtafel(QStringLiteral("SVE23100.DAT"), Felfunktion(op));
    }
};

TEST_F(Fellista, AppendsRemovesAndMovesPerFile)
{
    laeggTill(2, 5);
    laeggTill(1, 7);
    laeggTill(2, 8);
    laeggTill(1, 9);
    laeggTill(2, 5);   // wrong twice: in the list twice
    EXPECT_EQ(lista(), (QList<int>{5002, 7001, 8002, 9001, 5002}));
    EXPECT_EQ(G.fel.FelAntal[1], 2);
    EXPECT_EQ(G.fel.FelAntal[2], 3);

    goer(1, FelFlyttaSist);
    EXPECT_EQ(lista(), (QList<int>{5002, 8002, 9001, 5002, 7001}));
    EXPECT_EQ(G.fel.FelAntal[1], 2);

    goer(1, FelTaBort);
    EXPECT_EQ(lista(), (QList<int>{5002, 8002, 5002, 7001}));
    EXPECT_EQ(G.fel.FelAntal[1], 1);

    goer(3, FelTaBort);   // no entries of file 3
    goer(3, FelFlyttaSist);
    goer(2, 7);           // not an operation
    EXPECT_EQ(lista(), (QList<int>{5002, 8002, 5002, 7001}));
}

TEST_F(Fellista, MovingTheOnlyEntryChangesNothing)
{
    laeggTill(4, 3);
    goer(4, FelFlyttaSist);
    EXPECT_EQ(lista(), QList<int>{3004});
}

TEST_F(Fellista, The401stAppendDropsTheOldest)
{
    laeggTill(7, 1);
    for (int i = 2; i <= 400; ++i)
        laeggTill(5, i);
    EXPECT_EQ(G.fel.FelAntal[7], 1);
    EXPECT_EQ(G.fel.FelAntal[5], 399);
    laeggTill(5, 401);
    const QList<int> l = lista();
    ASSERT_EQ(l.size(), 400);
    EXPECT_EQ(l.first(), 2005);
    EXPECT_EQ(l.last(), 401005);
    EXPECT_EQ(G.fel.FelAntal[7], 0);
    EXPECT_EQ(G.fel.FelAntal[5], 400);
}

TEST_F(Fellista, MovingInAFullListLandsInTheSlotBeforeTheLast)
{
    laeggTill(3, 1);
    for (int i = 2; i <= 400; ++i)
        laeggTill(5, i);
    goer(3, FelFlyttaSist);
    EXPECT_EQ(G.fel.Fellista[399].postnummer, 1);
    EXPECT_EQ(G.fel.Fellista[399].filindex, 3);
    EXPECT_EQ(G.fel.Fellista[400].postnummer, 400);
    EXPECT_EQ(G.fel.Fellista[1].postnummer, 2);
    EXPECT_EQ(lista().size(), 400);

    // The file's only entry already in the last slot stays there, and
    // nothing is lost or doubled.
    for (int i = 1; i <= 399; ++i)
        G.fel.Fellista[i] = {i, 5};
    G.fel.Fellista[400] = {400, 3};
    goer(3, FelFlyttaSist);
    EXPECT_EQ(G.fel.Fellista[399].postnummer, 399);
    EXPECT_EQ(G.fel.Fellista[400].postnummer, 400);
    EXPECT_EQ(G.fel.Fellista[400].filindex, 3);
}

TEST_F(Fellista, NoCurrentFileMeansNoList)
{
    laeggTill(0, 4);
    laeggTill(141, 4);
    EXPECT_TRUE(lista().isEmpty());
    laeggTill(2, 4);
    goer(0, FelTaBort);
    goer(-1, FelFlyttaSist);
    G.post.HaemtadRad = QStringLiteral("orörd");
    goer(0, FelHaemta);
    EXPECT_EQ(lista(), QList<int>{4002});
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("orörd"));
}

TEST_F(Fellista, FetchReadsTheItemAndLeavesTheEntry)
{
    skrivFil1252(i("cd/DATA/DAT/SVE23100.DAT"),
                 {"$Rubrik", "; kommentar", "ett", "", "två", "tre", "fyra"});
    G.start.FilAntalPoster[6] = 4;
    laeggTill(2, 1);
    laeggTill(6, 3);
    laeggTill(6, 2);
    goer(6, FelHaemta);
    EXPECT_EQ(G.fel.FelPostNummer, 3);
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("tre"));
    EXPECT_EQ(G.fel.KlockPost, 0);
    EXPECT_EQ(lista(), (QList<int>{1002, 3006, 2006}));

    // Fetch then remove leaves the other files' entries in their order.
    goer(6, FelTaBort);
    EXPECT_EQ(lista(), (QList<int>{1002, 2006}));
    G.oevning.Programtal = 55000;
    goer(6, FelHaemta);
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("två"));
    EXPECT_EQ(G.fel.KlockPost, 2);
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Fellista, FetchPrefersThePcCopyAndReportsAMissingFile)
{
    skrivFil1252(i("pc/DATA/DAT/SVE23100.DAT"), {"från pc"});
    skrivFil1252(i("cd/DATA/DAT/SVE23100.DAT"), {"från cd"});
    G.start.FilAntalPoster[1] = 1;
    laeggTill(1, 1);
    goer(1, FelHaemta);
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("från pc"));

    G.post.HaemtadRad = QStringLiteral("kvar");
    G.oevning.DatFilIndex = 1;
    haemtafel(QStringLiteral("SVE99999.DAT"), FelHaemta);
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("kvar"));
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QStringLiteral("Filen cd\\DATA\\DAT\\SVE99999.DAT finns inte eller är felaktig")});

    // An entry past the file's count is not read.
    laeggTill(8, 5);
    G.start.FilAntalPoster[8] = 4;
    goer(8, FelHaemta);
    EXPECT_EQ(G.fel.FelPostNummer, 5);
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("kvar"));
    EXPECT_EQ(meddelanden.poster.size(), 1);
}
