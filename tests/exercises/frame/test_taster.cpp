#include "../../support/miljoe.h"

#include "exercises/frame/taster.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {
const QColor Bakgrund(192, 192, 192);

// The colours found inside a rectangle of the picture.
QSet<QRgb> faerger(const QImage &bild, const QRect &r)
{
    QSet<QRgb> ut;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ut.insert(bild.pixel(x, y) & 0xFFFFFF);
    return ut;
}
} // namespace

class TAsterKontroll : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        aster = new TAster;
        aster->setAsterColor(Bakgrund);
        aster->setMaxAntalRutor(5);
        q = aster->rutstorlek();
        aster->resize(q, 5 * q);
    }
    void TearDown() override
    {
        delete aster;
        Miljoe::TearDown();
    }
    // Square j (1 the lowest), inside its frame.
    QRect inre(int j) const { return QRect(6, (5 - j) * q + 6, q - 12, q - 12); }
    QImage bild() { return aster->grab().toImage(); }
    void svar(bool raett)
    {
        aster->setRutNummer(aster->RutNummer() + 1);
        if (!raett)
            aster->setRatt(false);
        aster->repaint();
    }

    TAster *aster = nullptr;
    int q = 0;
};

TEST_F(TAsterKontroll, CreationFollowsTheScreen)
{
    EXPECT_EQ(q, 38);   // a 480-pixel-high screen
    Saett<Skaerm> skaerm([] { return QSize(1024, 768); });
    TAster stor;
    EXPECT_EQ(stor.rutstorlek(), 62);
    EXPECT_TRUE(stor.Visa());
    EXPECT_EQ(stor.objectName(), QStringLiteral("Aster1"));
}

TEST_F(TAsterKontroll, EmptyRoundShowsFramesOnTheBackground)
{
    const QImage b = bild();
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(faerger(b, inre(j)), QSet<QRgb>{Bakgrund.rgb() & 0xFFFFFF}) << j;
    EXPECT_EQ(b.pixel(0, 0) & 0xFFFFFF, 0u);            // black frame
    EXPECT_EQ(b.pixel(q / 2, q) & 0xFFFFFF, 0u);        // between squares 5 and 4
}

TEST_F(TAsterKontroll, RightGetsAStarWrongAWhiteSquare)
{
    svar(true);
    svar(false);
    svar(true);
    const QImage b = bild();
    const QRgb vit = 0xFFFFFF;
    EXPECT_EQ(faerger(b, inre(2)), QSet<QRgb>{vit});
    for (int j : {1, 3}) {
        const auto &f = aster->modell().figur(j);
        const QSet<QRgb> i = faerger(b, inre(j));
        EXPECT_TRUE(i.contains(AsterModell::faerg(f.pensel1)) || i.contains(AsterModell::faerg(f.pensel2)))
            << j;
        EXPECT_TRUE(i.contains(Bakgrund.rgb() & 0xFFFFFF)) << j;   // around the star
    }
    // Squares not yet reached stay as they were.
    EXPECT_EQ(faerger(b, inre(5)), QSet<QRgb>{Bakgrund.rgb() & 0xFFFFFF});
}

TEST_F(TAsterKontroll, RepaintsAfterACompletedRoundShowTheSameSquares)
{
    for (bool r : {true, false, true, true, false})
        svar(r);
    const QImage foersta = bild();
    aster->repaint();
    const QImage andra = bild();
    EXPECT_EQ(foersta, andra);
    EXPECT_FALSE(aster->modell().Ratt(2));
    EXPECT_EQ(faerger(andra, inre(5)), QSet<QRgb>{0xFFFFFF});

    // The next round starts: every square right again, all empty.
    aster->setRutNummer(0);
    EXPECT_TRUE(aster->modell().Ratt(2));
    EXPECT_TRUE(aster->modell().Ratt(5));
    aster->repaint();
    EXPECT_EQ(faerger(bild(), inre(2)), QSet<QRgb>{Bakgrund.rgb() & 0xFFFFFF});
}

TEST_F(TAsterKontroll, HiddenPaintsNothingAndClicksAreReported)
{
    aster->setVisa(false);
    QImage tom(aster->size(), QImage::Format_ARGB32);
    tom.fill(Qt::transparent);
    QImage b(aster->size(), QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    aster->render(&b, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(b, tom);

    QSignalSpy klick(aster, &TAster::clicked);
    QTest::mouseClick(aster, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(klick.count(), 1);
}
