// The gap-sentence window driven as a pupil drives it: words typed into the
// gaps and Enter, Space during a wait, the help and lamp buttons, the
// end-panel buttons. Timer handlers are called directly instead of waiting.
#include "../../support/ui/startadrunda.h"
#include "../../support/ui/diagnosrunda.h"
#include "../../support/ui/modal.h"

#include "core/diagnos.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/answer/skrivinf.h"
#include "platform/media.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "exercises/frame/taster.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QStringList prepositioner()
{
    QStringList r = {QStringLiteral("$Grammatik"), QStringLiteral("$Preposition"),
                     QStringLiteral("$§Skriv den preposition som saknas och tryck Enter."),
                     QStringLiteral("Hon är rädd <för> stora hundar.#Samma ord: tack ___ maten.#Första bokstaven är f."),
                     QStringLiteral("Vi väntade länge <på> bussen."),
                     QStringLiteral("Hon cyklade <från> skolan <till> parken."),
                     QStringLiteral("Jorden kretsar <runt> solen.#&kring#&omkring")};
    for (int n = 5; n <= 12; ++n)
        r << QStringLiteral("Boken ligger <på> bord nummer %1.").arg(n);
    return r;
}

} // namespace

class Skrivinf : public StartadRunda {
protected:
    void SetUp() override
    {
        StartadRunda::SetUp();
        G.skaerm.Skalprocent = 100;
        lovordsfiler({"SVOM9003.LOV", "SVOM9004.LOV", "SVOM9014.LOV"});
    }
    // Types a word into a gap and presses Enter. (QTest types ASCII only.)
    static void skriv(QLineEdit *faelt, const QString &ord)
    {
        ASSERT_TRUE(faelt->isVisible() && faelt->isEnabled()) << qPrintable(faelt->objectName() + QLatin1Char(' ') + ord) << " item " << G.post.PostNummer;
        faelt->insert(ord);
        QTest::keyClick(faelt, Qt::Key_Return);
    }
    // The item's gaps answered right, or the first one wrong.
    static void svara(TSkrivinf &f, bool raett)
    {
        const int luckor = f.Luckor;
        const QString svar2 = f.Post.svar2;
        skriv(f.Edit1, raett ? f.Post.svar1 : QStringLiteral("xyz"));
        if (luckor == 2)
            skriv(f.Edit2, svar2);
    }
};

