// The word-class game as a pupil plays it: the name, the answer keys and
// buttons, the waits (their handlers called directly) and the Esc panel.
#include "../../support/miljoe.h"
#include "../../support/ui/modal.h"

#include "core/tillstaand.h"
#include "exercises/arrange/falska.h"
#include "platform/timer.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Falska : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        // Questions of five words in file order: four nouns, then none.
        QStringList rader = {QStringLiteral("$Ordkamp"), QStringLiteral("$Substantiv"),
                             QStringLiteral("$§Hur många av orden är substantiv?")};
        for (const char *o : {"bok#substantiv", "hus#substantiv", "kall#adjektiv", "sten#substantiv",
                              "bil#Substantiv", "leka#verb", "glad#adjektiv", "bada#verb", "het#adjektiv",
                              "sova#verb"})
            rader << QString::fromUtf8(o);
        datafil(QStringLiteral("SVE41100.DAT"), rader);
        G.val.SekunderRaettSvar = 2;
    }
    static void tangent(TFalska &f, QChar c)
    {
        QKeyEvent tryck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&f, &tryck);
    }
    static void namn(TFalska &f, const QString &n)
    {
        f.Edit1->setText(n);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Falska, NamePromptsThenARightFourFromEighteenWins)
{
    TFalska f;
    f.show();
    EXPECT_EQ(f.Rubrik.Overs2Label->text(), QStringLiteral("Substantiv"));
    EXPECT_TRUE(f.Panel3->isVisible());
    EXPECT_FALSE(f.siffrorPaa());
    const char *const uppmaningar[] = {"Ditt namn tack!", "Ditt namn tack!!", "Ditt namn tack!!!",
                                       "Avbryt med Escape."};
    for (const char *u : uppmaningar) {
        namn(f, QString());
        EXPECT_EQ(f.Label3->text(), QString::fromUtf8(u));
    }
    EXPECT_FALSE(f.siffrorPaa());
    namn(f, QStringLiteral("Ada"));
    EXPECT_FALSE(f.Panel3->isVisible());
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Ada"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("Ada"));
    EXPECT_TRUE(f.siffrorPaa());
    EXPECT_EQ(f.sv[5]->text(), QStringLiteral("bil")) << meddelanden.texter().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.antalIKlassen, 4);
    EXPECT_FALSE(f.ord[1]->isVisible());

    f.kamp.elev = 18;
    tangent(f, QLatin1Char('4'));
    EXPECT_TRUE(f.gul(19));
    EXPECT_TRUE(f.gul(20));
    EXPECT_FALSE(f.gul(18));
    EXPECT_EQ(f.kamp.elev, 22);
    EXPECT_TRUE(f.Lovord.LovordPanel->isVisible());
    EXPECT_EQ(f.Lovord.LovordLabel1->text().trimmed(), QStringLiteral("Grattis Ada!"));
    EXPECT_TRUE(f.Escapepanel->isVisible());
    EXPECT_FALSE(f.siffrorPaa());

    // "&Fortsätta" after the end: a new game with the same name.
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_EQ(f.kamp.elev, 0);
    EXPECT_FALSE(f.gul(19));
    EXPECT_FALSE(f.Lovord.LovordPanel->isVisible());
    EXPECT_TRUE(f.siffrorPaa());
}

TEST_F(Falska, AnswerButtonsStayOffDuringNameEntryAndWaits)
{
    TFalska f;
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.Escapepanel->isVisible());
    EXPECT_EQ(f.focusWidget(), f.Button3);   // the panel opens with "Fortsätta" in focus
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_FALSE(f.siffrorPaa());
    QTest::keyClick(&f, Qt::Key_Escape);
    staengNaestaModal();   // the settings window
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(f.siffrorPaa());
    namn(f, QStringLiteral("Bo"));

    // Wrong: the marker on the true count, the computer's squares, a wait.
    QTest::mouseClick(f.SpeedButton[2], Qt::LeftButton);
    EXPECT_TRUE(f.SpeedPanel1->isVisible());
    EXPECT_EQ(f.SpeedPanel1->text(), QStringLiteral("4"));
    EXPECT_TRUE(f.gul(24));
    EXPECT_FALSE(f.gul(25));
    EXPECT_TRUE(f.ord[1]->isVisible());
    EXPECT_FALSE(f.ord[3]->isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_FALSE(f.siffrorPaa());
    tangent(f, QLatin1Char('3'));
    EXPECT_EQ(f.kamp.dator, 4);
    // Space ends the wait at the next tick.
    tangent(f, QLatin1Char(' '));
    f.Timer1Timer();
    EXPECT_TRUE(f.siffrorPaa());
    EXPECT_EQ(f.antalIKlassen, 0);
    EXPECT_FALSE(f.SpeedPanel1->isVisible());
}

