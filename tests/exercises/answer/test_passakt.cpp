// The category-choice window driven as a pupil drives it: clicks and digit
// keys on the panels, Space during a wait, Esc, the end-panel buttons.
// Timer handlers are called directly instead of waiting.
#include "../../support/innehaallskontroll.h"
#include "../../support/ui/startadrunda.h"
#include "../../support/ui/modal.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/answer/passakt.h"
#include "exercises/frame/taster.h"
#include "platform/media.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using plattform::Valpanel;

namespace {

const QStringList vokaler = {
    QStringLiteral("$Vokalen"), QStringLiteral("$Hur många vokaler?"),
    QStringLiteral("$§Hur många vokaler har ordet?"),
    QStringLiteral("potatis#3#1#2#4#5"), QStringLiteral("knä#1#2#3#4#5"),
    QStringLiteral("lampa#2#1#3#4#5"),   QStringLiteral("ö#1#2"),
    QStringLiteral("elefant#3#1#2#4#5"), QStringLiteral("flicka#2#1#3#4#5"),
    QStringLiteral("strand#1#2#3#4#5"),  QStringLiteral("äpple#2#1#3#4#5"),
    QStringLiteral("paraply#3#1#2#4#5"), QStringLiteral("gris#1#2#3#4#5"),
    QStringLiteral("pojke#2#1#3#4#5"),
};

} // namespace

class PassAkt : public StartadRunda {
protected:
    void SetUp() override
    {
        StartadRunda::SetUp();
        // Praise for 1 wrong without and with a diagnosis item.
        lovordsfiler({"SVOM9002.LOV", "SVOM9004.LOV"});
    }

    static QStringList visade(TPassAkt &f)
    {
        QStringList ut;
        for (Valpanel *v : f.Paneler)
            if (!v->isHidden())
                ut << v->text();
        return ut;
    }
    static bool gul(QWidget *w) { return plattform::bakgrund(w) == plattform::clYellow; }
    // Clicks the right alternative, or the first wrong one.
    static void svara(TPassAkt &f, bool raett, Qt::MouseButton knapp = Qt::LeftButton)
    {
        for (int k = 0; k < f.AntalVal; ++k)
            if ((f.Alternativ.at(k) == f.postdelar.faelt[2]) == raett) {
                QTest::mouseClick(f.Paneler[std::size_t(k)], knapp);
                return;
            }
        FAIL() << "no such alternative";
    }
};

