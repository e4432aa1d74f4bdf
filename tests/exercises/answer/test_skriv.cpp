// The typed-answer window driven as a pupil drives it: typing and Enter,
// Space during a wait, the help and rule buttons, the end-panel buttons.
// Timer handlers are called directly instead of waiting.
#include "../../support/ui/startadrunda.h"
#include "../../support/ui/diagnosrunda.h"
#include "../../support/ui/modal.h"

#include "core/diagnos.h"
#include "core/tillstaand.h"
#include "exercises/answer/skriv.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// "Vilket ord 1": help texts before the "&" alternatives.
const QStringList djur = {
    QStringLiteral("$Vilket ord"),
    QStringLiteral("$Vilket ord 1"),
    QStringLiteral("$§Vilket djur är det? Skriv ordet och tryck på Enter."),
    QStringLiteral("Den säger mu och ger oss mjölk.#ko#Ordet börjar på k.#Ordet har 2 bokstäver.#&kossa"),
    QStringLiteral("Den skäller och viftar på svansen.#hund#Ordet börjar på h."),
    QStringLiteral("Den jamar och spinner när den är nöjd.#katt"),
    QStringLiteral("Den gnäggar och man kan rida på den.#häst#&ponny"),
    QStringLiteral("Den kväker och hoppar omkring vid dammen.#groda"),
    QStringLiteral("Den har taggar på ryggen och sover hela vintern i ett bo av löv.#igelkott"),
    QStringLiteral("Den bräker och ger oss ull.#får"),
    QStringLiteral("Den gnager ner träd och bygger dammar.#bäver"),
    QStringLiteral("Den har svarta och vita ränder.#zebra"),
    QStringLiteral("Den har lång hals.#giraff"),
    QStringLiteral("Den har en lång snabel.#elefant"),
};

} // namespace

class Skriv : public StartadRunda {
protected:
    void SetUp() override
    {
        StartadRunda::SetUp();
        G.skaerm.Skalprocent = 100;
        G.val.LaddaOrdlistor = 0;
        G.val.LjudLaege = 0;
        lovordsfiler({"SVOM9001.LOV", "SVOM9002.LOV", "SVOM9003.LOV", "SVOM9004.LOV", "SVOM9013.LOV", "SVOM9014.LOV"});
    }

