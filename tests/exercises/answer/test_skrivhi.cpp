// The verb-form ladder driven as a pupil drives it: typing in the box,
// Enter, Esc and Space, the end-panel buttons. Timer handlers are called
// directly instead of waiting.
#include "../../support/miljoe.h"

#include "core/tillstaand.h"
#include "exercises/answer/skrivhi.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "exercises/frame/taster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList imperfekt = {
    QStringLiteral("$Tempus"),
    QStringLiteral("$Imperfekt"),
    QStringLiteral("$§Skriv verbet i imperfekt efter Jag och tryck Enter."),
    QStringLiteral("; Varje rad: verbet#formen efter Jag#&andra former."),
    QStringLiteral("hoppa#hoppade"),
    QStringLiteral("lägga#lade#&la"),
    QStringLiteral("skriva#skrev"),
    QStringLiteral("säga#sade#&sa"),
    QStringLiteral("bo#bodde"),
    QStringLiteral("ge#gav"),
    QStringLiteral("gå#gick"),
    QStringLiteral("se#såg"),
};

class Skrivhi : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        datafil(QStringLiteral("SVE46120.DAT"), imperfekt);
    }

    static void skriv(TSKRIVHI &f, const QString &svar)
    {
        f.Edit1->setFocus();
        f.Edit1->setText(svar);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
    // Lets the running wait run out, tick by tick.
    static void vaenta(TSKRIVHI &f)
    {
        for (int n = 0; n < 20 && f.Timer1->interval() > 0; ++n)
            f.Timer1Timer();
    }
    static void svaraRaett(TSKRIVHI &f)
    {
        skriv(f, f.SvarsLabel->text());
        vaenta(f);
    }
};

} // namespace

TEST(SkrivhiBeroemtext, TheSuffixFollowsTheErrorCount)
{
    EXPECT_EQ(SkrivhiBeroem(0), QStringLiteral("Du gjorde 0 fel. Grattis!"));
    EXPECT_EQ(SkrivhiBeroem(2), QStringLiteral("Du gjorde 2 fel. Försök att få alla rätt!"));
    EXPECT_EQ(SkrivhiBeroem(4), QStringLiteral("Du gjorde 4 fel. Försök en gång till!"));
    EXPECT_EQ(SkrivhiBeroem(5), QStringLiteral("Du gjorde 5 fel."));
}

