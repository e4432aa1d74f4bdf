// The sentence-parts window as a pupil drives it: parts dragged onto boxes
// (the drop events sent as the window system sends them), the end of the
// round, and the level mode.
#include "../../support/miljoe.h"
#include "../../support/ui/provdrag.h"

#include "core/tillstaand.h"
#include "exercises/arrange/satsu.h"
#include "platform/timer.h"
#include "platform/ui/klickpanel.h"
#include "exercises/frame/taster.h"
#include "platform/ui/kontroller.h"

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace plattform;

class Sats : public StartatProgram {
protected:
    // The pupil points at part `del`, presses and drops it on box `ruta`.
    static bool dra(TSats &f, int del, int ruta)
    {
        QLabel *l = f.Men[std::size_t(del - 1)];
        QMouseEvent over(QEvent::MouseMove, QPointF(2, 2), l->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(l, &over);
        auto *k = l->findChild<Dragkaella *>();
        QLabel *b = f.Memo[std::size_t(ruta - 1)];
        return provDrag(*k, b, b->rect().center());
    }
    // Every box gets its part.
    static void loes(TSats &f)
    {
        const QList<Satsruta> rutor = f.Rutor;
        for (int k = 1; k <= rutor.size(); ++k)
            ASSERT_TRUE(dra(f, rutor.at(k - 1).del, k));
    }
    static QString ruta(TSats &f, int k) { return f.Memo[std::size_t(k - 1)]->text(); }
};

TEST_F(Sats, ARoundOfSentencesWithWrongDropsTwinBoxesAndTheDelayedEnd)
{
    QStringList rader = {QStringLiteral("$Satsdelar"), QStringLiteral("$Ackusativ eller dativobjekt ?"),
                         QStringLiteral("<Hunden> <skäller>.#S#P"),
                         QStringLiteral("Inget att placera här.#S"),
                         QStringLiteral("<Morfar> byggde <barnbarnen> <en trädkoja>.#S#DO#AO"),
                         QStringLiteral("<Ali> och <Bo> <leker>.#S#S#P")};
    for (int n = 0; n < 8; ++n)
        rader << QStringLiteral("Moster gav <mig> <en ryggsäck>.#DO#AO");
    datafil(QStringLiteral("SVE47300.DAT"), rader);
    TSats f;
    f.show();
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Ackusativ eller dativobjekt ?"));
    EXPECT_TRUE(f.NivPanel->isHidden());
    EXPECT_EQ(f.Aster1->MaxAntalRutor(), 10);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("För musen över meningen."));

