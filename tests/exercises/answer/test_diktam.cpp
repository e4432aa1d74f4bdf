// The dictation window driven as a pupil drives it: words heard, flashed or
// both, typed into the box and sent with Enter; timer handlers are called
// directly instead of waiting.
#include "../../support/ui/startadrunda.h"

#include "core/diktamen.h"
#include "core/ljud.h"
#include "core/tillstaand.h"
#include "exercises/answer/diktam.h"
#include "platform/timer.h"
#include "platform/ui/kontroller.h"
#include "exercises/frame/taster.h"

#include <QLineEdit>
#include <QToolButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const char *const ord[] = {"mycket", "ficka", "nyckel", "socker", "dörr", "kväll",
                           "äpple",  "kaffe", "sax",    "växa",   "tunga", "regn"};

class Diktam : public StartadRunda {
protected:
    Diktam() : StartadRunda(QSize(1024, 768)) {}
    void SetUp() override
    {
        StartadRunda::SetUp();
        G.val.DiktatLaege = 0;
        // Praise without a pupil: 0, 1 and 2 wrong.
        lovordsfiler({"SVOM9001.LOV", "SVOM9002.LOV", "SVOM9013.LOV"});
        QStringList rader = {QStringLiteral("$Diktamen"), QStringLiteral("$Ganska svårt"),
                             QStringLiteral("$§Skriv ordet som du hör eller ser och tryck Enter.")};
        for (int n = 1; n <= 12; ++n) {
            rader << QString::fromUtf8(ord[n - 1]) + QStringLiteral("##Ledtråd %1.").arg(n);
            skrivBytes(i(QStringLiteral("pc/LJUD/S241/S241%1.WAV").arg(n, 3, 10, QLatin1Char('0'))),
                       QByteArray(64, '\0'));
        }
        datafil(QStringLiteral("SVE24100.DAT"), rader);
    }

    QString spelat() const { return media.spelade.isEmpty() ? QString() : media.spelade.last().fil.section('/', -1); }

    // The presentation timer counts its ticks to the seconds.
    static void presentera(TDiktam &f)
    {
        ASSERT_EQ(f.Timer5->interval(), 2);
        for (int t = 0; t < G.val.SekunderRaettSvar; ++t)
            f.Timer5Timer();
        EXPECT_EQ(f.Timer5->interval(), 0);
    }
    static void skriv(TDiktam &f, const QString &text)
    {
        ASSERT_TRUE(f.Edit1->isEnabled());
        f.Edit1->setFocus();
        // QTest knows the keys of å but not of ä and ö: those come as text.
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(f.Edit1, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, f.Edit1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(f.Edit1, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Diktam, HearingARoundWithHintGlossPraisePictureAndCorrection)
{
    G.val.Oeversaettning = 1;
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/MORVENG.DAT")), {QStringLiteral("mycket#much, very")});
    TDiktam f;
    f.show();
    // Its own flash timer beside the frame's end delay.
    EXPECT_EQ(f.findChildren<plattform::Timer *>(QStringLiteral("Timer3")), QList<plattform::Timer *>{f.Timer3});
    EXPECT_EQ(f.Sluttimer->objectName(), QStringLiteral("Timer4"));
    EXPECT_EQ(f.EngLabel->text(), QStringLiteral("much, very"));
    EXPECT_FALSE(f.EngLabel->isHidden());
    EXPECT_LE(f.EngLabel->x() + f.EngLabel->width(), f.Aster1->x());
    EXPECT_TRUE(f.TidSpinButton->isHidden());

    // The word is heard once the presentation timer has counted; F2 repeats it.
    EXPECT_TRUE(media.spelade.isEmpty());
    presentera(f);
    EXPECT_EQ(spelat(), QStringLiteral("S241001.WAV"));
    QTest::keyClick(f.Edit1, Qt::Key_F2);
    EXPECT_EQ(media.spelade.size(), 2);
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("H&jälp"));
    QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(f.Label6->text(), QStringLiteral("Ledtråd 1."));
    EXPECT_FALSE(f.Label6->isHidden());
    EXPECT_TRUE(f.BitBtn2->isHidden());

    // Ten words, the second wrong: the right word stays for the wait.
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(G.post.PostNummer, n);
        if (n > 1)
            presentera(f);
        EXPECT_EQ(spelat(), QStringLiteral("S241%1.WAV").arg(n, 3, 10, QLatin1Char('0')));
        if (n != 2) {
            skriv(f, QString::fromUtf8(ord[n - 1]) + (n == 4 ? QStringLiteral(".") : QString()));
            continue;
        }
        EXPECT_TRUE(f.EngLabel->isHidden());   // no gloss for this word
        skriv(f, QStringLiteral("fika"));
        EXPECT_EQ(f.Label5->text(), QStringLiteral("ficka"));
        EXPECT_FALSE(f.Label5->isHidden());
        QTest::keyClick(&f, Qt::Key_Space);
        f.Timer1Timer();
    }
    EXPECT_EQ(G.runda.AntalRaett, 9);
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.Image1->pixmap().isNull());
    EXPECT_FALSE(f.Edit1->isEnabled());
    EXPECT_FALSE(f.UpprepaButton->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Button1);

    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_TRUE(f.UpprepaButton->isEnabled());
    presentera(f);
    EXPECT_EQ(spelat(), QStringLiteral("S241002.WAV"));
    skriv(f, QStringLiteral("ficka"));
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_FALSE(f.Slutpanel->isHidden());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Diktam, SeeingAndBothFlashWithinTheDisplayTimeAndTheChoiceIsKept)
{
    {
        TDiktam f;
        f.show();
        QTest::mouseClick(f.BaraseordetButton, Qt::LeftButton);
        EXPECT_EQ(G.val.DiktatLaege, 1);
        EXPECT_EQ(f.SeTidPanel->text(), QStringLiteral("1"));
        EXPECT_FALSE(f.SeIntervalLabel->isHidden());
        QTest::mouseClick(f.TidSpinButton->ned(), Qt::LeftButton);
        EXPECT_EQ(f.Visningstid, 100);
        for (int k = 0; k < 35; ++k)
            QTest::mouseClick(f.TidSpinButton->upp(), Qt::LeftButton);
        EXPECT_EQ(f.Visningstid, 3000);
        EXPECT_EQ(f.SeTidPanel->text(), QStringLiteral("30"));
        EXPECT_EQ(f.focusWidget(), f.Edit1);

        // Seen: flashed at once and again when the timer has counted, never heard.
        skriv(f, QStringLiteral("mycket"));
        EXPECT_EQ(f.BlinkLabel->text(), QStringLiteral("ficka"));
        EXPECT_FALSE(f.BlinkLabel->isHidden());
        EXPECT_FALSE(f.Edit1->isEnabled());
        presentera(f);
        EXPECT_EQ(f.Timer3->interval(), 3000);
        f.Timer3Timer();
        EXPECT_TRUE(f.BlinkLabel->isHidden());
        EXPECT_EQ(f.focusWidget(), f.Edit1);
        QTest::keyClick(f.Edit1, Qt::Key_F2);
        QTest::mouseClick(f.UpprepaButton, Qt::LeftButton);   // flashes, the box stays open
        EXPECT_FALSE(f.BlinkLabel->isHidden());
        EXPECT_TRUE(f.Edit1->isEnabled());
        EXPECT_TRUE(media.spelade.isEmpty());

        // Both: heard and flashed, the box emptied.
        QTest::mouseClick(f.SeochHoraButton, Qt::LeftButton);
        skriv(f, QStringLiteral("ficka"));
        presentera(f);
        EXPECT_EQ(spelat(), QStringLiteral("S241003.WAV"));
        EXPECT_EQ(f.BlinkLabel->text(), QStringLiteral("nyckel"));
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        EXPECT_EQ(G.runda.AntalRaett, 2);
    }
    // The choice outlives the window, the display time does not.
    TDiktam f;
    f.show();
    EXPECT_EQ(G.val.DiktatLaege, 2);
    EXPECT_EQ(f.Timer3->interval(), 100);
    EXPECT_FALSE(f.BlinkLabel->isHidden());
}

