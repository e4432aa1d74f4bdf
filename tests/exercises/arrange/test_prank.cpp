// Silly stories as a pupil makes one: a story chosen, the words typed kind
// by kind, the filled story read and printed.
#include "../../support/miljoe.h"
#include "../../support/ui/provskrivare.h"

#include "core/tillstaand.h"
#include "exercises/arrange/historiedelar.h"
#include "exercises/arrange/prank.h"


#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using plattform::Provdialog;
using plattform::Provskrivare;

class Prank : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QStringList fil = {"; kommentar", "$Katten", "En #1 katt åt #2.", "Den var #1 och jagade #3.", "#",
                           "$Långa resan"};
        for (int n = 1; n <= 90; ++n)
            fil << QStringLiteral("Rad %1 av resan.").arg(n);
        fil << "#" << "$Många" << "#1 #1 #1 #1 #1 #1 #1 #1 #1 #1 #1 #1" << "#";
        datafil("SVE51000.DAT", fil);
        G.oevning.Programtal = 51000;   // as the launcher leaves it for the line breaks
    }
    void skriv(TPrank &f, const QStringList &ord)
    {
        for (const QString &o : ord) {
            f.Edit1->setText(o);   // typed (keyClicks knows no "å")
            QTest::keyClick(f.Edit1, Qt::Key_Return);
        }
    }

    Provskrivare skrivare;
    Provdialog dialog;
    Saett<plattform::Skrivare> m_skrivare{&skrivare};
    Saett<plattform::Utskriftsdialog> m_dialog{&dialog};
};

TEST_F(Prank, ASillyStoryFilledAndPrintedLeavesTheExercisesAlone)
{
    G.fel.Fellista[1] = Felpost{5, 3};
    G.fel.FelAntal[3] = 1;
    G.fel.FilSlumpMarkoer[3] = 4;
    slump.vaerden = {1, 0};
    TPrank f;
    f.show();
    ASSERT_EQ(f.ListBox1->count(), 3);
    EXPECT_EQ(f.ListBox1->currentItem()->text(), "Katten");
    QTest::keyClick(f.ListBox1, Qt::Key_Return);
    EXPECT_EQ(f.Label3->text(), "Skriv 2 adjektiv.");
    skriv(f, {"blå", "lat"});
    EXPECT_EQ(f.Label3->text(), "Skriv 1 substantiv i singularis.");
    skriv(f, {"ost"});
    EXPECT_EQ(f.Label3->text(), "Skriv 1 substantiv i pluralis.");
    skriv(f, {"moln"});
    ASSERT_TRUE(f.Panel4->isVisible());
    EXPECT_EQ(f.Memo1->toPlainText(), "Katten\nEn lat katt åt ost.\nDen var blå och jagade moln.");
    for (int p = 1; p <= 900; ++p)
        ASSERT_EQ(G.fel.SlumpOrdning[p], p);
    EXPECT_EQ(G.fel.Fellista[1].postnummer, 5);
    EXPECT_EQ(G.fel.FelAntal[3], 1);
    EXPECT_EQ(G.fel.FilSlumpMarkoer[3], 4);

    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(skrivare.dokument.size(), 1);
    const plattform::Utskriftssida &sida = skrivare.dokument.at(0).sidor.at(0);
    EXPECT_EQ(sida.texter(), (QStringList{"Katten", "En lat katt åt ost.", "Den var blå och jagade moln."}));
    // Inside the sheet's margins; the title in bold, an empty line below it.
    const QRect yta = utskriftsyta(skrivare);
    const int mm15 = skrivare.upploesning() * 15 * 10 / 254;
    EXPECT_GE(yta.left() - skrivare.papper().left(), mm15);
    EXPECT_GE(yta.top() - skrivare.papper().top(), mm15);
    EXPECT_EQ(sida.ritningar.at(0).plats, yta.topLeft());
    EXPECT_TRUE(sida.ritningar.at(0).typsnitt.bold());
    EXPECT_EQ(sida.ritningar.at(1).typsnitt.pointSize(), 12);
    skrivare.saettTypsnitt(sida.ritningar.at(0).typsnitt);
    const int titelFot = yta.top() + skrivare.textHeight("Katten");
    skrivare.saettTypsnitt(sida.ritningar.at(1).typsnitt);
    const int h = skrivare.textHeight("En lat katt åt ost.");
    EXPECT_GE(sida.ritningar.at(1).plats.y(), titelFot + h);
    EXPECT_EQ(sida.ritningar.at(1).plats.x(), yta.left());
    EXPECT_EQ(sida.ritningar.at(2).plats.y(), sida.ritningar.at(1).plats.y() + h + 10);

    // A new story; a cancelled dialog prints nothing.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_TRUE(f.Panel1->isVisible());
    dialog.svar = {{false, 1}};
    f.ListBox1->setCurrentRow(1);
    f.ListBox1Click();
    EXPECT_EQ(f.Label3->text(), "Skriv 0 adjektiv.");
    skriv(f, {"", "", ""});
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(skrivare.dokument.size(), 1);
}

