#pragma once
// Printing, once for the whole program: the print dialog, and a printer with
// a page canvas in the style the printouts are written in.
//
//   if (!plattform::koerUtskriftsdialog())       // "PrintDialog1.Execute"
//       return;                                   // cancelled: nothing printed
//   plattform::Skrivare &p = plattform::skrivare();
//   p.saettTypsnitt("Arial", 12);
//   p.beginDoc();
//   p.textOut(p.XmmTillPixel(15), p.YmmTillPixel(10), "Hej");   // top-left of the text
//   p.endDoc();
//
// Coordinates are printer pixels of the printable area, origin at its top-left
// corner; pageWidth()/pageHeight() are its size. The millimetre conversions
// take the printable area as an A4 page (210 x 297 mm), as the printouts do.
//
// Canvas state (font, pen, brush, pen position) lives in the printer and
// stays from document to document. Defaults: Arial 10 pt, a black pen of
// 1 pixel, a solid white brush (rectangles, ellipses and polygons are filled
// with it; saettPensel(Qt::NoBrush) draws outlines only). Text is drawn
// without a background. Text and metrics are measured for the printer device
// itself, so what textWidth() says is what lands on paper.
//
// Documents: beginDoc() starts a print job, newPage() adds a page to it,
// endDoc() sends it. A printout that prints "each page as a document of its
// own" simply calls endDoc() and beginDoc() again. Drawing outside a
// document is ignored.
//
// Copies: the print dialog stores the number of copies the user chose
// (antalKopior()). By default the device prints that many copies of every
// document. A printout that prints its copies itself (one loop round per
// copy) calls taKopiorSjaelv() first: the device then prints each document
// once and the caller gets the number of copies, so nothing is printed N x N.
//
// Backends: the real one (Pappersskrivare) prints through QPrinter to a CUPS
// printer, or to a PDF file where there is none; documents printed to one
// PDF file after one dialog become pages of that file. It and the real
// dialog are the printing module's, loaded with the first print dialog
// (platform/ui/moduler.h). Tests install a recording backend with
// saettSkrivare() and answer the dialog themselves.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;
class QPainter;
class QPrinter;

namespace plattform {

// One drawing call on a page, as the test backend records it.
struct Ritning {
    enum Typ { Text, Linje, Rektangel, Ellips, Polygon };
    Typ typ = Text;
    QPoint plats;          // Text: the top-left corner; Linje: the start
    QPoint slut;           // Linje: the end
    QRect ram;             // Rektangel, Ellips: corners (x1,y1) to (x2,y2), as given
    QPolygon punkter;      // Polygon
    QString text;          // Text
    QFont typsnitt;        // the font in effect
    QPen penna;
    QBrush pensel;
};

struct Utskriftssida {
    QList<Ritning> ritningar;
    // The texts drawn on the page, in drawing order.
    QStringList texter() const;
    // The first text call with exactly this text (nullptr: none).
    const Ritning *hitta(const QString &text) const;
};

struct Utskriftsdokument {
    QString titel;
    int enhetskopior = 1;                  // copies the device printed of it
    QList<Utskriftssida> sidor;
    QString pdf;                           // the PDF file written, if any
};

class Skrivare {
public:
    Skrivare();
    virtual ~Skrivare();
    Skrivare(const Skrivare &) = delete;
    Skrivare &operator=(const Skrivare &) = delete;

    // ---- documents ----
    bool beginDoc(const QString &titel = QStringLiteral("Morvika"));   // false: no printer
    void endDoc();
    void newPage();
    bool printing() const { return m_skriver; }
    int sidaIDokumentet() const { return m_sida; }   // 1.. while printing

    // ---- page geometry (printable area, printer pixels) ----
    int pageWidth() const;
    int pageHeight() const;
    int upploesning() const;                          // dots per inch
    // The whole sheet in these coordinates: its top-left corner lies at
    // minus the printer's own margins.
    QRect papper() const;
    // mm on the A4 page to pixels and back, to the nearest integer.
    int XmmTillPixel(double mm) const;
    int YmmTillPixel(double mm) const;
    int XPixelTillmm(double pixel) const;
    int YPixelTillmm(double pixel) const;

