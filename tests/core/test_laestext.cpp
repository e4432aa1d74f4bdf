// The reading text's name and clean-up, and the count of a question's alternatives.
#include "../support/miljoe.h"

#include "core/laestext.h"

#include <gtest/gtest.h>

TEST(Laestext, TheReadingTextIsNamedFromTheDataFile)
{
    EXPECT_EQ(LasfilNamn("SVE56300.DAT"), "SVE56300.LAS");
    EXPECT_EQ(LasfilNamn("LAANGTNAMN12.DAT"), "LAANGTNAM.LAS");
}

TEST(Laestext, CleanUpDropsDollarLinesJoinsShortLinesAndLeavesTheLastLine)
{
    const QStringList in = {"$Räven och korpen", "Räven", "gick genom skogen en dag.", "Slut.", "",
                            "En rad som är lång nog att stå kvar", "$sista"};
    const QStringList ut = {"Räven gick genom skogen en dag.", "Slut.", "",
                            "En rad som är lång nog att stå kvar", "$sista"};
    EXPECT_EQ(JusteraMemoText(in), ut);
    // The joined line is not examined again, even when it is still short.
    EXPECT_EQ(JusteraMemoText({"Hej", "du", "där borta i skogen."}), QStringList({"Hej du", "där borta i skogen."}));
    EXPECT_EQ(JusteraMemoText({"Vem?", "kort"}), QStringList({"Vem?", "kort"}));
}

TEST(Laestext, AlternativesAreTheFilledFieldsFromTheSecondOn)
{
    EXPECT_EQ(AntalAlternativIPost("gul", "vit", ""), 2);
    EXPECT_EQ(AntalAlternativIPost("tre", "en", "fem"), 3);
    EXPECT_EQ(AntalAlternativIPost("tre", "", "fem"), 1);
    EXPECT_EQ(AntalAlternativIPost("", "", ""), 0);
}
