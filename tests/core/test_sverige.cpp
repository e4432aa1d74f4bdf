#include "../support/dubbler.h"
#include "../support/saett.h"

#include "core/sverige.h"

#include <gtest/gtest.h>

TEST(Sverige, TheNewVerseGoesRoundTheVersesOf1844)
{
    ASSERT_EQ(antalVerser(), 2);
    EXPECT_EQ(versnamn(1), QString::fromUtf8("Första versen"));
    EXPECT_EQ(versnamn(2), QStringLiteral("Andra versen"));
    EXPECT_EQ(naestaVers(1), 2);
    EXPECT_EQ(naestaVers(2), 1);
    for (int v = 1; v <= antalVerser(); ++v) {
        const QStringList r = versrader(v);
        ASSERT_EQ(r.size(), 5) << v;
        EXPECT_EQ(r[3].chopped(1), r[4].chopped(1)) << "the last line is sung twice";
        for (const QString &rad : r)
            EXPECT_LE(rad.size(), 80);
    }
    EXPECT_TRUE(versrader(0).isEmpty());
    EXPECT_TRUE(versrader(3).isEmpty());
}

TEST(Sverige, TheFittingSizeShrinksToItsFloorAndNoFurther)
{
    FastTextmaetare m;
    m.skalaMedStorlek = true;   // 10 px a character at 19 px height
    Saett<const Textmaetare> s(&m);
    const QStringList texter{QStringLiteral("0123456789"), QStringLiteral("01234")};
    EXPECT_EQ(passandePixelstorlek(texter, false, 100, 19, 15), 19);
    EXPECT_EQ(passandePixelstorlek(texter, false, 90, 19, 15), 17);   // 17*10/19 = 8.9 a character
    EXPECT_EQ(passandePixelstorlek(texter, false, 10, 19, 15), 15);
}
