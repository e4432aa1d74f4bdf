#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/svarstest.h"
#include "core/tillstaand.h"

class Svarstest : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        str_postarray(QStringLiteral("Stockholm"));
    }
};

TEST_F(Svarstest, ModesAndCapitals)
{
    const QString s = QStringLiteral("Stockholm");
    EXPECT_EQ(svarstest(s, "stockholm", 1), SvarFel);
    EXPECT_EQ(svarstest(s, "stockholm", 3), SvarRaett);
    EXPECT_EQ(svarstest(s, "stockholm", 4), 11);
    EXPECT_EQ(svarstest(s, "stockholm", 2), SvarRaett);
    EXPECT_EQ(svarstest(s, "Stockholm", 4), SvarRaett);
    EXPECT_EQ(svarstest("Hej Anna", "hej anna", 4), 12);
    EXPECT_EQ(svarstest("Hej Anna", "hej anNA", 4), 12);
    EXPECT_EQ(svarstest("hej", "Hej", 4), SvarFel);
    EXPECT_EQ(svarstest("Åsa Öberg", "åsa öberg", 4), 12);
    EXPECT_EQ(svarstest("A B C D E F G", "a b c d e f g", 4), 15);
    EXPECT_EQ(svarstest(s, "Stockholm", 9), SvarFel);   // no such mode
}

TEST_F(Svarstest, BlanksAndPunctuation)
{
    EXPECT_EQ(svarstest("Det regnar.", "Det regnar  ", 1), SvarRaett);
    EXPECT_EQ(svarstest("Det regnar.", "Det regnar  ", 0), SvarFel);
    EXPECT_EQ(svarstest("Det  regnar", "  Det regnar", 0), SvarRaett);
    EXPECT_EQ(svarstest("?Vem", "Vem!", 1), SvarRaett);
    EXPECT_EQ(svarstest(QString::fromUtf8("ja\u00AD"), "ja", 3), SvarRaett);
    EXPECT_EQ(svarstest("ja", "", 1), SvarTomt);
    EXPECT_EQ(svarstest("ja", "   ", 1), SvarFel);
    EXPECT_EQ(svarstest("", "   ", 1), SvarRaett);   // both tidy to empty
}

TEST_F(Svarstest, AlternativesFromTheLastFieldBackwards)
{
    str_postarray(QStringLiteral("hus#&huset#&husen"));
    EXPECT_EQ(svarstest("hus", "husen", 1), SvarRaett);
    EXPECT_EQ(svarstest("hus", "huset", 1), SvarRaett);
    EXPECT_EQ(svarstest("hus", "HUSET", 3), SvarRaett);
    EXPECT_EQ(svarstest("hus", "husa", 1), SvarFel);
}

TEST_F(Svarstest, LinesWithMoreAlternativesThanFieldsStayInTheFields)
{
    // 13 segments: the fields stop at 10 but the alternatives count on,
    // so the later rounds point before field 1.
    str_postarray(QStringLiteral("a#&b#&c#&d#&e#&f#&g#&h#&i#&j#&k#&l#&m"));
    ASSERT_GT(G.AntalAlternativ, 9);
    EXPECT_EQ(svarstest("a", "b", 1), SvarRaett);
    EXPECT_EQ(svarstest("a", "x", 1), SvarFel);
    EXPECT_EQ(GreenRedTest("x", "a"), 2);
    EXPECT_EQ(GreenRedTest("i", "a"), 1);

    str_postarray(QStringLiteral("&hus"));
    EXPECT_EQ(svarstest("hus", "hu", 1), SvarFel);
    EXPECT_EQ(GreenRedTest("x", "hus"), 2);
    EXPECT_EQ(GreenRedTest("hu", "hus"), 1);
}

TEST_F(Svarstest, TheLamp)
{
    EXPECT_EQ(GreenRedTest("kat", "katten"), 1);
    EXPECT_EQ(GreenRedTest("kas", "katten"), 2);
    EXPECT_EQ(GreenRedTest(" kat", "katten"), 1);
    EXPECT_EQ(GreenRedTest("  kat", "katten"), 2);
    EXPECT_EQ(GreenRedTest("", "katten"), 2);
    EXPECT_EQ(GreenRedTest("Kat", "katten"), 2);
    EXPECT_EQ(GreenRedTest("kattens", "katten"), 2);
    // A gap written with a blank before its word.
    EXPECT_EQ(GreenRedTest("kat", " katten"), 1);
    EXPECT_EQ(GreenRedTest(" kat", " katten"), 1);
    EXPECT_EQ(GreenRedTest("kas", " katten"), 2);
    str_postarray(QStringLiteral("katt#&katten#&katter"));
    EXPECT_EQ(GreenRedTest("katte", "katt"), 1);
    EXPECT_EQ(GreenRedTest("katter", "katt"), 1);
    EXPECT_EQ(GreenRedTest("kattor", "katt"), 2);
}

TEST(MellanslagBort, TidiesBlanks)
{
    EXPECT_EQ(MellanslagBort("  a  b   c  "), QStringLiteral("a b c"));
    EXPECT_EQ(MellanslagBort("a  b"), QStringLiteral("a b"));
    EXPECT_EQ(MellanslagBort("a  "), QStringLiteral("a"));
    EXPECT_EQ(MellanslagBort(" a  b "), QStringLiteral("a b"));
    EXPECT_EQ(MellanslagBort("   "), QString());
    EXPECT_EQ(MellanslagBort(QString()), QString());
    EXPECT_EQ(MellanslagBort(" a  b"), QStringLiteral("a b"));
}

TEST(SvVersaler, TheWindowsLetterPairs)
{
    EXPECT_EQ(SvVersaler(QString::fromUtf8("åäö éü abc xyz")), QString::fromUtf8("ÅÄÖ ÉÜ ABC XYZ"));
    EXPECT_EQ(SvVersaler(QString::fromUtf8("ßµ÷")), QString::fromUtf8("ßµ÷"));
    EXPECT_EQ(SvVersaler(QString::fromUtf8("šœžÿ")), QString::fromUtf8("ŠŒŽŸ"));
    EXPECT_EQ(SvVersaler(QString::fromUtf8("àþ")), QString::fromUtf8("ÀÞ"));
    EXPECT_EQ(SvVersaler(QString::fromUtf8("1.?ÅÄÖ")), QString::fromUtf8("1.?ÅÄÖ"));
    EXPECT_EQ(SvVersaler(QString::fromUtf8("gatan ß")).size(), 7);
}
