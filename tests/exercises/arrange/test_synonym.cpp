// The word-collection game played as a pupil plays it, with the record
// table opened over it.
#include "../../support/miljoe.h"
#include "../../support/ui/modal.h"

#include "core/rekord.h"
#include "core/tillstaand.h"
#include "exercises/arrange/synonym.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/straengrutnaet.h"
#include "records/rekord.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

class Synon : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        datafil(QStringLiteral("SVE32110.DAT"),
                {"$Göra ord", "$Synonym 1", "$§Skriv ett ord som betyder samma sak.",
                 "glad#munter#förnöjd#belåten", "stor#jättelik#väldig", "liten#små#pytteliten",
                 "snabb#kvick#rapp", "arg#ilsken#sur", "trött#sömnig#utmattad"});
        G.oevning.Programtal = 32110;   // as the launcher leaves it for the record table
        G.oevning.Rubrikrader[1] = QStringLiteral("Synonym 1");
        G.oevning.Instruktion = QStringLiteral("Skriv ett ord som betyder samma sak.");
        G.spelare.RekordtabellPaa = 1;
        G.val.BildLaege = 0;
        QDir().mkpath(i(QStringLiteral("pc/RESULTAT")));
    }
    static void skriv(TSynon &f, const QString &text)
    {
        f.Edit1->setFocus();
        f.Edit1->setText(text);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Synon, ARoundOfSixWordsSavedInTheRecordTable)
{
    TSynon f;
    f.show();
    EXPECT_EQ(f.FrageLabel->text(), QStringLiteral("glad"));
    EXPECT_EQ(f.UppgiftLabel->text(), QStringLiteral("1 av 6"));
    EXPECT_EQ(f.KvarLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(G.spelare.RekordFilNamn, QStringLiteral("pc\\RESULTAT\\SVE32110.SVR"));

    // F3 shows the remaining words sorted and halves the points.
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_F3);
    EXPECT_TRUE(f.ListPanel2->isVisible());
    EXPECT_FALSE(f.Edit1->isEnabled());
    ASSERT_EQ(f.ListBox1->count(), 3);
    EXPECT_EQ(f.ListBox1->item(0)->text(), QStringLiteral("belåten"));
    EXPECT_EQ(f.SeListanLabel1->caption(), QStringLiteral("&Fortsätta skriva"));
    QTest::keyClick(f.ListBox1, Qt::Key_F3);
    EXPECT_FALSE(f.ListPanel2->isVisible());
    EXPECT_EQ(f.spel.P, 166);

    skriv(f, QStringLiteral("Munter"));
    EXPECT_EQ(f.PoengLabel->text(), QStringLiteral("172"));
    EXPECT_EQ(f.KvarLabel->text(), QStringLiteral("2"));
    skriv(f, QString());   // gives up the word
    EXPECT_EQ(f.FrageLabel->text(), QStringLiteral("stor"));
    for (int k = 2; k <= 6; ++k)
        skriv(f, QString());
    // No seventh word: the answer box is closed, the end panel stands.
    EXPECT_FALSE(f.Edit1->isEnabled());
    EXPECT_TRUE(f.EscapePanelen->isVisible());
    EXPECT_TRUE(f.SparaButton->isEnabled());
    EXPECT_FALSE(f.SeListanPanel2->isEnabled());
    skriv(f, QStringLiteral("munter"));
    EXPECT_EQ(f.spel.S, 172);

    // The unsaved score holds the focus: Enter opens the name panel rather
    // than a new round. A blank name is not handed over; the panel stays.
    EXPECT_EQ(f.focusWidget(), f.SparaButton);
    QTest::keyClick(f.SparaButton, Qt::Key_Return);
    ASSERT_TRUE(f.NamnPanelen->isVisible());
    f.Edit2->setText(QStringLiteral("   "));
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    EXPECT_TRUE(f.NamnPanelen->isVisible());

    naerModal([](QWidget *w) {
        auto *r = dynamic_cast<TRekord *>(w);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Label1->text(), QStringLiteral("Rekordtabell för programmet Synonym 1"));
        EXPECT_EQ(r->StringGrid1->cell(1, 1), QStringLiteral("   Kim"));
        EXPECT_EQ(r->StringGrid1->cell(3, 1), QStringLiteral("      172"));
        EXPECT_EQ(r->StringGrid1->cell(2, 1), QStringLiteral(" 260102 08:30"));
        EXPECT_EQ(r->focusWidget(), r->StringGrid1);   // a new table too opens with the focus in it
        QTest::keyClick(r->StringGrid1, Qt::Key_Return);
    });
    f.Edit2->setText(QStringLiteral("Kim"));
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    EXPECT_FALSE(f.SparaButton->isEnabled());
    QFile tabell(i(QStringLiteral("pc/RESULTAT/SVE32110.SVR")));
    ASSERT_TRUE(tabell.open(QIODevice::ReadOnly));
    const Rekordpost sparad = avkodaRekordpost(tabell.readAll());
    EXPECT_EQ(sparad.namn.str(), QStringLiteral("Kim"));
    EXPECT_EQ(sparad.resultat, 172);
    EXPECT_EQ(G.spelare.Spelarnamn[1].str(), QStringLiteral("Kim"));

    // "&Fortsätta" starts a new round at 0.
    QTest::mouseClick(f.FortsattaButton, Qt::LeftButton);
    EXPECT_EQ(f.spel.S, 0);
    EXPECT_EQ(f.UppgiftLabel->text(), QStringLiteral("1 av 6"));
    EXPECT_TRUE(f.Edit1->isEnabled());
}

