// The word-class game's score and the odd-one-out game's turns.
#include "core/kattspel.h"
#include "core/ordkamp.h"

#include <gtest/gtest.h>

TEST(Ordkamp, RightAndWrongCountsAndTheEnd)
{
    Ordkamp k;
    k.elev = 18;
    Ordkamp::Svar s = k.svara(4, 4);
    EXPECT_TRUE(s.raett);
    EXPECT_EQ(s.foersta, 19);
    EXPECT_EQ(s.sista, 20);
    EXPECT_EQ(k.elev, 22);
    EXPECT_TRUE(k.slut);
    EXPECT_TRUE(k.elevenVann);

    k.nollstaell();
    k.dator = 17;
    s = k.svara(1, 3);
    EXPECT_FALSE(s.raett);
    EXPECT_EQ(s.foersta, 38);
    EXPECT_EQ(s.sista, 40);
    EXPECT_TRUE(k.slut);
    EXPECT_FALSE(k.elevenVann);

    // No word of the class: "0" is right and scores nothing, any other
    // answer is wrong and gives the computer nothing.
    k.nollstaell();
    s = k.svara(0, 0);
    EXPECT_TRUE(s.raett);
    EXPECT_LT(s.sista, s.foersta);
    s = k.svara(2, 0);
    EXPECT_FALSE(s.raett);
    EXPECT_LT(s.sista, s.foersta);
    EXPECT_EQ(k.elev + k.dator, 0);
}

TEST(Ordkamp, ClassNamePromptsAndEndTexts)
{
    EXPECT_EQ(Ordkampsklass(41200), QStringLiteral("ADJEKTIV"));
    EXPECT_TRUE(iOrdklassen(QStringLiteral("Verb"), Ordkampsklass(41300)));
    EXPECT_FALSE(iOrdklassen(QStringLiteral("verb"), Ordkampsklass(41100)));
    EXPECT_EQ(Namnuppmaning(1), QStringLiteral("Ditt namn tack!"));
    EXPECT_EQ(Namnuppmaning(3), QStringLiteral("Ditt namn tack!!!"));
    EXPECT_EQ(Namnuppmaning(4), QStringLiteral("Avbryt med Escape."));
    EXPECT_EQ(Namnuppmaning(250), QStringLiteral("Avbryt med Escape."));
    EXPECT_EQ(Ordkampslut(true, QStringLiteral("Ada")).join(QLatin1Char(' ')).trimmed(),
              QStringLiteral("Grattis Ada!"));
    EXPECT_EQ(Ordkampslut(false, QStringLiteral("Ada")).join(QLatin1Char(' ')),
              QStringLiteral("Tyvärr, Ada. Du förlorade mot datorn. Ta revansch."));
}

namespace {
// Plays whole turns: one letter per turn, r right and f wrong.
Kattsteg spela(Kattspel &k, const char *turer)
{
    Kattsteg steg = Kattsteg::NyPost;
    for (const char *t = turer; *t; ++t) {
        k.naestaSpelare();
        steg = *t == 'r' ? k.raett() : k.fel();
    }
    return steg;
}
} // namespace

TEST(Kattspel, LastTurnsOfLaterPlayersAtFour)
{
    // 5, 4 and 2: the second player gets a last turn, the third none.
    Kattspel k(3);
    EXPECT_EQ(spela(k, "rrrrrrrrfrrf"), Kattsteg::Vaenta);
    EXPECT_EQ(k.poaeng(1), 4);
    EXPECT_EQ(k.poaeng(2), 4);
    EXPECT_EQ(k.poaeng(3), 2);
    EXPECT_EQ(spela(k, "r"), Kattsteg::NyPost);
    EXPECT_TRUE(k.avslutning());
    EXPECT_TRUE(k.sistaTur(2));
    EXPECT_FALSE(k.sistaTur(3));
    Kattspel fel = k;
    EXPECT_EQ(spela(k, "r"), Kattsteg::Slut);
    EXPECT_EQ(k.vinnare(), (QList<int>{1, 2}));
    EXPECT_EQ(spela(fel, "f"), Kattsteg::Slut);
    EXPECT_EQ(fel.vinnare(), QList<int>{1});

    // The third at four and the second at two: the second still plays his
    // turn in the ending phase, then the third his last one.
    Kattspel t(3);
    spela(t, "rfrrfrrfrrfr");
    ASSERT_EQ(t.poaeng(1), 4);
    ASSERT_EQ(t.poaeng(2), 0);
    ASSERT_EQ(t.poaeng(3), 4);
    EXPECT_EQ(spela(t, "r"), Kattsteg::NyPost);
    EXPECT_EQ(spela(t, "f"), Kattsteg::Vaenta);
    EXPECT_EQ(spela(t, "r"), Kattsteg::Slut);
    EXPECT_EQ(t.vinnare(), (QList<int>{1, 3}));

    Kattspel en(1);
    EXPECT_EQ(spela(en, "rrrrr"), Kattsteg::Slut);
    EXPECT_EQ(en.vinnare(), QList<int>{1});
}

TEST(Kattspel, WinnersText)
{
    EXPECT_EQ(Vinnartext({QStringLiteral("Ada")}), QStringLiteral("Ada"));
    EXPECT_EQ(Vinnartext({QStringLiteral("Ada"), QStringLiteral("Bo")}), QStringLiteral("Ada och Bo"));
    EXPECT_EQ(Vinnartext({QStringLiteral("Ada"), QStringLiteral("Bo"), QStringLiteral("Cia")}),
              QStringLiteral("Ada, Bo och Cia"));
}
