#include "../support/miljoe.h"
#include "../support/varningar.h"
#include "../support/protokoll.h"

#include "core/diagnos.h"
#include "core/diagnosfil.h"
#include "core/tillstaand.h"

class Diagnosbokfoering : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        klocka.tid = QDateTime(QDate(2026, 3, 5), QTime(9, 7, 30));
    }
    InspeladProtokoll protokoll;
    Byt<Diagnosprotokoll *> m_diaprot{diaprot, &protokoll};
};

TEST(GeDiagnosNummer, ItemsOfTheTable)
{
    const std::pair<int, int> fall[] = {
        {23100, 1}, {23500, 5}, {23900, 9}, {22200, 10}, {22300, 10}, {24300, 11}, {45000, 12},
        {43100, 13}, {43250, 13}, {43300, 13}, {42000, 14}, {32400, 15}, {33100, 16}, {33300, 16},
        {34100, 17}, {34555, 17}, {34800, 17},
        {22100, 0}, {23101, 0}, {34801, 0}, {41999, 0}, {43301, 0}, {33099, 0}, {0, 0}, {65535, 0}};
    for (auto [program, nummer] : fall)
        EXPECT_EQ(GeDiagnosNummer(Word(program)), nummer) << program;
    for (int p = 34801; p < 42000; ++p)
        ASSERT_EQ(GeDiagnosNummer(Word(p)), 0) << p;
}

TEST(GeStatusTal, FromTheStoredResult)
{
    aaterstaellTillstaand();
    for (int r = 0; r <= 25; ++r) {
        G.diagnos.Diagnostabell.resultat[4] = r;
        EXPECT_EQ(GeStatusTal(4), r == 0 ? 0 : r < 15 ? 3 : 2) << r;
    }
    EXPECT_EQ(GeStatusTal(0), 0);
    EXPECT_EQ(GeStatusTal(21), 0);
}

TEST_F(Diagnosbokfoering, StoresResultStatusAndTimeAndRedraws)
{
    G.diagnos.DiagnosNummer = 7;
    diagnosback(14);
    const Diagnospost &d = G.diagnos.Diagnostabell;
    EXPECT_EQ(d.resultat[7], 14);
    EXPECT_EQ(d.status[7], 3);
    EXPECT_EQ(d.aar[7], 2026);
    EXPECT_EQ(d.maanad[7], 3);
    EXPECT_EQ(d.dag[7], 5);
    EXPECT_EQ(d.timme[7], 9);
    EXPECT_EQ(d.minut[7], 7);
    EXPECT_EQ(G.diagnos.ProtokollAendrat, 1);
    EXPECT_EQ(protokoll.anrop, (QStringList{"aktivera", "rita_prot", "maalaNu"}));

    diagnosback(15);
    EXPECT_EQ(d.status[7], 2);
    // A result of 0 after one above 0 wipes it and asks for practice.
    diagnosback(0);
    EXPECT_EQ(d.resultat[7], 0);
    EXPECT_EQ(d.status[7], 3);
    // A first result of 0 stays "Börja".
    G.diagnos.DiagnosNummer = 8;
    diagnosback(0);
    EXPECT_EQ(d.status[8], 0);
    EXPECT_EQ(d.aar[8], 2026);
}

TEST_F(Diagnosbokfoering, OutOfRangeTestOrNoWindowIsHarmless)
{
    VaentadVarning v(QStringLiteral("outside 1..20"));
    for (int fel : {0, -1, 21, 1000}) {
        G.diagnos.DiagnosNummer = fel;
        G.diagnos.ProtokollAendrat = 0;
        diagnosback(12);
        EXPECT_EQ(G.diagnos.ProtokollAendrat, 0) << fel;
    }
    EXPECT_EQ(v.antal(), 4);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(G.diagnos.Diagnostabell.resultat[n], 0);
        EXPECT_EQ(G.diagnos.Diagnostabell.aar[n], 0);
    }
    Byt utanFoenster(diaprot, nullptr);
    G.diagnos.DiagnosNummer = 20;
    diagnosback(20);
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[20], 20);
    EXPECT_EQ(G.diagnos.Diagnostabell.status[20], 2);
}

TEST_F(Diagnosbokfoering, NewRecordKeepsTheDates)
{
    G.diagnos.DiagnosNummer = 3;
    diagnosback(18);
    G.diagnos.Diagnostabell.namn = QStringLiteral("Bo");
    G.diagnos.Diagnostabell.loesen = QStringLiteral("x");
    NyDiagnospost();
    EXPECT_TRUE(G.diagnos.Diagnostabell.namn.isEmpty());
    EXPECT_TRUE(G.diagnos.Diagnostabell.loesen.isEmpty());
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[3], 0);
    EXPECT_EQ(G.diagnos.Diagnostabell.status[3], 0);
    EXPECT_EQ(G.diagnos.Diagnostabell.aar[3], 2026);
    EXPECT_EQ(G.diagnos.Diagnostabell.minut[3], 7);
}

TEST_F(Diagnosbokfoering, PassedPracticeIsBookedAndTheWindowRegistersForItsLifetime)
{
    Byt utanFoenster(diaprot, nullptr);
    {
        Protokollregistrering reg(&protokoll);
        G.diagnos.DiagnosNummer = 6;
        G.diagnos.OevningsNummer = 1;
        G.runda.AntalRaett = 9;
        saettLaege(Laege::Diagnosoevning);
        bokaGodkaendOevning();
        EXPECT_EQ(diaprot, &protokoll);
    }
    EXPECT_EQ(diaprot, nullptr);
    EXPECT_EQ(G.diagnos.Diagnostabell.status[6], 2);
    EXPECT_EQ(G.diagnos.ProtokollAendrat, 1);
    EXPECT_EQ(G.diagnos.OevningsNummer, 0);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    EXPECT_EQ(laege(), Laege::Diagnostest);
    EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 6")});
}
