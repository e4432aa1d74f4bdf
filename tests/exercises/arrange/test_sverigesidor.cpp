#include "../../support/miljoe.h"
#include "../../app/foensterhjaelp.h"
#include "../../support/ui/modal.h"

#include "core/ljud.h"
#include "core/textmaett.h"
#include "core/tillstaand.h"
#include "exercises/arrange/flagga.h"
#include "exercises/arrange/karta.h"
#include "exercises/arrange/svhymn.h"
#include "core/foensterregister.h"
#include "platform/ui/klickpanel.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {
class Sverigesidor : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
        G.skaerm.Skalprocent = 100;
        G.ljud.RaktLjud = 0;
    }
    void bild(const QString &fil, const QColor &faerg, QSize s = QSize(64, 40))
    {
        QDir().mkpath(QFileInfo(fil).absolutePath());
        QImage b(s, QImage::Format_RGB32);
        b.fill(faerg);
        ASSERT_TRUE(b.save(fil, "BMP"));
    }
    // Opens the page by its launcher, runs `steg` in it and tells whether it closed.
    template <class T>
    bool stangs(void (*visa)(), std::function<void(T *)> steg)
    {
        naerModal([&](QWidget *w) {
            auto *f = dynamic_cast<T *>(w);
            ASSERT_NE(f, nullptr);
            steg(f);
            if (QApplication::activeModalWidget() == f) {
                m_oeppen = true;
                f->stang();
            }
        });
        m_oeppen = false;
        visa();
        return !m_oeppen;
    }
    plattform::InspeladMediaspelare spelare;
    Saett<plattform::Mediaspelare> m_spelare{&spelare};
    bool m_oeppen = false;
};
} // namespace

TEST_F(Sverigesidor, TheMenuEntriesHaveTheirLaunchers)
{
    ByggdaFoenster byggda;   // the registry is put back for the tests after
    for (Foenstertyp t : {Foenstertyp::TKarta, Foenstertyp::TFlagga, Foenstertyp::TSvHymn})
        EXPECT_TRUE(finnsStartare(t)) << startarnamn(t);
}

// A pupil plays the reading gym, then opens the anthem: the anthem does not
// wait for its end, a new verse restarts it, and leaving the page stops it.
TEST_F(Sverigesidor, TheAnthemRestartsWithANewVerseAndStopsWithThePage)
{
    skrivBytes(i("pc/LJUD/SVERIGE.WAV"), "RIFF");
    skrivBytes(i("pc/LJUD/S541/S541007.WAV"), "RIFF");
    G.oevning.Programtal = 54100;   // the gym's words are played to their end
    GeLjudDirectory();
    SpelaUppWavLjud(QStringLiteral("S541007.WAV"));
    ASSERT_EQ(spelare.spelade.size(), 1);
    EXPECT_TRUE(spelare.spelade[0].vaentade);

    const bool stangd = stangs<TSvHymn>(VisaSvHymn, [&](TSvHymn *f) {
        EXPECT_EQ(f->Label1->text(), QString::fromUtf8("Sveriges nationalsång"));
        EXPECT_EQ(f->Label4->text(), QString::fromUtf8("Första versen"));
        EXPECT_EQ(f->RadLabel1->text(), QString::fromUtf8("Du gamla, du fria, du fjällhöga nord,"));
        EXPECT_EQ(f->KompLabel2->text(),
                  QString::fromUtf8("Skriven 1844 av Richard Dybeck. Sjungs som nationalsång sedan slutet av 1800-talet."));
        EXPECT_EQ(f->RadLabel2->x(), f->Label1->x());
        QTest::mouseClick(f->SpelaPanel2, Qt::LeftButton);
        ASSERT_EQ(spelare.spelade.size(), 2);
        EXPECT_EQ(spelare.spelade[1].fil, i("pc/LJUD/SVERIGE.WAV"));
        EXPECT_FALSE(spelare.spelade[1].vaentade);
        EXPECT_EQ(G.ljud.RaktLjud, 0);

        const int stopp = spelare.antalStopp;
        QTest::mouseClick(f->Nyverspanel2, Qt::LeftButton);
        EXPECT_EQ(spelare.antalStopp, stopp + 1);
        ASSERT_EQ(spelare.spelade.size(), 3);
        EXPECT_EQ(spelare.spelade[2].fil, i("pc/LJUD/SVERIGE.WAV"));
        EXPECT_FALSE(spelare.spelade[2].vaentade);
        EXPECT_EQ(f->Label4->text(), QStringLiteral("Andra versen"));
        EXPECT_EQ(f->Radlabel5->text(), QString::fromUtf8("Ja, jag vill leva, jag vill dö i Norden."));
        QTest::mouseClick(f->Nyverspanel2, Qt::LeftButton);
        EXPECT_EQ(f->Label4->text(), QString::fromUtf8("Första versen"));
        EXPECT_EQ(f->vers(), 1);

        // Esc does nothing here; the page is left by the window manager's close.
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activeModalWidget(), f);
        G.ljud.RaktLjud = 1;
        const int foere = spelare.antalStopp;
        f->close();
        EXPECT_EQ(spelare.antalStopp, foere + 1);
        EXPECT_EQ(G.ljud.RaktLjud, 0);
    });
    EXPECT_TRUE(stangd);
}

