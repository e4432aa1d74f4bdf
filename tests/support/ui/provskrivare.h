#pragma once
// The printer and print dialog doubles: Provskrivare records documents, pages
// and drawing calls on an A4 PDF device and can also write every document to
// a numbered PDF file; Provdialog answers the print dialog from a queue.
// Install them with Saett<plattform::Skrivare> and Saett<plattform::Utskriftsdialog>.
#include "../saett.h"

#include "platform/ui/utskrift.h"

#include <QPrinter>

namespace plattform {

class Provskrivare : public Skrivare {
public:
    // An A4 PDF device at the given resolution. With a directory, every
    // document is also written as dok-001.pdf, dok-002.pdf, ... there.
    explicit Provskrivare(int dpi = 300, const QString &pdfKatalog = QString());
    ~Provskrivare() override;
    QList<Utskriftsdokument> dokument;
    // All pages of all documents in order.
    QList<Utskriftssida> allaSidor() const;
protected:
    QPrinter &enhet() const override;
    bool oeppnaDokument(QPainter &p, const QString &titel) override;
    void nySida(QPainter &p) override;
    void staengDokument(QPainter &p) override;
    void ritat(const Ritning &r) override;
private:
    std::unique_ptr<QPrinter> m_printer;
    QString m_katalog;
};

// The test dialog: answers from a queue (accepted?, copies), then the
// default answer; counts how often it was shown.
class Provdialog : public Utskriftsdialog {
public:
    struct Svar { bool skriv = true; int kopior = 1; };
    bool koer(Skrivare &skrivare) override;
    QList<Svar> svar;
    Svar standard;
    int visningar = 0;
};

} // namespace plattform

MORV_PEKARSEAM(plattform::Skrivare, plattform::saettSkrivare);
MORV_PEKARSEAM(plattform::Utskriftsdialog, plattform::saettUtskriftsdialog);
