#include "foensterhjaelp.h"
#include "../support/miljoe.h"
#include "../support/ui/modal.h"

#include "app/tform1.h"
#include "platform/media.h"
#include "core/lovord.h"
#include "core/meningslayout.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/frame/arbetsblad.h"
#include "menus/undermeny.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"

#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <optional>

using namespace plattform;

class Huvudfoenster : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
        QDir().mkpath(i("pc/RESULTAT"));
        G.start.ResultatKatalog = "pc\\RESULTAT\\";
        G.start.DiagnosKatalog = "pc\\RESULTAT";
        SkapaSlumpordning(1, 900);
    }
    // The screen for the rest of the test (the fixture puts the old one back).
    void skaerm(int w, int h) { m_skaerm.emplace([w, h] { return QSize(w, h); }); }
    void bild(const QString &namn, QSize storlek)
    {
        QImage b(storlek, QImage::Format_RGB32);
        b.fill(Qt::darkGreen);
        QDir().mkpath(i("pc/BILD"));
        ASSERT_TRUE(b.save(i("pc/BILD/" + namn), "BMP"));
    }
    // The picture numbers the main window is going to draw.
    QList<int> kommandeBilder()
    {
        const int markoer = G.beroem.BildMarkoer;
        QList<int> n;
        {
            TForm1 f;
            for (int k = 0; k < 6; ++k)
                n << G.beroem.StartbildNummer[k];
        }
        G.beroem.BildMarkoer = markoer;
        meddelanden.poster.clear();
        return n;
    }
    std::optional<Saett<Skaerm>> m_skaerm;
};

TEST_F(Huvudfoenster, CreationSetsTheSettingsAndChecksTheDirectories)
{
    G.val.SekunderRaettSvar = 7;
    G.val.Oeversaettning = 2;
    G.val.LaddaOrdlistor = 0;
    G.beroem.BildOrdningNy = 0;
    {
        TForm1 f;
        EXPECT_EQ(Form1, &f);
        EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
        EXPECT_EQ(G.val.SekunderRaettSvar, 3);
        EXPECT_EQ(G.val.LjudLaege, 1);
        EXPECT_EQ(G.val.BildLaege, 1);
        EXPECT_EQ(G.val.Oeversaettning, 0);
        EXPECT_EQ(G.val.LaddaOrdlistor, 1);
        EXPECT_EQ(G.spelare.RekordtabellPaa, 1);
        EXPECT_EQ(G.spelare.ForstaRekordtabell, 1);
        EXPECT_EQ(G.skaerm.Skalprocent, 100);
        EXPECT_GT(G.skaerm.Marginal, 0);
        EXPECT_EQ(f.geometry(), QRect(0, 0, 640, 480));
        EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(bakgrund(&f), clBlue);
        EXPECT_EQ(bakgrund(f.Panel1), clNavy);
        EXPECT_EQ(f.Label1->text(), "MORVIKA");
        const QStringList texter{"Sverige", "Stavning", "Dina ord", "Grammatik", "Diverse", "Diagnos",
                                 QString::fromUtf8("Göra arbetsblad"), "Manual", "Om Morvika", "Avsluta"};
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(f.Button[i]->text(), texter[i - 1]);
        // Centred panel under the top band, heading centred above the buttons.
        EXPECT_EQ(f.Panel1->x(), (640 - f.Panel1->width()) / 2);
        EXPECT_EQ(f.Panel1->y(), (480 - 24 - f.Panel1->height()) / 2 + 24);
        EXPECT_EQ(f.Label1->x(), (f.Panel1->width() - f.Label1->width()) / 2);
        EXPECT_FALSE(f.Shape1->isVisible());
        EXPECT_GT(f.Shape1->y(), f.Panel1->y() + f.Panel1->height());
    }
    EXPECT_EQ(Form1, nullptr);

    // Both directories missing; an empty score directory names nothing.
    G.start.ResultatKatalog.clear();
    G.start.DiagnosKatalog = "pc\\DIAGNOS";
    TForm1 f;
    EXPECT_EQ(meddelanden.texter(),
              (QStringList{"Katalogen  finns inte.", "Katalogen pc\\DIAGNOS finns inte."}));
}