TEST_F(PassAkt, DigitKeysExplanationPraisePictureAndCorrectionRound)
{
    skrivBytes(i(QStringLiteral("pc/LJUD/S212/S212001.WAV")), QByteArray(64, '\0'));
    datafil(QStringLiteral("SVE21200.DAT"), vokaler);
    TPassAkt f;
    f.show();
    EXPECT_EQ(G.oevning.Programtal, 21200);
    EXPECT_EQ(f.EscapePanel->objectName(), QStringLiteral("EscapePanel"));
    EXPECT_EQ(f.Sluttimer->objectName(), QStringLiteral("Timer2"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("potatis"));
    EXPECT_EQ(visade(f), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(gul(f.Paneler[0]));
    EXPECT_FALSE(f.UpprepaButton->isHidden());
    EXPECT_TRUE(f.BitBtn2->isHidden());   // no rule page
    // The first item is spoken once the sound timer has counted the seconds.
    for (int t = 0; t < 3; ++t)
        f.Timer5Timer();
    ASSERT_EQ(media.spelade.size(), 1);
    EXPECT_TRUE(media.spelade.at(0).fil.endsWith(QStringLiteral("LJUD/S212/S212001.WAV")));

    // "3" chooses the third panel: right.
    QTest::keyClick(&f, Qt::Key_3);
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("knä"));
    // Wrong: the right panel lights up and the explanation is shown.
    QTest::keyClick(&f, Qt::Key_3);
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("Det finns 1 vokal."));
    EXPECT_FALSE(f.Label7->isHidden());
    EXPECT_TRUE(gul(f.Paneler[0]));
    EXPECT_FALSE(gul(f.Paneler[2]));
    EXPECT_FALSE(f.Panel1->isEnabled());
    EXPECT_TRUE(f.Timer1->koer());
    QTest::keyClick(&f, Qt::Key_1);   // the panels wait too
    EXPECT_EQ(G.runda.Uppgiftsnummer, 3);
    QTest::keyClick(&f, Qt::Key_Space);
    f.Timer1Timer();
    EXPECT_EQ(f.Label3->text(), QStringLiteral("lampa"));
    EXPECT_TRUE(f.Label7->isHidden());
    EXPECT_TRUE(f.Panel1->isEnabled());
    QTest::keyClick(&f, Qt::Key_2);
    // A digit whose panel is not shown does nothing.
    EXPECT_EQ(visade(f), (QStringList{"1", "2"}));
    QTest::keyClick(&f, Qt::Key_4);
    QTest::keyClick(&f, Qt::Key_6);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 4);
    EXPECT_TRUE(f.Label7->isHidden());
    QTest::keyClick(&f, Qt::Key_1);
    for (int n = 5; n <= 10; ++n)
        svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 9);

    // Praise and picture; "&Rätta felen" takes the one wrong item again.
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.BildPanelen->isHidden());
    EXPECT_FALSE(f.Image1->pixmap().isNull());
    EXPECT_FALSE(f.EscapePanel->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Button1);
    QTest::keyClick(&f, Qt::Key_1);   // nothing under the picture is judged
    EXPECT_EQ(G.runda.AntalRaett, 9);
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 1);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("knä"));
    EXPECT_TRUE(f.Panel1->isEnabled());
    QTest::keyClick(&f, Qt::Key_1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_FALSE(f.EscapePanel->isHidden());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(PassAkt, MarkedSentenceSevenPanelsLongAlternativesAndEsc)
{
    G.val.LjudLaege = 0;
    const QString laang = QStringLiteral("Ackusativobjekt, det som verbet gör något med");
    datafil(QStringLiteral("SVE47400.DAT"),
            {QStringLiteral("$Satsdelar"), QStringLiteral("Mamma gav <mig> en ny tröja.#dat.obj.#ack.obj.#pred.f."),
             QStringLiteral("Vi läste <en bok>.#") + laang + QStringLiteral("#Kort"),
             QStringLiteral("Hon <sov>.#a#b#c#d#e#f#g#h#i"), QStringLiteral("Det är <bra>.#pred.f.#ack.obj.")});
    TPassAkt f;
    f.show();
    EXPECT_TRUE(f.UpprepaButton->isHidden());
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Mamma gav "));
    EXPECT_EQ(f.Label5->text(), QStringLiteral("mig"));
    EXPECT_EQ(f.Label6->text(), QStringLiteral(" en ny tröja."));
    EXPECT_EQ(f.Label5->x(), f.Label4->x() + f.Label4->width());
    EXPECT_EQ(f.Label5->palette().color(QPalette::WindowText), plattform::clGreen);
    EXPECT_EQ(visade(f), (QStringList{"ack.obj.", "dat.obj.", "pred.f."}));
    EXPECT_EQ(f.Paneler[0]->font().pointSize(), 16);
    svara(f, false);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("mig är dativobjekt."));
    EXPECT_TRUE(gul(f.Paneler[1]));
    G.runda.Tidraeknare = 20000;
    f.Timer1Timer();

    // Shown cut to 30 characters, judged whole.
    EXPECT_EQ(visade(f).first(), laang.left(30));
    svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 1);
    // Fields 2..9 filled: seven panels, the eighth alternative left out.
    EXPECT_EQ(visade(f), (QStringList{"a", "b", "c", "d", "e", "f", "g"}));
    svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 2);

    // A right click on a panel opens the end panel; the item stays.
    svara(f, true, Qt::RightButton);
    EXPECT_FALSE(f.EscapePanel->isHidden());
    EXPECT_EQ(G.runda.Uppgiftsnummer, 4);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_TRUE(f.EscapePanel->isHidden());
    // Esc: the panel over the round, the choices disabled; a second Esc leaves.
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.EscapePanel->isHidden());
    EXPECT_FALSE(f.Panel1->isEnabled());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
}

