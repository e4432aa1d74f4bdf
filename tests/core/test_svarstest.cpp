#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/svarstest.h"

class Svarstest : public Miljoe {
protected:
    Postdelar post = str_postarray(QStringLiteral("Stockholm"));
};

TEST_F(Svarstest, ModesAndCapitals)
{
    const QString s = QStringLiteral("Stockholm");
    EXPECT_EQ(svarstest(s, "stockholm", 1, post), SvarFel);
    EXPECT_EQ(svarstest(s, "stockholm", 3, post), SvarRaett);
    EXPECT_EQ(svarstest(s, "stockholm", 4, post), 11);
    EXPECT_EQ(svarstest(s, "stockholm", 2, post), SvarRaett);
    EXPECT_EQ(svarstest(s, "Stockholm", 4, post), SvarRaett);
    EXPECT_EQ(svarstest("Hej Anna", "hej anna", 4, post), 12);
    EXPECT_EQ(svarstest("Hej Anna", "hej anNA", 4, post), 12);
    EXPECT_EQ(svarstest("hej", "Hej", 4, post), SvarFel);
    EXPECT_EQ(svarstest("Åsa Öberg", "åsa öberg", 4, post), 12);
    EXPECT_EQ(svarstest("A B C D E F G", "a b c d e f g", 4, post), 15);
    EXPECT_EQ(svarstest(s, "Stockholm", 9, post), SvarFel);   // no such mode
}

TEST_F(Svarstest, BlanksAndPunctuation)
{
    EXPECT_EQ(svarstest("Det regnar.", "Det regnar  ", 1, post), SvarRaett);
    EXPECT_EQ(svarstest("Det regnar.", "Det regnar  ", 0, post), SvarFel);
    EXPECT_EQ(svarstest("Det  regnar", "  Det regnar", 0, post), SvarRaett);
    EXPECT_EQ(svarstest("?Vem", "Vem!", 1, post), SvarRaett);
    EXPECT_EQ(svarstest(QString::fromUtf8("ja\u00AD"), "ja", 3, post), SvarRaett);
    EXPECT_EQ(svarstest("ja", "", 1, post), SvarTomt);
    EXPECT_EQ(svarstest("ja", "   ", 1, post), SvarFel);
    EXPECT_EQ(svarstest("", "   ", 1, post), SvarRaett);   // both tidy to empty
}

TEST_F(Svarstest, AlternativesFromTheLastFieldBackwards)
{
    post = str_postarray(QStringLiteral("hus#&huset#&husen"));
    EXPECT_EQ(svarstest("hus", "husen", 1, post), SvarRaett);
    EXPECT_EQ(svarstest("hus", "huset", 1, post), SvarRaett);
    EXPECT_EQ(svarstest("hus", "HUSET", 3, post), SvarRaett);
    EXPECT_EQ(svarstest("hus", "husa", 1, post), SvarFel);
}

TEST_F(Svarstest, LinesWithMoreAlternativesThanFieldsStayInTheFields)
{
    // 13 segments: the fields stop at 10 but the alternatives count on,
    // so the later rounds point before field 1.
    post = str_postarray(QStringLiteral("a#&b#&c#&d#&e#&f#&g#&h#&i#&j#&k#&l#&m"));
    ASSERT_GT(post.antalAlternativ, 9);
    EXPECT_EQ(svarstest("a", "b", 1, post), SvarRaett);
    EXPECT_EQ(svarstest("a", "x", 1, post), SvarFel);
    EXPECT_EQ(GreenRedTest("x", "a", post), 2);
    EXPECT_EQ(GreenRedTest("i", "a", post), 1);

    post = str_postarray(QStringLiteral("&hus"));
    EXPECT_EQ(svarstest("hus", "hu", 1, post), SvarFel);
    EXPECT_EQ(GreenRedTest("x", "hus", post), 2);
    EXPECT_EQ(GreenRedTest("hu", "hus", post), 1);
}

TEST_F(Svarstest, TheLamp)
{
    EXPECT_EQ(GreenRedTest("kat", "katten", post), 1);
    EXPECT_EQ(GreenRedTest("kas", "katten", post), 2);
    EXPECT_EQ(GreenRedTest(" kat", "katten", post), 1);
    EXPECT_EQ(GreenRedTest("  kat", "katten", post), 2);
    EXPECT_EQ(GreenRedTest("", "katten", post), 2);
    EXPECT_EQ(GreenRedTest("Kat", "katten", post), 2);
    EXPECT_EQ(GreenRedTest("kattens", "katten", post), 2);
    // A gap written with a blank before its word.
    EXPECT_EQ(GreenRedTest("kat", " katten", post), 1);
    EXPECT_EQ(GreenRedTest(" kat", " katten", post), 1);
    EXPECT_EQ(GreenRedTest("kas", " katten", post), 2);
    post = str_postarray(QStringLiteral("katt#&katten#&katter"));
    EXPECT_EQ(GreenRedTest("katte", "katt", post), 1);
    EXPECT_EQ(GreenRedTest("katter", "katt", post), 1);
    EXPECT_EQ(GreenRedTest("kattor", "katt", post), 2);
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

TEST_F(Svarstest, DecomposedLettersAreTheLetters)
{
    // "a" + combining ring is "å", in the answer and in the expected text.
    const QString gaa = QStringLiteral("g") + QChar(u'a') + QChar(u'\u030A');
    EXPECT_EQ(svarstest(QStringLiteral("gå"), gaa, 0, post), SvarRaett);
    EXPECT_EQ(svarstest(gaa, QStringLiteral("gå"), 0, post), SvarRaett);
    EXPECT_EQ(GreenRedTest(gaa, QStringLiteral("gått"), post), 1);
    EXPECT_EQ(medVersal(QStringLiteral("åka")), QStringLiteral("Åka"));
    EXPECT_TRUE(boerjarMedVersal(QStringLiteral("Ö")));
    EXPECT_FALSE(boerjarMedVersal(QStringLiteral("ö")));
}