// A computer without sound output: the pupil is told what to do, and the
// window has done it: the words are seen, long enough to be read, and can
// be flashed again.
TEST_F(Diktam, WithoutSoundOutputTheWordsAreSeenLongEnoughToRead)
{
    media.utgaang = false;
    TDiktam f;
    f.show();
    EXPECT_EQ(meddelanden.texter(), QStringList{IngenLjudutgaangText});
    EXPECT_TRUE(IngenLjudutgaangText.contains(QStringLiteral("\"Bara se ordet\"")));
    EXPECT_TRUE(IngenLjudutgaangText.contains(QStringLiteral("\"Visningstid\"")));
    EXPECT_EQ(G.val.DiktatLaege, DiktatSe);
    EXPECT_FALSE(f.BaraHoraButton->isEnabled());
    EXPECT_FALSE(f.SeochHoraButton->isEnabled());
    EXPECT_EQ(f.BlinkLabel->text(), QStringLiteral("mycket"));
    EXPECT_EQ(f.Timer3->interval(), 2000);
    EXPECT_TRUE(f.SeTidPanel->isVisible());
    EXPECT_EQ(f.SeTidPanel->text(), QStringLiteral("20"));
    f.Timer3Timer();
    QTest::mouseClick(f.UpprepaButton, Qt::LeftButton);
    EXPECT_FALSE(f.BlinkLabel->isHidden());
    EXPECT_TRUE(media.spelade.isEmpty());
}

TEST_F(Diktam, AltSPastesBesideTheSeeButtonsMnemonic)
{
    TDiktam f;
    f.show();
    f.Edit1->setFocus();
    QTest::keyClick(f.Edit1, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);   // a mnemonic click would arrive animated
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("ß"));
    EXPECT_EQ(G.val.DiktatLaege, 0);
}

TEST_F(Diktam, TheBoxStaysShutDuringTheWaitSoNoItemCountsTwice)
{
    G.val.DiktatLaege = 1;
    TDiktam f;
    f.show();
    f.Timer3Timer();
    skriv(f, QStringLiteral("fel"));
    ASSERT_TRUE(f.Timer1->koer());
    QTest::mouseClick(f.UpprepaButton, Qt::LeftButton);
    QTest::mouseClick(f.BaraHoraButton, Qt::LeftButton);
    f.Timer3Timer();
    EXPECT_FALSE(f.Edit1->isEnabled());
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    G.runda.Tidraeknare = 20000;
    f.Timer1Timer();
    EXPECT_TRUE(f.Edit1->isEnabled());
    EXPECT_EQ(G.post.PostNummer, 2);
}
