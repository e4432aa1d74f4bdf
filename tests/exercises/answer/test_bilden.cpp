// The picture questions as a pupil meets them: the picture beside the
// questions, typed names judged without regard to capitals, a round with
// its correction round, and a picture that cannot be found.
#include "../../support/miljoe.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/answer/bilden.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/kontroller.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kroppen = {
    QStringLiteral("$Du själv"), QStringLiteral("$Kroppens delar"),
    QStringLiteral("$§Titta på bilden. Skriv vad delen heter och tryck Enter."),
    QStringLiteral("Vad heter kroppsdelen med nummer 1?#huvudet#&huvud"),
    QStringLiteral("Vad heter kroppsdelen med nummer 2?#halsen#&hals"),
    QStringLiteral("Vad heter kroppsdelen med nummer 3?#axeln#&axel"),
    QStringLiteral("Vad heter kroppsdelen med nummer 4?#armen#&arm"),
    QStringLiteral("Vad heter kroppsdelen med nummer 5?#armbågen#&armbåge"),
    QStringLiteral("Vad heter kroppsdelen med nummer 6?#handen#&hand"),
    QStringLiteral("Vad heter kroppsdelen med nummer 7?#fingret#&finger"),
    QStringLiteral("Vad heter kroppsdelen med nummer 8?#bröstet#&bröst"),
    QStringLiteral("Vad heter kroppsdelen med nummer 9?#magen#&mage"),
    QStringLiteral("Nummer 10 sitter mellan nummer 9 och låret, på sidan, och man kan sätta händerna där när man "
                   "står och väntar på bussen en lång stund. Vad heter den?#höften#&höft"),
    QStringLiteral("Vad heter kroppsdelen med nummer 11?#låret#&lår")};

