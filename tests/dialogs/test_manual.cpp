#include "../support/miljoe.h"
#include "../support/ui/modal.h"
#include "../support/ui/provskrivare.h"

#include "core/tillstaand.h"
#include "dialogs/manual.h"
#include "platform/text1252.h"
#include "platform/ui/utskrift.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

using namespace plattform;

namespace {
class Manual : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
    }
    static QStringList numrerade(int n)
    {
        QStringList r;
        for (int i = 1; i <= n; ++i)
            r << QStringLiteral("Rad %1 i manualen").arg(i);
        return r;
    }
    Provskrivare skrivaren{300};
    Provdialog dialog;
    Saett<Skrivare> m_skrivaren{&skrivaren};
    Saett<Utskriftsdialog> m_dialog{&dialog};
};

// The mm position at which a page's text lines stand.
int radhoejdMm(Skrivare &p)
{
    p.saettTypsnitt(QStringLiteral("Arial"), 12);
    return p.YPixelTillmm(p.textHeight(QStringLiteral("Hej")));
}
} // namespace

TEST_F(Manual, MissingManualGivesTheMessageAndNoWindow)
{
    TManual f;
    EXPECT_TRUE(f.stangdUnderSkapande());
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QStringLiteral("Filen cd\\DATA\\SVEMAN2.TXT finns inte eller är felaktig")});
    bool visades = false;
    QTimer::singleShot(0, testkontext(), [&] { visades = QApplication::activeModalWidget() != nullptr; });
    VisaManual();
    QApplication::processEvents();
    EXPECT_FALSE(visades);
}

TEST_F(Manual, ThePcCopyIsShownEveryLineIndentedByTwoBlanks)
{
    skrivFil1252(i("cd/DATA/SVEMAN2.TXT"), {QStringLiteral("Från cd")});
    skrivFil1252(i("pc/data/sveman2.txt"), {QStringLiteral("Från pc, rad ett"), QString(),
                                            QStringLiteral("Sista raden: å ä ö")});
    TManual f;
    ASSERT_FALSE(f.stangdUnderSkapande());
    EXPECT_EQ(TManual::rader(f.Memo1),
              (QStringList{QStringLiteral("  Från pc, rad ett"), QStringLiteral("  "),
                           QStringLiteral("  Sista raden: å ä ö")}));
    EXPECT_TRUE(f.Memo1->isReadOnly());
    EXPECT_TRUE(f.Memo2->isHidden());
    // Laid out on the screen: heading centred, buttons spread on one line.
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Manual till Morvika"));
    EXPECT_EQ(f.Label1->x(), (640 - f.Label1->width()) / 2);
    EXPECT_EQ(f.Button1->y(), f.Button3->y());
    EXPECT_LT(f.Button1->x(), f.Button2->x());
    EXPECT_LT(f.Button2->x(), f.Button3->x());
    EXPECT_LE(f.Button3->x() + f.Button3->width(), 640);
}

TEST_F(Manual, PrintsEveryLinePageByPageEachPageADocument)
{
    const QStringList text = numrerade(130);
    skrivFil1252(i("cd/DATA/SVEMAN2.TXT"), text);
    TManual f;
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(dialog.visningar, 1);
    Provskrivare &p = skrivaren;
    const int h = radhoejdMm(p);
    ASSERT_GT(p.dokument.size(), 2);
    QStringList tryckta;
    for (int d = 0; d < p.dokument.size(); ++d) {
        ASSERT_EQ(p.dokument[d].sidor.size(), 1) << "one page per document";
        const Utskriftssida &s = p.dokument[d].sidor[0];
        ASSERT_GE(s.ritningar.size(), 2);
        // The page number first, at (200 mm, 2 mm), 12 pt, not bold.
        const Ritning &nr = s.ritningar[0];
        EXPECT_EQ(nr.text, QString::number(d + 1));
        EXPECT_EQ(nr.plats, QPoint(p.XmmTillPixel(200), p.YmmTillPixel(2)));
        EXPECT_EQ(nr.typsnitt.family(), QStringLiteral("Arial"));
        EXPECT_EQ(nr.typsnitt.pointSize(), 12);
        EXPECT_FALSE(nr.typsnitt.bold());
        // The first line: 10 mm + h on page 1, 4 mm + h after.
        const int foersta = d == 0 ? 10 + h : 4 + h;
        EXPECT_EQ(s.ritningar[1].plats, QPoint(p.XmmTillPixel(15), p.YmmTillPixel(foersta)));
        for (int k = 1; k < s.ritningar.size(); ++k) {
            tryckta << s.ritningar[k].text;
            EXPECT_LE(s.ritningar[k].plats.y(), p.YmmTillPixel(256));
            if (k > 1) { // lines h + 1 mm apart
                EXPECT_EQ(s.ritningar[k].plats.y(),
                          p.YmmTillPixel(foersta + (k - 1) * (h + 1)));
            }
        }
    }
    QStringList vaentat;
    for (const QString &r : text)
        vaentat << QStringLiteral("  ") + r;
    EXPECT_EQ(tryckta, vaentat);   // every line, the last one too, once
}

