// The alphabetical-order logic: the words, the scramble, a move, the judging.
#include "../support/miljoe.h"

#include "core/ordna.h"

class Ordna : public Miljoe {};

TEST_F(Ordna, WordsUpToTheFirstEmptyFieldAtMostEight)
{
    EXPECT_EQ(ordAttOrdna({QStringLiteral("apa"), QStringLiteral("bil"), QString(), QStringLiteral("ko")}),
              (QStringList{QStringLiteral("apa"), QStringLiteral("bil")}));
    QStringList nio;
    for (int i = 1; i <= 9; ++i)
        nio << QString::number(i);
    EXPECT_EQ(ordAttOrdna(nio).size(), 8);
}

TEST_F(Ordna, TheScrambleDiffersAndReseedsOncePerItem)
{
    const QStringList ord = {QStringLiteral("berg"), QStringLiteral("hav"), QStringLiteral("sjö")};
    // The first draw is the right order (0, 0, 0): drawn again, not reseeded.
    slump.vaerden = {0, 0, 0, 2, 0, 0};
    EXPECT_EQ(blandaOrd(ord), (QStringList{QStringLiteral("sjö"), QStringLiteral("berg"), QStringLiteral("hav")}));
    EXPECT_EQ(slump.antalRandomize, 1);

    // Nothing that can differ is shown as drawn, never drawn for ever.
    EXPECT_EQ(blandaOrd({QStringLiteral("ö")}), QStringList{QStringLiteral("ö")});
    EXPECT_EQ(blandaOrd({QStringLiteral("ö"), QStringLiteral("ö")}).size(), 2);
    EXPECT_TRUE(blandaOrd({}).isEmpty());
}

TEST_F(Ordna, AMoveTakesThePlaceOfTheEntryDroppedOn)
{
    const QStringList l = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    EXPECT_EQ(flyttaOrd(l, 3, 0), (QStringList{QStringLiteral("d"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(flyttaOrd(l, 0, 3), (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("a")}));
    EXPECT_EQ(flyttaOrd(l, 1, 7), l);
    // Exact and case-sensitive.
    EXPECT_TRUE(RattSvar({QStringLiteral("Åsa"), QStringLiteral("Öland")}, {QStringLiteral("Åsa"), QStringLiteral("Öland")}));
    EXPECT_FALSE(RattSvar({QStringLiteral("åsa"), QStringLiteral("Öland")}, {QStringLiteral("Åsa"), QStringLiteral("Öland")}));
}
