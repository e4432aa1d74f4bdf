// The dictation window's rules without display, and the bundled dictation
// files as the window reads them: one word per item with its hint, spoken
// by the sound generator and glossed in both translation lists.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/diktamen.h"
#include "core/oeversaettning.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

#include <QHash>
#include <QSet>

TEST(Diktamen, FlashTimeStepsWithinItsBounds)
{
    EXPECT_EQ(StegaVisningstid(100, false), 100);
    EXPECT_EQ(StegaVisningstid(100, true), 200);
    EXPECT_EQ(StegaVisningstid(3000, true), 3000);
    EXPECT_EQ(StegaVisningstid(3000, false), 2900);
}

TEST(Diktamen, HintsAreCountedFromTheFieldsAfterTheAlternatives)
{
    auto antal = [](const char *rad) {
        return DiktatHjaelpAntal(str_postarray(QString::fromUtf8(rad)));
    };
    EXPECT_EQ(antal("hjärta##J-ljudet stavas med hj."), 1);
    EXPECT_EQ(antal("hjärta"), 0);
    EXPECT_EQ(antal("ord##ett#två#tre"), 3);      // three hints: no hint button
    EXPECT_EQ(antal("ord##ett##fyra"), 1);         // counted while not empty
    EXPECT_EQ(antal("sa#&sade"), 0);               // the alternatives are no hints
}

TEST(Diktamen, TheGlossShrinksToItsFloor)
{
    FastTextmaetare fast;
    fast.skalaMedStorlek = true;
    Saett<const Textmaetare> m(&fast);
    const Typsnitt t{QStringLiteral("Arial"), 14, true, 0};
    EXPECT_EQ(PunkterSomRyms(QStringLiteral("heart"), t, 1000), 14);
    EXPECT_LT(PunkterSomRyms(QStringLiteral("die Krankenschwester"), t, 150), 14);
    EXPECT_EQ(PunkterSomRyms(QStringLiteral("die Krankenschwester"), t, 10), 11);
}

class InnehaallDiktamen : public ByggdMiljoe {};

TEST_F(InnehaallDiktamen, EveryWordHasItsHintAndBothGlosses)
{
    ASSERT_TRUE(Uppstart());
    QHash<QString, QString> lista[3];
    for (Byte spraak : {Byte(1), Byte(2)}) {
        G.val.Oeversaettning = spraak;
        FyllEngListan();
        for (qsizetype k = 0; k < G.ordlistor.ListBox1.size() && k < G.ordlistor.ListBox2.size(); ++k)
            lista[spraak].insert(G.ordlistor.ListBox1.at(k), G.ordlistor.ListBox2.at(k));
    }
    for (const char *fil : {"SVE24100.DAT", "SVE24200.DAT"}) {
        const QString namn = QString::fromLatin1(fil);
        SCOPED_TRACE(fil);
        EXPECT_EQ(program(GeProgramtal(namn)).foenster, Foenstertyp::TDiktam);
        ASSERT_TRUE(Kolla(namn));
        EXPECT_GE(G.start.FilAntalPoster[G.oevning.DatFilIndex], 40);
        for (int n = 1; n <= G.start.FilAntalPoster[G.oevning.DatFilIndex]; ++n) {
            haemtaord(namn, n);
            const Postdelar post = str_postarray(G.post.HaemtadRad);
            const QString ord = post.faelt[1];
            SCOPED_TRACE(ord.toStdString());
            EXPECT_FALSE(ord.isEmpty());
            EXPECT_FALSE(ord.contains(QLatin1Char(' ')) || ord.contains(QLatin1Char('<')));
            EXPECT_LE(ord.size(), 20);
            EXPECT_TRUE(post.faelt[2].isEmpty());
            EXPECT_EQ(DiktatHjaelpAntal(post), 1);
            EXPECT_FALSE(lista[1].value(ord).isEmpty()) << "no English gloss";
            EXPECT_FALSE(lista[2].value(ord).isEmpty()) << "no German gloss";
        }
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