TEST_F(PassAkt, WrongLastAnswerKeepsTheRightPanelLitUntilTheEnd)
{
    G.val.LjudLaege = 0;
    QStringList rader{QStringLiteral("$Alfabetet"), QStringLiteral("$Alfabetisk ordning")};
    for (int n = 0; n < 10; ++n)
        rader << (n % 2 ? QStringLiteral("bil#Ja#Nej") : QStringLiteral("sol#Nej#Ja"));
    datafil(QStringLiteral("SVE34200.DAT"), rader);
    TPassAkt f;
    f.show();
    EXPECT_EQ(f.Label7->font().pointSize(), 18);
    for (int n = 1; n <= 9; ++n)
        svara(f, true);
    svara(f, false);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("Bokstäverna i bil står i alfabetisk ordning."));
    EXPECT_TRUE(f.Sluttimer->koer());
    EXPECT_TRUE(f.EscapePanel->isHidden());
    QTest::keyClick(&f, Qt::Key_Space);
    f.SluttimerTimer();
    EXPECT_FALSE(f.Sluttimer->koer());
    EXPECT_FALSE(f.EscapePanel->isHidden());
    EXPECT_FALSE(f.LovordPanel->isHidden());   // 9 of 10
}

TEST_F(PassAkt, DiagnosisPracticePassesAfterTwoGoodRounds)
{
    Protokollregistrering reg(&protokoll);
    G.diagnos.DiagnosNummer = 17;
    G.oevning.Arbetsbladslaege = 3;
    QStringList rader{QStringLiteral("$Diagnos"), QStringLiteral("$Alfabetet")};
    for (int n = 0; n < 45; ++n)
        rader << (n % 2 ? QStringLiteral("fil#Ja#Nej") : QStringLiteral("mus#Nej#Ja"));
    datafil(QStringLiteral("SVDI17.DAT"), rader);
    TPassAkt f;
    f.show();
    EXPECT_EQ(G.oevning.Programtal, 17);
    EXPECT_FALSE(f.DiagPanel1->isHidden());
    EXPECT_TRUE(f.UpprepaButton->isHidden());
    auto runda = [&](int raett) {
        for (int n = 1; n <= 20; ++n) {
            svara(f, n <= raett);
            if (n < 20 && n > raett) {
                G.runda.Tidraeknare = 20000;
                f.Timer1Timer();
            }
        }
        if (f.Sluttimer->koer()) {
            G.runda.Tidraeknare = 20000;
            f.SluttimerTimer();
        }
    };
    runda(7);   // too few: nothing changes
    EXPECT_EQ(G.diagnos.OevningsNummer, 0);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    runda(8);
    EXPECT_EQ(G.diagnos.OevningsNummer, 1);
    EXPECT_FALSE(f.aerStangd());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    // "&Avbryta" in a running round applies the rule to it: 8 right passes.
    runda(0);
    EXPECT_FALSE(f.aerStangd());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    for (int n = 1; n <= 8; ++n)
        svara(f, true);
    QTest::keyClick(&f, Qt::Key_Escape);
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.status[17], 2);
    EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 17")});
}

