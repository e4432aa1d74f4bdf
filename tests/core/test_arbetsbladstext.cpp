// The worksheet as text: item numbers, the key's alternatives, the line
// classes the printout paginates by, and each window's item lines.
#include "../support/miljoe.h"

#include "core/arbetsbladstext.h"

class Arbetsbladstext : public Miljoe {};

TEST_F(Arbetsbladstext, NumberPrefixesKeepTheColumn)
{
    EXPECT_EQ(Nummerprefix(1), "   1. ");
    EXPECT_EQ(Nummerprefix(10), " 10. ");
    EXPECT_EQ(Nummerprefix(100), "100. ");
    EXPECT_EQ(Nummerprefix(1000), "1000. ");
}

TEST_F(Arbetsbladstext, TheKeyNamesTheAlternativesAndNeverReadsBelowTheAnswer)
{
    Postdelar post;
    EXPECT_EQ(UtSkriftSvar("hund", post), "hund");
    post.faelt[1] = "djur";
    post.faelt[2] = "hund";
    post.faelt[3] = "&hunden";
    post.faelt[4] = "hundar";
    post.antalAlternativ = 2;
    EXPECT_EQ(UtSkriftSvar("hund", post), "hund eller hunden, hundar.");
    // A damaged line claims more alternatives than it has.
    post.antalAlternativ = 9;
    EXPECT_EQ(UtSkriftSvar("hund", post), "hund eller hunden, hundar.");
    post.faelt[3].clear();
    post.faelt[4].clear();
    EXPECT_EQ(UtSkriftSvar("hund", post), "hund");
}

TEST_F(Arbetsbladstext, LineClassesAndRoomForABlock)
{
    EXPECT_EQ(RadTyp(""), 10);
    EXPECT_EQ(RadTyp("2.  Stavning"), 1);
    EXPECT_EQ(RadTyp("100. katt"), 1);
    EXPECT_EQ(RadTyp("   1. katt"), 2);
    EXPECT_EQ(RadTyp(" 10. katt"), 2);
    EXPECT_EQ(RadTyp("       ____"), 0);
    EXPECT_EQ(RadTyp("      Skriv ordet:"), 0);
    const QStringList l = {"1.  Rubrik", "      Fråga:", "   1. katt", "       ___", "       ___", "   2. hund"};
    EXPECT_EQ(UppgiftTillNySida(l, 0), 3);
    EXPECT_EQ(UppgiftTillNySida(l, 2), 2);
    EXPECT_EQ(UppgiftTillNySida(l, 5), 0);
    EXPECT_TRUE(InstruktionFinns(l, 0));
    // A heading among the last three lines takes no question line.
    const QStringList kort = {"   1. katt", "2.  Rubrik", "      Fråga:"};
    EXPECT_FALSE(InstruktionFinns(kort, 1));
}

TEST_F(Arbetsbladstext, AHeadingThreeLinesFromTheEndTakesNoQuestionLine)
{
    const QStringList l = {"1.  Rubrik", "      Fråga:", "   1. katt"};
    EXPECT_FALSE(InstruktionFinns(l, 0));
    EXPECT_TRUE(InstruktionFinns(l + QStringList{"   2. hund"}, 0));
}

TEST_F(Arbetsbladstext, NoBlankBeforeQuestionAndExclamationMarksOrColons)
{
    EXPECT_EQ(utanBlanktFoereTecken("Fyra, fem eller säng ?"), "Fyra, fem eller säng?");
    EXPECT_EQ(utanBlanktFoereTecken("      Skriv ordet :  Hej !"), "      Skriv ordet:  Hej!");
}

TEST_F(Arbetsbladstext, EachWindowsItemLines)
{
    const Arbetsbladsrader s = SkrivRader(str_postarray("hoppa#hoppade"));
    EXPECT_EQ(s.fraaga, (QStringList{"hoppa", QString(57, '_')}));
    EXPECT_EQ(s.svar, (QStringList{"hoppa", "hoppade"}));

    const Arbetsbladsrader p = PassAktRader("Bollen sparkades", "av pojken.", "Passiv");
    EXPECT_EQ(p.fraaga, (QStringList{"Bollen sparkades", "av pojken.", QString(28, '_')}));
    EXPECT_EQ(p.svar.last(), "Passiv");
    EXPECT_EQ(PassAktRader("Hon sjunger.", "", "Aktiv").svar, (QStringList{"Hon sjunger.", "Aktiv"}));

    const Arbetsbladsrader t = SatsRader("Vi badar.", {{"Subjekt =", "Vi"}});
    EXPECT_EQ(t.fraaga, (QStringList{"Vi badar.", "Subjekt =" + QString(28, '_')}));
    EXPECT_EQ(t.svar, (QStringList{"Vi badar.", "Subjekt = Vi"}));

    // Own words name the choice before the sentence; the gap is twice the longest word.
    const Arbetsbladsrader f = FlerbarRader("Vi <hade> roligt i går.", "", {"hade", "hadde"}, true);
    EXPECT_EQ(f.fraaga, (QStringList{"Skriv hade eller hadde i luckan.", "Vi " + QString(10, '_') + " roligt i går."}));
    EXPECT_EQ(f.svar, QStringList{"Vi <hade> roligt i går."});
    EXPECT_EQ(FlerbarRader("A <x> b", "", {"x", "y", "z"}, true).fraaga.first(), "Skriv x, y eller z i luckan.");
    EXPECT_EQ(FlerbarRader("A <x> b", "c <d", {"x", "y", "z", "w", "v"}, true).fraaga,
              (QStringList{"A __ b", "c __"}));
    EXPECT_EQ(FlerbarRader("A <x> b", "", {"x", "yy"}, false).fraaga, QStringList{"A ____ b"});
}

TEST_F(Arbetsbladstext, GapSentenceLinesWithOneAndTwoGaps)
{
    // One gap: a rule of the answer's length (at least 4) plus 2; the lead
    // text goes to both lists, the key keeps the sentence as it stands.
    const Arbetsbladsrader e = SkrivinfRader("Han gick.", "", "Hon <sprang> fort.", "", true);
    EXPECT_EQ(e.fraaga, (QStringList{"Han gick.", "Hon  " + QString(8, '_') + "  fort."}));
    EXPECT_EQ(e.svar, (QStringList{"Han gick.", "Hon <sprang> fort."}));
    EXPECT_EQ(SkrivinfRader("", "", "Vi <åt>.", "", false).fraaga, QStringList{"Vi  " + QString(6, '_') + " ."});

    // Two gaps: "&Klart" leaves blanks on the first line and long rules on
    // the second; "Skickas &till utskrift" draws one-gap rules on both.
    const QString r1 = "Jag <har> en <katt> och", r2 = "en <hund> i <huset>.";
    const Arbetsbladsrader k = SkrivinfRader("", "", r1, r2, true);
    EXPECT_EQ(k.fraaga, (QStringList{"Jag  " + QString(8, ' ') + "  en  " + QString(8, ' ') + "  och",
                                     "en  " + QString(10, '_') + "  i  " + QString(12, '_') + " ."}));
    EXPECT_EQ(k.svar, (QStringList{r1, r2}));
    EXPECT_EQ(SkrivinfRader("", "", r1, "", false).fraaga,
              QStringList{"Jag  " + QString(6, '_') + "  en  " + QString(6, '_') + "  och"});
}