    // Code order: box 1 "Predikat" for part 2, box 2 "Subjekt" for part 1.
    EXPECT_TRUE(f.Mell[0]->isHidden());
    EXPECT_EQ(f.Men[0]->text(), QStringLiteral("Hunden"));
    EXPECT_EQ(f.Kopia[0]->text(), QStringLiteral("Hunden"));
    EXPECT_EQ(ruta(f, 1), QStringLiteral("Predikat"));
    EXPECT_EQ(ruta(f, 2), QStringLiteral("Subjekt"));
    EXPECT_TRUE(f.Memo[2]->isHidden());
    // A wrong drop is refused; the right drops then finish the item as wrong.
    EXPECT_FALSE(dra(f, 1, 1));
    EXPECT_FALSE(f.FelPanel->isHidden());
    EXPECT_EQ(f.FelPanel->caption(), QStringLiteral("Fel. Gör ett nytt försök!"));
    EXPECT_EQ(f.Shape1->fyllning(), QColor(255, 0, 0));
    EXPECT_EQ(f.Men[0]->pos(), f.Kopia[0]->pos());   // it went back
    EXPECT_TRUE(dra(f, 2, 1));
    EXPECT_EQ(f.Shape1->fyllning(), QColor(0, 255, 0));
    QLabel *b = f.Memo[0];
    EXPECT_EQ(f.Men[1]->y(), b->y() - 30);
    EXPECT_EQ(f.Men[1]->x(), b->x() + b->width() / 2 - f.Men[1]->width() / 2);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Här kan du släppa upp knappen."));
    EXPECT_TRUE(dra(f, 1, 2));
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 1);
    EXPECT_FALSE(f.Aster1->modell().Ratt(1));

    // The line with nothing to place was passed over. A placed part starts
    // no new drag and a filled box takes nothing: part 1 twice never
    // finishes the item.
    EXPECT_EQ(f.Men[0]->text(), QStringLiteral("Morfar"));
    EXPECT_EQ(ruta(f, 3), QStringLiteral("Subjekt"));
    EXPECT_TRUE(dra(f, 1, 3));
    EXPECT_FALSE(dra(f, 1, 3));
    EXPECT_FALSE(dra(f, 1, 1));
    EXPECT_TRUE(f.FelPanel->isHidden());
    EXPECT_EQ(f.Ren, 1);
    int drag = 0;
    Saett<Dragkoerare> g([&](QDrag &) { ++drag; return Qt::IgnoreAction; });
    QTest::mousePress(f.Men[0], Qt::LeftButton);
    EXPECT_EQ(drag, 0);
    QTest::mousePress(f.Men[1], Qt::LeftButton);
    EXPECT_EQ(drag, 1);
    EXPECT_TRUE(dra(f, 2, 2));
    EXPECT_TRUE(dra(f, 3, 1));
    EXPECT_EQ(G.runda.AntalRaett, 1);

    // Two subject boxes: either subject fills the empty one it is dropped on.
    EXPECT_EQ(ruta(f, 2), QStringLiteral("Subjekt"));
    EXPECT_EQ(ruta(f, 3), QStringLiteral("Subjekt"));
    EXPECT_TRUE(dra(f, 2, 2));
    EXPECT_EQ(f.Rutor.at(1).del, 2);
    EXPECT_TRUE(dra(f, 1, 3));
    EXPECT_TRUE(dra(f, 3, 1));
    EXPECT_EQ(G.runda.AntalRaett, 2);

    // To the last item; a wrong last item delays the end its seconds.
    G.val.SekunderRaettSvar = 1;
    while (G.runda.Uppgiftsnummer < 10)
        loes(f);
    EXPECT_FALSE(dra(f, 2, 2));
    loes(f);
    EXPECT_TRUE(f.Sluttimer->koer());
    EXPECT_EQ(f.Sluttimer->objectName(), QStringLiteral("Timer2"));
    EXPECT_TRUE(f.Panel1->isHidden());
    for (int t = 0; t < 9; ++t)
        f.SluttimerTimer();
    EXPECT_TRUE(f.Panel1->isHidden());
    f.SluttimerTimer();
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.BildPanelen->isHidden());
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 2);

    // The correction round brings the first wrong item back.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_EQ(f.Men[0]->text(), QStringLiteral("Hunden"));
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join('|'));

    // A right click shows the panel without "&Rätta felen"; Esc shows it too.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    QTest::mouseClick(&f, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_TRUE(f.Button1->isHidden());
    f.Panel1->hide();
    f.setFocus();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Button2);   // the panel opens with "Fortsätta" in focus
    EXPECT_FALSE(f.aerStangd());
}

