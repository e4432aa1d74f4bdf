#include "../../support/miljoe.h"

#include "core/meningslayout.h"
#include "core/skaermskala.h"
#include "core/tillstaand.h"
#include "platform/ui/qttextmaetare.h"

#include <QFontInfo>

// The real font metrics, as the program measures with them.
class RiktigaMaatt : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        installeraTextmaetare();
    }
};

TEST_F(RiktigaMaatt, ArialIsLiberationSans)
{
    const QFontInfo info(typsnittTillFont(SkaltestTypsnitt()));
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(info.bold());
}

TEST_F(RiktigaMaatt, ScreenScale)
{
    EXPECT_EQ(Skalprocent({640, 480}), 100);
    EXPECT_EQ(Skalprocent({1024, 768}), 156);
    EXPECT_EQ(Skalprocent({1280, 1024}), 208);
    EXPECT_EQ(Skalprocent({800, 600}), 122);

    Saett<Skaerm> skaerm([] { return QSize(640, 480); });
    Skaltest();
    EXPECT_EQ(G.skaerm.Skalprocent, 100);
    EXPECT_EQ(G.skaerm.Marginal, 10);   // "L" in Arial bold 12 points
}

TEST_F(RiktigaMaatt, SentenceLinesFitTheSpan)
{
    const QString text = QStringLiteral(
        "På sommaren reser familjen till landet, där de bor i en liten röd stuga vid sjön "
        "och badar varje dag.");
    G.oevning.Programtal = 23100;
    const Meningsrader rader = dela_mening(20, 420, text, 3);
    Typsnitt t;
    t.fet = true;
    t.punkter = 14;
    QString ihop;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_LE(textmaetare().bredd(rader[k], t), 400) << k;
        EXPECT_FALSE(rader[k].isEmpty()) << k;
        ihop += rader[k];
        if (!ihop.endsWith(QLatin1Char(' ')))
            ihop += QLatin1Char(' ');
    }
    EXPECT_EQ(ihop.simplified(), text);

    // Larger type for the early reading exercises gives more lines.
    G.oevning.Programtal = 21200;
    const Meningsrader stora = dela_mening(20, 620, QStringLiteral("Kalle har en katt som heter Måns."), 3);
    EXPECT_FALSE(stora[1].isEmpty());
    EXPECT_TRUE(stora[3].isEmpty());
}
