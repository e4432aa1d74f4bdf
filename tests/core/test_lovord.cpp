// Praise files, praise lines with their placeholders, and the picture order.
#include "../support/miljoe.h"

#include "core/diagnos.h"
#include "core/lovord.h"
#include "core/tillstaand.h"
#include "platform/text1252.h"

#include <QDir>
#include <QRegularExpression>
#include <set>

class Lovord : public Miljoe {
protected:
    // SlumpOrdning as 1..900 with `foerst` moved to the front.
    void ordning(const QList<int> &foerst)
    {
        int p = 1;
        for (int t : foerst)
            G.fel.SlumpOrdning[p++] = t;
        for (int t = 1; t <= 900; ++t)
            if (!foerst.contains(t))
                G.fel.SlumpOrdning[p++] = t;
    }
};

struct Fall {
    int raett, iRunda;
    Word programtal;
    int res;
    bool namngiven;
    const char *fil;
};

TEST_F(Lovord, PraiseFileFollowsTheResultTable)
{
    const Fall fall[] = {
        // no diagnosis item (24100)
        {10, 10, 24100, 0, false, "SVOM9001.LOV"}, {10, 10, 24100, 0, true, "SVOM9005.LOV"},
        {9, 10, 24100, 0, false, "SVOM9002.LOV"},  {9, 10, 24100, 0, true, "SVOM9006.LOV"},
        {8, 10, 24100, 0, false, "SVOM9013.LOV"},  {8, 10, 24100, 0, true, "SVOM9015.LOV"},
        {7, 10, 24100, 0, true, ""},               {0, 10, 24100, 0, false, ""},
        // 23100 is diagnosis item 1
        {10, 10, 23100, 20, true, "SVOM9011.LOV"}, {9, 10, 23100, 20, true, "SVOM9012.LOV"},
        {8, 10, 23100, 20, true, "SVOM9016.LOV"},  {8, 10, 23100, 20, false, "SVOM9014.LOV"},
        {10, 10, 23100, 12, true, "SVOM9009.LOV"}, {9, 10, 23100, 12, false, "SVOM9010.LOV"},
        {8, 10, 23100, 1, true, "SVOM9016.LOV"},   {8, 10, 23100, 19, false, "SVOM9014.LOV"},
        {10, 10, 23100, 0, true, "SVOM9007.LOV"},  {10, 10, 23100, 0, false, "SVOM9003.LOV"},
        {9, 10, 23100, 0, true, "SVOM9008.LOV"},   {9, 10, 23100, 0, false, "SVOM9004.LOV"},
        {8, 10, 23100, 0, true, "SVOM9016.LOV"},   {8, 10, 23100, 0, false, "SVOM9014.LOV"},
        {7, 10, 23100, 20, true, ""},              {10, 10, 23100, 21, true, ""},
        // 34800 is item 17; a diagnosis round of 20
        {20, 20, 34800, 20, true, "SVOM9011.LOV"}, {18, 20, 45000, 5, true, "SVOM9016.LOV"},
    };
    for (const Fall &f : fall) {
        aaterstaellTillstaand();
        G.runda.AntalRaett = Word(f.raett);
        G.runda.AntalIRunda = f.iRunda;
        G.oevning.Programtal = f.programtal;
        const int d = GeDiagnosNummer(f.programtal);
        if (d != 0)
            G.diagnos.Diagnostabell.resultat[d] = f.res;
        if (f.namngiven)
            G.diagnos.Diagnostabell.namn = "Lisa";
        G.beroem.LovordFilNamn = "gammalt";
        HaemtaLovordFilNamn();
        EXPECT_EQ(G.beroem.LovordFilNamn, QString::fromUtf8(f.fil))
            << f.raett << "/" << f.iRunda << " program " << f.programtal << " res " << f.res << " named " << f.namngiven;
    }
}

