#include "../app/foensterhjaelp.h"
#include "../support/miljoe.h"

#include "core/tillstaand.h"
#include "dialogs/stallin.h"
#include "platform/ui/kontroller.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class Installningar : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        G.skaerm.Marginal = 10;
        G.val.SekunderRaettSvar = 3;
    }
};

TEST_F(Installningar, OpeningShowsTheSettingsAndTurnsPicturesOn)
{
    G.val.BildLaege = 0;
    const std::pair<Byte, std::pair<const char *, const char *>> fall[] = {
        {0, {"Nej", "Nej"}}, {1, {"Ja", "Nej"}}, {2, {"Nej", "Ja"}}, {7, {"Nej", "Nej"}}};
    for (auto [laege, texter] : fall) {
        G.val.Oeversaettning = laege;
        TStallin s;
        EXPECT_EQ(G.val.BildLaege, 1);
        EXPECT_EQ(s.EngButton->text(), texter.first);
        EXPECT_EQ(s.Tysbutton->text(), texter.second);
        EXPECT_EQ(s.TidLabel->text(), "3");
        EXPECT_EQ(s.windowTitle(), "Morvika");
        EXPECT_EQ(s.YtterPanel->geometry(), QRect(10, 10, s.width() - 20, s.height() - 20));
        EXPECT_EQ(s.InnerPanel->geometry(),
                  QRect(10, 10, s.YtterPanel->width() - 20, s.YtterPanel->height() - 20));
    }
}

TEST_F(Installningar, SecondsStayWithinZeroToNine)
{
    TStallin s;
    s.show();
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(s.SpinButton1->upp(), Qt::LeftButton);
    EXPECT_EQ(G.val.SekunderRaettSvar, 9);
    EXPECT_EQ(s.TidLabel->text(), "9");
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(s.SpinButton1->ned(), Qt::LeftButton);
    EXPECT_EQ(G.val.SekunderRaettSvar, 0);
    EXPECT_EQ(s.TidLabel->text(), "0");
    s.SpinButton1UpClick();
    EXPECT_EQ(G.val.SekunderRaettSvar, 1);
}

TEST_F(Installningar, TheTranslationTogglesAreExclusive)
{
    G.val.Oeversaettning = 2;
    G.val.LaddaOrdlistor = 0;
    TStallin s;
    s.show();
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    EXPECT_EQ(s.EngButton->text(), "Ja");
    EXPECT_EQ(s.Tysbutton->text(), "Nej");
    EXPECT_EQ(G.val.Oeversaettning, 1);
    EXPECT_EQ(G.val.LaddaOrdlistor, 1);

    G.val.LaddaOrdlistor = 0;
    QTest::mouseClick(s.Tysbutton, Qt::LeftButton);
    EXPECT_EQ(s.Tysbutton->text(), "Ja");
    EXPECT_EQ(s.EngButton->text(), "No");
    EXPECT_EQ(G.val.Oeversaettning, 2);
    EXPECT_EQ(G.val.LaddaOrdlistor, 1);
    QTest::mouseClick(s.Tysbutton, Qt::LeftButton);
    EXPECT_EQ(s.Tysbutton->text(), "Nein");
    EXPECT_EQ(G.val.Oeversaettning, 0);
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    EXPECT_EQ(G.val.Oeversaettning, 1);
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    EXPECT_EQ(s.EngButton->text(), "Nej");
    EXPECT_EQ(G.val.Oeversaettning, 0);

    G.val.Oeversaettning = 9;   // a value no toggle knows
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    QTest::mouseClick(s.Tysbutton, Qt::LeftButton);
    EXPECT_EQ(G.val.Oeversaettning, 9);
}

TEST_F(Installningar, SwitchingTranslationOnAlwaysAsksForTheListAgain)
{
    // English, off, German, then "Avbryt": the German list must be loaded.
    G.val.Oeversaettning = 0;
    TStallin s;
    s.show();
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    G.val.LaddaOrdlistor = 0;   // an exercise loaded the English list
    QTest::mouseClick(s.EngButton, Qt::LeftButton);
    EXPECT_EQ(G.val.Oeversaettning, 0);
    QTest::mouseClick(s.Tysbutton, Qt::LeftButton);
    QTest::mouseClick(s.AvbrytButton, Qt::LeftButton);
    EXPECT_EQ(G.val.Oeversaettning, 2);
    EXPECT_EQ(G.val.LaddaOrdlistor, 1);
    EXPECT_FALSE(s.isVisible());
}

TEST_F(Installningar, EscClosesKeepingTheNewSecondsAndTypedKeysDoNothing)
{
    bool stangd = false;
    naerModal([&](QWidget *w) {
        auto *s = dynamic_cast<TStallin *>(w);
        ASSERT_NE(s, nullptr);
        s->SpinButton1UpClick();
        s->EngButton->setFocus();
        QTest::keyClick(s->EngButton, Qt::Key_Space);
        QTest::keyClick(s->EngButton, Qt::Key_Return);
        QTest::keyClick(s->EngButton, Qt::Key_A);
        EXPECT_EQ(s->EngButton->text(), "Nej");
        EXPECT_TRUE(s->isVisible());
        QTest::keyClick(s->EngButton, Qt::Key_Escape);
        stangd = !s->isVisible();
    });
    VisaStallin();
    EXPECT_TRUE(stangd);
    EXPECT_EQ(G.val.SekunderRaettSvar, 4);
    EXPECT_EQ(G.val.Oeversaettning, 0);

    // "Spara" closes too.
    naerModal([](QWidget *w) { QTest::mouseClick(dynamic_cast<TStallin *>(w)->SparaButton, Qt::LeftButton); });
    VisaStallin();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
