// The program table at its boundaries: the rows, an unknown number, and
// the rules that tie a row's facts to its window. Each fact itself is tested
// by what its window does with it.
#include "../support/miljoe.h"

#include "core/program.h"

using F = Foenstertyp;

TEST(Programtabell, RowsAscendAndNestOrStandApart)
{
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        ASSERT_LE(rader[r].fraan, rader[r].till) << rader[r].fraan;
        for (int s = r + 1; s < antal; ++s) {
            const Programdata &a = rader[r], &b = rader[s];
            ASSERT_LE(a.fraan, b.fraan);
            const bool isaer = b.fraan > a.till, inuti = b.till <= a.till && b.till - b.fraan < a.till - a.fraan;
            ASSERT_TRUE(isaer || inuti) << a.fraan << "-" << a.till << " and " << b.fraan << "-" << b.till;
        }
    }
}

TEST(Programtabell, UnknownNumbersGiveTheEmptyRow)
{
    for (Word p : {0, 18, 100, 118, 22150, 23102, 34801, 46160, 56950, 65535}) {
        const Programdata &d = program(p);
        EXPECT_EQ(d.foenster, Foenstertyp::Ingen) << p;
        EXPECT_EQ(d.fraan, 0) << p;
        EXPECT_STREQ(d.regelsida, "") << p;
        EXPECT_EQ(d.punkter, 14) << p;
        EXPECT_EQ(d.diagnosnummer, 0) << p;
    }
    // Inside a span the narrowest row holds.
    EXPECT_EQ(program(34200).foenster, Foenstertyp::TPassAkt);
    EXPECT_EQ(program(34250).foenster, Foenstertyp::Ingen);
    EXPECT_EQ(program(34250).diagnosnummer, 17);
    EXPECT_STREQ(program(22250).regelsida, "Dubbelskrivning1.htm");
    EXPECT_FALSE(program(22250).egnaVal);
}

TEST(Programtabell, EachRowsFactsBelongToItsWindow)
{
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        const Programdata &d = rader[r];
        const F w = d.foenster;
        // The sound generator speaks field 1 of every spoken word-choice,
        // category-choice and dictation exercise.
        const bool faelt1 = w == F::TFLERBAR || w == F::TPassAkt || w == F::TDiktam;
        EXPECT_TRUE(!faelt1 || (d.ljudfaelt == 1) == d.ljudOevning) << d.fraan;
        EXPECT_TRUE(w != F::TFLERBAR || d.punkter == 22) << d.fraan;
        // A window's own fact on a row of another window would go unread.
        EXPECT_EQ(*d.satsrubrik != 0 && *d.satsutskrift != 0, w == F::TSats) << d.fraan;
        EXPECT_EQ(*d.rekordnamn != 0, w == F::TSynon) << d.fraan;
        EXPECT_EQ(*d.ordklass != 0, w == F::TFalska) << d.fraan;
        EXPECT_EQ(*d.bild != 0, w == F::TBilden) << d.fraan;
        EXPECT_TRUE(w == F::TSKRIV || (d.bokstaever == 0 && !d.plural && !d.alltidHjaelp && d.lampa)) << d.fraan;
        EXPECT_TRUE(!d.ingenVersalflytt || (w == F::TFLERBAR && d.egnaVal)) << d.fraan;
        EXPECT_TRUE(!d.siffertangenter || w == F::TPassAkt) << d.fraan;
        EXPECT_TRUE(!d.fraagorUtanText || w == F::TInseTxt) << d.fraan;
        // The word choices whose rule page explains the choice itself show
        // "&Regel" only once an item is up; every other rule button is there
        // from the start.
        if (d.regelknapp != Regelknapp::Ingen) {
            EXPECT_EQ(d.regelknapp == Regelknapp::EfterPost, d.fraan == 39200 || d.fraan == 44000 || d.fraan == 46400)
                << d.fraan;
        }
        // A diagnosis item and its practice lay out their items as the
        // program that trains for them does (the plural: "en", "flera").
        if (d.diagnosnummer != 0) {
            const Word test = Word(d.diagnosnummer);
            EXPECT_EQ(program(test).plural, d.plural) << d.fraan;
            EXPECT_EQ(program(Word(100 + test)).plural, d.plural) << d.fraan;
        }
    }
}
