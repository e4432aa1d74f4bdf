#include "../app/foensterhjaelp.h"
#include "../support/miljoe.h"

#include "core/tillstaand.h"
#include "dialogs/regelform.h"
#include "platform/text1252.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {
const char *const allaSidor[] = {"Dubbelskrivning1.htm", "Ae-ljudet.htm", "Aa-ljudet1.htm",
                                 "Tj-ljudet.htm", "Sj-ljudet1.htm", "Ng-ljudet.htm", "J-ljudet1.htm",
                                 "Ks-ljudet.htm", "Avstavning.htm", "Kortning1.htm", "Varvart.htm",
                                 "Genus.htm", "Tema1.htm", "Imperativ.htm", "Transitiva.htm"};
}

class Regelsidor : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        nollstaellRegelsida();
    }
    void TearDown() override
    {
        nollstaellRegelsida();
        StartatProgram::TearDown();
    }
    void sida(const QString &bas, const QString &namn, const QString &text)
    {
        skrivFil1252(i(bas + "/regler/" + namn), {"<html><body><p>" + text + "</p></body></html>"});
    }
};

TEST(Regeltabell, PagesByProgramNumber)
{
    for (Word p = 37100; p <= 37300; ++p)
        ASSERT_EQ(Regelsida(p), "Kortning1.htm") << p;
    for (Word p = 46110; p <= 46150; ++p)
        ASSERT_EQ(Regelsida(p), "Tema1.htm") << p;
    EXPECT_EQ(Regelsida(46300), "Tema1.htm");
    EXPECT_EQ(Regelsida(22100), "Dubbelskrivning1.htm");
    EXPECT_EQ(Regelsida(22250), "Dubbelskrivning1.htm");
    EXPECT_EQ(Regelsida(23500), "Sj-ljudet1.htm");
    EXPECT_EQ(Regelsida(46200), "Imperativ.htm");
    EXPECT_EQ(Regelsida(46400), "Transitiva.htm");
    for (Word p : {22150, 23101, 23900, 39100, 24300, 37099, 37301, 46160, 0, 65535})
        EXPECT_EQ(Regelsida(p), "") << p;
}

TEST_F(Regelsidor, TheCdCopyComesFirst)
{
    sida("cd", "Dubbelskrivning1.htm", "cd-sidan");
    sida("pc", "Dubbelskrivning1.htm", "pc-sidan");
    TRegelform f(22300);
    EXPECT_TRUE(f.visadFil().endsWith("cd/regler/Dubbelskrivning1.htm")) << f.visadFil().toStdString();
    EXPECT_TRUE(f.WebBrowser1->toPlainText().contains("cd-sidan"));
    QFile::remove(i("cd/regler/Dubbelskrivning1.htm"));
    TRegelform g(22300);
    EXPECT_TRUE(g.WebBrowser1->toPlainText().contains("pc-sidan"));
    EXPECT_TRUE(meddelanden.poster.isEmpty());
    // The page ends a margin above "Tillbaka", which never covers its last line.
    EXPECT_EQ(g.WebBrowser1->geometry(), QRect(10, 10, 640 - 20, g.ClosePanel2Knapp->y() - 20));
    EXPECT_EQ(g.ClosePanel2Knapp->y() + g.ClosePanel2Knapp->height(), 480);
    EXPECT_EQ(g.ClosePanel2Knapp->text(), "Tillbaka");
}

TEST_F(Regelsidor, ThePageIsRememberedAcrossOpenings)
{
    sida("cd", "Tema1.htm", "tempus");
    naerModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    VisaRegelform(46110);
    EXPECT_EQ(aktuellRegelsida(), "Tema1.htm");
    QString visad;
    naerModal([&](QWidget *w) {
        auto *f = dynamic_cast<TRegelform *>(w);
        visad = f->visadFil();
        QTest::mouseClick(f->ClosePanel2Knapp, Qt::LeftButton);
    });
    VisaRegelform(23900);
    EXPECT_TRUE(visad.endsWith("Tema1.htm"));
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Regelsidor, ThePageOfTheProgramGivenWhateverTheSharedNumberSays)
{
    sida("cd", "Dubbelskrivning1.htm", "dubbel");
    sida("cd", "Tema1.htm", "tempus");
    G.oevning.Programtal = 46110;
    QString visad;
    naerModal([&](QWidget *w) {
        visad = dynamic_cast<TRegelform *>(w)->visadFil();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    VisaRegelform(22300);
    EXPECT_TRUE(visad.endsWith("Dubbelskrivning1.htm")) << visad.toStdString();
    EXPECT_EQ(G.oevning.Programtal, 46110);
    TRegelform f(22300);
    EXPECT_TRUE(f.WebBrowser1->toPlainText().contains("dubbel"));
}

TEST_F(Regelsidor, AMissingPageIsReportedTwiceAndTheWindowStillOpens)
{
    bool oeppnad = false;
    naerModal([&](QWidget *w) {
        oeppnad = true;
        // Every key is taken by the window; only Esc does something.
        auto *f = dynamic_cast<TRegelform *>(w);
        QTest::keyClick(f->WebBrowser1, Qt::Key_Down);
        EXPECT_TRUE(f->isVisible());
        QTest::keyClick(f->WebBrowser1, Qt::Key_Escape);
    });
    VisaRegelform(39100);   // no page, and none before it
    EXPECT_TRUE(oeppnad);
    const QString tom = QString::fromUtf8("Filen cd\\regler\\ finns inte eller är felaktig");
    EXPECT_EQ(meddelanden.texter(), (QStringList{tom, tom}));

    meddelanden.poster.clear();
    naerModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    VisaRegelform(44000);
    const QString saknas = QString::fromUtf8("Filen pc\\regler\\Genus.htm finns inte eller är felaktig");
    EXPECT_EQ(meddelanden.texter(), (QStringList{saknas, saknas}));
}

TEST_F(Regelsidor, TheBundledPagesAreThereAndRender)
{
    G.start.CdSoekvaeg = MORV_CONTENT_DIR;
    G.start.PcSoekvaeg = "finns-inte";
    for (const char *namn : allaSidor) {
        SCOPED_TRACE(namn);
        QFile fil(QString(MORV_CONTENT_DIR) + "/regler/" + namn);
        ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
        const QByteArray b = fil.readAll();
        EXPECT_TRUE(b.contains("charset=windows-1252"));
        EXPECT_EQ(b.count("\n"), b.count("\r\n"));
        EXPECT_EQ(plattform::till1252(plattform::fraan1252(b)), b);
    }
    // Every page of the table is among them, and shows Swedish text.
    for (Word p = 22000; p < 47000; ++p) {
        const QString namn = Regelsida(p);
        if (!namn.isEmpty()) {
            ASSERT_TRUE(std::find(std::begin(allaSidor), std::end(allaSidor), namn) != std::end(allaSidor))
                << namn.toStdString();
        }
    }
    TRegelform f(23200);
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
    EXPECT_TRUE(f.WebBrowser1->toPlainText().contains(QString::fromUtf8("Å-ljudet")));
    EXPECT_TRUE(f.WebBrowser1->toPlainText().contains(QString::fromUtf8("båt")));
}