TEST_F(Huvudfoenster, ScaledWindowKeepsTheScreensSize)
{
    skaerm(1024, 768);
    TForm1 f;
    ASSERT_GT(G.skaerm.Skalprocent, 100);
    EXPECT_EQ(f.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(f.Panel9->width(), 1024);   // the banner's title centred on the screen
    EXPECT_EQ(f.Panel1->x(), (1024 - f.Panel1->width()) / 2);
    EXPECT_GT(f.Panel1->height(), 338);   // the controls did scale
}

TEST_F(Huvudfoenster, StartPicturesAreChosenByScreenWidth)
{
    const QSize storlek[3] = {{100, 70}, {120, 80}, {150, 100}};
    const char *prefix[3] = {"SVEL", "SVEM", "SVES"};
    for (int p = 0; p < 3; ++p)
        for (int n = 1; n <= 40; ++n)
            bild(QString("%1%2.BMP").arg(prefix[p]).arg(n, 3, 10, QChar('0')), storlek[p]);
    const std::pair<int, int> fall[] = {{640, 0}, {700, 0}, {701, 1}, {800, 1}, {899, 1}, {900, 2}, {1024, 2}};
    for (auto [bredd, p] : fall) {
        SCOPED_TRACE(bredd);
        skaerm(bredd, 600);
        TForm1 f;
        f.show();
        EXPECT_TRUE(G.beroem.BildNamn.startsWith(QString("\\BILD\\") + prefix[p]));
        const int band = f.Panel9->height();
        const int h = (600 - band) / 3;
        for (int k = 0; k < 6; ++k) {
            Bildruta *b = f.BildImage[k];
            EXPECT_TRUE(b->isVisible());
            EXPECT_EQ(b->size(), storlek[p]);
            EXPECT_EQ(b->y(), band + (k % 3) * h);
            if (k < 3)
                EXPECT_EQ(b->x() + b->width(), f.Panel1->x());
            else
                EXPECT_EQ(b->x(), f.Panel1->x() + f.Panel1->width());
        }
        EXPECT_FALSE(f.Image1->isVisible());
    }
}

TEST_F(Huvudfoenster, AMissingStartPictureIsHidden)
{
    const QList<int> n = kommandeBilder();
    bild(QString("SVEL%1.BMP").arg(n[4], 3, 10, QChar('0')), QSize(90, 60));
    TForm1 f;
    f.show();
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(f.BildImage[k]->isVisible(), k == 4) << k;
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

namespace {
// The lines of picture k's caption as the main window breaks it.
Meningsrader bildtextrader(const TForm1 &f, int k)
{
    G.mening.MusOverText = 1;
    return dela_mening(2, f.Panel1->x(), GeBildText(G.beroem.StartbildNummer[k]), 2);
}
} // namespace

TEST_F(Huvudfoenster, CaptionUnderThePictureWhileTheMouseIsOverIt)
{
    const QList<int> n = kommandeBilder();
    for (int k = 0; k < 6; ++k)
        bild(QString("SVEL%1.BMP").arg(n[k], 3, 10, QChar('0')), QSize(160, 100));
    TForm1 f;
    f.show();
    EXPECT_FALSE(f.Label3->isVisible());
    Bildruta *b = f.BildImage[1];
    QMouseEvent flytt(QEvent::MouseMove, QPointF(10, 10), b->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &flytt);
    EXPECT_TRUE(f.Label3->isVisible());
    EXPECT_FALSE(f.Label3->text().isEmpty());
    EXPECT_EQ(G.mening.MusOverText, 0);
    EXPECT_EQ(f.Label3->text(), bildtextrader(f, 1)[1]);
    EXPECT_EQ(f.Label3->y(), b->y() + b->height());
    // Narrower than the picture: centred under it.
    EXPECT_EQ(f.Label3->x(), b->x() + (b->width() - f.Label3->width()) / 2);
    EXPECT_FALSE(f.Label4->isVisible());
    EXPECT_EQ(f.Label3->font().pointSize(), 8);
    EXPECT_EQ(f.Label3->palette().color(QPalette::WindowText), clWhite);

    // Right column, and the caption stays until another picture is entered.
    f.BildImageMouseMove(5);
    EXPECT_EQ(f.Label3->y(), f.BildImage[5]->y() + f.BildImage[5]->height());
    EXPECT_GE(f.Label3->x(), f.Panel1->x() + f.Panel1->width());
}

TEST_F(Huvudfoenster, TheCaptionGoesWhenAWindowOpensOverTheMainWindow)
{
    FalskaStartare falska({Foenstertyp::TDiag});
    TForm1 f;
    f.show();
    f.BildImageMouseMove(5);
    ASSERT_TRUE(f.Label3->isVisible());
    std::optional<bool> underFoenstret;
    falska.vid[Foenstertyp::TDiag] = [&] {
        naerModal([&](QWidget *w) {
            underFoenstret = f.Label3->isVisible() || f.Label4->isVisible();
            static_cast<QDialog *>(w)->reject();
        });
        QDialog oever;
        oever.exec();
    };
    QTest::mouseClick(f.Button[6], Qt::LeftButton);
    ASSERT_TRUE(underFoenstret.has_value());
    EXPECT_FALSE(*underFoenstret);
    // Back in the main window, a picture under the mouse is captioned again.
    f.BildImageMouseMove(0);
    EXPECT_TRUE(f.Label3->isVisible());
}

TEST_F(Huvudfoenster, TheTopRightCaptionShrinksButNotBelowOnePoint)
{
    // A screen so narrow that no caption fits beside the panel.
    skaerm(200, 480);
    TForm1 f;
    f.show();
    const int vanlig = f.Label4->font().pointSize();
    f.Panel1->setGeometry(f.Panel1->x(), f.Panel1->y(), 200 - f.Panel1->x() - 2, f.Panel1->height());
    for (int gaang = 0; gaang < 12; ++gaang)
        f.BildImageMouseMove(3);
    EXPECT_EQ(f.Label3->font().pointSize(), 1);
    // A caption broken in two shows its second line under the first.
    const Meningsrader rader = bildtextrader(f, 3);
    EXPECT_FALSE(rader[2].isEmpty());
    EXPECT_TRUE(f.Label4->isVisible());
    EXPECT_EQ(f.Label4->text(), rader[2]);
    EXPECT_EQ(f.Label4->x(), f.Label3->x());
    // The other captions keep their size.
    f.BildImageMouseMove(0);
    EXPECT_EQ(f.Label4->font().pointSize(), vanlig);
}

TEST_F(Huvudfoenster, WorksheetToggleTwiceRestoresEverything)
{
    FalskaStartare falska({Foenstertyp::TDiag});
    int toemningar = 0;
    Byt toemning(TomUtskriftslistorna, [&] { ++toemningar; });
    TForm1 f;
    f.show();
    EXPECT_TRUE(f.Button[6]->isEnabled());
    G.arbetsblad.SidNummer = 4;
    G.arbetsblad.UtskriftAvsnitt = 3;
    G.arbetsblad.NySida = 0;
    QTest::mouseClick(f.Button[7], Qt::LeftButton);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 1);
    EXPECT_EQ(f.Button[7]->text(), "Avaktivera arbetsblad");
    for (int i : {1, 5, 6})
        EXPECT_FALSE(f.Button[i]->isEnabled()) << i;
    for (int i : {2, 3, 4, 7, 10})
        EXPECT_TRUE(f.Button[i]->isEnabled()) << i;
    EXPECT_EQ(bakgrund(f.Panel1), clMaroon);
    EXPECT_TRUE(f.Shape1->isVisible());
    EXPECT_TRUE(f.Label2->isVisible());
    EXPECT_EQ(f.Label2->text(), "Arbetsblad aktiverat");
    EXPECT_EQ(f.Label2->x(), f.Shape1->x() + (f.Shape1->width() - f.Label2->width()) / 2);
    EXPECT_EQ(f.Shape1->fyllning(), clYellow);
    EXPECT_EQ(G.arbetsblad.SidNummer, 1);
    EXPECT_EQ(G.arbetsblad.UtskriftAvsnitt, 0);
    EXPECT_EQ(G.arbetsblad.NySida, 1);

    QTest::mouseClick(f.Button[7], Qt::LeftButton);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 0);
    EXPECT_EQ(f.Button[7]->text(), QString::fromUtf8("Göra arbetsblad"));
    for (int i : {1, 2, 3, 4, 5, 6})
        EXPECT_TRUE(f.Button[i]->isEnabled()) << i;
    EXPECT_EQ(bakgrund(f.Panel1), clNavy);
    EXPECT_FALSE(f.Shape1->isVisible());
    EXPECT_FALSE(f.Label2->isVisible());
    EXPECT_EQ(toemningar, 2);

    // From a diagnosis mode the toggle switches worksheet mode on.
    G.oevning.Arbetsbladslaege = 2;
    f.Button7Click();
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 1);
}