TEST_F(Sverigesidor, AvbrytAndAltAStopTheAnthemAndClose)
{
    for (int vaeg = 0; vaeg < 2; ++vaeg) {
        const int foere = spelare.antalStopp;
        EXPECT_TRUE(stangs<TSvHymn>(VisaSvHymn, [&](TSvHymn *f) {
            if (vaeg == 0)
                QTest::mouseClick(f->AvbrytPanel2, Qt::LeftButton);
            else
                QTest::keyClick(f, Qt::Key_A, Qt::AltModifier);
        })) << vaeg;
        EXPECT_EQ(spelare.antalStopp, foere + 1) << vaeg;
    }
}

TEST_F(Sverigesidor, TheMissingAnthemIsReportedAndThePageStays)
{
    EXPECT_FALSE(stangs<TSvHymn>(VisaSvHymn, [&](TSvHymn *f) {
        QTest::mouseClick(f->SpelaPanel2, Qt::LeftButton);
    }));
    EXPECT_TRUE(spelare.spelade.isEmpty());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_TRUE(meddelanden.poster[0].text.contains(QStringLiteral("SVERIGE.WAV")));
}

TEST_F(Sverigesidor, FlagPageKeysTextsAndPictures)
{
    bild(i("cd/BILD/SV_FLAG.BMP"), Qt::red, QSize(160, 100));
    bild(i("pc/BILD/sv_flag.bmp"), Qt::blue, QSize(160, 100));
    bild(i("cd/BILD/TREKRONA.BMP"), Qt::yellow);
    {
        TFlagga f;
        EXPECT_EQ(f.Label1->text(), QStringLiteral("Sveriges flagga"));
        EXPECT_EQ(f.FlagLabel1->text(), QStringLiteral("Nationaldag 6 juni."));
        EXPECT_EQ(f.FlagLabel6->text(), QStringLiteral("Bredvid henne ligger Svea lejon."));
        EXPECT_EQ(f.FlagLabel1->font().pointSize(), 12);
        ASSERT_TRUE(f.Image1->isVisibleTo(&f));
        EXPECT_EQ(f.Image1->pixmap().toImage().pixelColor(1, 1), QColor(Qt::blue));   // PC copy first
        EXPECT_NEAR(f.Image1->width() * 10.0 / f.Image1->height(), 16, 0.2);         // proportions kept
        EXPECT_FALSE(f.Image2->isVisibleTo(&f));   // no Moder Svea: left empty
        EXPECT_TRUE(f.Image3->isVisibleTo(&f));
        EXPECT_GT(f.Flaglabel3->x(), f.Image1->geometry().right());   // the texts beside the flag
        EXPECT_LE(f.Flaglabel3->geometry().right(), 640);
        EXPECT_LT(f.FlagLabel1->y(), f.Flaglabel3->y());
        EXPECT_LT(f.Flaglabel3->y(), f.Flaglabel2->y());
    }
    G.skaerm.Skalprocent = 110;
    {
        TFlagga f;
        EXPECT_EQ(f.FlagLabel1->font().pointSize(), 14);
    }
    EXPECT_TRUE(stangs<TFlagga>(VisaFlagga, [](TFlagga *f) { QTest::keyClick(f, Qt::Key_Escape); }));
    EXPECT_TRUE(stangs<TFlagga>(VisaFlagga, [](TFlagga *f) { QTest::keyClick(f, Qt::Key_A, Qt::AltModifier); }));
    EXPECT_TRUE(stangs<TFlagga>(VisaFlagga, [](TFlagga *f) {
        QTest::mouseClick(f->AvbrytPanel2, Qt::LeftButton);
    }));
}