TEST_F(Prank, AnEmptyEnterAfterAClickOnATitleTakesNoWord)
{
    slump.vaerden = {1, 0};
    TPrank f;
    f.show();
    QListWidget *l = f.ListBox1;
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
    ASSERT_TRUE(f.Panel3->isVisible());
    QTest::keyClick(f.Edit1, Qt::Key_Return);   // "confirming" the choice
    EXPECT_EQ(f.Edit1->y(), f.ord.at(0)->y());
    skriv(f, {"blå", "lat", "ost", "moln"});
    ASSERT_TRUE(f.Panel4->isVisible());
    EXPECT_EQ(f.Memo1->toPlainText(), "Katten\nEn lat katt åt ost.\nDen var blå och jagade moln.");
}

TEST_F(Prank, ALongStoryIsPrintedOnAsManyPagesAsItNeeds)
{
    TPrank f;
    f.show();
    f.ListBox1->setCurrentRow(1);
    f.ListBox1Click();
    skriv(f, {"", "", ""});
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(skrivare.dokument.size(), 1);
    const QList<plattform::Utskriftssida> &sidor = skrivare.dokument.at(0).sidor;
    ASSERT_GE(sidor.size(), 2);
    QStringList alla;
    for (const plattform::Utskriftssida &s : sidor) {
        alla += s.texter();
        for (const plattform::Ritning &r : s.ritningar)
            EXPECT_LE(r.plats.y() + skrivare.textHeight(r.text), utskriftsyta(skrivare).bottom() + 1);
    }
    EXPECT_EQ(alla.size(), 91);
    EXPECT_EQ(alla.last(), "Rad 90 av resan.");
    EXPECT_EQ(sidor.at(1).ritningar.at(0).plats.y(), utskriftsyta(skrivare).top());
}

TEST_F(Prank, TwelveGapsOfAKindAskForTenWordsAndTakeTheFirstAgain)
{
    TPrank f;
    f.show();
    f.ListBox1->setCurrentRow(2);
    f.ListBox1Click();
    EXPECT_EQ(f.Label3->text(), "Skriv 10 adjektiv.");
    skriv(f, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "", ""});
    ASSERT_TRUE(f.Panel4->isVisible());
    const QStringList ord = f.Memo1->toPlainText().split('\n').at(1).split(' ');
    ASSERT_EQ(ord.size(), 12);
    EXPECT_EQ(ord.mid(10), ord.mid(0, 2));
}

TEST_F(Prank, AMissingStoryFileIsSaidAndTheWindowCloses)
{
    G.oevning.DatFilNamn = "SVE51009.DAT";
    TPrank f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(), QStringList{"Filen SVE51009.DAT finns inte eller är felaktig"});
}

TEST_F(Prank, AFileWithoutAStoryIsSaidAndTheWindowCloses)
{
    datafil("SVE51000.DAT", {"; bara en kommentar", "Ingen titel här.", "#"});
    TPrank f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(), QStringList{"Filen SVE51000.DAT finns inte eller är felaktig"});
}
