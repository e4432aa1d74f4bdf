// The frame's rules as plain functions, and the frame members that the
// word-choice window does not use (answer field, lamp, paste, the two-round
// pass rule), through a small typing window made for the test.
#include "../../support/protokoll.h"
#include "../../support/provrunda.h"
#include "../../support/saett.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/meningslayout.h"
#include "core/skaermskala.h"
#include "core/svarstest.h"
#include "core/textmaett.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/frame/ovningsram.h"
#include "exercises/frame/rubriklayout.h"
#include "core/rundregler.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

TEST(Rundregler, CorrectionRoundLengthPraiseAndWaits)
{
    EXPECT_EQ(RaettningsLaengd(15, 20), 10);
    EXPECT_EQ(RaettningsLaengd(3, 20), 3);
    EXPECT_EQ(RaettningsLaengd(12, 10), 10);
    EXPECT_EQ(RaettningsLaengd(4, 10), 4);
    EXPECT_EQ(RaettningsLaengd(0, 10), 0);
    EXPECT_TRUE(FaarBeroem(8, 10, false));
    EXPECT_FALSE(FaarBeroem(7, 10, false));
    EXPECT_FALSE(FaarBeroem(10, 10, true));
    EXPECT_FALSE(VaentanSlut(29, 3, true));
    EXPECT_TRUE(VaentanSlut(30, 3, true));
    EXPECT_TRUE(VaentanSlut(1, 0, true));           // setting 0: the first tick
    EXPECT_TRUE(VaentanSlut(3, 3, false));
    EXPECT_TRUE(VaentanSlut(MellanslagTidraeknare, 9, true));
    EXPECT_EQ(OekaHjaelp(0), 1);
    EXPECT_EQ(OekaHjaelp(255), 255);
}

TEST(Rundregler, PassRulesAndFortsaetta)
{
    EXPECT_EQ(Oevningsregel(Passregel::TvaaRundor, 7, 0), Oevningsutfall::Inget);
    EXPECT_EQ(Oevningsregel(Passregel::TvaaRundor, 8, 0), Oevningsutfall::FoerstaRundan);
    EXPECT_EQ(Oevningsregel(Passregel::TvaaRundor, 8, 1), Oevningsutfall::Godkaend);
    EXPECT_EQ(Oevningsregel(Passregel::TvaaRundor, 7, 1), Oevningsutfall::Inget);
    EXPECT_EQ(Oevningsregel(Passregel::EnRunda, 11, 1), Oevningsutfall::Inget);
    EXPECT_EQ(Oevningsregel(Passregel::EnRunda, 12, 0), Oevningsutfall::Godkaend);
    EXPECT_TRUE(FortsaettNollar(0, false));
    EXPECT_TRUE(FortsaettNollar(1, false));
    for (int l = 2; l <= 5; ++l) {
        EXPECT_FALSE(FortsaettNollar(l, false)) << l;
        EXPECT_TRUE(FortsaettNollar(l, true)) << l;
    }
    EXPECT_TRUE(FortsaettNyRunda(10, 10, false));   // Esc on the last item
    EXPECT_FALSE(FortsaettNyRunda(9, 10, false));
    EXPECT_TRUE(FortsaettNyRunda(1, 3, true));
    EXPECT_EQ(Laegesfaerg(0), 0x000080u);
    EXPECT_EQ(Laegesfaerg(1), 0x800000u);
    EXPECT_EQ(Laegesfaerg(4), 0x008000u);
}