TEST_F(Skrivinf, ARoundWithATwoGapItemBookedOnceAndItsCorrectionRound)
{
    G.val.LjudLaege = 0;
    datafil(QStringLiteral("SVE42000.DAT"), prepositioner());
    TSkrivinf f;
    f.show();
    EXPECT_EQ(f.Sluttimer->objectName(), QStringLiteral("Timer2"));
    EXPECT_EQ(f.Label10->text(), QStringLiteral("Hon är rädd "));
    EXPECT_EQ(f.Label11->text(), QStringLiteral(" stora hundar."));
    EXPECT_EQ(f.Edit1->maxLength(), 13);
    EXPECT_EQ(f.Edit1->x(), f.Label10->x() + f.Label10->width());
    EXPECT_TRUE(f.UpprepaButton->isHidden());
    // Help waits for the button.
    EXPECT_FALSE(f.BitBtn2->isHidden());
    EXPECT_TRUE(f.Label16->isHidden());
    skriv(f.Edit1, QStringLiteral("för"));
    EXPECT_EQ(G.runda.AntalRaett, 1);

    // A wrong answer: the right one in maroon in the gap, then the wait.
    skriv(f.Edit1, QStringLiteral("i"));
    EXPECT_FALSE(f.Label14->isHidden());
    EXPECT_EQ(f.Label14->text(), QStringLiteral("på"));
    EXPECT_EQ(f.Label14->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(f.Timer1->koer());
    QTest::keyClick(&f, Qt::Key_Space);
    f.Timer1Timer();
    ASSERT_EQ(G.post.PostNummer, 3);

    // Two gaps: the second opens once the first is answered. A wrong first
    // and a right second gap are one wrong answer, booked once.
    EXPECT_FALSE(f.Edit2->isHidden());
    EXPECT_FALSE(f.Edit2->isEnabled());
    skriv(f.Edit1, QStringLiteral("mot"));
    EXPECT_EQ(G.runda.AntalFel, 2);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 2);
    EXPECT_TRUE(f.Edit2->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Edit2);
    skriv(f.Edit2, QStringLiteral("till"));
    EXPECT_EQ(G.runda.AntalFel, 2);
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 2);
    EXPECT_FALSE(f.Aster1->modell().Ratt(3));
    EXPECT_EQ(G.runda.Uppgiftsnummer, 4);
    EXPECT_EQ(G.post.PostNummer, 4);   // the right last answer: no wait

    // Alternatives count for the gap.
    skriv(f.Edit1, QStringLiteral("kring"));
    EXPECT_EQ(G.runda.AntalRaett, 2);
    for (int n = 5; n <= 10; ++n)
        svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 8);
    EXPECT_EQ(G.post.PostNummer, 10);   // no item after the round's last answer
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.Image1->isHidden());
    EXPECT_FALSE(f.Slutpanel->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Button1);

    // The correction round: the same two-gap answer stays one wrong answer
    // and its item goes to the end of the list once.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_EQ(G.fel.FelPostNummer, 2);
    svara(f, true);
    EXPECT_EQ(G.fel.FelPostNummer, 3);
    skriv(f.Edit1, QStringLiteral("mot"));
    skriv(f.Edit2, QStringLiteral("till"));
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 1);
    EXPECT_FALSE(f.Slutpanel->isHidden());
    // Right at last: its own entry goes.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    skriv(f.Edit1, QStringLiteral("från"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 1);   // nothing booked before the second gap
    skriv(f.Edit2, QStringLiteral("till"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Skrivinf, ASentenceWithoutAGapIsPassedOverAndEscAlwaysReachesThePanel)
{
    G.val.LjudLaege = 0;
    // The model comes first here: the gap sentence is the second field.
    const QStringList huvud = {QStringLiteral("$Grammatik"), QStringLiteral("$Imperativ"),
                               QStringLiteral("$§Skriv ordet som saknas och tryck Enter.")};
    datafil(QStringLiteral("SVE46200.DAT"),
            huvud + QStringList{QStringLiteral("Du ska <springa>.#<Spring> nu!"),
                                QStringLiteral("Du ska <gå>.#Gå nu!"),
                                QStringLiteral("Du ska <läsa>.#<Läs> nu!")});
    {
        TSkrivinf f;
        f.show();
        skriv(f.Edit1, QStringLiteral("Spring"));
        EXPECT_EQ(G.post.PostNummer, 3);
        // No field is shown while the right answer stands: Esc brings the panel.
        skriv(f.Edit1, QStringLiteral("Spring"));
        ASSERT_TRUE(f.Edit1->isHidden());
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.Slutpanel->isHidden());
    }
    // Not one sentence with a gap: the usual message, and the window closes.
    datafil(QStringLiteral("SVE42000.DAT"),
            huvud + QStringList{QStringLiteral("Han gick hem."), QStringLiteral("Hon <> sov.")});
    TSkrivinf f;
    EXPECT_TRUE(f.aerStangd());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster.at(0).text, QStringLiteral("Filen SVE42000.DAT finns inte eller är felaktig"));
}

TEST_F(Skrivinf, HelpInTwoStepsAndTheLampFollowsTheActiveGap)
{
    G.val.LjudLaege = 0;
    datafil(QStringLiteral("SVE42000.DAT"), prepositioner());
    TSkrivinf f;
    f.show();
    EXPECT_EQ(f.AntalHjaelp, 2);
    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(f.Label16->isHidden());
    EXPECT_TRUE(f.Label17->isHidden());
    EXPECT_FALSE(f.BitBtn2->isHidden());
    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(f.Label17->isHidden());
    EXPECT_TRUE(f.BitBtn2->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Edit1);
    svara(f, true);
    svara(f, true);   // item 2: no help texts, no help button
    ASSERT_EQ(G.post.PostNummer, 3);
    EXPECT_TRUE(f.BitBtn2->isHidden());

    // The lamp judges what is typed against the gap being typed.
    QTest::mouseClick(f.lampknapp, Qt::LeftButton);
    ASSERT_FALSE(f.LampShape->isHidden());
    QTest::keyClicks(f.Edit1, QStringLiteral("fr"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), QColor(0, 255, 0));
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(f.AktivLucka, 2);
    QTest::keyClicks(f.Edit2, QStringLiteral("ti"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), QColor(0, 255, 0));
    QTest::keyClicks(f.Edit2, QStringLiteral("x"));
    EXPECT_EQ(plattform::bakgrund(f.LampShape), QColor(255, 0, 0));
}