TEST_F(Lovord, KollaLovOrdCountsOnceAndRefusesUnknownNames)
{
    anvaendTraed();
    skrivFil1252(i("cd/DATA/LOV/SVOM9001.LOV"), {"; kommentar", "Ett#två#tre", "", "Fyra#fem#sex", "a#b#c", "d#e#f"});
    G.start.AntalLovordFiler = 2;
    G.start.LovordFilTabell[1] = "SVOM9001.LOV";
    G.start.LovordFilTabell[2] = "SVOM9002.LOV";

    EXPECT_FALSE(KollaLovOrd("SVOM9099.LOV"));
    EXPECT_EQ(G.beroem.LovordIndex, 3);
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(G.start.LovordAntalRader[n], 0) << n;

    EXPECT_TRUE(KollaLovOrd("SVOM9001.LOV"));
    EXPECT_EQ(G.beroem.LovordIndex, 1);
    EXPECT_EQ(G.start.LovordAntalRader[1], 4);
    skrivFil1252(i("cd/DATA/LOV/SVOM9001.LOV"), {"x#y#z"});
    EXPECT_TRUE(KollaLovOrd("SVOM9001.LOV"));
    EXPECT_EQ(G.start.LovordAntalRader[1], 4);   // counted once

    // In the table but not on disk: the file's message, and false.
    EXPECT_FALSE(KollaLovOrd("SVOM9002.LOV"));
    EXPECT_EQ(G.beroem.LovordIndex, 2);
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_TRUE(meddelanden.poster[0].text.contains("SVOM9002.LOV"));
}

TEST_F(Lovord, TableFullOfNamesStillStopsAtTwenty)
{
    G.start.AntalLovordFiler = 20;
    for (int n = 1; n <= 20; ++n)
        G.start.LovordFilTabell[n] = QStringLiteral("SVOM%1.LOV").arg(9000 + n);
    EXPECT_FALSE(KollaLovOrd("SVOM9999.LOV"));
    EXPECT_EQ(G.beroem.LovordIndex, 21);
}

TEST_F(Lovord, PraiseLinesComeFromTheSharedOrderWithinTheCount)
{
    ordning({7, 2, 9, 1, 5, 3, 4});
    G.start.LovordAntalRader[3] = 4;
    G.beroem.LovordMarkoer[3] = 1;
    QList<int> tal;
    for (int k = 0; k < 9; ++k)
        tal << haemta_Lovordslumptal(G.beroem.LovordMarkoer[3], 3);
    EXPECT_EQ(tal, (QList<int>{2, 1, 3, 4, 2, 1, 3, 4, 2}));
    EXPECT_EQ(G.beroem.LovordMarkoer[3], 2);
    EXPECT_EQ(haemta_Lovordslumptal(1, 21), 0);   // outside the table
}

TEST_F(Lovord, PlaceholdersAreFilled)
{
    G.oevning.Programtal = 23100;                           // diagnosis item 1
    G.diagnos.Diagnostabell.namn = "Lisa";
    G.diagnos.Diagnostabell.resultat[1] = 12;
    EXPECT_EQ(LovordMen("Bra, <namn>!"), "Bra, Lisa!");
    EXPECT_EQ(LovordMen("Diagnos <diagnos>: <res> poäng"), QString::fromUtf8("Diagnos 1: 12 poäng"));
    EXPECT_EQ(LovordMen("<namn>"), "Lisa");
    EXPECT_EQ(LovordMen("a < b <na"), "a  b na");      // a lone "<" is dropped
    EXPECT_EQ(LovordMen("Slut."), "Slut.");           // the last character stays
    EXPECT_EQ(LovordMen(""), "");

    G.diagnos.Diagnostabell.namn.clear();
    EXPECT_EQ(LovordMen("Bra<namn>!"), "Bra!");
    G.oevning.Programtal = 24100;                           // no diagnosis item
    EXPECT_EQ(LovordMen("<diagnos>/<res>"), "0/0");
}

TEST_F(Lovord, PictureOrderIsAPermutationThatRepeatsAfterForty)
{
    ordning({40, 900, 3, 41, 1});
    G.beroem.BildOrdningNy = 1;
    G.beroem.BildMarkoer = 1;
    std::set<int> sett;
    QList<int> tal;
    for (int k = 0; k < 41; ++k)
        tal << haemta_Bildslumptal(G.beroem.BildMarkoer);
    for (int k = 0; k < 40; ++k)
        sett.insert(tal[k]);
    EXPECT_EQ(sett.size(), 40u);
    EXPECT_EQ(*sett.begin(), 1);
    EXPECT_EQ(*sett.rbegin(), 40);
    EXPECT_EQ(tal.mid(0, 3), (QList<int>{40, 3, 1}));
    EXPECT_EQ(tal[40], tal[0]);
    EXPECT_EQ(G.beroem.BildText, QString::fromUtf8("1Centralstationen i Göteborg."));
}