TEST(Rubriklayout, HeadingAndPraiseShrinkToTheirFloors)
{
    FastTextmaetare fast;
    fast.skalaMedStorlek = true;
    Saett<const Textmaetare> maetare(&fast);
    // Wide enough: one line at 30 pt, two at 20 pt.
    auto a = RubrikLayout(QStringLiteral("Kort"), QString(), QString(), QRect(0, 0, 2000, 200), 10);
    EXPECT_EQ(a[0].typsnitt.punkter, 30);
    EXPECT_FALSE(a[1].synlig);
    a = RubrikLayout(QStringLiteral("Kort"), QStringLiteral("Rad"), QString(), QRect(0, 0, 2000, 200), 10);
    EXPECT_EQ(a[0].typsnitt.punkter, 20);
    EXPECT_EQ(a[1].typsnitt.punkter, 20);
    EXPECT_GT(a[1].ram.top(), a[0].ram.top());
    // A box too low for two lines: the height loop stops at 11 pt.
    a = RubrikLayout(QStringLiteral("Kort"), QStringLiteral("Rad"), QString(), QRect(0, 0, 2000, 4), 40);
    EXPECT_EQ(a[0].typsnitt.punkter, MinstaRubrikPunkter);
    EXPECT_EQ(a[1].typsnitt.punkter, MinstaRubrikPunkter);
    // Too narrow for anything: 11 pt, the third line 9 pt.
    a = RubrikLayout(QStringLiteral("En mycket lång rubrikrad"), QStringLiteral("Två"),
                     QStringLiteral("Tre långa ord"), QRect(0, 0, 30, 200), 4);
    EXPECT_EQ(a[0].typsnitt.punkter, MinstaRubrikPunkter);
    EXPECT_EQ(a[2].typsnitt.punkter, 9);
    const Textplats p = LovordLayout(QStringLiteral("Mycket bra gjort, du är duktig!"), QSize(40, 10), 4);
    EXPECT_EQ(p.typsnitt.punkter, MinstaRubrikPunkter);
}

namespace {

// A typing window on the frame: field 1 is asked, field 2 is the answer.
class Provfoenster : public Ovningsram {
public:
    explicit Provfoenster(const Ramval &val = Ramval()) : Ovningsram(val) { skapa(oevningsstart()); }
    void NyPost() override
    {
        haemtaPost();
        fraaga = postdelar.faelt[1];
        Edit1->show();
        Edit1->setEnabled(true);
        if (ForstaPosten == 1)
            ForstaPosten = 0;
        else
            Edit1->setFocus();
        BitBtn2->show();
    }
    void svara(const QString &text)
    {
        const bool raett = svarstest(postdelar.faelt[2], text, 3, postdelar) == SvarRaett;
        if (!raett)
            Edit1->setEnabled(false);
        svarsboekfoering(raett);
        if (!raett)
            Timer1->setInterval(100);
        efterSvar();
    }
    QString fraaga;
protected:
    QString vaentatSvar(const QLineEdit *) const override { return postdelar.faelt[2]; }
};

} // namespace

class Ram : public Provrunda {
protected:
    void SetUp() override
    {
        Provrunda::SetUp();
        G.val.LjudLaege = 1;
        G.val.BildLaege = 1;
        Skaltest();
        G.skaerm.Skalprocent = 100;
        QStringList rader = {QStringLiteral("$Plural")};
        for (int n = 1; n <= 24; ++n)
            rader << QStringLiteral("en bil#bilar");
        datafil(QStringLiteral("SVOVN112.DAT"), rader);
        G.diagnos.DiagnosNummer = 12;
    }
    void runda(Provfoenster &f, int raett, int antal)
    {
        for (int n = 1; n <= antal; ++n) {
            f.svara(n <= raett ? QStringLiteral("bilar") : QStringLiteral("bil"));
            if (f.aerStangd())
                return;
            if (n > raett) {
                G.runda.Tidraeknare = MellanslagTidraeknare;
                if (n < antal)
                    f.Timer1Timer();
                else
                    f.SluttimerTimer();
            }
        }
    }
    InspeladProtokoll protokoll;
};

TEST_F(Ram, TwoRoundPassRuleAndAvbrytaAfterTheRound)
{
    Protokollregistrering reg(&protokoll);
    G.oevning.Arbetsbladslaege = 3;
    Provfoenster f;
    f.show();
    EXPECT_EQ(f.Slutpanel->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Övning 1"));
    EXPECT_FALSE(f.lampknapp->isHidden());
    runda(f, 8, 20);
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(G.diagnos.OevningsNummer, 1);
    EXPECT_FALSE(f.Slutpanel->isHidden());
    // "&Avbryta" now must not count the same round a second time.
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.status[12], 0);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 3);
    EXPECT_TRUE(protokoll.anrop.isEmpty());

    // The next window: the header says round 2, and a good round passes.
    Provfoenster g;
    g.show();
    EXPECT_EQ(g.DiagLabel1->text(), QStringLiteral("Övning 2"));
    runda(g, 9, 20);
    EXPECT_TRUE(g.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.status[12], 2);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
    EXPECT_EQ(G.diagnos.OevningsNummer, 0);
    EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 12")});
}