TEST_F(Falska, AWrongAnswerThatLosesWaitsThenShowsTheLoss)
{
    TFalska f;
    f.show();
    namn(f, QStringLiteral("Ada"));
    f.kamp.dator = 17;
    tangent(f, QLatin1Char('1'));
    EXPECT_EQ(f.Timer2->interval(), 100);
    EXPECT_FALSE(f.Lovord.LovordPanel->isVisible());
    for (int t = 0; t < 19; ++t)
        f.Timer2Timer();
    EXPECT_FALSE(f.Lovord.LovordPanel->isVisible());
    EXPECT_TRUE(f.ord[1]->isVisible());
    f.Timer2Timer();
    EXPECT_EQ(f.Lovord.LovordLabel1->text().trimmed(),
              QStringLiteral("Tyvärr, Ada. Du förlorade mot datorn. Ta revansch."));
    EXPECT_TRUE(f.Escapepanel->isVisible());
    EXPECT_EQ(f.Timer2->interval(), 0);
}

// Questions with no noun score nothing, right or wrong; the board keeps
// every point won so far, up to the end screen.
TEST_F(Falska, AQuestionWithoutAWordOfTheClassLeavesTheScoreboard)
{
    TFalska f;
    f.show();
    namn(f, QStringLiteral("Ada"));
    const auto gula = [&f] {
        QList<int> t;
        for (int tag = 1; tag <= 40; ++tag)
            if (f.gul(tag))
                t << tag;
        return t;
    };
    const auto rutor = [](int till) {
        QList<int> t;
        for (int tag = 1; tag <= till; ++tag)
            t << tag;
        return t;
    };
    tangent(f, QLatin1Char('4'));
    ASSERT_EQ(f.antalIKlassen, 0);
    tangent(f, QLatin1Char('0'));
    EXPECT_EQ(gula(), rutor(4));
    tangent(f, QLatin1Char('4'));
    ASSERT_EQ(f.antalIKlassen, 0);
    tangent(f, QLatin1Char('3'));
    EXPECT_EQ(f.kamp.dator, 0);
    EXPECT_EQ(gula(), rutor(8));
    tangent(f, QLatin1Char(' '));
    f.Timer1Timer();
    for (char svar : {'4', '0', '4', '0', '4'})
        tangent(f, QLatin1Char(svar));
    EXPECT_EQ(f.kamp.elev, 20);
    EXPECT_EQ(gula(), rutor(20));
    EXPECT_EQ(f.Lovord.LovordLabel1->text().trimmed(), QStringLiteral("Grattis Ada!"));
}

// The game asks for the word class of the exercise it was started with,
// whatever the shared state names by the time the window is made.
TEST_F(Falska, TheWordClassIsTheStartsWhateverTheSharedStateNames)
{
    G.oevning.DatFilNamn = QStringLiteral("SVE41200.DAT");   // adjectives
    const Oevningsstart adjektiv = oevningsstart();
    G.oevning.DatFilNamn = QStringLiteral("SVE41100.DAT");   // nouns: the fixture's words
    G.oevning.Programtal = 41100;
    TFalska f(adjektiv);
    f.show();
    namn(f, QStringLiteral("Ada"));
    EXPECT_EQ(f.klass, QStringLiteral("ADJEKTIV"));
    EXPECT_EQ(f.antalIKlassen, 1);   // bok, hus, kall, sten, bil
    tangent(f, QLatin1Char('1'));
    EXPECT_EQ(f.kamp.elev, 1);
}

TEST_F(Falska, TheAnswerLineIsWholeOnASmallScreen)
{
    Saett<Skaerm> skaerm([] { return QSize(800, 600); });
    G.skaerm.Skalprocent = 124;
    TFalska f;
    EXPECT_GE(f.InstruktionsLabel2->width(), f.InstruktionsLabel2->sizeHint().width());
}
