// The vowel examination typed as a pupil types it; the step timer's handler
// is called instead of waiting.
#include "../../support/miljoe.h"

#include "core/tillstaand.h"
#include "exercises/answer/vokalex.h"
#include "platform/timer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class Vokalex : public StartatProgram {
protected:
    // A character key as the keyboard sends it.
    static void tangent(TVokalex &f, QChar c)
    {
        QKeyEvent tryck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&f, &tryck);
    }
    // Types the keys and lets each finished step pass.
    static void typ(TVokalex &f, const QString &tangenter)
    {
        for (QChar c : tangenter) {
            tangent(f, c);
            if (f.Timer1->interval() > 0) {
                f.Timer1Timer();
                f.Timer1Timer();
            }
        }
    }
};

const QString utanFel = QStringLiteral("9AEIOUYÅÄÖEIYÄÖAOUÅ");

} // namespace

TEST_F(Vokalex, TypedWithoutErrors)
{
    TVokalex f;
    f.show();
    EXPECT_EQ(f.Rubrik.Overs1Label->text(), QStringLiteral("Vokalen"));
    EXPECT_EQ(f.Rubrik.Overs2Label->text(), QStringLiteral("Examen"));
    EXPECT_EQ(f.InstruktionsLabel1->text(), QStringLiteral("Hur många vokaler finns det i alfabetet?"));
    EXPECT_TRUE(f.SPanel[1]->isVisible());
    EXPECT_FALSE(f.SPanel[2]->isVisible());
    tangent(f, QLatin1Char('9'));
    EXPECT_EQ(f.SPanel[1]->text(), QStringLiteral("9"));
    f.Timer1Timer();
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    f.Timer1Timer();
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    EXPECT_EQ(f.InstruktionsLabel2->text(), QStringLiteral("Skriv dem i alfabetisk ordning:"));
    EXPECT_TRUE(f.SPanel[9]->isVisible());
    EXPECT_TRUE(f.SPanel[1]->text().isEmpty());
    typ(f, utanFel.mid(1));
    EXPECT_EQ(G.runda.Uppgiftsnummer, 5);
    EXPECT_TRUE(f.ResultatPanelen->isVisible());
    EXPECT_TRUE(f.Panel1->isVisible());
    const QStringList svar = {f.DuSvarLabel[1]->text(), f.DuSvarLabel[2]->text(), f.DuSvarLabel[3]->text(),
                              f.DuSvarLabel[4]->text(), f.DuSummaLabel->text()};
    EXPECT_EQ(svar, (QStringList{"1", "9", "5", "4", "19"}));
    EXPECT_EQ(f.Dittbetyg->text(), QStringLiteral("10"));
    EXPECT_EQ(f.Lovordlabel->text(), QStringLiteral("Du är expert."));
    // The counts stand right-aligned under their heads, the grade under "10".
    EXPECT_EQ(f.Dittbetyg->geometry().right(), f.Maxbetyg->geometry().right());
    EXPECT_EQ(f.DuSvarLabel[1]->geometry().right(), f.DuSummaLabel->geometry().right());
    EXPECT_GT(f.DuSvarLabel[1]->x(), f.TextLabel[1]->geometry().right());

    // "&Fortsätta" starts a new test.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_FALSE(f.ResultatPanelen->isVisible());
    EXPECT_EQ(f.examen.felTotalt(), 0);
}

TEST_F(Vokalex, TwoThreeAndFiveWrongKeys)
{
    struct Fall { QString tangenter; int betyg; QString lovord; QString summa; };
    const Fall fall[] = {
        {QStringLiteral("089AEIOUYÅÄÖEIYÄÖAOUÅ"), 9, QStringLiteral("Mycket bra. Försök att få alla rätt."), "21"},
        {QStringLiteral("9AEIOUYÅÄÖxEIYÄÖAxOUyÅ"), 8, QStringLiteral("Bra. Två steg från full pott."), "22"},
        {QStringLiteral("079EAEIOUYÅÄÖAEIYÄÖEAOUÅ"), 7, QString(), "24"},
    };
    TVokalex f;
    f.show();
    for (const Fall &x : fall) {
        typ(f, x.tangenter);
        ASSERT_EQ(G.runda.Uppgiftsnummer, 5) << qPrintable(x.tangenter);
        EXPECT_EQ(f.Dittbetyg->text(), QString::number(x.betyg));
        EXPECT_EQ(f.Lovordlabel->text(), x.lovord);
        EXPECT_EQ(f.DuSummaLabel->text(), x.summa);
        QTest::mouseClick(f.Button2, Qt::LeftButton);
    }
}

TEST_F(Vokalex, ShiftCtrlAndEscAreNoWrongKeys)
{
    TVokalex f;
    f.show();
    typ(f, QStringLiteral("9"));
    QTest::keyClick(&f, Qt::Key_Shift);
    QTest::keyClick(&f, Qt::Key_Control);
    QTest::keyClick(&f, Qt::Key_A, Qt::ShiftModifier);   // "A" with Shift is a right key
    EXPECT_EQ(f.SPanel[1]->text(), QStringLiteral("A"));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.Panel1->isVisible());
    EXPECT_FALSE(f.SPanel[2]->isEnabled());
    // The panel opens with "Fortsätta" in focus, and Enter presses it.
    ASSERT_EQ(f.focusWidget(), f.Button2);
    QTest::keyClick(f.Button2, Qt::Key_Return);
    EXPECT_FALSE(f.Panel1->isVisible());
    EXPECT_TRUE(f.SPanel[2]->isEnabled());
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    EXPECT_EQ(f.examen.felTotalt(), 0);
}