TEST_F(Ram, AvbrytaDuringTheRoundAppliesTheRule)
{
    G.oevning.Arbetsbladslaege = 3;
    G.diagnos.OevningsNummer = 1;
    Provfoenster f;
    f.show();
    runda(f, 8, 8);
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_FALSE(f.Slutpanel->isHidden());
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.status[12], 2);
}

TEST_F(Ram, CorrectionRoundOfADiagnosisPracticeAndFortsaetta)
{
    G.oevning.Arbetsbladslaege = 3;
    Provfoenster f;
    f.show();
    runda(f, 5, 20);   // 15 wrong: a correction round of 10
    EXPECT_EQ(G.fel.FelAntal[1], 15);
    EXPECT_TRUE(f.Button1->isEnabled());
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 5);
    EXPECT_EQ(G.runda.AntalIRunda, 10);
    EXPECT_EQ(G.fel.FelPostNummer, 6);
    f.svara(QStringLiteral("bil"));   // wrong again: to the end of the list
    EXPECT_EQ(G.fel.FelAntal[1], 15);
    G.runda.Tidraeknare = MellanslagTidraeknare;
    f.Timer1Timer();
    EXPECT_EQ(G.fel.FelPostNummer, 7);
    f.svara(QStringLiteral("bilar"));
    EXPECT_EQ(G.fel.FelAntal[1], 14);
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    QTest::mouseClick(f.Button2, Qt::LeftButton);   // a correction round: a new round
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 3);
    EXPECT_EQ(G.runda.RaettaFel, 0);
    EXPECT_EQ(G.runda.AntalIRunda, 20);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
}

TEST_F(Ram, LampHelpCounterAndPaste)
{
    G.oevning.Arbetsbladslaege = 3;
    Provfoenster f;
    f.show();
    QTest::mouseClick(f.lampknapp, Qt::LeftButton);
    EXPECT_EQ(f.LampaPaa, 1);
    EXPECT_FALSE(f.LampShape->isHidden());
    EXPECT_EQ(f.HjaelpAnvaend, 1);
    QTest::keyClicks(f.Edit1, QStringLiteral("bi"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), plattform::clLime);
    QTest::keyClicks(f.Edit1, QStringLiteral("x"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), plattform::clRed);
    // With the lamp on no right answer counts in diagnosis practice.
    f.Edit1->clear();
    f.svara(QStringLiteral("bilar"));
    EXPECT_EQ(G.runda.AntalRaett, 0);
    QTest::mouseClick(f.LampShape, Qt::LeftButton);
    EXPECT_EQ(f.LampaPaa, 0);
    EXPECT_FALSE(f.lampknapp->isHidden());
    // The help counter is a byte that stops at 255.
    for (int n = 0; n < 300; ++n)
        f.BitBtn2Click();
    EXPECT_EQ(f.HjaelpAnvaend, 255);
    f.svara(QStringLiteral("bilar"));
    EXPECT_EQ(G.runda.AntalRaett, 0);

    // "ß" with Ctrl+S and Alt+S, not with two modifiers.
    f.Edit1->setEnabled(true);
    f.Edit1->setFocus();
    f.Edit1->clear();
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.Edit1->text().count(QStringLiteral("ß")), 2);
    f.Edit1->clear();
    f.Klistrain1Click(QStringLiteral("Klistra in Ü"));
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("Ü"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Ü"));
}

TEST_F(Ram, PracticeRoundAndEscOnTheLastItem)
{
    G.oevning.Arbetsbladslaege = 0;
    Provfoenster f;
    f.show();
    EXPECT_EQ(plattform::bakgrund(f.OverskriftInnerShape), plattform::clNavy);
    EXPECT_TRUE(f.DiagPanel1->isHidden());
    runda(f, 9, 9);
    ASSERT_EQ(G.runda.Uppgiftsnummer, 10);
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    QTest::mouseClick(f.Button2, Qt::LeftButton);   // Esc on the last item: a new round
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    EXPECT_EQ(G.post.PostNummer, 11);   // the item on screen is left for the next one
}

namespace {

// Two gaps, as in the gap-sentence window: field 2 answers the first, field 1
// the second.
class TvaaFaelt : public Provfoenster {
public:
    TvaaFaelt()
    {
        Edit2 = plattform::skapaRuta(this, QStringLiteral("Edit2"), QRect(10, 10, 100, 20));
        laeggTillSvarsfaelt(Edit2);
    }
    QLineEdit *Edit2 = nullptr;
    QList<QLineEdit *> inmatade;
protected:
    QString vaentatSvar(const QLineEdit *f) const override { return postdelar.faelt[f == Edit2 ? 1 : 2]; }
    void svarInmatat(QLineEdit *f) override { inmatade << f; }
};

} // namespace

