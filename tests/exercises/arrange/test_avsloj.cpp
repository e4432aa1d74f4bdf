// Story revealing as a pupil plays it: words dragged from the list onto the
// hidden story, guesses typed, Esc back to the list.
#include "../../support/miljoe.h"
#include "../../support/ui/provdrag.h"

#include "exercises/arrange/avsloj.h"
#include "platform/ui/dragdrop.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

class Avsloj : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QStringList fil = {"<Ella> en katt, en hund.", "#", "en katt och en hund och en fisk", "#"};
        for (int n = 3; n <= 12; ++n)
            fil << QStringLiteral("berättelse %1").arg(n) << "#";
        fil << "; kommentarer efter sista raden";
        datafil("SVE52000.DAT", fil);
    }

    // Drags the list's entry with this text onto slot s.
    static bool dra(Tavsloj &f, const QString &ord, int s)
    {
        const QList<QListWidgetItem *> p = f.ListBox1->findItems(ord, Qt::MatchExactly);
        EXPECT_FALSE(p.isEmpty()) << ord.toStdString();
        return provDrag(*f.Ordkaella, f.slot(s), QPoint(2, 2), f.ListBox1->row(p.value(0)));
    }
    static QStringList rutor(Tavsloj &f)
    {
        return {f.Panel5->text(), f.Panel6->text(), f.Panel8->text()};
    }
};

TEST_F(Avsloj, AStoryRevealedByDropsRightAndWrong)
{
    Tavsloj f;
    f.show();
    ASSERT_EQ(f.ListBox2->count(), 12);
    EXPECT_EQ(f.ListBox2->item(2)->text(), "      3");
    EXPECT_EQ(f.ListBox2->item(11)->text(), "    12");
    QTest::mouseClick(f.ListBox2->viewport(), Qt::LeftButton, {},
                      f.ListBox2->visualItemRect(f.ListBox2->item(0)).center());
    ASSERT_TRUE(f.Panel1->isVisible());
    EXPECT_FALSE(f.Panel4->isVisible());
    EXPECT_EQ(f.Namnetiketter.at(0)->text(), "Ella");
    EXPECT_EQ(f.slot(2)->text(), "****,");
    EXPECT_TRUE(f.slot(5)->isHidden());
    EXPECT_EQ(f.ListBox1->count(), 4);
    EXPECT_EQ(f.ListBox1->item(0)->text(), "en");

    EXPECT_TRUE(dra(f, "katt", 2));
    EXPECT_EQ(f.slot(2)->text(), "katt,");
    EXPECT_EQ(f.slot(3)->x(), f.slot(2)->x() + f.slot(2)->width() + 10);
    EXPECT_EQ(rutor(f), (QStringList{"100 %", "25 %", "1"}));
    EXPECT_TRUE(f.ListBox1->findItems("katt", Qt::MatchExactly).isEmpty());
    dra(f, "hund", 1);
    EXPECT_EQ(f.slot(1)->text(), "**");
    EXPECT_EQ(rutor(f), (QStringList{"50 %", "25 %", "2"}));
    dra(f, "en", 1);
    dra(f, "en", 1);                       // the other "en" on the slot already shown
    EXPECT_EQ(rutor(f), (QStringList{"50 %", "50 %", "4"}));
    EXPECT_TRUE(meddelanden.poster.isEmpty());
    dra(f, "en", 3);
    dra(f, "hund", 4);
    ASSERT_EQ(meddelanden.texter(), QStringList{"Grattis! Du klarade det!"});
    EXPECT_EQ(meddelanden.poster.at(0).typ, plattform::Rutetyp::Information);
    EXPECT_TRUE(f.Panel4->isVisible());    // back at the story list
    EXPECT_FALSE(f.Panel1->isVisible());
}

TEST_F(Avsloj, GuessesRevealEveryOccurrenceAndBlanksNothing)
{
    Tavsloj f;
    f.show();
    f.RadioButton2->setChecked(true);
    f.ValjHistoria(2);
    ASSERT_TRUE(f.Edit1->isVisible());
    EXPECT_FALSE(f.ListBox1->isVisible());
    QTest::keyClicks(f.Edit1, "en");
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(f.slot(1)->text(), "en");
    EXPECT_EQ(f.slot(4)->text(), "en");
    EXPECT_EQ(rutor(f), (QStringList{"100 %", "38 %", "3"}));
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    QTest::keyClicks(f.Edit1, "   ");
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    QTest::keyClicks(f.Edit1, "orm");
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(rutor(f), (QStringList{"75 %", "38 %", "4"}));

    // Seeing the story changes no count; hiding it keeps what was found.
    f.Button1Click();
    EXPECT_EQ(f.slot(2)->text(), "katt");
    EXPECT_FALSE(f.Edit1->isEnabled());
    f.Button1Click();
    EXPECT_EQ(f.slot(2)->text(), "****");
    EXPECT_EQ(f.slot(1)->text(), "en");
    EXPECT_EQ(rutor(f), (QStringList{"75 %", "38 %", "4"}));

    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(f.Panel4->isVisible());
    EXPECT_FALSE(f.Panel7->isVisible());
    EXPECT_EQ(rutor(f), (QStringList{"0 %", "0 %", "0"}));
}