TEST_F(Synon, AnUnusableScoreDirectoryKeepsTheButton)
{
    TSynon f;
    f.show();
    G.spelare.RekordFilNamn = QStringLiteral("pc\\SAKNAS\\SVE32110.SVR");
    f.spel.S = 50;
    f.SparaButton->setEnabled(true);
    QTest::mouseClick(f.SparaButton, Qt::LeftButton);
    f.Edit2->setText(QStringLiteral("Kim"));
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    EXPECT_EQ(meddelanden.texter(),
              QStringList{"Katalogen pc\\SAKNAS, där resultaten ska sparas, finns inte eller kan vara skrivskyddad."});
    EXPECT_TRUE(f.SparaButton->isEnabled());

    // Esc: the end panel, then the window closes.
    f.FortsattaButtonClick();
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(f.EscapePanelen->isVisible());
    EXPECT_FALSE(f.Edit1->isEnabled());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
}

// A table the disk will not take (the write fails part-way) is not a
// missing or write-protected directory, and the message says so.
TEST_F(Synon, ATableThatCannotBeWrittenSaysSoAndStaysAsItWas)
{
    G.oevning.Programtal = 32110;
    G.spelare.RekordFilNamn = rekordfilFoer(QStringLiteral("SVE32110.DAT"));
    G.spelare.RekordPost.namn = QStringLiteral("Kim");
    G.spelare.RekordPost.resultat = 50;
    TRekord r;
    ASSERT_TRUE(r.visad);
    {
        Saett<Skrivgraens> avbrutet{10};
        r.Button1Click();
    }
    EXPECT_EQ(meddelanden.texter(),
              QStringList{"Resultattabellen pc\\RESULTAT\\SVE32110.SVR kunde inte skrivas. Resultatet är inte sparat."});
    QFile tabell(i(QStringLiteral("pc/RESULTAT/SVE32110.SVR")));
    ASSERT_TRUE(tabell.open(QIODevice::ReadOnly));
    EXPECT_TRUE(tabell.readAll().isEmpty());
}

// Gone, emptied, or left with headings only: the same message and the
// window closes, with no blank word.
TEST_F(Synon, AFileGoneOrEmptiedDuringTheRoundIsSaidAndTheWindowCloses)
{
    const QString fil = i(QStringLiteral("cd/DATA/DAT/SVE32110.DAT"));
    const std::function<void()> aendringar[] = {
        [&] { QFile::remove(fil); },
        [&] { skrivBytes(fil, QByteArray()); },
        [&] { skrivFil1252(fil, {"$Göra ord", "$Synonym 1", "; inga ord kvar"}); },
    };
    for (const auto &aendra : aendringar) {
        meddelanden.poster.clear();
        skrivFil1252(fil, {"$Synonym 1", "glad#munter", "stor#väldig"});
        TSynon f;
        f.show();
        aendra();
        skriv(f, QString());   // gives up the word: the next one cannot be read
        EXPECT_EQ(meddelanden.texter(), QStringList{QStringLiteral("Filen SVE32110.DAT finns inte eller är felaktig")});
        EXPECT_TRUE(f.aerStangd());
    }
}

// The last word's time is taken off when the round ends; the pupil sees
// that final score, the one the record table gets, beside the picture.
TEST_F(Synon, TheFinalScoreIsShownBeforeTheRecordTable)
{
    G.val.BildLaege = 1;
    TSynon f;
    f.show();
    skriv(f, QStringLiteral("munter"));
    ASSERT_EQ(f.PoengLabel->text(), QStringLiteral("339"));
    for (int ord = 1; ord <= 5; ++ord)
        skriv(f, QString());
    klocka.tid = klocka.tid.addSecs(30);
    skriv(f, QString());
    ASSERT_EQ(f.spel.S, 309);
    EXPECT_TRUE(f.EscapePanelen->isVisible());
    EXPECT_TRUE(f.PoengPanel2->isVisible());
    EXPECT_EQ(f.PoengLabel->text(), QStringLiteral("309"));
    EXPECT_FALSE(f.KvarPanel2->isVisible());
}
