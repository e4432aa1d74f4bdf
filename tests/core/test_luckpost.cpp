// The gap-sentence item read from its fields, and the one booking of a
// two-gap item.
#include "core/datafiler.h"
#include "core/luckpost.h"

#include <gtest/gtest.h>

namespace {
Luckpost las(const char *rad, bool moensterFoerst)
{
    const Postdelar post = str_postarray(QString::fromUtf8(rad));
    return delaLuckpost(post.faelt, post.antalAlternativ, moensterFoerst);
}
} // namespace

TEST(Luckpost, BothLayoutsWithHelpAndAlternatives)
{
    Luckpost p = las("Hon är rädd <för> hundar.#Samma ord: tack ___ maten.#Börjar på f.", false);
    EXPECT_TRUE(p.moenster.isEmpty());
    EXPECT_EQ(p.mening, QString::fromUtf8("Hon är rädd <för> hundar."));
    EXPECT_EQ(p.luckor, 1);
    EXPECT_EQ(p.svar1, QString::fromUtf8("för"));
    EXPECT_EQ(p.antalHjaelp, 2);
    EXPECT_EQ(p.hjaelp2, QString::fromUtf8("Börjar på f."));
    // Alternatives are no help texts.
    p = las("Mamma <lade> nycklarna där.#&la", false);
    EXPECT_EQ(p.antalHjaelp, 0);
    p = las("Jorden går <runt> solen.#Ett varv.#&kring#&omkring", false);
    EXPECT_EQ(p.antalHjaelp, 1);
    EXPECT_EQ(p.hjaelp1, QString::fromUtf8("Ett varv."));

    // A model sentence first, two gaps in the gap sentence.
    p = las("Du <diskar> och <torkar>.#Max, <diska> och <torka> av!#Regel 1.", true);
    EXPECT_EQ(p.moenster, QString::fromUtf8("Du <diskar> och <torkar>."));
    EXPECT_EQ(p.luckor, 2);
    EXPECT_EQ(p.svar1, QString::fromUtf8("diska"));
    EXPECT_EQ(p.svar2, QString::fromUtf8("torka"));
    EXPECT_EQ(p.antalHjaelp, 1);
    EXPECT_EQ(p.hjaelp1, QString::fromUtf8("Regel 1."));
    // No field 2: field 1 is the gap sentence and there is no help.
    p = las("Vad <gjorde> du i helgen?", true);
    EXPECT_TRUE(p.moenster.isEmpty());
    EXPECT_EQ(p.svar1, QString::fromUtf8("gjorde"));
    EXPECT_LE(p.antalHjaelp, 0);
    // Ten filled fields: eight help texts, more than the button offers.
    p = las("<a>#1#2#3#4#5#6#7#8#9", false);
    EXPECT_EQ(p.antalHjaelp, 9);
    EXPECT_TRUE(p.hjaelp1.isEmpty());
}

TEST(Luckpost, ATwoGapItemIsBookedOnce)
{
    using B = Luckbokning;
    // One gap: booked at its answer.
    EXPECT_EQ(bokaLucka(1, 1, true, false), B::Raett);
    EXPECT_EQ(bokaLucka(1, 1, false, false), B::Fel);
    // Two gaps: a right first gap waits for the second.
    EXPECT_EQ(bokaLucka(1, 2, true, false), B::Ingen);
    EXPECT_EQ(bokaLucka(2, 2, true, true), B::Raett);
    EXPECT_EQ(bokaLucka(2, 2, false, true), B::Fel);
    // A wrong first gap is the item's one booking, whatever the second.
    EXPECT_EQ(bokaLucka(1, 2, false, false), B::Fel);
    EXPECT_EQ(bokaLucka(2, 2, true, false), B::Ingen);
    EXPECT_EQ(bokaLucka(2, 2, false, false), B::Ingen);
}
