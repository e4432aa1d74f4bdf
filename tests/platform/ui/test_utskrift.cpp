#include "platform/ui/utskrift.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QApplication>
#include <QPrintDialog>
#include <gtest/gtest.h>

#include "../../support/ui/modal.h"
#include "../../support/varningar.h"
#include "../../support/ui/provskrivare.h"

using namespace plattform;

namespace {
QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A printer whose device can be looked at from the test.
class OeppenProvskrivare : public Provskrivare {
public:
    using Provskrivare::Provskrivare;
    QPrinter &printer() const { return enhet(); }
};
} // namespace

TEST(Utskrift, RecordsDocumentsPagesAndCalls)
{
    Provskrivare p(300);
    // A4 at 300 dpi, printable area inside the paper.
    EXPECT_EQ(p.upploesning(), 300);
    EXPECT_GT(p.pageWidth(), 2000);
    EXPECT_LE(p.pageWidth(), 2481);
    EXPECT_GT(p.pageHeight(), 3000);
    EXPECT_LE(p.pageHeight(), 3508);
    EXPECT_EQ(p.XmmTillPixel(210), p.pageWidth());
    EXPECT_EQ(p.YmmTillPixel(297), p.pageHeight());
    EXPECT_EQ(p.YPixelTillmm(p.YmmTillPixel(100)), 100);

    {
        VaentadVarning v(QStringLiteral("outside a document"));
        p.textOut(10, 10, QStringLiteral("före"));   // outside a document: ignored
        EXPECT_EQ(v.antal(), 1);
    }
    ASSERT_TRUE(p.beginDoc(QStringLiteral("Prov")));
    EXPECT_TRUE(p.printing());
    p.saettTypsnitt(QStringLiteral("Arial"), 14, true);
    p.textOut(100, 200, QStringLiteral("Rubrik"));
    p.linje(1, 2, 3, 4);
    p.lineTo(5, 6);
    p.newPage();
    EXPECT_EQ(p.sidaIDokumentet(), 2);
    p.saettPensel(Qt::NoBrush);
    p.rectangle(10, 20, 30, 40);
    p.ellipse(1, 1, 9, 9);
    p.polygon(QPolygon({QPoint(0, 0), QPoint(5, 0), QPoint(0, 5)}));
    p.endDoc();
    ASSERT_TRUE(p.beginDoc());
    p.textOut(1, 1, QStringLiteral("andra"));
    p.endDoc();
    EXPECT_FALSE(p.printing());

    ASSERT_EQ(p.dokument.size(), 2);
    EXPECT_EQ(p.dokument[0].titel, QStringLiteral("Prov"));
    ASSERT_EQ(p.dokument[0].sidor.size(), 2);
    const Utskriftssida &s1 = p.dokument[0].sidor[0];
    ASSERT_EQ(s1.ritningar.size(), 3);
    const Ritning *r = s1.hitta(QStringLiteral("Rubrik"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->plats, QPoint(100, 200));
    EXPECT_EQ(r->typsnitt.pointSize(), 14);
    EXPECT_TRUE(r->typsnitt.bold());
    EXPECT_EQ(s1.ritningar[1].plats, QPoint(1, 2));
    EXPECT_EQ(s1.ritningar[2].plats, QPoint(3, 4));   // lineTo goes on from the pen position
    EXPECT_EQ(s1.ritningar[2].slut, QPoint(5, 6));
    const Utskriftssida &s2 = p.dokument[0].sidor[1];
    ASSERT_EQ(s2.ritningar.size(), 3);
    EXPECT_EQ(s2.ritningar[0].typ, Ritning::Rektangel);
    EXPECT_EQ(s2.ritningar[0].ram, QRect(QPoint(10, 20), QPoint(30, 40)));
    EXPECT_EQ(s2.ritningar[0].pensel.style(), Qt::NoBrush);
    EXPECT_EQ(s2.ritningar[1].typ, Ritning::Ellips);
    EXPECT_EQ(s2.ritningar[2].punkter.size(), 3);
    EXPECT_EQ(p.allaSidor().size(), 3);
    EXPECT_EQ(p.allaSidor()[2].texter(), QStringList{QStringLiteral("andra")});
}

TEST(Utskrift, MeasuresForThePrinterDevice)
{
    OeppenProvskrivare p(600);
    p.saettTypsnitt(QStringLiteral("Arial"), 12);
    const QFontMetrics fm(QFont(QStringLiteral("Arial"), 12), &p.printer());
    EXPECT_EQ(p.textHeight(QStringLiteral("Hej")), fm.ascent() + fm.descent());
    EXPECT_EQ(p.textWidth(QStringLiteral("Hej")), fm.horizontalAdvance(QStringLiteral("Hej")));
    // 12 pt is 1/6 inch: at 600 dpi the line is about 100 pixels, not the
    // 16 pixels of a screen font.
    EXPECT_GT(p.textHeight(QStringLiteral("Hej")), 90);
    EXPECT_LT(p.textHeight(QStringLiteral("Hej")), 150);
    OeppenProvskrivare laag(150);
    laag.saettTypsnitt(QStringLiteral("Arial"), 12);
    EXPECT_NEAR(laag.textWidth(QStringLiteral("Morvika")) * 4, p.textWidth(QStringLiteral("Morvika")), 12);
}

TEST(Utskrift, CopiesArePrintedOnceNotNTimesN)
{
    Provskrivare p;
    Provdialog d;
    d.svar = {{true, 3}, {false, 1}};
    Saett<Skrivare> gs(&p);
    Saett<Utskriftsdialog> gd(&d);
    ASSERT_TRUE(koerUtskriftsdialog());
    EXPECT_EQ(p.antalKopior(), 3);
    // A printout that leaves the copies to the device: one document, 3 copies.
    p.beginDoc();
    p.endDoc();
    // A printout that prints each copy itself: the device prints each once.
    const int n = p.taKopiorSjaelv();
    EXPECT_EQ(n, 3);
    for (int k = 0; k < n; ++k) {
        p.beginDoc();
        p.endDoc();
    }
    ASSERT_EQ(p.dokument.size(), 4);
    EXPECT_EQ(p.dokument[0].enhetskopior, 3);
    for (int k = 1; k < 4; ++k)
        EXPECT_EQ(p.dokument[k].enhetskopior, 1);
    EXPECT_FALSE(koerUtskriftsdialog());   // cancelled
    EXPECT_EQ(d.visningar, 2);
}

TEST(Utskrift, TextStandsBelowItsTopLeftCorner)
{
    QTemporaryDir dir;
    OeppenProvskrivare p(150, dir.path());
    p.saettTypsnitt(QStringLiteral("Arial"), 40);
    const int y = 300;
    ASSERT_TRUE(p.beginDoc());
    p.textOut(200, y, QStringLiteral("HHHH"));
    p.endDoc();
    ASSERT_EQ(p.dokument.size(), 1);
    ASSERT_TRUE(QFile::exists(p.dokument[0].pdf));
    EXPECT_TRUE(pdfText(p.dokument[0].pdf).contains(QStringLiteral("HHHH")));

    // Render the page at the device's resolution and find the ink.
    QProcess pp;
    const QString bas = dir.filePath(QStringLiteral("sida"));
    pp.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"),
                                          QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                          p.dokument[0].pdf, bas});
    ASSERT_TRUE(pp.waitForFinished(10000));
    QImage bild(bas + QStringLiteral(".png"));
    ASSERT_FALSE(bild.isNull());
    const QPoint origo = p.printer().pageLayout().paintRectPixels(150).topLeft();
    int topp = -1, botten = -1;
    for (int r = 0; r < bild.height(); ++r)
        for (int c = 0; c < bild.width(); ++c)
            if (qGray(bild.pixel(c, r)) < 128) {
                if (topp < 0) topp = r;
                botten = r;
                break;
            }
    ASSERT_GE(topp, 0);
    const int cell = p.textHeight(QStringLiteral("H"));
    // The capitals lie inside the cell that starts at y, not above it.
    EXPECT_GT(topp - origo.y(), y);
    EXPECT_LT(botten - origo.y(), y + cell);
}

