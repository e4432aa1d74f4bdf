// The vowel examination's keys, counts and grades, without the window.
#include "core/vokalexamen.h"

#include <gtest/gtest.h>

namespace {

// Types `tangenter` into step `steg`; returns whether the step finished.
bool skriv(Vokalexamen &e, int steg, const QString &tangenter)
{
    bool klart = false;
    for (QChar c : tangenter)
        klart = e.tangent(steg, c).stegKlart || klart;
    return klart;
}

} // namespace

TEST(Vokalexamen, WrongKeysPerStep)
{
    Vokalexamen e;
    e.nyttSteg(1);
    // Letters are ignored in step 1; digits other than 9 are errors with a comment.
    EXPECT_TRUE(e.tangent(1, QLatin1Char('a')).kommentar.isEmpty());
    EXPECT_EQ(e.tangent(1, QLatin1Char('8')).kommentar, QStringLiteral("Mycket nära. Försök igen!"));
    EXPECT_EQ(e.tangent(1, QLatin1Char('7')).kommentar, QStringLiteral("Nära. Försök igen!"));
    EXPECT_EQ(e.tangent(1, QLatin1Char('0')).kommentar, QStringLiteral("Försök igen!"));
    EXPECT_EQ(e.Felsteg[1], 3);

    // A vowel out of order is an error; the expected one stays "A".
    e.nyttSteg(2);
    EXPECT_EQ(e.tangent(2, QLatin1Char('E')).panel, 0);
    EXPECT_EQ(e.Vokalindex, 1);
    EXPECT_EQ(e.tangent(2, QLatin1Char('a')).panel, 1);
    // After the last vowel step 2 still counts wrong keys; steps 3 and 4 do not.
    skriv(e, 2, QStringLiteral("EIOUYÅÄÖx"));
    EXPECT_EQ(e.Felsteg[2], 2);
    e.nyttSteg(3);
    skriv(e, 3, QStringLiteral("EIYÄÖxx"));
    EXPECT_EQ(e.Felsteg[3], 0);
    EXPECT_EQ(e.svarISteg(2), 11);

    // A new test clears the counts.
    e.nyttSteg(1);
    EXPECT_EQ(e.felTotalt(), 0);
}

TEST(Vokalexamen, GradesAndPraise)
{
    const int betyg[] = {10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 1};
    for (int fel = 0; fel < 20; ++fel)
        EXPECT_EQ(VokalBetyg(fel), betyg[fel]) << fel;
    EXPECT_EQ(VokalLovord(10), QStringLiteral("Du är expert."));
    EXPECT_EQ(VokalLovord(9), QStringLiteral("Mycket bra. Försök att få alla rätt."));
    EXPECT_EQ(VokalLovord(8), QStringLiteral("Bra. Två steg från full pott."));
    EXPECT_TRUE(VokalLovord(7).isEmpty());
}
