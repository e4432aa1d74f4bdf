// Reading comprehension as a pupil takes it: the fable read, then the
// questions answered by digits and clicks, one of them wrong.
#include "../../support/miljoe.h"
#include "../../support/saett.h"

#include "core/tillstaand.h"
#include "exercises/answer/insetxt.h"
#include "platform/ui/faerger.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class InseTxt : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        datafil("SVE56100.DAT", {"$Läsförståelse", "$Fabel 1", "$§Läs texten.",
                                 "Vad hette korpen?#Kraxa#Kaja#Rufus", "Vilken färg hade osten?#gul#vit",
                                 "Bara ett svar?#ja", "Hur många tuggor tog räven?#tre#en#fem"});
        skrivFil1252(i("cd/DATA/LAS/SVE56100.LAS"),
                     {"$Räven och korpen", "Korpen", "satt i en tall med en ost.", "Räven kom förbi."});
    }
    // The row (1..3) that shows `svar`.
    static int rad(TInseTxt &f, const QString &svar)
    {
        for (int k = 0; k < 3; ++k)
            if (f.AltLabel[k]->isVisible() && f.AltLabel[k]->text() == svar)
                return k + 1;
        return 0;
    }
    static void vaenta(TInseTxt &f)
    {
        for (int t = 0; t < 10 * G.val.SekunderRaettSvar; ++t)
            f.Timer1Timer();
    }
};

TEST_F(InseTxt, AFableReadThenARoundByDigitsAndClicksWithOneWrongAnswer)
{
    TInseTxt f;
    f.show();
    EXPECT_TRUE(f.TextVisas);
    EXPECT_EQ(f.Memo1->toPlainText(), "Korpen satt i en tall med en ost.\nRäven kom förbi.");
    EXPECT_EQ(G.runda.AntalIRunda, 4);   // a file of four items gives rounds of four
    ASSERT_EQ(f.focusWidget(), f.SeTextButton);   // the text opens with its button in focus
    QTest::mouseClick(f.SeTextButton, Qt::LeftButton);
    EXPECT_EQ(f.SeTextButton->text(), "&Se texten");
    EXPECT_TRUE(f.TextPanel1->isHidden());

    EXPECT_EQ(f.FrageLabel1->text(), "Vad hette korpen?");
    QTest::keyClick(f.Edit1, char('0' + rad(f, "Kraxa")));
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_TRUE(f.Edit1->text().isEmpty());

    // Two alternatives: no third row, and key 3 does nothing.
    EXPECT_EQ(f.FrageLabel1->text(), "Vilken färg hade osten?");
    EXPECT_TRUE(f.NrPanel[2]->isHidden());
    QTest::keyClick(f.Edit1, '3');
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    QTest::mouseClick(f.AlternativPanel[rad(f, "vit") - 1], Qt::LeftButton);
    EXPECT_EQ(f.RattSvarLabel->text(), "gul");
    EXPECT_TRUE(f.RattSvarLabel->isVisible());
    const int lit = rad(f, "gul");
    EXPECT_EQ(f.AlternativPanel[lit - 1]->palette().color(QPalette::Window), plattform::clAqua);
    // During the wait the lit right answer is no further answer.
    QTest::mouseClick(f.AlternativPanel[lit - 1], Qt::LeftButton);
    QTest::keyClick(f.Edit1, char('0' + lit));
    EXPECT_EQ(G.runda.Uppgiftsnummer, 3);
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(G.runda.AntalFel, 1);
    vaenta(f);

    // The item with one alternative is passed over.
    EXPECT_EQ(f.FrageLabel1->text(), "Hur många tuggor tog räven?");
    QTest::mouseClick(f.NrPanel[rad(f, "tre") - 1], Qt::LeftButton);
    EXPECT_EQ(f.FrageLabel1->text(), "Vad hette korpen?");
    QTest::keyClick(f.Edit1, char('0' + rad(f, "Kraxa")));
    EXPECT_EQ(G.runda.AntalRaett, 3);
    EXPECT_TRUE(f.Slutpanel->isVisible());
    EXPECT_TRUE(f.BildPanelen->isVisible());
    EXPECT_FALSE(f.SeTextButton->isEnabled());

    QTest::mouseClick(f.Button2, Qt::LeftButton);   // "&Fortsätta": a new round
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_TRUE(f.Slutpanel->isHidden());
}

TEST_F(InseTxt, RightClickOpensThePanelAndFortsaettaKeepsTheItemButRestartsTheSquares)
{
    TInseTxt f;
    f.show();
    QTest::keyClick(f.Edit1, char('0' + rad(f, "Kraxa")));
    const QString fraaga = f.FrageLabel1->text();
    QTest::mouseClick(f.AlternativPanel[0], Qt::RightButton);
    EXPECT_TRUE(f.Slutpanel->isVisible());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(f.FrageLabel1->text(), fraaga);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
}

TEST_F(InseTxt, AMissingReadingTextIsSaidAndTheWindowCloses)
{
    datafil("SVE56200.DAT", {"$Läsförståelse", "$Fabel 2", "$§Läs.", "Vem?#jag#du"});
    TInseTxt f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_TRUE(meddelanden.texter().contains("Filen SVE56200.LAS finns inte eller är felaktig"));
}

TEST_F(InseTxt, ExplainedWordsAsksTenQuestionsWithoutAText)
{
    datafil("SVE32130.DAT", {"$Ord", "$Förklarat ord", "$§Välj.", "Vad är en tall?#ett träd#en fisk",
                             "Vad är en ost?#mat#ett djur#en färg"});
    TInseTxt f;
    f.show();
    EXPECT_FALSE(f.TextVisas);
    EXPECT_TRUE(f.SeTextButton->isHidden());
    EXPECT_EQ(G.runda.AntalIRunda, 10);
    EXPECT_EQ(f.FrageLabel1->text(), "Vad är en tall?");
}

TEST_F(InseTxt, ThePraiseNeverAsksForACorrectionRoundThisWindowDoesNotHave)
{
    lovordsfiler({"SVOM9002.LOV"});
    skrivFil1252(i("cd/DATA/LOV/SVOM9002.LOV"),
                 {"Mycket bra!#Rätta felet#så är allt klart.", "Fint!#Med ett fel kvar#är du snart i mål."});
    TInseTxt f;
    f.show();
    for (int runda = 1; runda <= 2; ++runda) {
        // One wrong answer, the first of the round; the rest right.
        bool fel = true;
        for (int n = 0; n < 8 && f.Slutpanel->isHidden(); ++n) {
            const int r = rad(f, f.postdelar.faelt[2]);
            QTest::keyClick(f.Edit1, char('0' + (fel ? r % f.AntalVal + 1 : r)));
            if (fel)
                vaenta(f);
            fel = false;
        }
        ASSERT_TRUE(f.Slutpanel->isVisible());
        EXPECT_EQ(G.runda.AntalRaett, G.runda.AntalIRunda - 1);
        EXPECT_TRUE(f.LovordPanel->isVisible()) << runda;
        EXPECT_TRUE(f.LovordLabel1->text().startsWith("Fint!")) << qPrintable(f.LovordLabel1->text());
        QTest::mouseClick(f.Button2, Qt::LeftButton);
    }
}