TEST_F(Ram, TwoAnswerFieldsEachWithLampPasteEnterAndEsc)
{
    TvaaFaelt f;
    f.show();
    f.saettPost(str_postarray(QStringLiteral("en bil#bilar#bilen")));
    QTest::mouseClick(f.lampknapp, Qt::LeftButton);
    EXPECT_EQ(f.lampknapp->focusPolicy(), Qt::NoFocus);
    // The lamp follows the gap being typed in.
    f.Edit2->setFocus();
    QTest::keyClicks(f.Edit2, QStringLiteral("en b"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), plattform::clLime);
    f.Edit1->setFocus();
    QTest::keyClicks(f.Edit1, QStringLiteral("en b"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), plattform::clRed);
    // Paste and Ctrl+S land in the field that has the focus.
    f.Edit2->setFocus();
    QTest::keyClick(f.Edit2, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Edit2->text(), QStringLiteral("en bß"));
    EXPECT_EQ(f.aktivtSvarsfaelt(), f.Edit2);
    EXPECT_EQ(f.Edit2->contextMenuPolicy(), Qt::CustomContextMenu);
    // Enter: the field is locked, the focus goes to the window, the window judges.
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    EXPECT_EQ(f.inmatade, QList<QLineEdit *>{f.Edit2});
    EXPECT_FALSE(f.Edit2->isEnabled());
    EXPECT_NE(f.focusWidget(), f.lampknapp);
    // Esc in a field: the end panel.
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_FALSE(f.Slutpanel->isHidden());
}

TEST_F(Ram, AltSPastesBesideAButtonWithTheSameMnemonic)
{
    Provfoenster f;
    auto *se = plattform::skapaKnapp(&f, QStringLiteral("SeKnapp"), QStringLiteral("Bara &se ordet"),
                                     QRect(300, 10, 120, 30));
    int klick = 0;
    QObject::connect(se, &QPushButton::clicked, [&klick] { ++klick; });
    f.show();
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);   // a mnemonic click would arrive animated
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("ß"));
    EXPECT_EQ(klick, 0);
}

TEST_F(Ram, ScaledWindowStaysTheSizeOfTheScreen)
{
    Saett<Skaerm> skaerm([] { return QSize(800, 600); });
    G.skaerm.Skalprocent = 150;
    Provfoenster f;
    EXPECT_EQ(f.size(), QSize(800, 600));
    EXPECT_LE(f.Slutpanel->geometry().right(), 800);
    EXPECT_GT(f.Button1->font().pointSizeF(), QApplication::font().pointSizeF());
}

TEST_F(Ram, ClosingATestFromOutsideReportsIt)
{
    Protokollregistrering reg(&protokoll);
    G.oevning.Arbetsbladslaege = 2;
    Provfoenster f;
    f.show();
    f.svara(QStringLiteral("bilar"));
    f.svara(QStringLiteral("bilar"));
    f.close();   // Alt+F4 or the window manager
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[12], 2);
}

TEST_F(Ram, EscDuringTheWaitEndsItAndSpaceNeverClicks)
{
    G.oevning.Arbetsbladslaege = 3;
    Provfoenster f;
    f.show();
    f.svara(QStringLiteral("bil"));
    ASSERT_TRUE(f.Timer1->koer());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.Timer1->koer());
    EXPECT_EQ(G.post.PostNummer, 2);   // the next item is under the panel
    EXPECT_FALSE(f.Slutpanel->isHidden());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_TRUE(f.Slutpanel->isHidden());
    // Space outside a wait never reaches a focused button.
    f.BitBtn2->setFocus();
    QTest::keyClick(f.BitBtn2, Qt::Key_Space);
    EXPECT_EQ(f.HjaelpAnvaend, 0);
}

