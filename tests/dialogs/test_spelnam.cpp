#include "../support/miljoe.h"
#include "../support/ui/modal.h"

#include "core/tillstaand.h"
#include "dialogs/spelnam.h"
#include "platform/ui/klickpanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
class SpelNam : public Miljoe {
protected:
    void klicka(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    void skriv(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        QTest::keyClicks(e, text);
    }
    void enter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }
};
} // namespace

TEST_F(SpelNam, FirstOpeningShowsNoFieldsAndEnterDoesNothing)
{
    TSpelNam f;
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vem eller vilka ska spela?"));
    EXPECT_TRUE(f.Edit1->isHidden());
    EXPECT_TRUE(f.Edit2->isHidden());
    EXPECT_TRUE(f.Edit3->isHidden());
    EXPECT_TRUE(f.Label5->text().isEmpty());
    enter(f.focusWidget() ? f.focusWidget() : &f);
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(G.spelare.AntalSpelare, 0);
    // The focus stands on the first count, where it is seen; Space chooses it.
    ASSERT_EQ(f.focusWidget(), f.Panel2);
    QTest::keyClick(f.Panel2, Qt::Key_Space);
    EXPECT_EQ(f.Label5->text(), QStringLiteral("Skriv ditt namn."));
    EXPECT_EQ(f.focusWidget(), f.Edit1);
}

TEST_F(SpelNam, OneTwoAndThreePlayersByKeystrokes)
{
    {
        TSpelNam f;
        f.show();
        klicka(f.Panel2);
        EXPECT_EQ(f.Label5->text(), QStringLiteral("Skriv ditt namn."));
        EXPECT_EQ(f.focusWidget(), f.Edit1);
        EXPECT_FALSE(f.Panel2->isEnabled());
        QTest::keyClicks(f.Edit1, QStringLiteral("Åsa"));
        enter(f.Edit1);
        EXPECT_TRUE(f.aerStangd());
        EXPECT_EQ(G.spelare.AntalSpelare, 1);
        EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Åsa"));
        EXPECT_EQ(G.spelare.SpelnamnAvbrutet, 0);
    }
    {
        aaterstaellTillstaand();
        TSpelNam f;
        f.show();
        klicka(f.Panel3);
        EXPECT_EQ(f.Label5->text(), QStringLiteral("Skriv era namn. Tryck Enter."));
        QTest::keyClicks(f.Edit1, QStringLiteral("Per"));
        enter(f.Edit1);   // steps to the next field
        EXPECT_FALSE(f.aerStangd());
        EXPECT_EQ(f.focusWidget(), f.Edit2);
        QTest::keyClicks(f.Edit2, QStringLiteral("Eva"));
        enter(f.Edit2);
        EXPECT_TRUE(f.aerStangd());
        EXPECT_EQ(G.spelare.AntalSpelare, 2);
        EXPECT_EQ(G.spelare.Spelarnamn[2].str(), QStringLiteral("Eva"));
    }
    {
        aaterstaellTillstaand();
        TSpelNam f;
        f.show();
        klicka(f.Panel4);
        EXPECT_EQ(f.Label5->text(), QStringLiteral("Skriv era namn."));
        QTest::keyClicks(f.Edit1, QStringLiteral("Ali"));
        enter(f.Edit1);
        QTest::keyClicks(f.Edit2, QStringLiteral("Bo"));
        enter(f.Edit2);
        EXPECT_EQ(f.focusWidget(), f.Edit3);
        QTest::keyClicks(f.Edit3, QStringLiteral("Cecilia Östergårdsdotter"));   // 19 at most
        enter(f.Edit3);
        EXPECT_TRUE(f.aerStangd());
        EXPECT_EQ(G.spelare.AntalSpelare, 3);
        EXPECT_EQ(G.spelare.Spelarnamn[3].str(), QStringLiteral("Cecilia Östergårdsd"));
    }
}

TEST_F(SpelNam, EmptyNamesAreRefusedAndTheCountStaysAsItWas)
{
    G.spelare.AntalSpelare = 1;
    G.spelare.Spelarnamn[1] = QStringLiteral("Gammal");
    TSpelNam f;
    f.show();
    klicka(f.Panel4);
    f.Edit1->clear();
    QTest::keyClicks(f.Edit1, QStringLiteral("Ada"));
    enter(f.Edit1);
    QTest::keyClicks(f.Edit2, QStringLiteral("Ben"));
    enter(f.Edit2);
    enter(f.Edit3);                     // third name empty
    EXPECT_FALSE(f.aerStangd());
    EXPECT_FALSE(f.Label4->isHidden());
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Det var inget namn!"));
    EXPECT_TRUE(f.Label2->isHidden());
    EXPECT_TRUE(f.Label3->isHidden());
    // Nothing stored by the failed attempt, not even the count.
    EXPECT_EQ(G.spelare.AntalSpelare, 1);
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Gammal"));
    // Esc after it: the game would run with the old players.
    QTest::keyClick(f.Edit3, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.spelare.SpelnamnAvbrutet, 1);
    EXPECT_EQ(G.spelare.AntalSpelare, 1);
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Gammal"));
}