TEST_F(Skrivinf, GapsOnTwoRowsAndAFullStopAfterTheCorrectedWord)
{
    G.val.LjudLaege = 0;
    datafil(QStringLiteral("SVE43100.DAT"),
            {QStringLiteral("Min mormor och min morfar är mycket <äldre> (gammal) än alla andra i hela den stora släkten, men farfar är <äldst>."),
             QStringLiteral("Blåvalen är <störst>.")});
    TSkrivinf f;
    f.show();
    ASSERT_EQ(f.Luckor, 2);
    // One gap on each row: the second row is Label12, Edit2, Label13.
    EXPECT_GT(f.Edit2->y(), f.Edit1->y());
    EXPECT_EQ(f.Label13->text(), QStringLiteral("."));
    EXPECT_EQ(f.Edit2->maxLength(), 15);
    svara(f, true);
    skriv(f.Edit1, QStringLiteral("stor"));
    EXPECT_EQ(f.Label11->text(), QStringLiteral("."));
    EXPECT_EQ(f.Label11->x(), f.Label14->x() + f.Label14->width());   // no blank before it
}

TEST_F(Skrivinf, DiagnosisPracticeWithModelSentenceAndSoundPassesByTheFrameRule)
{
    Protokollregistrering reg(&protokoll);
    G.diagnos.DiagnosNummer = 11;
    G.oevning.Arbetsbladslaege = 3;
    QStringList rader = {QStringLiteral("$Övning"), QStringLiteral("$Knepiga ord")};
    for (int n = 1; n <= 22; ++n)
        rader << QStringLiteral("J-ljudet kan stavas <hj>.#Kan du <hjälpa> mig %1?#Stavas med hj.").arg(n);
    datafil(QStringLiteral("SVOVN111.DAT"), rader);
    skrivBytes(i(QStringLiteral("pc/LJUD/S111/S111001.WAV")), QByteArray(64, '\0'));
    {
        TSkrivinf f;
        f.show();
        EXPECT_EQ(G.ljud.LjudKatalog, QStringLiteral("S111"));
        EXPECT_EQ(f.HjaelpFraanFaelt2, 0);
        EXPECT_FALSE(f.Label3->isHidden());
        EXPECT_TRUE(f.Label3->text().contains(QStringLiteral("#008000\">hj<")));
        EXPECT_EQ(f.Label9->x(), f.InstruktionsLabel->x());
        EXPECT_FALSE(f.UpprepaButton->isHidden());
        for (int t = 0; t < 3; ++t)
            f.Timer5Timer();
        ASSERT_EQ(media.spelade.size(), 1);
        EXPECT_TRUE(media.spelade.at(0).fil.endsWith(QStringLiteral("LJUD/S111/S111001.WAV")));
        // Help used: that right answer does not count.
        QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
        svara(f, true);
        EXPECT_EQ(G.runda.AntalRaett, 0);
        for (int n = 2; n <= 20; ++n)
            svara(f, true);
        EXPECT_EQ(G.runda.AntalRaett, 19);
        EXPECT_EQ(G.diagnos.OevningsNummer, 1);   // the first good round
        EXPECT_FALSE(f.aerStangd());
        // "&Avbryta" after the round does not apply the rule a second time.
        QTest::mouseClick(f.Button3, Qt::LeftButton);
        EXPECT_TRUE(f.aerStangd());
        EXPECT_EQ(G.diagnos.Diagnostabell.status[11], 0);
        EXPECT_EQ(G.diagnos.OevningsNummer, 1);
    }
    TSkrivinf f;
    f.show();
    EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Övning 2"));
    diagnosrunda(f, 8, [&](bool r) { svara(f, r); });
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.status[11], 2);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
    EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 11")});
}