TEST_F(Ram, PiecesOnAWindowWithoutARound)
{
    // A game window: its own names for the praise parts and its own end panel.
    plattform::Foenster f;
    Rubrikruta rubrik(&f);
    Lovordsruta lovord(&f, {QStringLiteral("LovordPanel"), QStringLiteral("LovordYttershape"),
                            QStringLiteral("LovordInnerPanel"), QStringLiteral("LovordLabel")});
    Beloeningsbild bild(&f);
    Slutknappar slut(&f, QStringLiteral("Panel1"));
    int nyaNamn = 0;
    slut.knapp(QStringLiteral("Button1"), QStringLiteral("&Fortsätta"), [] {});
    QPushButton *b2 = slut.knapp(QStringLiteral("Button2"), QStringLiteral("&Nya namn"), [&nyaNamn] { ++nyaNamn; });
    f.setGeometry(0, 0, 640, 480);
    rubrik.placera(QRect(10, 5, 600, 70), 10);
    rubrik.rita(QStringLiteral("Udda ord"), QString(), QString());
    slut.placera(QRect(10, 400, 600, 40), 10, 10);
    lovord.LovordPanel->setGeometry(10, 340, 600, 50);
    lovord.rita(QStringLiteral("Bra"), QStringLiteral("gjort"), QStringLiteral("!"));
    f.show();
    slut.panel->show();
    EXPECT_EQ(f.findChild<QLabel *>(QStringLiteral("LovordLabel")), lovord.LovordLabel1);
    EXPECT_EQ(lovord.LovordLabel1->text(), QStringLiteral("Bra gjort !"));
    EXPECT_EQ(rubrik.Overs1Label->text(), QStringLiteral("Udda ord"));
    EXPECT_TRUE(rubrik.Overs2Label->isHidden());
    EXPECT_TRUE(slut.panel->geometry().contains(b2->geometry().translated(slut.panel->pos())));
    QTest::mouseClick(b2, Qt::LeftButton);
    EXPECT_EQ(nyaNamn, 1);
    // No praise file: no praise panel.
    EXPECT_FALSE(lovord.visaBeroem());
    EXPECT_TRUE(lovord.LovordPanel->isHidden());
    G.beroem.BildMarkoer = 0;
    bild.visa();
    EXPECT_TRUE(bild.Image1->isHidden());
}

TEST_F(Ram, AFileGoneDuringTheRoundShowsNoOldItem)
{
    Provfoenster f;
    f.show();
    ASSERT_EQ(f.fraaga, QStringLiteral("en bil"));
    QFile::remove(i(QStringLiteral("cd/DATA/DAT/SVOVN112.DAT")));
    f.svara(QStringLiteral("bilar"));
    EXPECT_TRUE(f.fraaga.isEmpty());
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QStringLiteral("Filen SVOVN112.DAT finns inte eller är felaktig")});
}

// The file changed after the round's wrong answers were listed: the
// correction round asks only the listed items that can still be answered,
// and when none can, "&Rätta felen" is not offered again.
TEST_F(Ram, ACorrectionRoundPassesOverItemsTheChangedFileCannotAsk)
{
    Ramval v;
    v.postKanBesvaras = harSvarIFaelt2;
    Provfoenster f(v);
    f.show();
    for (int n = 1; n <= 10; ++n) {
        f.svara(QStringLiteral("fel"));
        G.runda.Tidraeknare = MellanslagTidraeknare;
        n < 10 ? f.Timer1Timer() : f.SluttimerTimer();
    }
    ASSERT_EQ(G.fel.FelAntal[1], 10);
    const QString fil = i(QStringLiteral("cd/DATA/DAT/SVOVN112.DAT"));
    skrivFil1252(fil, {"$Plural", "en bil#bilar", "en katt", "ett hus#hus", "; slutkommentar"});
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_EQ(f.fraaga, QStringLiteral("en bil"));
    f.svara(QStringLiteral("bilar"));
    EXPECT_EQ(f.fraaga, QStringLiteral("ett hus"));
    f.svara(QStringLiteral("hus"));
    EXPECT_EQ(G.fel.FelAntal[1], 0);
    EXPECT_TRUE(f.Slutpanel->isVisible());

    QTest::mouseClick(f.Button2, Qt::LeftButton);
    f.svara(QStringLiteral("fel"));
    G.runda.Tidraeknare = MellanslagTidraeknare;
    f.Timer1Timer();
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    ASSERT_TRUE(f.Button1->isEnabled());
    skrivFil1252(fil, {"$Plural", "en katt"});
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.RaettaFel, 0);
    EXPECT_EQ(G.fel.FelAntal[1], 0);
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}