TEST_F(SpelNam, SecondFieldEmptyAndTheFourthFailureChangesTheCaption)
{
    TSpelNam f;
    f.show();
    klicka(f.Panel3);
    QTest::keyClicks(f.Edit1, QStringLiteral("Ola"));
    enter(f.Edit1);
    for (int i = 1; i <= 3; ++i) {
        enter(f.Edit2);
        EXPECT_FALSE(f.Label3->isHidden());
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Vem eller vilka ska spela?"));
    }
    // A key in the first field hides the second field's warning.
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_Backspace);
    EXPECT_TRUE(f.Label3->isHidden());
    f.Edit2->setFocus();
    enter(f.Edit2);
    EXPECT_EQ(f.misslyckanden(), 4);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Du kan avbryta med Escapeknappen."));
    EXPECT_TRUE(f.Label2->isHidden());
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(G.spelare.AntalSpelare, 0);
}

TEST_F(SpelNam, SecondOpeningAcceptsThePreviousNamesWithOneEnter)
{
    G.spelare.AntalSpelare = 2;
    G.spelare.Spelarnamn[1] = QStringLiteral("Kim");
    G.spelare.Spelarnamn[2] = QStringLiteral("Lo");
    G.spelare.Spelarnamn[3] = QStringLiteral("Max");
    TSpelNam f;
    f.show();
    EXPECT_FALSE(f.Edit1->isHidden());
    EXPECT_FALSE(f.Edit2->isHidden());
    EXPECT_TRUE(f.Edit3->isHidden());
    EXPECT_EQ(f.Edit2->text(), QStringLiteral("Lo"));
    EXPECT_TRUE(f.foerifyllt());
    f.Edit1->setFocus();
    enter(f.Edit1);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.spelare.AntalSpelare, 2);
    EXPECT_EQ(G.spelare.Spelarnamn[3].str(), QStringLiteral("Max"));
}

TEST_F(SpelNam, OnePlayerAfterThreeStoresOnlyTheFirstName)
{
    G.spelare.Spelarnamn[2] = QStringLiteral("Gammal2");
    TSpelNam f;
    f.show();
    klicka(f.Panel4);
    QTest::keyClicks(f.Edit1, QStringLiteral("Ny1"));
    enter(f.Edit1);
    f.Edit2->clear();
    QTest::keyClicks(f.Edit2, QStringLiteral("Ny2"));
    klicka(f.Panel2);
    EXPECT_TRUE(f.Edit2->isHidden());
    EXPECT_TRUE(f.Edit3->isHidden());
    EXPECT_EQ(f.Edit2->text(), QStringLiteral("Ny2"));   // hidden, text kept
    EXPECT_TRUE(f.Panel4->isEnabled());
    enter(f.Edit1);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.spelare.AntalSpelare, 1);
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Ny1"));
    EXPECT_EQ(G.spelare.Spelarnamn[2].str(), QStringLiteral("Gammal2"));
}

TEST_F(SpelNam, LauncherAvbrytAndEnterNeverPressesIt)
{
    G.spelare.AntalSpelare = 1;
    G.spelare.Spelarnamn[1] = QStringLiteral("Sam");
    naerModal([](QWidget *w) {
        auto *f = dynamic_cast<TSpelNam *>(w);
        ASSERT_NE(f, nullptr);
        f->Edit1->setFocus();
        QTest::keyClicks(f->Edit1, QStringLiteral("x"));
        f->Edit1->clear();
        QTest::keyClick(f->Edit1, Qt::Key_Return);    // empty: refused, Avbryt not pressed
        EXPECT_EQ(G.spelare.SpelnamnAvbrutet, 0);
        EXPECT_FALSE(f->aerStangd());
        QTest::mouseClick(f->Button2, Qt::LeftButton);
    });
    VisaSpelNam();
    EXPECT_EQ(G.spelare.SpelnamnAvbrutet, 1);
    EXPECT_EQ(G.spelare.AntalSpelare, 1);
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Sam"));
}
