// The typed-answer window's own decisions: drawn letter items and the help
// texts of an item line.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/skrivposter.h"
#include "core/tillstaand.h"

#include <QSet>

class Skrivposter : public Miljoe {};

TEST_F(Skrivposter, SlumpIsAPermutationDrawnAfterAReseed)
{
    slump.vaerden = {2, 0, 0};
    EXPECT_EQ(::slump(5, 8), (QList<int>{7, 5, 6, 8}));
    EXPECT_EQ(slump.antalRandomize, 1);
    QList<int> alla = ::slump(1, 29);
    std::sort(alla.begin(), alla.end());
    QList<int> vaentat;
    for (int k = 1; k <= 29; ++k)
        vaentat << k;
    EXPECT_EQ(alla, vaentat);
}

TEST_F(Skrivposter, SwedishOrderPutsÅÄÖLast)
{
    EXPECT_EQ(svenskOrdning(QStringLiteral("ÖÅÄA")), QStringLiteral("AÅÄÖ"));
    EXPECT_EQ(svenskOrdning(QStringLiteral("ZÄBÅ")), QStringLiteral("BZÅÄ"));
    EXPECT_EQ(antalBokstaever(34300), 4);
    EXPECT_EQ(antalBokstaever(34500), 6);
    EXPECT_EQ(antalBokstaever(34100), 0);
}

TEST_F(Skrivposter, ALetterItemIsNeverAlreadyInOrder)
{
    // The first draw is A B C D (in order) and is drawn again: Ö Å Ä A.
    for (int k = 0; k < 29; ++k)
        slump.vaerden << 0;
    slump.vaerden << 28 << 26 << 26 << 0;
    for (int k = 0; k < 25; ++k)
        slump.vaerden << 0;
    const Bokstavspost p = bokstavspost(4);
    EXPECT_EQ(p.fraaga, QStringLiteral("ÖÅÄA"));
    EXPECT_EQ(p.svar, QStringLiteral("AÅÄÖ"));
    for (int n = 0; n < 200; ++n) {
        const Bokstavspost q = bokstavspost(6);
        ASSERT_EQ(q.fraaga.size(), 6);
        EXPECT_NE(q.fraaga, q.svar);
        EXPECT_EQ(QSet<QChar>(q.fraaga.begin(), q.fraaga.end()).size(), 6);
    }
}

TEST_F(Skrivposter, HelpTextsStandBetweenTheAnswerAndTheAlternatives)
{
    str_postarray(QStringLiteral("Den säger mu.#ko#Ordet börjar på k.#Ordet har 2 bokstäver.#&kossa"));
    EXPECT_EQ(hjaelptexter(), (QList<QString>{QStringLiteral("Ordet börjar på k."),
                                              QStringLiteral("Ordet har 2 bokstäver.")}));
    str_postarray(QStringLiteral("röd, blå#färg#Ordet börjar på f.#&färger#&kulör"));
    EXPECT_EQ(hjaelptexter(), QList<QString>{QStringLiteral("Ordet börjar på f.")});
    str_postarray(QStringLiteral("maten#ma-ten#&mat-en"));
    EXPECT_TRUE(hjaelptexter().isEmpty());
    str_postarray(QStringLiteral("a#b#h1#h2#h3"));
    EXPECT_EQ(hjaelptexter().size(), 2);   // two labels show them
}
