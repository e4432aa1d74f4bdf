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
        G.Programtal = 23100;
    }
    QStringList rader() const { return {G.MeningsRader[1], G.MeningsRader[2], G.MeningsRader[3]}; }
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
    EXPECT_EQ(G.Skalprocent, 156);
    EXPECT_EQ(G.Marginal, 13);
    EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, 12);
    EXPECT_TRUE(maetare.anvaendaTypsnitt.last().fet);
}

TEST_F(Meningslayout, WidthLimitFollowsTheScreen)
{
    EXPECT_EQ(MeningsBredd(20, 700), 680);
    Saett<Skaerm> skaerm([] { return QSize(1024, 768); });
    EXPECT_EQ(MeningsBredd(20, 700), 1088);
    EXPECT_EQ(MeningsBredd(20, 650), 1008);
    G.Programtal = 38100;
    EXPECT_EQ(MeningsBredd(20, 700), 680);
    G.Programtal = 23100;
    G.MusOverText = 1;
    EXPECT_EQ(MeningsBredd(2, 302), 300);
}

TEST_F(Meningslayout, FontSizeByProgram)
{
    const QList<QPair<int, int>> fall = {{47400, 18}, {23100, 14}, {51000, 12}};
    for (const auto &[program, punkter] : fall) {
        G.Programtal = Word(program);
        maetare.anvaendaTypsnitt.clear();
        dela_mening(0, 100, QStringLiteral("ord"), 3);
        ASSERT_FALSE(maetare.anvaendaTypsnitt.isEmpty());
        EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, punkter) << program;
        EXPECT_TRUE(maetare.anvaendaTypsnitt.last().fet);
    }
    G.MusOverText = 1;
    dela_mening(0, 100, QStringLiteral("ord"), 3);
    EXPECT_EQ(maetare.anvaendaTypsnitt.last().punkter, 8);
    EXPECT_EQ(G.MusOverText, 0);
}

TEST_F(Meningslayout, BreaksAfterBlanksCommasAndHyphens)
{
    dela_mening(0, 100, QStringLiteral("Hej på dig"), 3);
    EXPECT_EQ(rader(), (QStringList{"Hej på dig", "", ""}));

    dela_mening(0, 100, QStringLiteral("aaaa bbbb cccc dddd"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaa bbbb ", "cccc dddd", ""}));

    dela_mening(0, 100, QStringLiteral("aaaa,bbbbbbb"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaa,", "bbbbbbb", ""}));

    dela_mening(0, 100, QStringLiteral("aaaaaa-bbbbbbb"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaaaa-", "bbbbbbb", ""}));

    // The blank after a comma starts the next line and is removed there.
    dela_mening(0, 100, QStringLiteral("aaaaaaaaa, bbbb"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaaaaaaa,", "bbbb", ""}));
}

TEST_F(Meningslayout, TooLongTextLosesItsEnd)
{
    dela_mening(0, 100, QStringLiteral("aaaaaaaaa bbbbbbbb, ccccccccc dddddd"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaaaaaaa ", "bbbbbbbb, ", "ccccccccc "}));
    // Two lines asked for: the third entry is not touched.
    G.MeningsRader[3] = QStringLiteral("kvar");
    dela_mening(0, 100, QStringLiteral("aaaaaaaaa bbbbbbbbb ccccccccc"), 2);
    EXPECT_EQ(rader(), (QStringList{"aaaaaaaaa ", "bbbbbbbbb ", "kvar"}));
    // More than three lines asked for: three.
    dela_mening(0, 100, QStringLiteral("aaaaaaaaa bbbbbbbbb ccccccccc ddd eee"), 7);
    EXPECT_EQ(rader(), (QStringList{"aaaaaaaaa ", "bbbbbbbbb ", "ccccccccc "}));
}

TEST_F(Meningslayout, WordsWiderThanTheSpanBreakHard)
{
    dela_mening(0, 100, QStringLiteral("abcdefghijklmnop"), 3);
    EXPECT_EQ(rader(), (QStringList{"abcdefghij", "klmnop", ""}));

    // The only break before the overflow ended the line before.
    dela_mening(0, 100, QStringLiteral("aaaa bbbbbbbbbbbbbb"), 3);
    EXPECT_EQ(rader(), (QStringList{"aaaa ", "bbbbbbbbbb", "bbbb"}));

    // A single character wider than the span stands on its own line.
    maetare.bredder = {{QLatin1Char('W'), 150}};
    dela_mening(0, 100, QStringLiteral("aWb"), 3);
    EXPECT_EQ(rader(), (QStringList{"a", "W", "b"}));
    dela_mening(0, 100, QStringLiteral("WWWWW"), 3);
    EXPECT_EQ(rader(), (QStringList{"W", "W", "W"}));
}

TEST_F(Meningslayout, EmptyTextClearsLinesAndTheCaptionFlag)
{
    G.MeningsRader[1] = QStringLiteral("gammal");
    G.MusOverText = 1;
    dela_mening(0, 100, QString(), 3);
    EXPECT_EQ(rader(), (QStringList{"", "", ""}));
    EXPECT_EQ(G.MusOverText, 0);
    dela_mening(0, 100, QStringLiteral("x"), 0);
    EXPECT_EQ(rader(), (QStringList{"", "", ""}));
}
