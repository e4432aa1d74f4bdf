#include "provskrivare.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>

namespace plattform {

Provskrivare::Provskrivare(int dpi, const QString &pdfKatalog)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_katalog(pdfKatalog)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setResolution(dpi);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setFullPage(false);
}

Provskrivare::~Provskrivare() = default;

QPrinter &Provskrivare::enhet() const { return *m_printer; }

bool Provskrivare::oeppnaDokument(QPainter &p, const QString &titel)
{
    Utskriftsdokument dok;
    dok.titel = titel;
    dok.enhetskopior = enhetskopior();
    dok.sidor.append(Utskriftssida());
    if (!m_katalog.isEmpty()) {
        QDir().mkpath(m_katalog);
        dok.pdf = QDir(m_katalog).filePath(
            QStringLiteral("dok-%1.pdf").arg(dokument.size() + 1, 3, 10, QLatin1Char('0')));
        m_printer->setOutputFileName(dok.pdf);
        m_printer->setDocName(titel);
        if (!p.begin(m_printer.get()))
            return false;
    }
    dokument.append(dok);
    return true;
}

void Provskrivare::nySida(QPainter &p)
{
    Skrivare::nySida(p);
    if (!dokument.isEmpty())
        dokument.last().sidor.append(Utskriftssida());
}

void Provskrivare::staengDokument(QPainter &p) { Skrivare::staengDokument(p); }

void Provskrivare::ritat(const Ritning &r)
{
    if (!dokument.isEmpty() && !dokument.last().sidor.isEmpty())
        dokument.last().sidor.last().ritningar.append(r);
}

QList<Utskriftssida> Provskrivare::allaSidor() const
{
    QList<Utskriftssida> s;
    for (const Utskriftsdokument &d : dokument)
        s += d.sidor;
    return s;
}

bool Provdialog::koer(Skrivare &skrivare)
{
    ++visningar;
    const Svar s = svar.isEmpty() ? standard : svar.takeFirst();
    if (s.skriv)
        skrivare.saettAntalKopior(s.kopior);
    return s.skriv;
}

} // namespace plattform
