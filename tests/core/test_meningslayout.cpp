#include "../support/miljoe.h"

#include "core/meningslayout.h"
#include "core/skaermskala.h"
#include "core/tillstaand.h"

// Every character 10 pixels wide: a span of 100 on a 640 screen holds 10.
class Meningslayout : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        G.oevning.Programtal = 23100;
    }
    // The lines of the text over a span of 100 from 0.
    static QStringList rader(const QString &text, int antal)
    {
        const Meningsrader r = dela_mening(0, 100, text, antal);
        return {r[1], r[2], r[3]};
    }
    FastTextmaetare maetare;
    Saett<const Textmaetare> m_maetare{&maetare};
};

TEST(Avrundning, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(avrundaJaemnt(325, 2), 162);
    EXPECT_EQ(avrundaJaemnt(327, 2), 164);
    EXPECT_EQ(avrundaJaemnt(800 * 156, 768), 162);
    EXPECT_EQ(avrundaJaemnt(1024 * 156, 768), 208);
    EXPECT_EQ(avrundaJaemnt(10, 3), 3);
    EXPECT_EQ(avrundaJaemnt(-5, 2), -2);
}

TEST(Punkter, AtNinetySixDotsPerInch)
{
    EXPECT_EQ(pixlarFoerPunkter(14), 19);
    EXPECT_EQ(pixlarFoerPunkter(12), 16);
    EXPECT_EQ(pixlarFoerPunkter(8), 11);
    EXPECT_EQ(pixlarFoerPunkter(22), 29);
}

TEST_F(Meningslayout, ScaleFromTheCountOfLetters)
{
    maetare.tecken = 13;
    EXPECT_EQ(Skalprocent({640, 480}), 100);    // 50 letters, 98 %
    EXPECT_EQ(Skalprocent({1024, 768}), 156);
    EXPECT_EQ(Skalprocent({1280, 1024}), 208);  // above 156: from the height
    EXPECT_EQ(Skalprocent({1280, 800}), 162);
    maetare.tecken = 10;
    EXPECT_EQ(Skalprocent({480, 360}), 94);
    EXPECT_EQ(Skalprocent({530, 400}), 104);
    // A measure that never grows still ends, and the height decides.
    maetare.tecken = 0;
    EXPECT_EQ(Skalprocent({640, 600}), 122);

    maetare.tecken = 13;
    maetare.anvaendaTypsnitt.clear();
    Saett<Skaerm> skaerm([] { return QSize(1024, 768); });
    Skaltest();
    EXPECT_EQ(G.skaerm.Skalprocent, 156);
    EXPECT_EQ(G.skaerm.Marginal, 13);
    EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, 12);
    EXPECT_TRUE(maetare.anvaendaTypsnitt.last().fet);
}

TEST_F(Meningslayout, WidthLimitFollowsTheScreen)
{
    EXPECT_EQ(MeningsBredd(20, 700), 680);
    Saett<Skaerm> skaerm([] { return QSize(1024, 768); });
    EXPECT_EQ(MeningsBredd(20, 700), 1088);
    EXPECT_EQ(MeningsBredd(20, 650), 1008);
    G.oevning.Programtal = 38100;
    EXPECT_EQ(MeningsBredd(20, 700), 680);
    G.oevning.Programtal = 23100;
    G.mening.MusOverText = 1;
    EXPECT_EQ(MeningsBredd(2, 302), 300);
}

TEST_F(Meningslayout, FontSizeByProgram)
{
    const QList<QPair<int, int>> fall = {{47400, 18}, {23100, 14}, {51000, 12}};
    for (const auto &[program, punkter] : fall) {
        G.oevning.Programtal = Word(program);
        maetare.anvaendaTypsnitt.clear();
        dela_mening(0, 100, QStringLiteral("ord"), 3);
        ASSERT_FALSE(maetare.anvaendaTypsnitt.isEmpty());
        EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, punkter) << program;
        EXPECT_TRUE(maetare.anvaendaTypsnitt.last().fet);
    }
    G.mening.MusOverText = 1;
    dela_mening(0, 100, QStringLiteral("ord"), 3);
    EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, 8);
    EXPECT_EQ(G.mening.MusOverText, 0);
}

TEST_F(Meningslayout, BreaksAfterBlanksCommasAndHyphens)
{
    EXPECT_EQ(rader(QStringLiteral("Hej på dig"), 3), (QStringList{"Hej på dig", "", ""}));

    EXPECT_EQ(rader(QStringLiteral("aaaa bbbb cccc dddd"), 3), (QStringList{"aaaa bbbb ", "cccc dddd", ""}));

    EXPECT_EQ(rader(QStringLiteral("aaaa,bbbbbbb"), 3), (QStringList{"aaaa,", "bbbbbbb", ""}));

    EXPECT_EQ(rader(QStringLiteral("aaaaaa-bbbbbbb"), 3), (QStringList{"aaaaaa-", "bbbbbbb", ""}));

    // The blank after a comma starts the next line and is removed there.
    EXPECT_EQ(rader(QStringLiteral("aaaaaaaaa, bbbb"), 3), (QStringList{"aaaaaaaaa,", "bbbb", ""}));
}

TEST_F(Meningslayout, TooLongTextLosesItsEnd)
{
    EXPECT_EQ(rader(QStringLiteral("aaaaaaaaa bbbbbbbb, ccccccccc dddddd"), 3),
              (QStringList{"aaaaaaaaa ", "bbbbbbbb, ", "ccccccccc "}));
    // Two lines asked for: no third.
    EXPECT_EQ(rader(QStringLiteral("aaaaaaaaa bbbbbbbbb ccccccccc"), 2),
              (QStringList{"aaaaaaaaa ", "bbbbbbbbb ", ""}));
    // More than three lines asked for: three.
    EXPECT_EQ(rader(QStringLiteral("aaaaaaaaa bbbbbbbbb ccccccccc ddd eee"), 7),
              (QStringList{"aaaaaaaaa ", "bbbbbbbbb ", "ccccccccc "}));
}

TEST_F(Meningslayout, WordsWiderThanTheSpanBreakHard)
{
    EXPECT_EQ(rader(QStringLiteral("abcdefghijklmnop"), 3), (QStringList{"abcdefghij", "klmnop", ""}));

    // The only break before the overflow ended the line before.
    EXPECT_EQ(rader(QStringLiteral("aaaa bbbbbbbbbbbbbb"), 3), (QStringList{"aaaa ", "bbbbbbbbbb", "bbbb"}));

    // A single character wider than the span stands on its own line.
    maetare.bredder = {{QLatin1Char('W'), 150}};
    EXPECT_EQ(rader(QStringLiteral("aWb"), 3), (QStringList{"a", "W", "b"}));
    EXPECT_EQ(rader(QStringLiteral("WWWWW"), 3), (QStringList{"W", "W", "W"}));
}

TEST_F(Meningslayout, EmptyTextClearsLinesAndTheCaptionFlag)
{
    G.mening.MusOverText = 1;
    EXPECT_EQ(rader(QString(), 3), (QStringList{"", "", ""}));
    EXPECT_EQ(G.mening.MusOverText, 0);
    EXPECT_EQ(rader(QStringLiteral("x"), 0), (QStringList{"", "", ""}));
}
