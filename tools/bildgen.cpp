// Draws the program's pictures into <pc>/BILD: simple scenes with their
// captions. One table row per picture name or numbered series; a new series
// (start pictures, a window's background) is a new row.
//
//   bildgen <directory for the pictures>
#include "core/lovord.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>

namespace {

enum class Texter { Beloening, Startbild, Fast };

struct Bildrad {
    const char *namn;     // "SVE%03d.BMP" for a series, else the file name
    int foersta, sista;   // the numbers of a series (ignored for a fixed name)
    int bredd, hoejd;
    Texter texter;        // where the caption comes from
    const char *text;     // the caption of a fixed name
};

const Bildrad bildtabell[] = {
    {"SVE%03d.BMP", 1, AntalBilder, 400, 300, Texter::Beloening, nullptr},
    {"Morv97.BMP", 0, 0, 640, 480, Texter::Fast, "Morvika - svenska för alla"},
    // The main window's start pictures: small, middle and large screens.
    {"SVEL%03d.BMP", 1, AntalBilder, 150, 110, Texter::Startbild, nullptr},
    {"SVEM%03d.BMP", 1, AntalBilder, 190, 140, Texter::Startbild, nullptr},
    {"SVES%03d.BMP", 1, AntalBilder, 240, 180, Texter::Startbild, nullptr},
};

enum class Motiv { Fjaell, Stad, Blommor, Flagga, Vinter, Vatten, Land };

Motiv motivFoer(const QString &text)
{
    auto har = [&](std::initializer_list<const char *> ord) {
        for (const char *o : ord)
            if (text.contains(QString::fromUtf8(o), Qt::CaseInsensitive))
                return true;
        return false;
    };
    if (har({"flagga"})) return Motiv::Flagga;
    if (har({"vinter", "islykt"})) return Motiv::Vinter;
    if (har({"fjäll", "Åre", "Jämtland", "Tännforsen"})) return Motiv::Fjaell;
    if (har({"blom", "sippor", "Tussilago", "Orkid", "svamp", "bovete", "tistel", "Brudsporre", "smörboll", "Höstlöv"}))
        return Motiv::Blommor;
    if (har({"Riddarfjärden", "Skeppsbron", "ån ", "Stalltjärn"})) return Motiv::Vatten;
    if (har({"Stockholm", "Göteborg", "hus", "slott", "Hotell", "Avenyn", "Torshälla", "kvarn", "studenter",
             "Operak", "station", "Paddan", "Läppstiftet"}))
        return Motiv::Stad;
    return Motiv::Land;
}

void ritaHimmelOchMark(QPainter &p, const QRect &r, QColor himmel, QColor mark, double horisont)
{
    const int y = r.top() + int(r.height() * horisont);
    QLinearGradient g(r.topLeft(), QPoint(r.left(), y));
    g.setColorAt(0, himmel.lighter(130));
    g.setColorAt(1, himmel);
    p.fillRect(QRect(r.left(), r.top(), r.width(), y - r.top()), g);
    p.fillRect(QRect(r.left(), y, r.width(), r.bottom() - y + 1), mark);
}

void ritaTraed(QPainter &p, int x, int fot, int h)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(x - h / 20, fot - h / 4, h / 10, h / 4);
    p.setBrush(QColor(20, 100, 40));
    QPolygon kon;
    kon << QPoint(x, fot - h) << QPoint(x - h / 4, fot - h / 5) << QPoint(x + h / 4, fot - h / 5);
    p.drawPolygon(kon);
}