class Bilden : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        plattform::saettSkaermstorlek([] { return QSize(800, 600); });
        for (const char *namn : {"SVOM9001.LOV", "SVOM9002.LOV", "SVOM9013.LOV"}) {
            const QString n = QString::fromLatin1(namn);
            skrivFil1252(i(QStringLiteral("cd/DATA/LOV/") + n), {QStringLiteral("Bra#") + n.mid(4, 4) + QStringLiteral("#!")});
            G.start.LovordFilTabell[++G.start.AntalLovordFiler] = n;
        }
        QImage bild(300, 450, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
        QDir().mkpath(i(QStringLiteral("pc/BILD")));
        ASSERT_TRUE(bild.save(i(QStringLiteral("pc/BILD/KROPPEN.BMP")), "BMP"));
        G.beroem.BildNamn = QStringLiteral("KROPPEN.BMP");
        datafil(QStringLiteral("SVE38100.DAT"), kroppen);
    }
    // The question as it reads over its one or two lines.
    static QString fraagan(const TBilden &b)
    {
        return b.FrageLabel1->isHidden() ? b.FrageLabel2->text()
                                         : (b.FrageLabel1->text() + QLatin1Char(' ') + b.FrageLabel2->text()).simplified();
    }
    static void svara(TBilden &b, const QString &text)
    {
        b.Edit1->setFocus();
        b.Edit1->setText(text);
        QTest::keyClick(b.Edit1, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Bilden, ARoundWithACorrectionRound)
{
    TBilden b;
    b.show();
    EXPECT_FALSE(b.Image1->isHidden());
    EXPECT_FALSE(b.Image1->pixmap().isNull());
    EXPECT_LE(b.Image1->x() + b.Image1->width(), b.OverskriftYtterShape->x());
    EXPECT_EQ(b.Overs2Label->text(), QStringLiteral("Kroppens delar"));
    EXPECT_EQ(b.InstruktionsLabel->text(), QStringLiteral("Titta på bilden. Skriv vad delen heter och tryck Enter."));
    EXPECT_EQ(fraagan(b), QStringLiteral("Vad heter kroppsdelen med nummer 1?"));
    EXPECT_EQ(b.Sluttimer->objectName(), QStringLiteral("Timer2"));
    EXPECT_EQ(b.Bildpanelen->objectName(), QStringLiteral("Bildpanelen"));
    EXPECT_TRUE(b.Bildpanelen->isHidden());

    svara(b, QStringLiteral("Huvud"));           // an alternative, capitals ignored
    EXPECT_EQ(G.runda.AntalRaett, 1);
    svara(b, QStringLiteral("nacken"));
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_FALSE(b.SvarsLabel->isHidden());
    EXPECT_EQ(b.SvarsLabel->text(), QStringLiteral("halsen"));
    QTest::keyClick(&b, Qt::Key_Space);
    b.Timer1Timer();
    EXPECT_EQ(G.post.PostNummer, 3);
    EXPECT_TRUE(b.SvarsLabel->isHidden());
    for (const char *t : {"axeln", "armen", "armbågen", "handen", "fingret", "bröstet", "fel"})
        svara(b, QString::fromUtf8(t));
    EXPECT_TRUE(b.Timer1->koer());
    G.runda.Tidraeknare = 20000;
    b.Timer1Timer();
    // A question too long for one line: the first line, then the rest.
    EXPECT_FALSE(b.FrageLabel1->isHidden());
    EXPECT_TRUE(b.FrageLabel1->text().startsWith(QStringLiteral("Nummer 10")));
    EXPECT_TRUE(b.FrageLabel2->text().endsWith(QStringLiteral("Vad heter den?")));
    EXPECT_EQ(fraagan(b), b.postdelar.faelt[1]);
    EXPECT_EQ(b.Edit1->width(), b.SvarsLabel->width() + 60);
    // A right last answer ends the round at once.
    svara(b, QStringLiteral("höften"));
    EXPECT_FALSE(b.Panel1->isHidden());
    EXPECT_FALSE(b.Bildpanelen->isHidden());
    EXPECT_FALSE(b.LovordPanel->isHidden());   // 8 of 10
    EXPECT_TRUE(b.LovordLabel1->text().startsWith(QStringLiteral("Bra 9013")));
    EXPECT_FALSE(b.Image1->isHidden());         // the picture stays; no reward picture
    EXPECT_EQ(b.focusWidget(), b.Button1);

    QTest::mouseClick(b.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_TRUE(b.Bildpanelen->isHidden());
    EXPECT_TRUE(b.LovordPanel->isHidden());
    EXPECT_EQ(fraagan(b), QStringLiteral("Vad heter kroppsdelen med nummer 2?"));
    svara(b, QStringLiteral("hals"));
    EXPECT_EQ(fraagan(b), QStringLiteral("Vad heter kroppsdelen med nummer 9?"));
    svara(b, QStringLiteral("magen"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_FALSE(b.Panel1->isHidden());
    EXPECT_FALSE(b.Button1->isEnabled());
    QTest::mouseClick(b.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_EQ(G.post.PostNummer, 11);
    EXPECT_TRUE(b.Panel1->isHidden());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Bilden, AMissingPictureIsNamedAndTheQuestionsGoOn)
{
    G.beroem.BildNamn = QStringLiteral("HUVUDET.BMP");
    TBilden b;
    b.show();
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster.at(0).text,
              QStringLiteral("Filen cd\\BILD\\HUVUDET.BMP finns inte eller är felaktig"));
    EXPECT_TRUE(b.Image1->isHidden());
    svara(b, QStringLiteral("huvudet"));
    EXPECT_EQ(G.runda.AntalRaett, 1);
    // A file that is there but is no picture is told the same way.
    skrivBytes(i(QStringLiteral("pc/BILD/HUVUDET.BMP")), QByteArray("inte en bild"));
    TBilden trasig;
    ASSERT_EQ(meddelanden.poster.size(), 2);
    EXPECT_EQ(meddelanden.poster.at(1).text,
              QStringLiteral("Filen pc\\BILD\\HUVUDET.BMP finns inte eller är felaktig"));
}

TEST_F(Bilden, APauseInTheRoundKeepsItsCounts)
{
    TBilden b;
    b.show();
    for (const char *t : {"huvudet", "fel", "axeln", "armen"}) {
        svara(b, QString::fromUtf8(t));
        if (b.Timer1->koer()) {
            G.runda.Tidraeknare = 20000;
            b.Timer1Timer();
        }
    }
    QTest::keyClick(b.Edit1, Qt::Key_Escape);
    ASSERT_FALSE(b.Panel1->isHidden());
    QTest::mouseClick(b.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 5);
    for (const char *t : {"armbågen", "handen", "fingret", "bröstet", "magen", "höften"})
        svara(b, QString::fromUtf8(t));
    // 9 of 10, the pause or not: the praise of the whole round.
    EXPECT_EQ(G.runda.AntalRaett, 9);
    EXPECT_FALSE(b.LovordPanel->isHidden());
}

TEST_F(Bilden, AQuestionWithoutAnAnswerIsNotAsked)
{
    QStringList rader = kroppen;
    rader[4] = QStringLiteral("Vad heter kroppsdelen med nummer 2?");
    datafil(QStringLiteral("SVE38101.DAT"), rader);
    {
        TBilden b;
        b.show();
        svara(b, QStringLiteral("huvudet"));
        EXPECT_EQ(fraagan(b), QStringLiteral("Vad heter kroppsdelen med nummer 3?"));
    }
    // None can be asked: the usual message, and the window closes.
    datafil(QStringLiteral("SVE38102.DAT"), kroppen.mid(0, 3) + QStringList{rader[4], QStringLiteral("Vad?#  ")});
    TBilden b;
    EXPECT_TRUE(b.aerStangd());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster.at(0).text, QStringLiteral("Filen SVE38102.DAT finns inte eller är felaktig"));
}

class ByggdaBilder : public ByggdMiljoe {};

TEST_F(ByggdaBilder, TheFiguresAreDrawnForTheProgram)
{
    ASSERT_TRUE(Uppstart());
    for (const char *namn : {"KROPPEN.BMP", "HUVUDET.BMP"}) {
        const QString soekvaeg = HittaInnehaall(QStringLiteral("\\BILD\\") + QString::fromLatin1(namn));
        ASSERT_FALSE(soekvaeg.isEmpty()) << namn;
        const QImage bild(plattform::riktigSoekvaeg(soekvaeg));
        EXPECT_GE(bild.height(), 800) << namn;
    }
}
