#include "../support/miljoe.h"

#include "core/aster.h"

using Steg = AsterModell::Ritsteg;

namespace {
QList<Steg> avSlag(const QList<Steg> &r, Steg::Slag slag)
{
    QList<Steg> ut;
    for (const Steg &s : r)
        if (s.slag == slag)
            ut << s;
    return ut;
}
} // namespace

class Aster : public Miljoe {};

TEST_F(Aster, SquareHeightByScreenHeight)
{
    const QList<QPair<int, int>> fall = {{480, 38}, {599, 38}, {600, 50}, {767, 50}, {768, 62},
                                         {864, 70}, {1023, 70}, {1024, 78}, {1050, 85}, {1200, 85}};
    for (const auto &[h, q] : fall)
        EXPECT_EQ(AsterModell::rutstorlek(h), q) << h;
}

TEST_F(Aster, ColoursAreReadBlueGreenRed)
{
    EXPECT_EQ(AsterModell::faerg(0), 0x008000u);   // green
    EXPECT_EQ(AsterModell::faerg(1), 0x000080u);   // navy
    EXPECT_EQ(AsterModell::faerg(4), 0xFF0000u);   // red
    EXPECT_EQ(AsterModell::faerg(6), 0xFFFF00u);   // yellow
    EXPECT_EQ(AsterModell::faerg(9), 0x0000FFu);   // blue
}

TEST_F(Aster, NoSquareDoneShowsEmptyFramesOnTheBackground)
{
    AsterModell m;
    m.saettMaxAntalRutor(10);
    m.saettAsterColor(0x123456);
    const QList<Steg> r = m.ritning(40, 38);
    ASSERT_EQ(r.size(), 11);
    EXPECT_EQ(r[0].slag, Steg::Fyll);
    EXPECT_EQ(r[0].rekt, QRect(0, 0, 40, 380));
    EXPECT_EQ(r[0].faerg, 0x123456u);
    EXPECT_EQ(avSlag(r, Steg::Ram).size(), 10);
    EXPECT_EQ(avSlag(r, Steg::Ram).last().rekt, QRect(0, 342, 40, 38));

    m.saettVisa(false);
    EXPECT_TRUE(m.ritning(40, 38).isEmpty());
}

TEST_F(Aster, RightAndWrongSquaresFromTheBottomUp)
{
    AsterModell m;
    m.saettMaxAntalRutor(10);
    m.saettRutNummer(1);
    m.saettRutNummer(2);
    m.saettRatt(false);
    m.saettRatt(true);   // does nothing
    m.saettRutNummer(3);
    EXPECT_TRUE(m.Ratt(1));
    EXPECT_FALSE(m.Ratt(2));
    EXPECT_TRUE(m.Ratt(3));

    const int W = 40, q = 38;
    const QList<Steg> r = m.ritning(W, q);
    const QList<Steg> fyll = avSlag(r, Steg::Fyll);
    // Square 1 is the lowest band, square 2 above it: white inside its border.
    ASSERT_EQ(fyll.size(), 3);
    EXPECT_EQ(fyll[0].rekt, QRect(0, 0, W, 9 * q + W));
    EXPECT_EQ(fyll[1].rekt, QRect(4, 8 * q + 4, W - 8, q - 8));
    EXPECT_EQ(fyll[1].faerg, AsterModell::Vit);
    EXPECT_EQ(fyll[2].rekt, QRect(0, 0, W, 7 * q + W));

    // The stars: triangles around the square's centre in its own colours.
    const QList<Steg> tri = avSlag(r, Steg::Triangel);
    const auto &f1 = m.figur(1);
    const int s1 = AsterModell::vinkelsteg(f1.vinkel);
    const int antal1 = 360 / s1 + 1;
    ASSERT_GE(tri.size(), antal1);
    const QPoint c1(W / 2, 9 * q + W / 2 - 2);
    for (int t = 0; t < antal1; ++t) {
        EXPECT_EQ(tri[t].punkter[0], c1);
        EXPECT_EQ(tri[t].penna, AsterModell::faerg(f1.penna));
        EXPECT_EQ(tri[t].faerg, AsterModell::faerg(t % 2 == 0 ? f1.pensel1 : f1.pensel2));
    }
    // The first triangle runs from the inner radius at 0 degrees to the outer.
    const int R = W / 2 - 8;
    const int ri = f1.vinkel >= 2 ? R / 2 : R / 3;
    EXPECT_EQ(tri[0].punkter[1], QPoint(c1.x() - ri, c1.y()));
    EXPECT_EQ(avSlag(r, Steg::Ram).size(), 10);
}

TEST_F(Aster, DrawingHasNoEffectsAndTheResetWaitsForTheNextRound)
{
    AsterModell m;
    m.saettMaxAntalRutor(3);
    m.saettRutNummer(1);
    m.saettRatt(false);
    m.saettRutNummer(2);
    m.saettRutNummer(3);   // the round is complete
    const auto foere = m.ritning(40, 38);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.ritning(40, 38).size(), foere.size());
    EXPECT_FALSE(m.Ratt(1));

    slump.vaerden = QList<int>(44, 1);
    m.saettRutNummer(0);   // the next round starts
    EXPECT_TRUE(m.Ratt(1));
    EXPECT_EQ(m.figur(5).vinkel, 1);
}

TEST_F(Aster, StartaRestoresEveryFlagAndDrawsNewFigures)
{
    AsterModell m;
    m.saettMaxAntalRutor(10);
    m.saettRutNummer(4);
    m.saettRatt(false);
    const int foere = slump.antalRandomize;
    slump.vaerden.clear();
    for (int i = 0; i < 11; ++i)
        slump.vaerden << 8 << 5 << 9 << 7;
    m.saettStarta(true);
    EXPECT_TRUE(m.Ratt(4));
    EXPECT_EQ(slump.antalRandomize, foere + 1);
    for (int ruta = 0; ruta <= 10; ++ruta) {
        EXPECT_EQ(m.figur(ruta).penna, 8);
        EXPECT_EQ(m.figur(ruta).vinkel, 5);
        EXPECT_EQ(m.figur(ruta).pensel1, 9);
        EXPECT_EQ(m.figur(ruta).pensel2, 7);
    }
    m.saettRatt(false);
    m.saettStarta(false);   // new figures, flags kept
    EXPECT_FALSE(m.Ratt(4));
}

TEST_F(Aster, SquaresAboveTenGetTheFrameOnly)
{
    AsterModell m;
    m.saettMaxAntalRutor(20);
    m.saettRutNummer(15);
    m.saettRatt(false);   // no flag for square 15: nothing changes
    const QList<Steg> r = m.ritning(40, 20);
    EXPECT_EQ(avSlag(r, Steg::Fyll).size(), 10);
    EXPECT_EQ(avSlag(r, Steg::Ram).size(), 20);
    for (const Steg &s : avSlag(r, Steg::Fyll))
        EXPECT_GE(s.rekt.bottom(), (20 - 10) * 20);   // squares 1..10 only
}
