// The clock window as a pupil uses it: the dial drawn from the item number,
// typed times judged exactly, the wait, the lamp, the paste, the end of a
// round with praise and no picture, and the correction round.
#include "../../support/miljoe.h"

#include "core/klocka.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/answer/klockan.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/kontroller.h"
#include "exercises/frame/taster.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList klockrader = {
    QStringLiteral("$Diverse"), QStringLiteral("$Klockan"),
    QStringLiteral("$§Hur mycket är klockan?"),
    QStringLiteral("tolv#&prick tolv"), QStringLiteral("fem över tolv"), QStringLiteral("tio över tolv"),
    QStringLiteral("kvart över tolv#&femton över tolv"), QStringLiteral("tjugo över tolv"),
    QStringLiteral("fem i halv ett"), QStringLiteral("halv ett"), QStringLiteral("fem över halv ett"),
    QStringLiteral("tjugo i ett"), QStringLiteral("kvart i ett"), QStringLiteral("tio i ett"),
    QStringLiteral("fem i ett")};

class Klockan : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        for (const char *namn : {"SVOM9001.LOV", "SVOM9002.LOV", "SVOM9013.LOV"}) {
            const QString n = QString::fromLatin1(namn);
            skrivFil1252(i(QStringLiteral("cd/DATA/LOV/") + n), {QStringLiteral("Bra#") + n.mid(4, 4) + QStringLiteral("#!")});
            G.start.LovordFilTabell[++G.start.AntalLovordFiler] = n;
        }
        datafil(QStringLiteral("SVE55000.DAT"), klockrader);
    }
    static void svara(TKlockan &k, const QString &text)
    {
        k.Edit1->setFocus();
        k.Edit1->setText(text);
        QTest::keyClick(k.Edit1, Qt::Key_Return);
    }
    // The colour a little to the side of a hand's middle line.
    static QColor visarfaerg(TKlockan &k, int vinkel, bool minut)
    {
        const QImage bild = k.PaintBox1->grab().toImage();
        const int H = k.PaintBox1->height();
        const int W = H + 8;
        const int r = W * 9 / 24;
        const int laengd = minut ? r : (r / 12) * 9;
        return bild.pixelColor(klockpunkt(QPoint(W / 2, H / 2), vinkel + 5, laengd * 3 / 10));
    }
};

} // namespace

TEST_F(Klockan, TheDialFollowsTheItemNumber)
{
    TKlockan k;
    k.show();
    EXPECT_EQ(G.fel.KlockPost, 1);
    EXPECT_EQ(k.PaintBox1->width(), k.PaintBox1->height() + 8);
    EXPECT_EQ(visarfaerg(k, 0, true), plattform::clRed);       // both hands at twelve, minute on top
    EXPECT_EQ(visarfaerg(k, 330, true), plattform::clAqua);
    const QImage tolv = k.PaintBox1->grab().toImage();
    G.fel.KlockPost = 12;
    EXPECT_EQ(visarfaerg(k, 330, true), plattform::clRed);     // the minute hand at eleven
    EXPECT_EQ(visarfaerg(k, 28, false), plattform::clBlue);    // the hour hand 28 degrees on
    EXPECT_EQ(visarfaerg(k, 0, false), plattform::clAqua);
    G.fel.KlockPost = 13;
    EXPECT_EQ(visarfaerg(k, 0, true), plattform::clRed);
    EXPECT_EQ(visarfaerg(k, 30, false), plattform::clBlue);    // one o'clock
    G.fel.KlockPost = 145;
    EXPECT_EQ(k.PaintBox1->grab().toImage(), tolv);
}

