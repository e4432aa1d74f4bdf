#include "platform/ui/utskrift.h"

#include "platform/seams.h"
#include "platform/ui/moduler.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>   // only as a paint device: its own calls are the printing module's
#include <utility>
#include <cmath>

namespace plattform {

namespace {
// Halves go to the even neighbour, as the program rounds everywhere.
int avrunda(double v) { return int(std::lrint(v)); }

// A printer's device is a QPrinter, and there is one only where Qt
// PrintSupport is loaded: the printing module is there.
Utskriftsmodul &printeranrop()
{
    Utskriftsmodul *m = utskriftsmodul();
    if (!m)
        qFatal("a printer without the printing module: %s", qPrintable(modulfel()));
    return *m;
}
} // namespace

// ---- pages ---------------------------------------------------------------

QStringList Utskriftssida::texter() const
{
    QStringList t;
    for (const Ritning &r : ritningar)
        if (r.typ == Ritning::Text)
            t << r.text;
    return t;
}

const Ritning *Utskriftssida::hitta(const QString &text) const
{
    for (const Ritning &r : ritningar)
        if (r.typ == Ritning::Text && r.text == text)
            return &r;
    return nullptr;
}

// ---- the printer ---------------------------------------------------------

Skrivare::Skrivare()
    : m_painter(std::make_unique<QPainter>()),
      m_font(QStringLiteral("Arial"), 10),
      m_penna(QColor(0, 0, 0), 1),
      m_pensel(QColor(255, 255, 255), Qt::SolidPattern)
{
}

Skrivare::~Skrivare()
{
    if (m_painter->isActive())
        m_painter->end();
}

bool Skrivare::beginDoc(const QString &titel)
{
    if (m_skriver)
        endDoc();
    if (!m_painter->isActive())
        printeranrop().saettKopior(enhet(), enhetskopior());
    if (!oeppnaDokument(*m_painter, titel))
        return false;
    m_skriver = true;
    m_sida = 1;
    return true;
}

void Skrivare::endDoc()
{
    if (!m_skriver)
        return;
    m_skriver = false;
    m_sida = 0;
    staengDokument(*m_painter);
}

void Skrivare::newPage()
{
    if (!m_skriver)
        return;
    nySida(*m_painter);
    ++m_sida;
}

bool Skrivare::oeppnaDokument(QPainter &p, const QString &titel)
{
    printeranrop().saettDokumentnamn(enhet(), titel);
    return p.begin(&enhet());
}

void Skrivare::nySida(QPainter &p)
{
    if (p.isActive())
        enhet().newPage();
}

void Skrivare::staengDokument(QPainter &p)
{
    if (p.isActive())
        p.end();
}

int Skrivare::pageWidth() const { return enhet().width(); }
int Skrivare::pageHeight() const { return enhet().height(); }
int Skrivare::upploesning() const { return printeranrop().upploesning(enhet()); }
QRect Skrivare::papper() const { return printeranrop().papper(enhet()); }

int Skrivare::XmmTillPixel(double mm) const { return avrunda(mm * pageWidth() / 210.0); }
int Skrivare::YmmTillPixel(double mm) const { return avrunda(mm * pageHeight() / 297.0); }

int Skrivare::XPixelTillmm(double pixel) const
{
    return pageWidth() > 0 ? avrunda(pixel * 210.0 / pageWidth()) : 0;
}

int Skrivare::YPixelTillmm(double pixel) const
{
    return pageHeight() > 0 ? avrunda(pixel * 297.0 / pageHeight()) : 0;
}

void Skrivare::saettAntalKopior(int n)
{
    m_kopior = n;
    m_sjaelv = false;
}

int Skrivare::taKopiorSjaelv()
{
    m_sjaelv = true;
    return m_kopior;
}

void Skrivare::saettTypsnitt(const QString &namn, int punkter, bool fet, bool kursiv)
{
    QFont f(namn);
    f.setPointSize(punkter > 0 ? punkter : 1);
    f.setBold(fet);
    f.setItalic(kursiv);
    m_font = f;
}

void Skrivare::saettTypsnitt(const QFont &f) { m_font = f; }
void Skrivare::saettStorlek(int punkter) { m_font.setPointSize(punkter > 0 ? punkter : 1); }
void Skrivare::saettFet(bool fet) { m_font.setBold(fet); }
void Skrivare::saettKursiv(bool kursiv) { m_font.setItalic(kursiv); }

void Skrivare::saettPenna(const QColor &faerg, int bredd)
{
    m_penna = QPen(faerg, bredd < 1 ? 1 : bredd);
}

void Skrivare::saettPensel(const QBrush &pensel) { m_pensel = pensel; }

Ritning Skrivare::ny(Ritning::Typ t) const
{
    Ritning r;
    r.typ = t;
    r.typsnitt = m_font;
    r.penna = m_penna;
    r.pensel = m_pensel;
    return r;
}

void Skrivare::foerbered()
{
    m_painter->setFont(m_font);
    m_painter->setPen(m_penna);
    m_painter->setBrush(m_pensel);
}

void Skrivare::textOut(int x, int y, const QString &text)
{
    if (!m_skriver) {
        qWarning("textOut outside a document");
        return;
    }
    if (m_painter->isActive()) {
        foerbered();
        // The text's cell has its top-left corner at (x, y): the baseline
        // lies one ascent lower.
        const QFontMetrics fm(m_font, &enhet());
        m_painter->drawText(QPoint(x, y + fm.ascent()), text);
    }
    Ritning r = ny(Ritning::Text);
    r.plats = QPoint(x, y);
    r.text = text;
    ritat(r);
}

int Skrivare::textWidth(const QString &text) const
{
    return QFontMetrics(m_font, &enhet()).horizontalAdvance(text);
}

int Skrivare::textHeight(const QString &) const
{
    return QFontMetrics(m_font, &enhet()).height();
}

void Skrivare::moveTo(int x, int y) { m_position = QPoint(x, y); }

void Skrivare::lineTo(int x, int y)
{
    const QPoint fraan = m_position;
    m_position = QPoint(x, y);
    if (!m_skriver)
        return;
    if (m_painter->isActive()) {
        foerbered();
        m_painter->drawLine(fraan, m_position);
    }
    Ritning r = ny(Ritning::Linje);
    r.plats = fraan;
    r.slut = m_position;
    ritat(r);
}

void Skrivare::linje(int x1, int y1, int x2, int y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

namespace {
// Corners as given, the right and bottom edge excluded, as a Qt rectangle.
QRect fraanHoern(int x1, int y1, int x2, int y2)
{
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    return QRect(x1, y1, qMax(0, x2 - x1 - 1), qMax(0, y2 - y1 - 1));
}
} // namespace

void Skrivare::rectangle(int x1, int y1, int x2, int y2)
{
    if (!m_skriver)
        return;
    if (m_painter->isActive()) {
        foerbered();
        m_painter->drawRect(fraanHoern(x1, y1, x2, y2));
    }
    Ritning r = ny(Ritning::Rektangel);
    r.ram = QRect(QPoint(x1, y1), QPoint(x2, y2));
    ritat(r);
}

void Skrivare::ellipse(int x1, int y1, int x2, int y2)
{
    if (!m_skriver)
        return;
    if (m_painter->isActive()) {
        foerbered();
        m_painter->drawEllipse(fraanHoern(x1, y1, x2, y2));
    }
    Ritning r = ny(Ritning::Ellips);
    r.ram = QRect(QPoint(x1, y1), QPoint(x2, y2));
    ritat(r);
}

void Skrivare::polygon(const QPolygon &punkter)
{
    if (!m_skriver || punkter.isEmpty())
        return;
    if (m_painter->isActive()) {
        foerbered();
        m_painter->drawPolygon(punkter);
    }
    Ritning r = ny(Ritning::Polygon);
    r.punkter = punkter;
    ritat(r);
}

// ---- seams ---------------------------------------------------------------

namespace {
Skrivare *g_skrivare = nullptr;
Utskriftsdialog *g_dialog = nullptr;

// Without the printing module only a printer put in the seam can print; it
// is answered as the real dialog answers any printer but the paper one.
class IngenUtskrift : public Utskriftsdialog {
public:
    bool koer(Skrivare &skrivare) override
    {
        skrivare.saettAntalKopior(1);
        return true;
    }
};
} // namespace

Skrivare &skrivare()
{
    if (g_skrivare)
        return *g_skrivare;
    // Made once and kept to the end of the run.
    static Skrivare *papper = [] {
        Utskriftsmodul *m = utskriftsmodul();
        if (!m)
            qFatal("printing without the printing module: %s", qPrintable(modulfel()));
        return m->nySkrivare();
    }();
    return *papper;
}

Skrivare *saettSkrivare(Skrivare *s) { return std::exchange(g_skrivare, s); }

Utskriftsdialog &utskriftsdialog()
{
    if (g_dialog)
        return *g_dialog;
    static Utskriftsdialog *riktig = [] () -> Utskriftsdialog * {
        static IngenUtskrift ingen;
        Utskriftsmodul *m = utskriftsmodul();
        return m ? m->nyDialog() : &ingen;
    }();
    return *riktig;
}

Utskriftsdialog *saettUtskriftsdialog(Utskriftsdialog *d) { return std::exchange(g_dialog, d); }

bool koerUtskriftsdialog()
{
    if (!g_skrivare && !utskriftsmodul()) {
        visaFel(QStringLiteral("Det går inte att skriva ut på den här datorn: Morvikas utskriftsdel "
                               "kunde inte laddas.\n\n") + modulfel());
        return false;
    }
    return utskriftsdialog().koer(skrivare());
}

} // namespace plattform