// A missing flag or a broken map is named in a message and the page opens
// without it; Moder Svea and the crowns are left out without one.
TEST_F(Sverigesidor, PagesWithoutTheirPicturesNameTheFileAndOpenWithoutThem)
{
    TFlagga flagga;
    EXPECT_FALSE(flagga.stangdUnderSkapande());
    for (QLabel *b : {flagga.Image1, flagga.Image2, flagga.Image3})
        EXPECT_FALSE(b->isVisibleTo(&flagga));
    EXPECT_EQ(meddelanden.texter(), QStringList{"Filen cd\\BILD\\SV_FLAG.BMP finns inte eller är felaktig"});
    skrivBytes(i("pc/BILD/SVEMAP.BMP"), "ingen bild");
    TKarta karta;
    EXPECT_FALSE(karta.stangdUnderSkapande());
    EXPECT_FALSE(karta.Image1->isVisibleTo(&karta));
    ASSERT_EQ(meddelanden.poster.size(), 2);
    EXPECT_EQ(meddelanden.poster[1].text, QStringLiteral("Filen pc\\BILD\\SVEMAP.BMP finns inte eller är felaktig"));
}

TEST_F(Sverigesidor, MapPageTextsKeysAndItsFloor)
{
    bild(i("cd/BILD/SVEMAP.BMP"), Qt::green, QSize(50, 100));
    {
        TKarta f;
        EXPECT_EQ(f.Label1->text(), QStringLiteral("Sverige"));
        ASSERT_EQ(f.texter.size(), 11);
        EXPECT_EQ(f.texter[0]->objectName(), QStringLiteral("Label2"));
        EXPECT_EQ(f.texter[1]->text(), QStringLiteral("Landet är indelat i 21 län."));
        EXPECT_EQ(f.texter[2]->text(), QStringLiteral("Länsstyrelsen i varje län leds av en landshövding."));
        EXPECT_EQ(f.texter[8]->text(), QStringLiteral("Sveriges urfolk. Samiska finns i flera"));
        EXPECT_EQ(f.texter[10]->objectName(), QStringLiteral("Label12"));
        for (QLabel *l : f.texter)
            EXPECT_EQ(l->x(), 640 / 8);
        ASSERT_TRUE(f.Image1->isVisibleTo(&f));
        EXPECT_GE(f.Image1->x(), f.texter[10]->geometry().right());
        EXPECT_EQ(f.Image1->width() * 2, f.Image1->height());
    }
    {
        // On a tiny screen the texts shrink to 11 pt and no further.
        Saett<Skaerm> litet{[] { return QSize(200, 150); }};
        TKarta f;
        EXPECT_EQ(f.texter[0]->font().pixelSize(), pixlarFoerPunkter(11));
    }
    EXPECT_TRUE(stangs<TKarta>(VisaKarta, [](TKarta *f) { QTest::keyClick(f, Qt::Key_Escape); }));
    EXPECT_FALSE(stangs<TKarta>(VisaKarta, [](TKarta *f) { QTest::keyClick(f, Qt::Key_A, Qt::AltModifier); }));
    EXPECT_TRUE(stangs<TKarta>(VisaKarta, [](TKarta *f) {
        QTest::mouseClick(f->AvbrytPanel2, Qt::LeftButton);
    }));
}
