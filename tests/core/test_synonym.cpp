// The word-collection game's scoring with the clock seam standing still or
// moved by hand.
#include "../support/miljoe.h"

#include "core/synonym.h"

namespace {

class Synonymspelet : public Miljoe {
protected:
    void sekunder(int s) { klocka.tid = klocka.tid.addSecs(s); }
};

} // namespace

TEST_F(Synonymspelet, SplitsTheLineAndSortsTheAnswers)
{
    const Synonymrad r = delaSynonymrad(QStringLiteral("glad#munter#Förnöjd#belåten##"));
    EXPECT_EQ(r.ord, QStringLiteral("glad"));
    EXPECT_EQ(r.svar, (QStringList{"", "", "belåten", "Förnöjd", "munter"}));
}

TEST_F(Synonymspelet, ThreeAnswersScoreAndBonus)
{
    Synonymspel s;
    s.nyttOrd(QStringLiteral("glad#munter#förnöjd#belåten"));
    EXPECT_EQ(s.P, 333);
    EXPECT_EQ(s.A, 5);
    EXPECT_TRUE(s.svara(QStringLiteral("MUNTER")).hittat);
    EXPECT_EQ(s.S, 333 + 6);
    EXPECT_FALSE(s.svara(QStringLiteral("sur")).hittat);
    s.svara(QStringLiteral("Förnöjd"));
    const auto u = s.svara(QStringLiteral("belåten"));
    EXPECT_TRUE(u.ordSlut);
    EXPECT_EQ(s.S, 3 * 333 + 100 + 6 + 7 + 7);
    EXPECT_TRUE(s.kvar.isEmpty());
    // Extra blanks are no answer.
    s.nyttOrd(QStringLiteral("a#b c"));
    EXPECT_FALSE(s.svara(QStringLiteral("b  c")).hittat);
}

TEST_F(Synonymspelet, EveryLookAtTheListHalvesPointsAndBonus)
{
    Synonymspel s;
    s.nyttOrd(QStringLiteral("glad#munter#förnöjd#belåten"));
    s.oeppnaLista();
    EXPECT_EQ(s.P, 166);
    EXPECT_EQ(s.B, 50);
    s.oeppnaLista();
    EXPECT_EQ(s.P, 83);
    EXPECT_EQ(s.B, 25);
}

TEST_F(Synonymspelet, TriesTimePenaltyAndMidnight)
{
    Synonymspel s;
    // Two answers: four tries allowed, the fifth non-empty entry ends the word.
    s.nyttOrd(QStringLiteral("x#a#b"));
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(s.svara(QStringLiteral("fel")).ordSlut);
    EXPECT_TRUE(s.svara(QStringLiteral("fel")).ordSlut);

    // An empty Enter ends the word; a score of 0 stays 0.
    s.nyttOrd(QStringLiteral("x#a#b"));
    sekunder(30);
    EXPECT_TRUE(s.svara(QString()).ordSlut);
    EXPECT_EQ(s.S, 0);

    // The penalty is taken only below the score.
    s.nyttOrd(QStringLiteral("x#a"));
    sekunder(12);
    s.svara(QStringLiteral("a"));
    EXPECT_EQ(s.S, 1000 + 100 + 1 - 12);

    // A word begun before midnight and ended after it.
    klocka.tid = QDateTime(QDate(2026, 1, 2), QTime(23, 59, 50));
    s.nyttOrd(QStringLiteral("x#a#b"));
    klocka.tid = QDateTime(QDate(2026, 1, 3), QTime(0, 0, 5, 500));
    EXPECT_EQ(s.TidMatning(1, 3), 15);
    EXPECT_EQ(s.TidMatning(1, 0), 15500);
    EXPECT_EQ(s.TidMatning(1, 7), 0);
}

TEST_F(Synonymspelet, AnItemWithoutAnswersDoesNotDivide)
{
    Synonymspel s;
    s.nyttOrd(QStringLiteral("ensam"));
    EXPECT_EQ(s.N, 0);
    EXPECT_EQ(s.P, 0);
    const auto u = s.svara(QStringLiteral("något"));
    EXPECT_FALSE(u.hittat);
    EXPECT_TRUE(u.ordSlut);
    EXPECT_EQ(s.S, 0);
}
