#include "../support/miljoe.h"

#include "core/diagnosfil.h"
#include "core/diagnosprotokoll.h"
#include "core/skrivposter.h"
#include "core/svenskordning.h"
#include "core/tillstaand.h"

#include <QDir>
#include <QFile>
#include <limits>

TEST(Svenskordning, NamesSortAZThenAaAeOeWithCapitalsBesideSmall)
{
    QStringList namn = {QString::fromUtf8("Örjan"), QString::fromUtf8("åsa"), "bo", "Zeke", QString::fromUtf8("Äva"),
                        "anna", "Anna", "Bo", QString::fromUtf8("Åke"), QString::fromUtf8("Émile"), "Erik"};
    sorteraSvenskt(namn);
    EXPECT_EQ(namn, (QStringList{"anna", "Anna", "bo", "Bo", QString::fromUtf8("Émile"), "Erik", "Zeke",
                                 QString::fromUtf8("Åke"), QString::fromUtf8("åsa"), QString::fromUtf8("Äva"),
                                 QString::fromUtf8("Örjan")}));
    EXPECT_EQ(svenskOrdning(QString::fromUtf8("ÖÄÅZA")), QString::fromUtf8("AZÅÄÖ"));
}

TEST(Diagnosprotokoll, TableCellsAndTimes)
{
    EXPECT_EQ(diagnostest(0), nullptr);
    EXPECT_EQ(diagnostest(18), nullptr);
    EXPECT_EQ(diagnostest(8)->omraade, QStringLiteral("KS-'ljudet'"));
    EXPECT_EQ(diagnostest(8)->omraade.size(), 11);
    EXPECT_NE(diagnostest(4)->omraade, diagnostest(5)->omraade);
    EXPECT_EQ(diagnostest(1)->testfil, "SVDI01.DAT");
    EXPECT_EQ(diagnostest(17)->oevningsfil, "SVOVN117.DAT");
    EXPECT_EQ(resultatCell(9), QString(10, ' ') + "9");
    EXPECT_EQ(resultatCell(10), QString(8, ' ') + "10");
    EXPECT_EQ(resultatCell(100), QString(6, ' ') + "100");
    EXPECT_EQ(summaCell(0), QString(10, ' ') + "0");
    EXPECT_EQ(summaCell(100), QString(7, ' ') + "100");
    EXPECT_EQ(statusCell(3), QString::fromUtf8("    Öva"));
    EXPECT_EQ(statusCell(7), "    ");   // a damaged status shows no text

    G = Tillstaand();
    G.diagnos.Diagnostabell.aar[2] = 2026;
    G.diagnos.Diagnostabell.maanad[2] = 3;
    G.diagnos.Diagnostabell.dag[2] = 5;
    G.diagnos.Diagnostabell.timme[2] = 9;
    G.diagnos.Diagnostabell.minut[2] = 7;
    EXPECT_EQ(TidpunktText(4, 2), "260305 09:07");
    EXPECT_EQ(TidpunktText(0, 2), "");

    // The sum of a damaged file's results does not overflow.
    for (int n = 1; n <= 20; ++n)
        G.diagnos.Diagnostabell.resultat[n] = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(summa(), 20LL * std::numeric_limits<std::int32_t>::max());

    beraeknaKolumnprocent(100, 1000, 20);
    EXPECT_EQ(G.diagnos.Kolumnprocent[1], 7);
    EXPECT_EQ(G.diagnos.Kolumnprocent[2], 7 + 66);
    EXPECT_EQ(G.diagnos.Kolumnprocent[3], 7 + 66 + 9);
    EXPECT_EQ(G.diagnos.Kolumnprocent[4], 7 + 66 + 9 + 11);

    EXPECT_TRUE(kanLagras1252(QString::fromUtf8("Åsa €")));
    EXPECT_FALSE(kanLagras1252(QString::fromUtf8("Łukasz")));
}

namespace {
class Elevnamn : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        QDir().mkpath(i("Diag"));
        G.start.DiagnosKatalog = i("Diag");
    }
};
} // namespace

TEST_F(Elevnamn, ANameBeginningWithAParenthesisFindsItsOwnRecord)
{
    for (int gaang = 0; gaang < 2; ++gaang) {
        HaemtaDiagnospost(")Anna");
        G.diagnos.Diagnostabell.resultat[1] = 5 + gaang;
        ASSERT_TRUE(SparaProtokoll());
    }
    QFile f(i("Diag/SDIAG.DIA"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 336);
    EXPECT_TRUE(DiagnosNamnFinns(")anna"));
    HaemtaDiagnospost(")Anna");
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[1], 6);
    QStringList namn;
    DiagnosNamnlista(namn);
    EXPECT_EQ(namn, QStringList{")Anna"});
}