    // ---- copies ----
    int antalKopior() const { return m_kopior; }
    void saettAntalKopior(int n);                     // set by the print dialog
    int taKopiorSjaelv();                             // see the head of this file
    int enhetskopior() const { return m_sjaelv ? 1 : m_kopior; }

    // ---- canvas ----
    void saettTypsnitt(const QString &namn, int punkter, bool fet = false, bool kursiv = false);
    void saettTypsnitt(const QFont &f);
    void saettStorlek(int punkter);
    void saettFet(bool fet);
    void saettKursiv(bool kursiv);
    const QFont &typsnitt() const { return m_font; }
    void saettPenna(const QColor &faerg, int bredd = 1);
    void saettPensel(const QBrush &pensel);
    const QPen &penna() const { return m_penna; }
    const QBrush &pensel() const { return m_pensel; }

    void textOut(int x, int y, const QString &text);  // top-left corner of the text's cell
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;        // ascent + descent of the font
    void moveTo(int x, int y);
    void lineTo(int x, int y);                        // the pen position moves to the end
    void linje(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);   // right and bottom edges excluded
    void ellipse(int x1, int y1, int x2, int y2);     // in the bounding box
    void polygon(const QPolygon &punkter);            // closed, filled with the brush

protected:
    // The backend. enhet() is the device measured and drawn on.
    virtual QPrinter &enhet() const = 0;
    // Starts painting a new document on the device; false when it cannot.
    // A backend that only records may leave the painter inactive: calls are
    // then recorded and not drawn.
    virtual bool oeppnaDokument(QPainter &p, const QString &titel);
    virtual void nySida(QPainter &p);
    virtual void staengDokument(QPainter &p);
    // Every drawing call, after it was drawn.
    virtual void ritat(const Ritning &) {}

private:
    Ritning ny(Ritning::Typ t) const;
    void foerbered();
    std::unique_ptr<QPainter> m_painter;
    bool m_skriver = false;
    int m_sida = 0;
    int m_kopior = 1;
    bool m_sjaelv = false;
    QFont m_font;
    QPen m_penna;
    QBrush m_pensel;
    QPoint m_position;
};

// ---- the print dialog ----------------------------------------------------
class Utskriftsdialog {
public:
    virtual ~Utskriftsdialog() = default;
    // Shows the dialog for the printer; true when the user chose to print.
    // It sets the printer's antalKopior().
    virtual bool koer(Skrivare &skrivare) = 0;
};

// ---- seams ---------------------------------------------------------------
Skrivare &skrivare();
Skrivare *saettSkrivare(Skrivare *s);                // nullptr: the real printer; returns the one replaced
Utskriftsdialog &utskriftsdialog();
Utskriftsdialog *saettUtskriftsdialog(Utskriftsdialog *d);   // nullptr: the real dialog
// Runs the print dialog on the current printer. Without the printing module
// it says that printing is not possible here and returns false, as if
// cancelled; skrivare() is asked for only after it returned true.
bool koerUtskriftsdialog();

// ---- the real backend ----------------------------------------------------
class Pappersskrivare : public Skrivare {
public:
    Pappersskrivare();
    ~Pappersskrivare() override;
    QPrinter &qprinter() const { return enhet(); }
    // Ends a PDF file that is being collected (also done by the event loop).
    void avslutaPdf();
protected:
    QPrinter &enhet() const override;
    bool oeppnaDokument(QPainter &p, const QString &titel) override;
    void staengDokument(QPainter &p) override;
private:
    struct Data;
    std::unique_ptr<Data> d;
};

// The real dialog: QPrintDialog over the active window.
class Qtutskriftsdialog : public Utskriftsdialog {
public:
    bool koer(Skrivare &skrivare) override;
};

} // namespace plattform