TEST_F(Lovord, PictureOrderFromAnUndrawnOrderStillHoldsEveryPicture)
{
    G.beroem.BildOrdningNy = 1;
    G.beroem.BildMarkoer = 1;
    std::set<int> sett;
    for (int k = 0; k < 40; ++k)
        sett.insert(haemta_Bildslumptal(G.beroem.BildMarkoer));
    EXPECT_EQ(sett.size(), 40u);
    EXPECT_EQ(*sett.begin(), 1);
}

TEST_F(Lovord, CaptionsByList)
{
    G.mening.MusOverText = 1;
    EXPECT_EQ(GeBildText(10), QString::fromUtf8("Brudsporre på en fjälläng"));
    EXPECT_EQ(GeBildText(14), QString::fromUtf8("\"Paddan\" i Göteborg"));
    G.mening.MusOverText = 0;
    EXPECT_EQ(GeBildText(10), QString::fromUtf8("1En tistel och en strätta"));
    EXPECT_EQ(GeBildText(34), QString::fromUtf8("1Devis på kyrkskolan i Torshälla: \"Kunskap är makt\"."));
    EXPECT_EQ(GeBildText(0), QString::fromUtf8("1Devis på kyrkskolan i Torshälla: \"Kunskap är makt\"."));
    EXPECT_EQ(GeBildText(41), G.beroem.BildText);
    for (int n = 1; n <= AntalBilder; ++n) {
        EXPECT_TRUE(BeloeningsbildText(n).startsWith('1')) << n;
        EXPECT_FALSE(StartbildText(n).isEmpty()) << n;
    }
    EXPECT_EQ(VisadBildText("1Islyktor"), "Islyktor");
}

// The bundled praise files: every one listed, readable, three fields a line,
// no header lines, and only the placeholders its place in the table allows.
TEST_F(Lovord, BundledPraiseFilesFitTheirPlaceInTheTable)
{
    const QString katalog = QStringLiteral(MORV_CONTENT_DIR "/DATA/LOV/");
    QStringList lista;
    ASSERT_TRUE(plattform::laesRader(QStringLiteral(MORV_CONTENT_DIR "/DATA/datfiler.sve"), lista));
    const std::set<int> medNamn = {9005, 9006, 9007, 9008, 9015, 9016};
    const std::set<int> medDiagnos = {9003, 9004, 9007, 9008, 9009, 9010, 9011, 9012, 9014, 9016};
    const std::set<int> medRes = {9009, 9010, 9011, 9012};
    for (int nr = 9001; nr <= 9016; ++nr) {
        const QString namn = QStringLiteral("SVOM%1.LOV").arg(nr);
        EXPECT_TRUE(lista.contains(namn)) << nr;
        QStringList rader;
        ASSERT_TRUE(plattform::laesRader(katalog + namn, rader)) << nr;
        int poster = 0;
        for (const QString &rad : rader) {
            if (rad.isEmpty() || rad.startsWith(';'))
                continue;
            EXPECT_FALSE(rad.startsWith('$')) << nr;
            ++poster;
            EXPECT_EQ(rad.count('#'), 2) << nr << " " << rad.toStdString();
            EXPECT_EQ(rad.contains("<namn>"), rad.contains("<namn>") && medNamn.count(nr)) << nr;
            EXPECT_EQ(rad.contains("<diagnos>"), rad.contains("<diagnos>") && medDiagnos.count(nr)) << nr;
            EXPECT_EQ(rad.contains("<res>"), rad.contains("<res>") && medRes.count(nr)) << nr;
            QString utan = rad;
            utan.remove(QRegularExpression("<(namn|diagnos|res)>"));
            EXPECT_FALSE(utan.contains('<') || utan.contains('>')) << nr;
        }
        EXPECT_GE(poster, 3) << nr;
    }
}
