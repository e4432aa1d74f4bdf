// Story writing as a pupil writes: an opening chosen with the page keys,
// lines written under it, one of them too wide, the story printed.
#include "../../support/miljoe.h"
#include "../../support/ui/provskrivare.h"

#include "core/tillstaand.h"
#include "exercises/arrange/beraetta.h"
#include "exercises/arrange/historiedelar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

class Beraetta : public StartatProgram {
protected:
    void oeppningar(int n)
    {
        QStringList fil;
        for (int k = 1; k <= n; ++k)
            fil << QStringLiteral("Inledning %1 rad ett.").arg(k) << "rad två" << "rad tre" << "#";
        datafil("SVE53000.DAT", fil);
    }
    void skriv(Tberaetta &f, const QString &rad)
    {
        f.Edit1->setText(rad);   // typed (keyClicks knows no "ö")
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
    FastTextmaetare maetare;
    Saett<const Textmaetare> m_maetare{&maetare};
    Saett<Skaerm> m_skaerm{[] { return QSize(1024, 768); }};
    plattform::Provskrivare skrivare;
    plattform::Provdialog dialog;
    Saett<plattform::Skrivare> m_skrivare{&skrivare};
    Saett<plattform::Utskriftsdialog> m_dialog{&dialog};
};

TEST_F(Beraetta, AStoryWithALineTooWideForThePanelWrittenAndPrinted)
{
    oeppningar(16);
    maetare.tecken = 20;     // 60 characters are 1200 pixels: wider than the panel
    Tberaetta f;
    f.show();
    EXPECT_EQ(f.Label8->text(), "1 av 16");
    QTest::keyClick(&f, Qt::Key_PageUp);
    EXPECT_EQ(f.Label8->text(), "1 av 16");
    for (int k = 0; k < 20; ++k)
        QTest::keyClick(&f, Qt::Key_PageDown);
    EXPECT_EQ(f.Label8->text(), "16 av 16");
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(f.Label1->text(), "Inledning 15 rad ett.");
    ASSERT_EQ(f.focusWidget(), f.BitBtn1);                    // "OK" in focus, Enter presses it
    QTest::keyClick(f.BitBtn1, Qt::Key_Return);
    ASSERT_TRUE(f.Edit1->isVisible());
    EXPECT_FALSE(f.BitBtn1->isEnabled());

    const QString lang = "Vi sprang genom hela skogen och sedan vidare ner mot sjön nu";
    ASSERT_EQ(lang.size(), 60);
    skriv(f, lang);
    const QString foersta = f.Label3->text();
    EXPECT_LE(int(foersta.size()) * 20, f.radbredd());
    EXPECT_FALSE(f.Edit1->text().isEmpty());
    EXPECT_EQ(foersta + " " + f.Edit1->text(), lang);        // no word lost
    EXPECT_EQ(f.Label2->text(), "rad tre");
    const QString rest = f.Edit1->text();
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(f.Label3->text(), rest);
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    QTest::keyClick(f.Edit1, Qt::Key_Return);                 // an empty line ends the story
    ASSERT_TRUE(f.Panel6->isVisible());
    EXPECT_EQ(f.focusWidget(), f.Memo2);
    const QStringList story = {"Inledning 15 rad ett.", "rad två", "rad tre", foersta, rest};
    EXPECT_EQ(f.Memo2->toPlainText(), story.join('\n'));

    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    ASSERT_EQ(skrivare.dokument.size(), 1);
    const plattform::Utskriftssida &sida = skrivare.dokument.at(0).sidor.at(0);
    EXPECT_EQ(sida.texter(), QStringList{"Berätta"} + story);
    // The heading inside the sheet's margins, its foot an empty line above
    // the first line of the story.
    const QRect yta = utskriftsyta(skrivare);
    EXPECT_EQ(sida.ritningar.at(0).plats, yta.topLeft());
    EXPECT_EQ(sida.ritningar.at(0).typsnitt.pointSize(), 18);
    skrivare.saettTypsnitt(sida.ritningar.at(0).typsnitt);
    const int titelFot = yta.top() + skrivare.textHeight("Berätta");
    skrivare.saettTypsnitt(sida.ritningar.at(1).typsnitt);
    EXPECT_GE(sida.ritningar.at(1).plats.y(), titelFot + skrivare.textHeight("rad två"));
    EXPECT_EQ(sida.ritningar.at(1).plats.x(), yta.left());
    EXPECT_EQ(sida.ritningar.at(1).typsnitt.pointSize(), 14);
    EXPECT_EQ(sida.ritningar.at(2).plats.y(), sida.ritningar.at(1).plats.y() + skrivare.textHeight("rad två") + 20);

    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_TRUE(f.BitBtn1->isEnabled());
    EXPECT_FALSE(f.Panel6->isVisible());
}

TEST_F(Beraetta, AFileWithoutAnOpeningIsSaidAndTheWindowCloses)
{
    datafil("SVE53000.DAT", {"bara en rad", "och en till"});
    Tberaetta f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(), QStringList{"Filen SVE53000.DAT finns inte eller är felaktig"});
}

TEST_F(Beraetta, AShortOpeningShowsEmptyLines)
{
    datafil("SVE53000.DAT", {"Bara en rad.", "#"});
    Tberaetta f;
    EXPECT_EQ(f.Label1->text(), "Bara en rad.");
    EXPECT_TRUE(f.Label2->text().isEmpty());
    EXPECT_TRUE(f.Label3->text().isEmpty());
}
