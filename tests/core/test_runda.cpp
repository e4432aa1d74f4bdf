// A round as the window sees it, without a window: answers in, what to
// show next out.
#include "../support/provrunda.h"

#include "core/diagnos.h"
#include "core/runda.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

class Rundflode : public Provrunda {
protected:
    void SetUp() override
    {
        Provrunda::SetUp();
        QStringList rader;
        for (int n = 1; n <= 30; ++n)
            rader << QStringLiteral("rad %1").arg(n);
        datafil(QStringLiteral("SVE99100.DAT"), rader);
        G.diagnos.DiagnosNummer = 4;
    }
    // Answers the item on screen; returns what followed.
    Naesta svara(bool raett)
    {
        r.boka(raett);
        return r.efterSvar();
    }
    // Answers `antal` items, the first `raett` of them right.
    void svaraPaa(int antal, int raett)
    {
        for (int n = 1; n <= antal; ++n)
            svara(n <= raett);
    }
    void post()
    {
        r.haemtaRad();
        r.foerberedPost(false);
    }
    Runda r;
};

TEST_F(Rundflode, RightWrongWaitsAndTheEnd)
{
    r.starta();
    EXPECT_EQ(G.runda.AntalIRunda, 10);
    post();
    EXPECT_EQ(G.post.HaemtadRad, QStringLiteral("rad 1"));
    EXPECT_EQ(svara(true), Naesta::NyPost);
    post();
    EXPECT_EQ(svara(false), Naesta::Vaenta);
    EXPECT_EQ(r.rundlaege(), Rundlaege::Vaentan);
    for (int t = 1; t < 30; ++t)
        ASSERT_EQ(r.vaentTick(), Naesta::Inget);
    EXPECT_EQ(r.vaentTick(), Naesta::NyPost);
    post();
    EXPECT_FALSE(r.mellanslag());   // no wait: Space does nothing
    EXPECT_EQ(G.fel.FelAntal[1], 1);
    for (int n = 3; n <= 9; ++n) {
        ASSERT_EQ(svara(true), Naesta::NyPost);
        post();
    }
    // A wrong last answer: the end delay, which Space cuts short.
    EXPECT_EQ(svara(false), Naesta::Slutfoerdroejning);
    EXPECT_TRUE(r.mellanslag());
    EXPECT_EQ(r.slutTick(), Naesta::Avsluta);
    EXPECT_EQ(r.avsluta(), Rundslut::Slutpanel);
    EXPECT_TRUE(r.faarBeroem());   // 8 of 10
    EXPECT_EQ(G.runda.AntalRaett, 8);
    EXPECT_EQ(G.post.PostNummer, 10);

    // The correction round over the two wrong items; one stays wrong.
    ASSERT_TRUE(r.startaRaettning());
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    post();
    EXPECT_EQ(G.fel.FelPostNummer, 2);
    EXPECT_EQ(svara(false), Naesta::Vaenta);
    EXPECT_EQ(r.avslutaVaentan(), Naesta::NyPost);   // Esc: the wait ends at once
    post();
    EXPECT_EQ(G.fel.FelPostNummer, 10);
    EXPECT_EQ(svara(true), Naesta::Avsluta);
    EXPECT_FALSE(r.faarBeroem());
    EXPECT_EQ(G.fel.FelAntal[1], 1);
    EXPECT_TRUE(r.fortsaett());
    EXPECT_EQ(G.runda.AntalIRunda, 10);
    EXPECT_EQ(G.runda.RaettaFel, 0);
}

TEST_F(Rundflode, FortsaettaMidRoundKeepsTheCountsWhereTheWindowSaysSo)
{
    // A pause in practice: windows that go on with the round keep its
    // counts, so 9 of 10 still earns praise; the others count afresh.
    for (const bool nollar : {false, true}) {
        Runda p({.fortsaettNollarMittIRundan = nollar});
        p.starta();
        for (int n = 1; n <= 5; ++n) {
            p.haemtaRad();
            p.foerberedPost(false);
            p.boka(n != 2);
            p.efterSvar();
        }
        EXPECT_FALSE(p.fortsaett());   // the round goes on
        EXPECT_EQ(G.runda.AntalRaett, nollar ? 0 : 4);
        EXPECT_EQ(G.runda.AntalFel, nollar ? 0 : 1);
        for (int n = 6; n <= 10; ++n) {
            p.boka(true);
            p.efterSvar();
        }
        EXPECT_EQ(p.avsluta(), Rundslut::Slutpanel);
        EXPECT_EQ(p.faarBeroem(), !nollar) << nollar;
        EXPECT_TRUE(p.fortsaett());   // a new round always starts at 0
        EXPECT_EQ(G.runda.AntalRaett, 0);
    }
}

TEST_F(Rundflode, SkipFollowsTheAnswerBeforeIt)
{
    r.starta();
    post();
    svara(false);
    r.avslutaVaentan();
    post();
    // A skip after a wrong answer waits as that answer did.
    EXPECT_EQ(r.efterSvar(), Naesta::Vaenta);
    EXPECT_EQ(G.runda.AntalFel, 1);
    // Without a wait after wrong answers the next item comes at once.
    Runda utan({.vaentanEfterFel = false});
    utan.starta();
    utan.boka(false);
    EXPECT_EQ(utan.efterSvar(), Naesta::NyPost);
    Runda utanLista({.felLista = false});
    utanLista.starta();
    G.fel.FelAntal[1] = 0;
    utanLista.boka(false);
    EXPECT_EQ(G.fel.FelAntal[1], 0);
}

TEST_F(Rundflode, DiagnosisPracticePassesInTheSecondGoodRound)
{
    saettLaege(Laege::Diagnosoevning);
    r.starta();
    EXPECT_EQ(G.runda.AntalIRunda, 20);
    svaraPaa(20, 8);
    EXPECT_EQ(r.avsluta(), Rundslut::EjGodkaend);
    EXPECT_EQ(G.diagnos.OevningsNummer, 1);
    r.avbryt();   // after the round: not counted twice
    EXPECT_EQ(G.diagnos.Diagnostabell.status[4], 0);
    EXPECT_TRUE(r.fortsaett());
    svaraPaa(8, 8);
    r.avbryt();   // during the round the rule applies
    EXPECT_EQ(G.diagnos.Diagnostabell.status[4], 2);
    EXPECT_EQ(laege(), Laege::Diagnostest);
    EXPECT_EQ(G.diagnos.OevningsNummer, 0);

    // The test itself reports its count, at the end and on "&Avbryta".
    svaraPaa(16, 16);
    EXPECT_EQ(r.avsluta(), Rundslut::Stang);
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[4], 16);
}
