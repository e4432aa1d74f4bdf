// The whole road of one exercise, as a pupil takes it: main window →
// "Stavning" → "Stava rätt" → "Ä-ljudet", a round of ten items with two
// wrong answers, praise and reward picture, a correction round over exactly
// the wrong items, and back to the sub-menu with Esc.
#include "../support/miljoe.h"
#include "foensterhjaelp.h"

#include "app/tform1.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/answer/flerbar.h"
#include "core/foensterregister.h"
#include "platform/media.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

QPushButton *knappMedText(QWidget *foenster, const QString &text)
{
    for (QPushButton *b : foenster->findChildren<QPushButton *>())
        if (b->isVisible() && b->text().remove(QLatin1Char('&')) == text)
            return b;
    return nullptr;
}

Valpanel *valMed(TFLERBAR &f, const QString &ord)
{
    for (Valpanel *v : f.Valpaneler)
        if (!v->isHidden() && v->text() == ord)
            return v;
    return nullptr;
}

Valpanel *felVal(TFLERBAR &f)
{
    for (Valpanel *v : f.Valpaneler)
        if (!v->isHidden() && v->text() != f.TestLabel->text())
            return v;
    return nullptr;
}

} // namespace

class Vaegen : public ByggdMiljoe {
protected:
    void SetUp() override
    {
        ByggdMiljoe::SetUp();
        ASSERT_TRUE(Uppstart());
    }

    // The round inside the exercise window.
    void runda(TFLERBAR &f)
    {
        EXPECT_EQ(G.oevning.DatFilNamn, QStringLiteral("SVE23100.DAT"));
        EXPECT_EQ(f.Overs2Label->text(), QString::fromUtf8("Ä-ljudet"));
        for (int tick = 0; tick < 10 && media.spelade.isEmpty(); ++tick)
            f.Timer5Timer();   // the first item's sound, after the set seconds
        EXPECT_FALSE(media.spelade.isEmpty());
        QList<int> felaPoster;
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE(n);
            ASSERT_EQ(G.runda.Uppgiftsnummer, n);
            if (n == 3 || n == 7) {
                felaPoster << G.post.PostNummer;
                Valpanel *v = felVal(f);
                ASSERT_NE(v, nullptr);
                QTest::mouseClick(v, Qt::LeftButton);
                // The right word shows for the set seconds; Space skips.
                EXPECT_TRUE(f.KorrektSvarLabel->isVisible());
                EXPECT_EQ(f.KorrektSvarLabel->text(), f.TestLabel->text());
                f.Timer1Timer();
                EXPECT_EQ(G.runda.Uppgiftsnummer, n + 1);
                EXPECT_TRUE(f.KorrektSvarLabel->isVisible());   // one tick is not the wait
                QTest::keyClick(&f, Qt::Key_Space);
                f.Timer1Timer();
                EXPECT_FALSE(f.KorrektSvarLabel->isVisible());
            } else {
                Valpanel *v = valMed(f, f.TestLabel->text());
                ASSERT_NE(v, nullptr) << qPrintable(f.TestLabel->text());
                QTest::mouseClick(v, Qt::LeftButton);
            }
        }
        EXPECT_EQ(G.runda.AntalRaett, 8);
        EXPECT_TRUE(f.LovordPanel->isVisible());
        EXPECT_FALSE(f.LovordLabel1->text().trimmed().isEmpty());
        EXPECT_TRUE(f.BildPanelen->isVisible());
        EXPECT_TRUE(f.Image1->isVisible());
        EXPECT_FALSE(f.Image1->pixmap().isNull());
        ASSERT_TRUE(f.Button1->isEnabled());

        // The correction round runs over the two wrong items, in order.
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        EXPECT_EQ(G.runda.RaettaFel, 1);
        EXPECT_EQ(G.runda.AntalIRunda, 2);
        QList<int> igen;
        for (int n = 1; n <= 2; ++n) {
            igen << G.fel.FelPostNummer;
            QTest::mouseClick(valMed(f, f.TestLabel->text()), Qt::LeftButton);
        }
        EXPECT_EQ(igen, felaPoster);
        EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
        EXPECT_FALSE(f.Button1->isEnabled());

        // The end panel is up; Esc on it leaves the exercise.
        EXPECT_TRUE(f.Escapepanel->isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_TRUE(f.aerStangd());
        klar = true;
    }

    plattform::InspeladMediaspelare media;
    Saett<plattform::Mediaspelare> m_media{&media};
    ByggdaFoenster m_foenster;
    bool klar = false;
};

TEST_F(Vaegen, FromTheMainWindowThroughARoundAndBack)
{
    TForm1 huvud;
    huvud.show();
    QWidget *stavning = nullptr;
    naerModal([&](QWidget *tf2) {
        stavning = tf2;
        ASSERT_NE(tf2, nullptr);
        naerModal([&](QWidget *staVaRaett) {
            ASSERT_NE(staVaRaett, nullptr);
            naerModal([&](QWidget *w) {
                auto *f = dynamic_cast<TFLERBAR *>(w);
                ASSERT_NE(f, nullptr);
                runda(*f);
                if (!f->aerStangd())
                    f->reject();
            });
            QTest::mouseClick(knappMedText(staVaRaett, QString::fromUtf8("Ä-ljudet")), Qt::LeftButton);
            // Back in the sub-menu, which Esc closes.
            EXPECT_EQ(QApplication::activeModalWidget(), staVaRaett);
            QTest::keyClick(staVaRaett, Qt::Key_Escape);
        });
        QPushButton *b = knappMedText(tf2, QString::fromUtf8("Stava rätt"));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), tf2);
        QTest::keyClick(tf2, Qt::Key_Escape);
    });
    QTest::mouseClick(huvud.Button[2], Qt::LeftButton);
    EXPECT_NE(stavning, nullptr);
    EXPECT_TRUE(klar);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