namespace {
// Presses a main-menu button and reports the sub-menu that opened and the
// mode it saw; the sub-menu is left with Esc.
QString oeppnaOchStaeng(QPushButton *b, Byte &laege)
{
    QString klass;
    naerModal([&](QWidget *w) {
        if (auto *m = dynamic_cast<Undermeny *>(w))
            klass = m->def().klass;
        laege = G.oevning.Arbetsbladslaege;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTest::mouseClick(b, Qt::LeftButton);
    return klass;
}
} // namespace

TEST_F(Huvudfoenster, MenuButtonsOpenTheSubMenusAndSetTheModeAsTheySay)
{
    TForm1 f;
    f.show();
    Byte laege = 0;
    const char *klasser[6] = {"", "TF1", "TF2", "TF3", "TF4", "TF5"};
    const Byte efter[6] = {0, 0, 2, 0, 0, 2};   // from mode 2
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        G.oevning.Arbetsbladslaege = 2;
        EXPECT_EQ(oeppnaOchStaeng(f.Button[i], laege), klasser[i]);
        EXPECT_EQ(laege, efter[i]);
    }
    // Worksheet mode stays for the buttons still open in it.
    f.Button7Click();
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(oeppnaOchStaeng(f.Button[i], laege), klasser[i]);
        EXPECT_EQ(laege, 1);
    }
}

