// The odd-one-out game as three pupils play it, the pause and the wait,
// "&Nya namn" cancelled, and Esc in the player-names window.
#include "../../support/miljoe.h"

#include "core/tillstaand.h"
#include "dialogs/spelnam.h"
#include "exercises/arrange/katten.h"
#include "core/foensterregister.h"
#include "platform/timer.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Katten : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QStringList rader = {QStringLiteral("$Katt bland hermeliner"), QStringLiteral("$Brokig katt"),
                             QStringLiteral("$§Vilket ord hör inte ihop med de andra tre?")};
        for (int n = 0; n < 40; ++n)
            rader << QStringLiteral("haj#val#delfin#späckhuggare#Val, delfin och späckhuggare är däggdjur.");
        datafil(QStringLiteral("SVE32210.DAT"), rader);
        G.val.SekunderRaettSvar = 2;
        G.spelare.AntalSpelare = 3;
        G.spelare.Spelarnamn[1] = QStringLiteral("Ada");
        G.spelare.Spelarnamn[2] = QStringLiteral("Bo");
        G.spelare.Spelarnamn[3] = QStringLiteral("Cia");
    }
    static void tangent(Tkatten &f, QChar c)
    {
        QKeyEvent tryck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&f, &tryck);
    }
    static void raett(Tkatten &f) { tangent(f, QChar(u'0' + f.raettPanel)); }
};

} // namespace

TEST_F(Katten, ThreePlayersToTheEndWithALastTurn)
{
    Tkatten f;
    f.show();
    EXPECT_EQ(f.Overskriftlabel->text(), QStringLiteral("Vad ska bort?"));
    EXPECT_EQ(f.NamnLabel[3]->text(), QStringLiteral("Cia"));
    EXPECT_EQ(f.spel.aktuell(), 1);
    EXPECT_EQ(f.KattLabel[std::size_t(f.raettPanel)]->text(), QStringLiteral("haj"));
    for (int runda = 0; runda < 4; ++runda) {
        raett(f);
        raett(f);
        if (runda < 2) {
            raett(f);
        } else {
            tangent(f, QChar(u'0' + (f.raettPanel % 4 + 1)));
            EXPECT_TRUE(f.Kommentarlabel->isVisible());
            EXPECT_EQ(f.Kommentarlabel->text(), QStringLiteral("Val, delfin och späckhuggare är däggdjur."));
            f.Timer1Timer();
            EXPECT_TRUE(f.Kommentarlabel->isVisible());
            f.Timer1Timer();
            EXPECT_FALSE(f.Kommentarlabel->isVisible());
        }
    }
    EXPECT_EQ(f.spel.poaeng(1), 4);
    EXPECT_EQ(f.spel.poaeng(2), 4);
    EXPECT_EQ(f.spel.poaeng(3), 2);
    EXPECT_EQ(f.PoengPanel[2]->width(), 4 * 20 * (640 / 32) / 5);
    raett(f);
    EXPECT_TRUE(f.spel.avslutning());
    EXPECT_EQ(f.spel.aktuell(), 2);

    // A pause in the ending phase: "&Fortsätta" only resumes it.
    QMouseEvent hoeger(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                       Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(f.KattPanel[1], &hoeger);
    EXPECT_TRUE(f.Panel1->isVisible());
    EXPECT_FALSE(f.KattPanel[1]->isEnabled());
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_TRUE(f.spel.avslutning());
    EXPECT_TRUE(f.KattPanel[1]->isEnabled());

    raett(f);
    EXPECT_TRUE(f.spelSlut);
    EXPECT_EQ(f.Lovord.LovordLabel1->objectName(), QStringLiteral("LovordLabel"));
    EXPECT_EQ(f.Lovord.LovordLabel1->text().trimmed(), QStringLiteral("Grattis, Ada och Bo"));
    EXPECT_FALSE(f.KattPanel[1]->isVisible());
    EXPECT_TRUE(f.Panel1->isVisible());

    // A new game with the same players; player 1 begins.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_FALSE(f.spelSlut);
    EXPECT_EQ(f.spel.aktuell(), 1);
    EXPECT_EQ(f.spel.poaeng(1), 0);
    EXPECT_TRUE(f.KattPanel[1]->isVisible());
}

TEST_F(Katten, ResumingDuringAWaitKeepsThePanelsOffAndTheNumberLabelAnswers)
{
    G.spelare.AntalSpelare = 1;
    Tkatten f;
    f.show();
    tangent(f, QChar(u'0' + (f.raettPanel % 4 + 1)));
    EXPECT_EQ(G.runda.AntalFel, 1);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.Panel1->isVisible());
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_FALSE(f.KattPanel[2]->isEnabled());
    f.Timer1Timer();
    f.Timer1Timer();
    EXPECT_TRUE(f.KattPanel[2]->isEnabled());
    // Pressing on a panel's number answers for that panel.
    const int vid = f.raettPanel;
    QTest::mouseClick(f.NrLabel[std::size_t(vid)], Qt::LeftButton);
    EXPECT_EQ(f.spel.poaeng(1), 1);
}

TEST_F(Katten, NewNamesCancelledKeepsTheBoardAndEscCancelsTheNamesWindow)
{
    Tkatten f;
    f.show();
    raett(f);
    const Startare foere = registreraFoenster(Foenstertyp::TSpelNam, [] { G.spelare.SpelnamnAvbrutet = 1; });
    QTest::keyClick(&f, Qt::Key_Escape);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    registreraFoenster(Foenstertyp::TSpelNam, foere);
    EXPECT_TRUE(f.NamnLabel[2]->isVisible());
    EXPECT_EQ(f.NamnLabel[2]->text(), QStringLiteral("Bo"));
    EXPECT_EQ(f.spel.poaeng(1), 0);
    EXPECT_EQ(f.spel.aktuell(), 1);
    raett(f);
    EXPECT_GT(f.PoengPanel[1]->width(), 0);
    EXPECT_TRUE(f.KattPanel[1]->isEnabled());

    TSpelNam n;
    n.show();
    n.Panel2Click();
    QTest::keyClicks(n.Edit1, QStringLiteral("Ada"));
    QTest::keyClick(n.Edit1, Qt::Key_Escape);
    EXPECT_EQ(G.spelare.SpelnamnAvbrutet, 1);
    EXPECT_TRUE(n.aerStangd());
}

TEST_F(Katten, AWrongLastTurnKeepsTheCommentOnTheEndScreen)
{
    G.spelare.AntalSpelare = 2;
    Tkatten f;
    f.show();
    for (int tur = 0; tur < 8; ++tur)
        raett(f);
    raett(f);   // Ada reaches five; Bo, at four, has a last turn
    ASSERT_TRUE(f.spel.sistaTur(2));
    tangent(f, QChar(u'0' + (f.raettPanel % 4 + 1)));
    ASSERT_TRUE(f.spelSlut);
    EXPECT_EQ(f.Lovord.LovordLabel1->text().trimmed(), QStringLiteral("Grattis, Ada"));
    EXPECT_TRUE(f.Kommentarlabel->isVisible());
    EXPECT_EQ(f.Kommentarlabel->text(), QStringLiteral("Val, delfin och späckhuggare är däggdjur."));
    EXPECT_FALSE(f.Kommentarlabel->geometry().intersects(f.Lovord.LovordPanel->geometry()));
    // The next game begins without it.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_FALSE(f.Kommentarlabel->isVisible());
}