TEST_F(Klockan, ARoundWithWaitLampPastePraiseAndCorrection)
{
    TKlockan k;
    k.show();
    EXPECT_EQ(k.Label1->text(), QStringLiteral("Hur mycket"));
    EXPECT_EQ(k.Label2->text(), QStringLiteral("är klockan?"));
    EXPECT_TRUE(k.OverskriftYtterShape->isHidden());
    EXPECT_TRUE(k.InstruktionsLabel->isHidden());
    EXPECT_EQ(k.Sluttimer->objectName(), QStringLiteral("Timer2"));
    EXPECT_EQ(k.Aster1->MaxAntalRutor(), 10);
    EXPECT_FALSE(k.lampknapp->isHidden());

    svara(k, QStringLiteral("tolv"));
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(G.fel.KlockPost, 2);
    // Exact past the first letter: a capital inside is wrong, and the right answer stays.
    svara(k, QStringLiteral("fem Över tolv"));
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_FALSE(k.Label4->isHidden());
    EXPECT_EQ(k.Label4->text(), QStringLiteral("fem över tolv"));
    EXPECT_TRUE(k.Timer1->koer());
    EXPECT_FALSE(k.Edit1->isEnabled());
    QTest::keyClick(&k, Qt::Key_Space);
    EXPECT_EQ(G.runda.Tidraeknare, 20000);
    k.Timer1Timer();
    EXPECT_EQ(G.fel.KlockPost, 3);
    EXPECT_TRUE(k.Label4->isHidden());
    EXPECT_TRUE(k.Edit1->isEnabled());

    // The lamp: green while the typing can still become a right answer.
    QTest::mouseClick(k.lampknapp, Qt::LeftButton);
    EXPECT_FALSE(k.LampShape->isHidden());
    k.Edit1->setFocus();
    QTest::keyClicks(k.Edit1, QStringLiteral("tio "));
    EXPECT_EQ(plattform::bakgrund(k.LampShape), plattform::clLime);
    QTest::keyClicks(k.Edit1, QStringLiteral("x"));
    EXPECT_EQ(plattform::bakgrund(k.LampShape), plattform::clRed);
    k.LampShapeMouseDown();
    EXPECT_TRUE(k.LampShape->isHidden());
    // The paste menu puts its letter into the answer.
    k.Edit1->clear();
    k.Klistrain1Click(QStringLiteral("Klistra in ß"));
    EXPECT_EQ(k.Edit1->text(), QStringLiteral("ß"));

    svara(k, QStringLiteral("tio över tolv"));
    svara(k, QStringLiteral("femton över tolv"));   // an alternative
    for (const char *t : {"tjugo över tolv", "fem i halv ett", "halv ett", "fem över halv ett", "tjugo i ett"})
        svara(k, QString::fromUtf8(t));
    ASSERT_EQ(G.runda.Uppgiftsnummer, 10);
    // A wrong last answer: the right one stays, then the end.
    svara(k, QStringLiteral("kvart i två"));
    EXPECT_TRUE(k.Sluttimer->koer());
    EXPECT_TRUE(k.Panel1->isHidden());
    for (int t = 0; t < 30; ++t)
        k.SluttimerTimer();
    EXPECT_FALSE(k.Sluttimer->koer());
    EXPECT_FALSE(k.Panel1->isHidden());
    EXPECT_FALSE(k.LovordPanel->isHidden());   // 8 of 10
    EXPECT_TRUE(k.LovordLabel1->text().startsWith(QStringLiteral("Bra 9013")));
    EXPECT_FALSE(k.BildPanelen->isHidden());   // covers the answer
    EXPECT_TRUE(k.Ovningsram::Image1->isHidden());
    EXPECT_TRUE(k.lampknapp->isHidden() || !k.lampknapp->isEnabled());
    EXPECT_EQ(k.focusWidget(), k.Button1);

    // The correction round shows the dials of the wrong items.
    QTest::mouseClick(k.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_EQ(G.fel.KlockPost, 2);
    EXPECT_TRUE(k.BildPanelen->isHidden());
    svara(k, QStringLiteral("fem över tolv"));
    EXPECT_EQ(G.fel.KlockPost, 10);
    svara(k, QStringLiteral("kvart i ett"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_TRUE(k.LovordPanel->isHidden());
    EXPECT_FALSE(k.Panel1->isHidden());
    EXPECT_FALSE(k.Button1->isEnabled());

    // "&Fortsätta" starts a new round from the next items.
    QTest::mouseClick(k.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_EQ(G.fel.KlockPost, 11);
    EXPECT_TRUE(k.Panel1->isHidden());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Klockan, TheHeadingStopsShrinkingAtElevenPoints)
{
    Saett<Skaerm> litet{[] { return QSize(160, 120); }};
    TKlockan k;
    for (QLabel *l : {k.Label1, k.Label2, k.Label3})
        EXPECT_EQ(l->font().pointSize(), 11);
}