TEST_F(Skrivinf, KnepigaOrdSpeaksTheSentenceAndShowsItsTranslation)
{
    G.val.Oeversaettning = 1;
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/MORVENG.DAT")),
                 {QStringLiteral("Kom hit <genast>, maten blir kall!#Come here at once, the food is getting cold!")});
    skrivBytes(i(QStringLiteral("pc/LJUD/S243/S243001.WAV")), QByteArray(64, '\0'));
    datafil(QStringLiteral("SVE24300.DAT"),
            {QStringLiteral("$Diktamen"), QStringLiteral("$Knepiga ord"),
             QStringLiteral("Kom hit <genast>, maten blir kall!#Ljudet j stavas här med g.#Ordet börjar med ge."),
             QStringLiteral("Vi tände ett <ljus> på bordet.")});
    TSkrivinf f;
    f.show();
    EXPECT_FALSE(f.EngLabel->isHidden());
    EXPECT_EQ(f.EngLabel->text(), QStringLiteral("Come here at once, the food is getting cold!"));
    for (int t = 0; t < 3; ++t)
        f.Timer5Timer();
    ASSERT_EQ(media.spelade.size(), 1);
    EXPECT_TRUE(media.spelade.at(0).fil.endsWith(QStringLiteral("S243/S243001.WAV")));
    QTest::keyClick(f.Edit1, Qt::Key_F2);
    EXPECT_EQ(media.spelade.size(), 2);
    svara(f, true);
    EXPECT_TRUE(f.EngLabel->isHidden());   // no line for the second item
}

TEST_F(Skrivinf, WorksheetModeGivesTheShownItemsLinesAndMovesOn)
{
    G.val.LjudLaege = 0;
    G.oevning.Arbetsbladslaege = 1;
    datafil(QStringLiteral("SVE42000.DAT"), prepositioner());
    TSkrivinf f;
    f.show();
    const int post = G.post.PostNummer;
    const Arbetsbladsrader r = f.arbetsbladsrader(false);
    ASSERT_FALSE(r.fraaga.isEmpty());
    EXPECT_EQ(r.svar.size(), r.fraaga.size());
    EXPECT_FALSE(r.fraaga.first().contains(QLatin1Char('<')));
    EXPECT_TRUE(r.fraaga.first().contains(QStringLiteral("____")));
    f.naestaArbetsbladspost();
    EXPECT_EQ(G.post.PostNummer, post + 1);
    G.oevning.Arbetsbladslaege = 0;
}

class SkrivinfPaa1024 : public StartadRunda {
protected:
    SkrivinfPaa1024() : StartadRunda(QSize(1024, 768)) {}
};

TEST_F(SkrivinfPaa1024, TheSentenceUsesTheWidthUpToTheProgressSquares)
{
    datafil(QStringLiteral("SVE42000.DAT"),
            {QStringLiteral("$Grammatik"), QStringLiteral("$Preposition"),
             QStringLiteral("$§Skriv den preposition som saknas och tryck Enter."),
             QStringLiteral("Pappa är arg <på> mig för att jag inte har städat mitt rum."),
             QStringLiteral("Båten var så låg att den kunde åka <under> bron utan att slå i.#Bron är ovanför båten.")});
    TSkrivinf f;
    f.show();
    ASSERT_GT(G.skaerm.Skalprocent, 150);
    for (int n = 0; n < 2; ++n) {
        const bool kort = f.Post.mening.startsWith(QStringLiteral("Pappa"));
        // The short sentence keeps its last word on its one row.
        if (kort) {
            EXPECT_TRUE(f.Label9->isHidden() || f.Label9->text().isEmpty()) << qPrintable(f.Label9->text());
            EXPECT_EQ(f.Label11->text(), QStringLiteral(" mig för att jag inte har städat mitt rum."));
        }
        // Every row, and the lamp after the gap, ends clear of the squares.
        for (QWidget *w : std::initializer_list<QWidget *>{f.Label9, f.Label10, f.Edit1, f.Label11, f.Label12}) {
            if (!w->isHidden()) {
                EXPECT_LE(w->x() + w->width(), f.Aster1->x()) << qPrintable(w->objectName());
            }
        }
        f.LampShape->show();
        EXPECT_LE(f.LampShape->x() + f.LampShape->width(), f.Aster1->x());
        EXPECT_GE(f.LampShape->x(), f.Label11->x() + f.Label11->width());
        f.LampShape->hide();
        f.Edit1->insert(f.Post.svar1);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
}
