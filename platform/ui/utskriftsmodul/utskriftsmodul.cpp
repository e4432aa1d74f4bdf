// The printing module (see platform/ui/moduler.h): the real printer and
// print dialog on Qt PrintSupport, and QPrinter's own calls for the canvas.
#include "platform/ui/moduler.h"
#include "platform/ui/utskrift.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

namespace plattform {

struct Pappersskrivare::Data {
    QPrinter printer{QPrinter::HighResolution};
    QPainter *samlarPdf = nullptr;    // a PDF file kept open for further documents
    QObject kontext;
};

Pappersskrivare::Pappersskrivare() : d(std::make_unique<Data>())
{
    d->printer.setPageSize(QPageSize(QPageSize::A4));
    d->printer.setPageOrientation(QPageLayout::Portrait);
    d->printer.setFullPage(false);
    // Without a printer the output is a PDF file, chosen in the dialog.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        d->printer.setOutputFormat(QPrinter::PdfFormat);
        d->printer.setOutputFileName(QDir::home().filePath(QStringLiteral("Morvika.pdf")));
    }
}

Pappersskrivare::~Pappersskrivare() { avslutaPdf(); }

QPrinter &Pappersskrivare::enhet() const { return d->printer; }

bool Pappersskrivare::oeppnaDokument(QPainter &p, const QString &titel)
{
    if (d->samlarPdf == &p && p.isActive()) {
        // The next document of the same PDF file: a new page of it.
        d->samlarPdf = nullptr;
        d->printer.newPage();
        return true;
    }
    avslutaPdf();
    return Skrivare::oeppnaDokument(p, titel);
}

void Pappersskrivare::staengDokument(QPainter &p)
{
    const bool pdf = d->printer.outputFormat() == QPrinter::PdfFormat
                     && !d->printer.outputFileName().isEmpty();
    if (!pdf || !p.isActive()) {
        Skrivare::staengDokument(p);
        return;
    }
    // A second document would overwrite the file: keep it open until the
    // printout is done, that is until the event loop runs again.
    d->samlarPdf = &p;
    QTimer::singleShot(0, &d->kontext, [this] { avslutaPdf(); });
}

void Pappersskrivare::avslutaPdf()
{
    if (d->samlarPdf) {
        QPainter *p = d->samlarPdf;
        d->samlarPdf = nullptr;
        if (p->isActive())
            p->end();
    }
}

bool Qtutskriftsdialog::koer(Skrivare &skrivare)
{
    auto *papper = dynamic_cast<Pappersskrivare *>(&skrivare);
    if (!papper) {
        skrivare.saettAntalKopior(1);
        return true;
    }
    papper->avslutaPdf();
    QPrinter &printer = papper->qprinter();
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, QApplication::activeModalWidget());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int kopior = printer.copyCount();
    skrivare.saettAntalKopior(kopior);
    // The device prints copies only where the printout asks it to (see the
    // header); each beginDoc sets the count again.
    printer.setCopyCount(1);
    return true;
}

} // namespace plattform

namespace {
class Qtutskrift final : public plattform::Utskriftsmodul {
public:
    plattform::Skrivare *nySkrivare() override
    {
        auto *p = new plattform::Pappersskrivare;
        // A PDF still being collected is finished when the program quits.
        if (QCoreApplication::instance())
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             [p] { p->avslutaPdf(); });
        return p;
    }
    plattform::Utskriftsdialog *nyDialog() override
    {
        static plattform::Qtutskriftsdialog dialog;
        return &dialog;
    }
    void saettKopior(QPrinter &enhet, int kopior) override { enhet.setCopyCount(kopior); }
    void saettDokumentnamn(QPrinter &enhet, const QString &namn) override { enhet.setDocName(namn); }
    int upploesning(const QPrinter &enhet) override { return enhet.resolution(); }
    QRect papper(const QPrinter &enhet) override
    {
        const QRectF ark = enhet.paperRect(QPrinter::DevicePixel);
        const QRectF yta = enhet.pageRect(QPrinter::DevicePixel);
        return ark.translated(-yta.topLeft()).toRect();
    }
};
} // namespace

extern "C" Q_DECL_EXPORT plattform::Utskriftsmodul *morvika_utskriftsmodul()
{
    static Qtutskrift modul;
    return &modul;
}