TEST_F(Manual, SelectionPrintsFromFiveMillimetresAndNothingSelectedOnlyThePageNumber)
{
    skrivFil1252(i("cd/DATA/SVEMAN2.TXT"), numrerade(10));
    TManual f;
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    ASSERT_EQ(skrivaren.dokument.size(), 1);
    EXPECT_EQ(skrivaren.dokument[0].sidor[0].texter(), QStringList{QStringLiteral("1")});

    QTextCursor c(f.Memo1->document()->findBlockByNumber(2));
    c.setPosition(f.Memo1->document()->findBlockByNumber(4).position() + 4, QTextCursor::KeepAnchor);
    f.Memo1->setTextCursor(c);
    skrivaren.dokument.clear();
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    ASSERT_EQ(skrivaren.dokument.size(), 1);
    const Utskriftssida &s = skrivaren.dokument[0].sidor[0];
    EXPECT_EQ(s.texter(), (QStringList{QStringLiteral("1"), QStringLiteral("  Rad 3 i manualen"),
                                       QStringLiteral("  Rad 4 i manualen"), QStringLiteral("  Ra")}));
    const int h = radhoejdMm(skrivaren);
    EXPECT_EQ(s.ritningar[1].plats.y(), skrivaren.YmmTillPixel(5 + h));
    EXPECT_EQ(TManual::rader(f.Memo2).size(), 3);
}

TEST_F(Manual, CancelledDialogPrintsNothingAndEscCloses)
{
    skrivFil1252(i("cd/DATA/SVEMAN2.TXT"), numrerade(3));
    dialog.standard.skriv = false;
    TManual f;
    f.show();
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    EXPECT_EQ(dialog.visningar, 2);
    EXPECT_TRUE(skrivaren.dokument.isEmpty());
    QTest::keyClick(f.Memo1, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
}

TEST_F(Manual, LongLinesBreakAtBlanksInsteadOfRunningOffThePage)
{
    const QString lang = QStringLiteral("ord ").repeated(60).trimmed();
    skrivFil1252(i("cd/DATA/SVEMAN2.TXT"), {lang});
    TManual f;
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    const QStringList t = skrivaren.dokument[0].sidor[0].texter().mid(1);
    ASSERT_GT(t.size(), 1);
    skrivaren.saettTypsnitt(QStringLiteral("Arial"), 12);
    for (const QString &r : t)
        EXPECT_LE(skrivaren.textWidth(r), skrivaren.XmmTillPixel(195) - skrivaren.XmmTillPixel(15));
    EXPECT_EQ(t.join(QLatin1Char(' ')).simplified(), lang);
}

TEST_F(Manual, TheProgramsManualPrintsToPdfWithEveryLine)
{
    // The committed manual, through numbered PDF files and pdftotext.
    const QString kaella = QStringLiteral(MORV_CONTENT_DIR "/DATA/SVEMAN2.TXT");
    QStringList rader;
    ASSERT_TRUE(laesRader(kaella, rader));
    ASSERT_GT(rader.size(), 60);
    QDir().mkpath(i("cd/DATA"));
    ASSERT_TRUE(QFile::copy(kaella, i("cd/DATA/SVEMAN2.TXT")));
    QTemporaryDir pdfer;
    Provskrivare pdf(150, pdfer.path());
    Saett<Skrivare> tillPdf(&pdf);
    {
        naerModal([](QWidget *w) {
            auto *f = dynamic_cast<TManual *>(w);
            ASSERT_NE(f, nullptr);
            QTest::mouseClick(f->Button2, Qt::LeftButton);
            QTest::mouseClick(f->Button1, Qt::LeftButton);
        });
        VisaManual();
    }
    ASSERT_GT(pdf.dokument.size(), 1);
    QString alltext;
    for (int d = 0; d < pdf.dokument.size(); ++d) {
        QProcess pt;
        pt.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf.dokument[d].pdf, QStringLiteral("-")});
        ASSERT_TRUE(pt.waitForFinished(10000));
        const QString sida = QString::fromUtf8(pt.readAllStandardOutput());
        EXPECT_TRUE(sida.trimmed().startsWith(QString::number(d + 1))
                    || sida.contains(QStringLiteral("\n%1\n").arg(d + 1)))
            << "page number on page " << d + 1;
        alltext += sida + QLatin1Char('\n');
    }
    const QString enkel = alltext.simplified();
    for (const QString &r : rader)
        if (!r.trimmed().isEmpty()) {
            EXPECT_TRUE(enkel.contains(r.simplified())) << qPrintable(r);
        }
}