TEST_F(PassAkt, RulePageTranslationAndSettings)
{
    G.val.Oeversaettning = 1;
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/MORVENG.DAT")), {QStringLiteral("katt#cat")});
    datafil(QStringLiteral("SVE22100.DAT"),
            {QStringLiteral("$Kort eller lång vokal?"), QStringLiteral("katt#Kort#Lång"), QStringLiteral("sol#Lång#Kort")});
    TPassAkt f;
    f.show();
    EXPECT_FALSE(f.EngLabel->isHidden());
    EXPECT_EQ(f.EngLabel->text(), QStringLiteral("cat"));
    EXPECT_FALSE(f.BitBtn2->isHidden());
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Regel"));
    EXPECT_GT(f.UpprepaButton->x(), f.BitBtn2->x());
    svara(f, false);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("katt har en kort vokal."));
    G.runda.Tidraeknare = 20000;
    f.Timer1Timer();
    EXPECT_TRUE(f.EngLabel->isHidden());   // no line for "sol"
    {
        staengNaestaModal();   // the rule page
        QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    }
    {
        staengNaestaModal();   // the settings window
        QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    }
    EXPECT_FALSE(f.aerStangd());
    EXPECT_TRUE(f.EscapePanel->isHidden());
    EXPECT_TRUE(f.Panel1->isEnabled());
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
}

// Every bundled category-choice file as a pupil meets it from its menu entry:
// the panels stay clear of the progress squares, and a round of right
// answers ends with praise and the reward picture.
using PassAktInnehaall = ByggdMiljoe;

TEST_F(PassAktInnehaall, EveryFileRunsAWholeRoundToPraiseAndPicture)
{
    ASSERT_TRUE(Uppstart());
    Saett<Skaerm> skaerm([] { return QSize(1024, 768); });
    G.skaerm.Skalprocent = 100;
    G.val.LjudLaege = 0;
    G.val.BildLaege = 1;
    G.beroem.BildOrdningNy = 1;
    G.beroem.BildMarkoer = 1;
    G.val.SekunderRaettSvar = 0;
    const QStringList filer = QStringList{QStringLiteral("SVDI17.DAT")} + menyfilerFoer(Foenstertyp::TPassAkt);
    for (const QString &namn : filer) {
        SCOPED_TRACE(namn.toStdString());
        G.oevning.DatFilNamn = namn;
        G.oevning.Arbetsbladslaege = 0;
        ASSERT_TRUE(Kolla(namn));
        TPassAkt f;
        f.show();
        for (int n = 1; n <= 10; ++n) {
            Valpanel *sista = f.Paneler[std::size_t(f.AntalVal - 1)];
            EXPECT_LE(f.Panel1->x() + sista->x() + sista->width(), f.Aster1->x());
            EXPECT_FALSE((f.Label3->text() + f.Label4->text() + f.Label5->text()).isEmpty());
            const int i = int(f.Alternativ.indexOf(f.postdelar.faelt[2]));
            ASSERT_GE(i, 0);
            QTest::mouseClick(f.Paneler[std::size_t(i)], Qt::LeftButton);
        }
        EXPECT_EQ(G.runda.AntalRaett, 10);
        EXPECT_FALSE(f.LovordPanel->isHidden());
        EXPECT_FALSE(f.LovordLabel1->text().isEmpty());
        EXPECT_FALSE(f.BildPanelen->isHidden());
        EXPECT_FALSE(f.Image1->pixmap().isNull());
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(PassAkt, WorksheetModeShowsTheItemWithoutPanels)
{
    G.oevning.Arbetsbladslaege = 1;
    datafil(QStringLiteral("SVE21200.DAT"), vokaler);
    TPassAkt f;
    f.show();
    EXPECT_TRUE(f.Panel1->isHidden());
    EXPECT_TRUE(f.Aster1->isHidden());
    EXPECT_EQ(f.Label3->text(), QStringLiteral("potatis"));
    QTest::keyClick(&f, Qt::Key_3);   // nothing is answered
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    f.naestaArbetsbladspost();
    EXPECT_EQ(f.Label3->text(), QStringLiteral("knä"));
}