TEST_F(Sats, PointingAtAPartColoursItAndShowsTheClickHelpUntilTheMouseLeavesIt)
{
    datafil(QStringLiteral("SVE47300.DAT"), {QStringLiteral("$Satsdelar"), QStringLiteral("$Subjekt"),
                                              QStringLiteral("<Hunden> <skäller>.#S#P")});
    TSats f;
    f.show();
    QLabel *l = f.Men[0];
    QMouseEvent over(QEvent::MouseMove, QPointF(2, 2), l->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(l, &over);
    EXPECT_EQ(l->palette().color(l->backgroundRole()), QColor(0, 255, 255));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Här kan du klicka med vänster musknapp."));
    // Off the part, on the window's ground: both are cleared.
    QMouseEvent bort(QEvent::MouseMove, QPointF(1, 1), f.mapToGlobal(QPointF(1, 1)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&f, &bort);
    EXPECT_NE(l->palette().color(l->backgroundRole()), QColor(0, 255, 255));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Styr musen till meningen!"));
}

TEST_F(Sats, AFileWithNothingToPlaceIsReportedAndTheWindowCloses)
{
    datafil(QStringLiteral("SVE47300.DAT"),
            {QStringLiteral("$Satsdelar"), QStringLiteral("Inga märken.#S"), QStringLiteral("<Trasig.#S")});
    TSats f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(), QStringList{QStringLiteral("Filen SVE47300.DAT finns inte eller är felaktig")});
}

TEST_F(Sats, LevelsRiseAfterThreeCleanItemsFallAfterAWrongOneAndEndAtTheTop)
{
    datafil(QStringLiteral("SVE47100.DAT"),
            {QStringLiteral("$Satsdelar"), QStringLiteral("1<Hunden> <skäller>.#S#P"),
             QStringLiteral("1<Solen> <skiner>.#S#P"), QStringLiteral("2<Vi> <badar> i sjön.#S#P"),
             QStringLiteral("4<Fyra> <syns> aldrig.#S#P")});
    TSats f;
    f.show();
    EXPECT_FALSE(f.NivPanel->isHidden());
    EXPECT_TRUE(f.Button1->isHidden());
    EXPECT_EQ(f.Nivaa.antalNivaaer, 2);
    EXPECT_EQ(f.NivLabel1->text(), QStringLiteral("Nivå"));
    EXPECT_EQ(f.NivLabel2->text(), QStringLiteral("1"));
    EXPECT_EQ(f.Gauge1->progress(), 1);
    loes(f);
    EXPECT_EQ(f.NivLabel2->font().pixelSize(), 32);   // 24 points
    loes(f);
    loes(f);
    EXPECT_EQ(f.NivLabel2->text(), QStringLiteral("2"));
    EXPECT_EQ(f.Gauge1->progress(), 2);
    EXPECT_EQ(f.Men[1]->text(), QStringLiteral("badar"));
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);   // levels, not rounds
    // A wrong drop makes the item unclean: down to level 1.
    EXPECT_FALSE(dra(f, 1, 1));
    loes(f);
    EXPECT_EQ(f.NivLabel2->text(), QStringLiteral("1"));
    EXPECT_EQ(f.Gauge1->progress(), 1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    for (int n = 0; n < 6; ++n)
        loes(f);
    EXPECT_EQ(f.LovordLabel1->text().trimmed(), QStringLiteral("Grattis! Du nådde ända upp."));
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_EQ(f.Gauge1->procent(), 100);
    // "&Fortsätta" starts again at level 1.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(f.NivLabel2->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.LovordPanel->isHidden());
    EXPECT_TRUE(f.Panel1->isHidden());
    EXPECT_FALSE(f.Nivaa.topp);
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Sats, ALevelFileWithoutLevelOneIsReported)
{
    datafil(QStringLiteral("SVE47200.DAT"), {QStringLiteral("2<Vi> <badar>.#S#P")});
    TSats f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(), QStringList{QStringLiteral("Filen SVE47200.DAT finns inte eller är felaktig")});
}

TEST_F(Sats, AFileWithoutTitleLinesTakesItsProgramsHeading)
{
    datafil(QStringLiteral("SVE47200.DAT"), {QStringLiteral("1<Vi> <badar>.#S#P")});
    TSats f;
    f.show();
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Vilket är ackusativobjektet?"));
    EXPECT_EQ(G.arbetsblad.Utskriftsrubrik, QStringLiteral("SATSDELAR. Ackusativobjekt"));
    datafil(QStringLiteral("SVE47100.DAT"), {QStringLiteral("1<Vi> <badar>.#S#P")});
    TSats g;
    g.show();
    EXPECT_EQ(g.Overs2Label->text(), QStringLiteral("Predikat eller subjekt?"));
    EXPECT_EQ(G.arbetsblad.Utskriftsrubrik, QStringLiteral("SATSDELAR. Predikat och subjekt?"));
}

TEST_F(Sats, InWorksheetModeTheLevelFileGivesPlainSentencesThatDoNotDrag)
{
    G.oevning.Arbetsbladslaege = 1;
    datafil(QStringLiteral("SVE47100.DAT"), {QStringLiteral("$Satsdelar"), QStringLiteral("12<Vi> <badar>.#S#P")});
    TSats f;
    f.show();
    EXPECT_FALSE(f.NivaaPaa);
    EXPECT_TRUE(f.NivPanel->isHidden());
    EXPECT_TRUE(f.Label3->isHidden());
    EXPECT_EQ(f.Men[0]->text(), QStringLiteral("Vi"));
    EXPECT_TRUE(f.Mell[0]->isHidden());
    int drag = 0;
    Saett<Dragkoerare> g([&](QDrag &) { ++drag; return Qt::IgnoreAction; });
    QTest::mousePress(f.Men[0], Qt::LeftButton);
    EXPECT_EQ(drag, 0);
    const Arbetsbladsrader r = f.arbetsbladsrader(true);
    const QString linje(28, QLatin1Char('_'));
    EXPECT_EQ(r.fraaga, (QStringList{QStringLiteral("Vi badar."), QStringLiteral("Predikat             =") + linje,
                                     QStringLiteral("Subjekt               =") + linje}));
    EXPECT_EQ(r.svar, (QStringList{QStringLiteral("Vi badar."), QStringLiteral("Predikat             = badar"),
                                   QStringLiteral("Subjekt               = Vi")}));
}