    static void skriv(TSKRIV &f, const QString &svar)
    {
        ASSERT_TRUE(f.Edit1->isEnabled());
        f.Edit1->setFocus();
        f.Edit1->insert(svar);   // as typed; keyClicks takes ASCII only
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
    static void svara(TSKRIV &f, bool raett)
    {
        skriv(f, raett ? f.Testlabel->text() : QStringLiteral("xyz"));
    }
};

TEST_F(Skriv, VilketOrd1RoundWithAWrongAnswerHelpAndTheCorrectionRound)
{
    datafil(QStringLiteral("SVE31110.DAT"), djur);
    TSKRIV f;
    f.show();
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Vilket ord 1"));
    EXPECT_EQ(f.FrageLabel2->text(), QStringLiteral("Den säger mu och ger oss mjölk."));
    EXPECT_TRUE(f.FrageLabel1->isHidden());
    EXPECT_EQ(f.FrageLabel2->font().pixelSize(), 29);   // 22 points
    EXPECT_TRUE(f.Label5->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Edit1);

    // The help texts wait for the button.
    EXPECT_FALSE(f.BitBtn2->isHidden());
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Hjälp"));
    EXPECT_TRUE(f.Label6->isHidden());
    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(f.Label6->isHidden());
    EXPECT_EQ(f.Label6->text(), QStringLiteral("Ordet börjar på k."));
    EXPECT_FALSE(f.BitBtn3->isHidden());
    QTest::mouseClick(f.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("Ordet har 2 bokstäver."));
    EXPECT_FALSE(f.Label7->isHidden());

    // A help text is no answer; the "&" alternative is, in any letter case.
    skriv(f, QStringLiteral("Ordet har 2 bokstäver."));
    EXPECT_FALSE(f.Label5->isHidden());
    EXPECT_EQ(f.Label5->text(), QStringLiteral("ko"));
    EXPECT_TRUE(f.Timer1->koer());
    EXPECT_FALSE(f.Edit1->isEnabled());
    QTest::keyClick(&f, Qt::Key_Space);   // ends the wait at the next tick
    f.Timer1Timer();
    EXPECT_EQ(G.post.PostNummer, 2);
    EXPECT_TRUE(f.Label5->isHidden());
    EXPECT_TRUE(f.Label6->isHidden());
    EXPECT_FALSE(f.BitBtn2->isHidden());   // one help text
    skriv(f, QStringLiteral("HUND"));
    EXPECT_TRUE(f.BitBtn2->isHidden());    // none
    skriv(f, QStringLiteral("katt"));
    skriv(f, QStringLiteral("Ponny."));
    skriv(f, QStringLiteral("groda"));
    // A question too long for one line is broken into two.
    EXPECT_FALSE(f.FrageLabel1->isHidden());
    EXPECT_EQ((f.FrageLabel1->text() + QLatin1Char(' ') + f.FrageLabel2->text()).simplified(), f.postdelar.faelt[1]);
    EXPECT_LT(f.FrageLabel1->y(), f.FrageLabel2->y());
    for (int n = 6; n <= 10; ++n)
        svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 9);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 1);
    EXPECT_EQ(G.post.PostNummer, 10);   // no item after the round's last answer

    // Praise, picture, and the correction round over the wrong item.
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.BildPanelen->isHidden());
    EXPECT_FALSE(f.Image1->pixmap().isNull());
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_TRUE(f.Button1->isEnabled());
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 1);
    EXPECT_EQ(f.FrageLabel2->text(), QStringLiteral("Den säger mu och ger oss mjölk."));
    skriv(f, QStringLiteral("kossa"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Skriv, Ordna1DrawsLettersThatNeverEnterTheWrongAnswerList)
{
    G.val.SekunderRaettSvar = 0;
    datafil(QStringLiteral("SVE34300.DAT"), {QStringLiteral("$Alfabetet"), QStringLiteral("$Ordna 1"),
                                             QStringLiteral("DCBA#ABCD")});
    TSKRIV f;
    f.show();
    EXPECT_EQ(f.Bokstavsuppgift, 1);
    EXPECT_EQ(f.lampknapp, nullptr);
    EXPECT_TRUE(f.BitBtn2->isHidden());
    QTest::keyClick(f.Edit1, Qt::Key_Escape);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    svara(f, true);
    // The next draw is A B C D, already in order, and is drawn again: Ö Å Ä A.
    for (int k = 0; k < 29; ++k)
        slump.vaerden << 0;
    slump.vaerden << 28 << 26 << 26 << 0;
    svara(f, false);
    f.Timer1Timer();
    EXPECT_EQ(f.FrageLabel2->text(), QStringLiteral("ÖÅÄA"));
    skriv(f, QStringLiteral("aåäö"));
    EXPECT_EQ(G.runda.AntalRaett, 2);
    for (int n = 4; n <= 10; ++n) {
        EXPECT_EQ(f.FrageLabel2->text().size(), 4);
        EXPECT_NE(f.FrageLabel2->text(), f.Testlabel->text());
        svara(f, false);
        if (n < 10)
            f.Timer1Timer();
        EXPECT_TRUE(f.Button1->isHidden() || !f.Button1->isEnabled());
    }
    f.SluttimerTimer();
    EXPECT_EQ(G.runda.AntalFel, 8);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_FALSE(f.Panel1->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Button2);
}

TEST_F(Skriv, TheAlphabetHasNoLampAndOrdna2And3DrawFiveAndSixLetters)
{
    datafil(QStringLiteral("SVE34100.DAT"), {QStringLiteral("$Alfabetet"), QStringLiteral("$Före – mellan – efter"),
                                             QStringLiteral("B#A C")});
    {
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.Bokstavsuppgift, 0);
        EXPECT_EQ(f.lampknapp, nullptr);
    }
    for (const auto &[fil, antal] : {std::pair{"SVE34400.DAT", 5}, std::pair{"SVE34500.DAT", 6}}) {
        datafil(QString::fromLatin1(fil), {QStringLiteral("$Alfabetet"), QStringLiteral("$Ordna"),
                                           QStringLiteral("BA#AB")});
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.FrageLabel2->text().size(), antal) << fil;
        EXPECT_EQ(f.lampknapp, nullptr) << fil;
    }
}

