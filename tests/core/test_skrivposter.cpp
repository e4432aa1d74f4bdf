// The typed-answer window's own decisions: drawn letter items and the help
// texts of an item line.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/skrivposter.h"

#include <QSet>

class Skrivposter : public Miljoe {};

TEST_F(Skrivposter, LetterItemsAreDifferentLettersNeverAlreadyInSwedishOrder)
{
    EXPECT_EQ(svenskOrdning(QStringLiteral("ZÄBÅÖ")), QStringLiteral("BZÅÄÖ"));
    EXPECT_EQ(slump.antalRandomize, 0);
    for (int n = 0; n < 200; ++n) {
        const Bokstavspost q = bokstavspost(6);
        ASSERT_EQ(QSet<QChar>(q.fraaga.begin(), q.fraaga.end()).size(), 6);
        EXPECT_NE(q.fraaga, q.svar);
        EXPECT_EQ(svenskOrdning(q.fraaga), q.svar);
    }
    EXPECT_GE(slump.antalRandomize, 200);   // reseeded before every draw
}

TEST_F(Skrivposter, HelpTextsStandBetweenTheAnswerAndTheAlternatives)
{
    const auto hjaelp = [](const char *rad) { return hjaelptexter(str_postarray(QString::fromUtf8(rad))); };
    EXPECT_EQ(hjaelp("Den säger mu.#ko#Ordet börjar på k.#Ordet har 2 bokstäver.#&kossa"),
              (QList<QString>{QStringLiteral("Ordet börjar på k."), QStringLiteral("Ordet har 2 bokstäver.")}));
    EXPECT_TRUE(hjaelp("maten#ma-ten#&mat-en").isEmpty());
    EXPECT_EQ(hjaelp("a#b#h1#h2#h3").size(), 2);   // two labels show them
}
