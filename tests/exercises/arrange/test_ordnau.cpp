// The alphabetical-order window as a pupil drives it: entries dragged within
// the list, "Sorteringen &klar", the key after a wrong list, Space, Esc.
#include "../../support/miljoe.h"
#include "../../support/ui/startadrunda.h"
#include "../../support/ui/modal.h"
#include "../../support/ui/provdrag.h"

#include "core/tillstaand.h"
#include "exercises/arrange/ordnau.h"
#include "platform/timer.h"
#include "platform/ui/klickpanel.h"
#include "exercises/frame/taster.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace plattform;

class Ordna : public StartatProgram {
protected:
    static bool dra(TOrdna &f, int fraan, int till)
    {
        auto *k = f.ListBox1->findChild<Dragkaella *>();
        const QPoint p = f.ListBox1->visualItemRect(f.ListBox1->item(till)).center();
        return provDrag(*k, f.ListBox1, p, fraan);
    }
    // The pupil drags each word to its place, top first.
    static void sortera(TOrdna &f)
    {
        for (int i = 0; i < f.Facit.size(); ++i) {
            const int j = int(f.elevensLista().indexOf(f.Facit.at(i), i));
            if (j != i) {
                ASSERT_TRUE(dra(f, j, i));
            }
        }
    }
};

TEST_F(Ordna, DragIntoOrderTheKeyAfterAWrongListAndTheRound)
{
    QStringList rader = {QStringLiteral("$Alfabetet"), QStringLiteral("$Ordna 4"),
                         QStringLiteral("$§Dra orden så att de står i bokstavsordning."),
                         QStringLiteral("berg#hav#sjö#älv#ö")};
    for (int n = 0; n < 12; ++n)
        rader << QStringLiteral("Anna#Bo#Cecilia#Åsa#Örjan");
    datafil(QStringLiteral("SVE34600.DAT"), rader);
    TOrdna f;
    f.show();
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Ordna 4"));
    EXPECT_EQ(f.InstruktionsLabel->text(), QStringLiteral("Dra orden så att de står i bokstavsordning."));
    EXPECT_EQ(f.KlarButton->text(), QStringLiteral("Sorteringen &klar"));
    EXPECT_TRUE(f.ListPanel2->isHidden());
    // Never shown in order; the last onto the first goes to the top, the
    // first onto the last goes last.
    const QStringList foere = f.elevensLista();
    ASSERT_EQ(foere.size(), 5);
    EXPECT_NE(foere, f.Facit);
    EXPECT_TRUE(dra(f, 4, 0));
    EXPECT_EQ(f.elevensLista(), QStringList{foere.at(4)} + foere.mid(0, 4));
    EXPECT_TRUE(dra(f, 0, 4));
    EXPECT_EQ(f.elevensLista(), foere);
    EXPECT_FALSE(provDrag(*f.ListBox1->findChild<Dragkaella *>(), f.ListBox1, QPoint(5, f.ListBox1->height() - 3), 1));

    // A wrong list: the key beside it, nothing to drag or hand in.
    QTest::mouseClick(f.KlarButton, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_FALSE(f.ListPanel2->isHidden());
    EXPECT_EQ(f.ListBox2->item(0)->text(), QStringLiteral("berg"));
    EXPECT_FALSE(f.ListBox1->isEnabled());
    EXPECT_FALSE(f.KlarButton->isEnabled());
    EXPECT_TRUE(f.Timer1->koer());
    EXPECT_FALSE(f.Aster1->modell().Ratt(1));
    // The settings during the wait: the key stays, the list is not judged again.
    staengNaestaModal();
    f.BitBtn1Click();
    EXPECT_FALSE(f.ListPanel2->isHidden());
    EXPECT_FALSE(f.KlarButton->isEnabled());
    EXPECT_FALSE(f.ListBox1->isEnabled());
    f.KlarButtonClick();
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    // Space ends the wait at the next tick.
    QTest::keyClick(&f, Qt::Key_Space);
    f.Timer1Timer();
    EXPECT_TRUE(f.ListPanel2->isHidden());
    EXPECT_TRUE(f.KlarButton->isEnabled());
    EXPECT_EQ(f.Facit.first(), QStringLiteral("Anna"));

    // The rest right: the round ends with praise and picture at once.
    while (G.runda.Uppgiftsnummer <= 10) {
        sortera(f);
        QTest::mouseClick(f.KlarButton, Qt::LeftButton);
    }
    EXPECT_EQ(G.runda.AntalRaett, 9);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.BildPanelen->isHidden());
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_FALSE(f.KlarButton->isEnabled());

    // The correction round brings the wrong list back.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(f.Facit.first(), QStringLiteral("berg"));
    EXPECT_TRUE(f.KlarButton->isEnabled());

    // Help, then Esc once shows the panel and twice closes.
    QTest::mouseClick(f.HjalpButton, Qt::LeftButton);
    EXPECT_FALSE(f.HjalpPanel->isHidden());
    QTest::mouseClick(static_cast<QWidget *>(f.HjalpMemo), Qt::LeftButton);
    EXPECT_TRUE(f.HjalpPanel->isHidden());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.aerStangd());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join('|'));
}

class OrdnaPaaStorSkaerm : public StartadRunda {
protected:
    OrdnaPaaStorSkaerm() : StartadRunda(QSize(1280, 1024)) {}
};

TEST_F(OrdnaPaaStorSkaerm, TheInstructionEndsLeftOfTheProgressSquares)
{
    const QString instruktion =
        QStringLiteral("Dra orden så att de står i bokstavsordning. Tryck sedan på Sorteringen klar.");
    datafil(QStringLiteral("SVE34700.DAT"), {QStringLiteral("$Alfabetet"), QStringLiteral("$Ordna 5"),
                                             QStringLiteral("$§") + instruktion,
                                             QStringLiteral("rad#ren#ris#räka#råtta")});
    TOrdna f;
    f.show();
    ASSERT_GT(G.skaerm.Skalprocent, 200);
    const QLabel *l = f.InstruktionsLabel;
    EXPECT_EQ(l->text(), instruktion);
    // All of it is drawn, and it ends before the squares begin.
    const QRect text = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 10000), Qt::TextWordWrap, instruktion);
    EXPECT_LE(text.width(), l->width());
    EXPECT_LE(l->x() + l->width(), f.Aster1->x());
    EXPECT_LE(l->geometry().bottom(), f.ListPanel1->y());
}