TEST_F(Skriv, DiagnosisPracticeOfThePluralPassesByTheFrameRule)
{
    Protokollregistrering reg(&protokoll);
    G.diagnos.DiagnosNummer = 12;
    G.oevning.Arbetsbladslaege = 3;
    QStringList rader = {QStringLiteral("$Övning"), QStringLiteral("$Plural"),
                         QStringLiteral("flicka#flickor#Ordet slutar på -or.")};
    for (int n = 2; n <= 40; ++n)
        rader << QStringLiteral("bil%1#bilar%1").arg(n);
    datafil(QStringLiteral("SVOVN112.DAT"), rader);
    TSKRIV f;
    f.show();
    EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Övning 1"));
    // "en flicka" above, "flera" before the answer field.
    EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("en"));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("flera "));
    EXPECT_FALSE(f.Label4->isHidden());
    EXPECT_GT(f.Edit1->x(), f.Label4->x() + f.Label4->width() - 1);
    EXPECT_EQ(f.FrageLabel2->x(), f.Edit1->x());
    EXPECT_EQ(f.Label5->x(), f.Edit1->x());

    // Help used on an item: its right answer does not count.
    EXPECT_TRUE(f.Label6->isHidden());
    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(f.Label6->isHidden());
    svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    for (int n = 2; n <= 20; ++n)
        svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 19);
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(G.diagnos.OevningsNummer, 1);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Övning 2"));
    diagnosrunda(f, 8, [&](bool r) { svara(f, r); });
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
    EXPECT_EQ(G.diagnos.Diagnostabell.status[12], 2);
    EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 12")});
}

TEST_F(Skriv, RulePagesKryptoHelpFontsAndWorksheetMode)
{
    datafil(QStringLiteral("SVE36100.DAT"), {QStringLiteral("$Avstavning"), QStringLiteral("$Lätt"),
                                             QStringLiteral("maten#ma-ten#&mat-en")});
    {
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Regel"));
        EXPECT_FALSE(f.BitBtn2->isHidden());
        staengNaestaModal();   // the rule page
        QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
        EXPECT_FALSE(f.aerStangd());
        skriv(f, QStringLiteral("mat-en"));
        EXPECT_EQ(G.runda.AntalRaett, 1);
    }
    // Krypto offers "&Hjälp" on an item without help texts too.
    datafil(QStringLiteral("SVE35000.DAT"), {QStringLiteral("$Dina ord"), QStringLiteral("$Krypto"),
                                             QStringLiteral("IFK#Hej")});
    {
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Hjälp"));
        EXPECT_FALSE(f.BitBtn2->isHidden());
        EXPECT_NE(f.lampknapp, nullptr);
    }
    datafil(QStringLiteral("SVE37300.DAT"), {QStringLiteral("$Förkortningar"), QStringLiteral("$Bokstavsord"),
                                             QStringLiteral("Landsorganisationen#LO")});
    {
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Regel"));
        EXPECT_EQ(f.FrageLabel2->font().pixelSize(), 19);   // 14 points
    }
    // The plural: "en" over the word, "flera" before the answer field.
    datafil(QStringLiteral("SVE45000.DAT"), {QStringLiteral("$Grammatik"), QStringLiteral("$Plural"),
                                             QStringLiteral("flicka#flickor#Ordet slutar på -or.")});
    {
        TSKRIV f;
        f.show();
        EXPECT_EQ(f.FrageLabel1->text(), QStringLiteral("en"));
        EXPECT_FALSE(f.FrageLabel1->isHidden());
        EXPECT_EQ(f.Label4->text(), QStringLiteral("flera "));
        EXPECT_FALSE(f.Label4->isHidden());
    }
    // A worksheet shows the items without answer field, help or "flera".
    G.oevning.Arbetsbladslaege = 1;
    TSKRIV f;
    f.show();
    EXPECT_TRUE(f.Edit1->isHidden());
    EXPECT_TRUE(f.Label4->isHidden());
    EXPECT_TRUE(f.BitBtn2->isHidden());
    EXPECT_EQ(f.FrageLabel2->text(), QStringLiteral("flicka"));
}