TEST_F(Skrivhi, TheLadderClimbedToTheTopWithOneWrongAnswer)
{
    G.val.SekunderRaettSvar = 5;
    TSKRIVHI f;
    f.show();
    EXPECT_EQ(G.oevning.Programtal, 46120);
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Imperfekt"));
    EXPECT_EQ(f.Radnummer, 1);
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(hoppa)"));
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("Regel"));
    EXPECT_TRUE(f.BitBtn2->isVisible());
    EXPECT_FALSE(f.Aster1->isVisible());

    svaraRaett(f);
    EXPECT_EQ(f.Radnummer, 2);
    EXPECT_EQ(f.Label12->text(), QStringLiteral("(hoppa)"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Jag hoppade"));
    EXPECT_EQ(plattform::bakgrund(f.Panel3), plattform::clLime);
    EXPECT_EQ(plattform::bakgrund(f.Panel4), plattform::clGreen);

    // A wrong answer: the red square, the right form above, the same verb again.
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(lägga)"));
    skriv(f, QStringLiteral("lägger"));
    EXPECT_EQ(plattform::bakgrund(f.Panel2), plattform::clRed);
    EXPECT_TRUE(f.Label2->isVisible());
    EXPECT_EQ(f.Label2->text(), QStringLiteral("lade"));
    EXPECT_LT(f.Label2->y(), f.Label1->y());
    EXPECT_EQ(f.Timer1->interval(), 1000);
    for (int n = 1; n < 5; ++n)
        f.Timer1Timer();
    EXPECT_EQ(f.Timer1->interval(), 1000);   // the pupil's own seconds still count
    f.Timer1Timer();
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(lägga)"));
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    EXPECT_TRUE(f.Edit1->isEnabled());
    EXPECT_EQ(f.Radnummer, 2);
    EXPECT_EQ(G.val.SekunderRaettSvar, 3);

    // The other accepted form is right too.
    skriv(f, QStringLiteral("la"));
    EXPECT_EQ(plattform::bakgrund(f.Panel2), plattform::clLime);
    EXPECT_EQ(f.Timer1->interval(), 100);
    vaenta(f);
    EXPECT_EQ(f.Label6->text(), QStringLiteral("Jag lade"));
    for (int rad = 3; rad <= 5; ++rad)
        svaraRaett(f);
    EXPECT_EQ(f.Radnummer, 6);

    // The sixth right answer ends the round at once: no wait, no seventh row.
    skriv(f, f.SvarsLabel->text());
    EXPECT_FALSE(f.Timer1->koer());
    EXPECT_TRUE(f.Panel1->isVisible());
    EXPECT_TRUE(f.LovordPanel->isVisible());
    EXPECT_EQ(f.LovordLabel1->text().trimmed(), QStringLiteral("Du gjorde 1 fel. Försök att få alla rätt!"));
    EXPECT_EQ(f.SlutLabel->text(), QStringLiteral("Jag gav"));
    EXPECT_EQ(plattform::bakgrund(f.Panel8), plattform::clLime);
    EXPECT_FALSE(f.Edit1->isVisible());
    EXPECT_EQ(f.focusWidget(), f.Button2);
    f.Timer1Timer();
    EXPECT_EQ(f.Radnummer, 6);
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(ge)"));
}

TEST_F(Skrivhi, FiveErrorsSpaceEscAndARestartFromRowOne)
{
    TSKRIVHI f;
    f.show();
    for (int n = 0; n < 5; ++n) {
        skriv(f, QStringLiteral("fel"));
        // Space ends the wait at the next tick.
        QTest::keyClick(&f, Qt::Key_Space);
        f.Timer1Timer();
        EXPECT_EQ(f.Timer1->interval(), 0);
    }
    EXPECT_EQ(G.runda.AntalFel, 5);
    EXPECT_EQ(f.Radnummer, 1);
    for (int rad = 1; rad <= 5; ++rad)
        svaraRaett(f);
    skriv(f, f.SvarsLabel->text());
    EXPECT_EQ(f.LovordLabel1->text().trimmed(), QStringLiteral("Du gjorde 5 fel."));

    // "&Fortsätta" climbs again from row 1 with the errors cleared.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(f.Radnummer, 1);
    EXPECT_EQ(G.runda.AntalFel, 0);
    EXPECT_FALSE(f.Panel1->isVisible());
    EXPECT_FALSE(f.LovordPanel->isVisible());
    EXPECT_FALSE(f.Label12->isVisible());
    EXPECT_EQ(plattform::bakgrund(f.Panel3), plattform::clGreen);

    // Esc in the box: the end panel over the round, no praise.
    svaraRaett(f);
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(f.Panel1->isVisible());
    EXPECT_FALSE(f.LovordPanel->isVisible());
    EXPECT_FALSE(f.Edit1->isEnabled());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(f.Radnummer, 1);
    EXPECT_TRUE(f.Edit1->isEnabled());
}

TEST_F(Skrivhi, AfterFortsaettaEveryNewVerbGetsTheBoxFocused)
{
    TSKRIVHI f;
    f.show();
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    // Enter takes the focus from the box; the next verb gives it back.
    svaraRaett(f);
    EXPECT_EQ(f.Radnummer, 2);
    EXPECT_EQ(f.focusWidget(), f.Edit1);
}

TEST_F(Skrivhi, WorksheetModeShowsEachSentItemOnTheLadder)
{
    G.oevning.Arbetsbladslaege = 1;
    TSKRIVHI f;
    f.show();
    EXPECT_FALSE(f.Edit1->isVisible());
    EXPECT_FALSE(f.Label1->isVisible());
    EXPECT_TRUE(f.avsnittMedRubrikOchKolon());
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(hoppa)"));
    f.naestaArbetsbladspost();
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(lägga)"));
    EXPECT_FALSE(f.Label12->isVisible());
    const Arbetsbladsrader r = f.arbetsbladsrader(false);
    EXPECT_EQ(r.fraaga, (QStringList{QStringLiteral("lägga"), QString(57, QLatin1Char('_'))}));
    f.postSkickad();
    f.naestaArbetsbladspost();
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("(skriva)"));
    EXPECT_EQ(f.Label12->text(), QStringLiteral("lägga"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Jag lade"));
    EXPECT_EQ(f.Radnummer, 2);
}