TEST(Utskrift, DocumentsToOnePdfFileBecomeItsPages)
{
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("ut.pdf"));
    Pappersskrivare p;
    p.qprinter().setOutputFormat(QPrinter::PdfFormat);
    p.qprinter().setOutputFileName(fil);
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(p.beginDoc());
        p.textOut(100, 100, QStringLiteral("Sida%1").arg(i));
        p.endDoc();
    }
    QApplication::processEvents();   // the printout is over: the file is ended
    const QString text = pdfText(fil);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Sida%1").arg(i))) << qPrintable(text);
}

TEST(Utskrift, RealDialogReadsCopiesAndLeavesTheDeviceAtOne)
{
    QTemporaryDir dir;
    Pappersskrivare p;
    p.qprinter().setOutputFormat(QPrinter::PdfFormat);
    p.qprinter().setOutputFileName(dir.filePath(QStringLiteral("d.pdf")));
    bool saag = false;
    naerModal([&](QWidget *w) {
        auto *d = qobject_cast<QPrintDialog *>(w);
        ASSERT_NE(d, nullptr);
        saag = true;
        if (auto *kopior = d->findChild<QSpinBox *>(QStringLiteral("copies")))
            kopior->setValue(2);
        d->accept();
    });
    Qtutskriftsdialog dialog;
    ASSERT_TRUE(dialog.koer(p));
    EXPECT_TRUE(saag);
    EXPECT_EQ(p.antalKopior(), 2);
    EXPECT_EQ(p.qprinter().copyCount(), 1);
    p.beginDoc();
    EXPECT_EQ(p.qprinter().copyCount(), 2);
    p.endDoc();
    p.avslutaPdf();
}