TEST_F(Huvudfoenster, DiagnosisManualAndAboutWaitForTheirWindows)
{
    {
        TForm1 f;
        for (int i : {6, 8, 9})
            EXPECT_FALSE(f.Button[i]->isEnabled()) << i;
    }
    FalskaStartare falska({Foenstertyp::TDiag, Foenstertyp::TManual, Foenstertyp::TOmKavo});
    TForm1 f;
    f.show();
    G.diagnos.DiagnosStaengd = 1;
    QTest::mouseClick(f.Button[6], Qt::LeftButton);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
    EXPECT_EQ(G.diagnos.DiagnosStaengd, 0);
    QTest::mouseClick(f.Button[8], Qt::LeftButton);
    QTest::mouseClick(f.Button[9], Qt::LeftButton);
    EXPECT_EQ(falska.oeppnade,
              (std::vector<Foenstertyp>{Foenstertyp::TDiag, Foenstertyp::TManual, Foenstertyp::TOmKavo}));
}

TEST_F(Huvudfoenster, FocusOnSverigeEscQuitsAndTheTimers)
{
    TForm1 f;
    f.show();
    QApplication::setActiveWindow(&f);
    EXPECT_EQ(QApplication::focusWidget(), f.Button[1]);
    EXPECT_FALSE(f.Timer1->koer());
    EXPECT_TRUE(f.Timer2->koer());
    EXPECT_EQ(f.Timer2->interval(), 1000);
    G.runda.Tidraeknare = 5;
    f.Timer2->OnTimer();
    EXPECT_EQ(G.runda.Tidraeknare, 6);
    EXPECT_FALSE(f.Timer2->koer());

    // Kolla re-enables the main window after its message.
    f.setEnabled(false);
    G.oevning.DatFilNamn = "SVE99999.DAT";
    EXPECT_FALSE(Kolla(G.oevning.DatFilNamn));
    EXPECT_TRUE(f.isEnabled());

    QTest::keyClick(f.Button[1], Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
}

TEST_F(Huvudfoenster, ClosingTheMainWindowStopsTheSound)
{
    plattform::InspeladMediaspelare spelare;
    Saett<plattform::Mediaspelare> g(&spelare);
    {
        TForm1 f;
        EXPECT_EQ(spelare.antalStopp, 0);
    }
    EXPECT_EQ(spelare.antalStopp, 1);
}