void ritaMotiv(QPainter &p, const QRect &r, Motiv m, QRandomGenerator &slump)
{
    const int b = r.width(), h = r.height();
    switch (m) {
    case Motiv::Flagga:
        p.fillRect(r, QColor(0, 106, 167));
        p.fillRect(QRect(r.left(), r.top() + h * 2 / 5, b, h / 5), QColor(254, 204, 0));
        p.fillRect(QRect(r.left() + b * 5 / 16, r.top(), h / 5, h), QColor(254, 204, 0));
        return;
    case Motiv::Fjaell: {
        ritaHimmelOchMark(p, r, QColor(110, 160, 220), QColor(80, 130, 60), 0.7);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            const int x = r.left() + b * (1 + 3 * i) / 8 + int(slump.bounded(b / 10));
            const int topp = r.top() + h / 6 + int(slump.bounded(h / 6));
            QPolygon berg;
            berg << QPoint(x, topp) << QPoint(x - b / 4, r.top() + h * 7 / 10) << QPoint(x + b / 4, r.top() + h * 7 / 10);
            p.setBrush(QColor(110, 110, 120));
            p.drawPolygon(berg);
            QPolygon snoe;
            snoe << QPoint(x, topp) << QPoint(x - b / 16, topp + h / 10) << QPoint(x + b / 16, topp + h / 10);
            p.setBrush(Qt::white);
            p.drawPolygon(snoe);
        }
        return;
    }
    case Motiv::Stad: {
        ritaHimmelOchMark(p, r, QColor(140, 180, 230), QColor(120, 120, 120), 0.75);
        p.setPen(QColor(40, 40, 40));
        int x = r.left() + 10;
        while (x < r.right() - 30) {
            const int bb = 40 + int(slump.bounded(50));
            const int hh = h / 4 + int(slump.bounded(h / 3));
            const QRect hus(x, r.top() + h * 3 / 4 - hh, bb, hh);
            p.setBrush(QColor::fromHsv(int(slump.bounded(360)), 90, 200));
            p.drawRect(hus);
            p.setBrush(QColor(250, 240, 160));
            for (int fy = hus.top() + 8; fy < hus.bottom() - 12; fy += 18)
                for (int fx = hus.left() + 6; fx < hus.right() - 8; fx += 14)
                    p.drawRect(fx, fy, 7, 9);
            x += bb + 6;
        }
        return;
    }
    case Motiv::Blommor: {
        ritaHimmelOchMark(p, r, QColor(150, 200, 240), QColor(60, 150, 50), 0.45);
        p.setPen(Qt::NoPen);
        const QColor faerg = QColor::fromHsv(int(slump.bounded(360)), 200, 240);
        for (int i = 0; i < 40; ++i) {
            const int x = r.left() + int(slump.bounded(b));
            const int y = r.top() + h / 2 + int(slump.bounded(h / 2 - 10));
            const int s = 6 + int(slump.bounded(8));
            p.setBrush(faerg);
            for (int k = 0; k < 5; ++k) {
                const double v = k * 2 * 3.14159265 / 5;
                p.drawEllipse(QPointF(x + s * std::cos(v), y + s * std::sin(v)), s * 0.6, s * 0.6);
            }
            p.setBrush(QColor(250, 220, 40));
            p.drawEllipse(QPointF(x, y), s * 0.5, s * 0.5);
        }
        return;
    }
    case Motiv::Vinter:
        ritaHimmelOchMark(p, r, QColor(170, 190, 215), QColor(245, 248, 252), 0.6);
        for (int i = 0; i < 5; ++i)
            ritaTraed(p, r.left() + b * (2 * i + 1) / 10, r.top() + h * 7 / 10, h / 3);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < 80; ++i)
            p.drawEllipse(QPointF(r.left() + slump.bounded(b), r.top() + slump.bounded(h)), 2, 2);
        return;
    case Motiv::Vatten: {
        ritaHimmelOchMark(p, r, QColor(120, 170, 225), QColor(40, 90, 160), 0.55);
        p.setPen(QPen(QColor(200, 220, 250), 2));
        for (int i = 0; i < 25; ++i) {
            const int x = r.left() + int(slump.bounded(b)), y = r.top() + h * 6 / 10 + int(slump.bounded(h * 4 / 10));
            p.drawLine(x, y, x + 20, y);
        }
        for (int i = 0; i < 6; ++i)
            ritaTraed(p, r.left() + b * (2 * i + 1) / 12, r.top() + h * 55 / 100, h / 4);
        return;
    }
    case Motiv::Land:
        ritaHimmelOchMark(p, r, QColor(130, 180, 235), QColor(90, 160, 70), 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        p.drawEllipse(QPoint(r.right() - b / 6, r.top() + h / 6), h / 12, h / 12);
        p.setBrush(QColor(170, 40, 30));            // a red cottage
        p.drawRect(r.left() + b / 3, r.top() + h / 2, b / 4, h / 6);
        QPolygon tak;
        tak << QPoint(r.left() + b / 3 - 6, r.top() + h / 2) << QPoint(r.left() + b / 3 + b / 8, r.top() + h * 2 / 5)
            << QPoint(r.left() + b / 3 + b / 4 + 6, r.top() + h / 2);
        p.setBrush(QColor(60, 60, 60));
        p.drawPolygon(tak);
        for (int i = 0; i < 4; ++i)
            ritaTraed(p, r.left() + b * (4 * i + 1) / 14, r.top() + h * 62 / 100, h / 4);
        return;
    }
}

QImage rita(int bredd, int hoejd, const QString &text, quint32 froe)
{
    QImage bild(bredd, hoejd, QImage::Format_RGB888);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator slump(froe);
    const int band = hoejd / 8;
    ritaMotiv(p, QRect(0, 0, bredd, hoejd - band), motivFoer(text), slump);
    p.fillRect(QRect(0, hoejd - band, bredd, band), QColor(0, 0, 128));
    QFont f(QStringLiteral("DejaVu Sans"));
    const QRect ruta(4, hoejd - band, bredd - 8, band);
    // The caption on one line, as large as fits.
    for (int px = band / 2; px >= 8; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= ruta.width())
            break;
    }
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(ruta, Qt::AlignCenter | Qt::TextWordWrap, text);
    return bild;
}

QString bildtext(const Bildrad &rad, int n)
{
    switch (rad.texter) {
    case Texter::Beloening: return VisadBildText(BeloeningsbildText(n));
    case Texter::Startbild: return StartbildText(n);
    case Texter::Fast: return QString::fromUtf8(rad.text ? rad.text : "");
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bildgen <directory>\n");
        return 2;
    }
    const QDir ut(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(ut.path())) {
        std::fprintf(stderr, "bildgen: cannot make %s\n", argv[1]);
        return 1;
    }
    int antal = 0;
    for (const Bildrad &rad : bildtabell) {
        const bool serie = QByteArray(rad.namn).contains('%');
        const int foersta = serie ? rad.foersta : 0, sista = serie ? rad.sista : 0;
        for (int n = foersta; n <= sista; ++n) {
            const QString namn = serie ? QString::asprintf(rad.namn, n) : QString::fromUtf8(rad.namn);
            const QImage bild = rita(rad.bredd, rad.hoejd, bildtext(rad, n), qHash(namn));
            if (!bild.save(ut.filePath(namn), "BMP")) {
                std::fprintf(stderr, "bildgen: cannot write %s\n", qPrintable(ut.filePath(namn)));
                return 1;
            }
            ++antal;
        }
    }
    std::printf("bildgen: %d pictures in %s\n", antal, qPrintable(ut.path()));
    return 0;
}
