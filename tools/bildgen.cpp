// Draws the program's pictures into <pc>/BILD: a scene for each caption of
// the start and reward pictures, the numbered figures of the picture
// questions and the Sweden pages' pictures. One table row per picture name
// or numbered series; a new series (start pictures, a window's background)
// is a new row.
//
//   bildgen <directory for the pictures>
//   bildgen --kolla      only checks that every caption has a scene of its own
#include "core/lovord.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
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
    void (*figur)(QPainter &, int, int) = nullptr;   // a drawing of its own, no caption
};

void ritaKroppen(QPainter &p, int bredd, int hoejd);
void ritaHuvudet(QPainter &p, int bredd, int hoejd);
void ritaFlaggan(QPainter &p, int bredd, int hoejd);
void ritaTreKronor(QPainter &p, int bredd, int hoejd);
void ritaSvea(QPainter &p, int bredd, int hoejd);
void ritaKartan(QPainter &p, int bredd, int hoejd);

const Bildrad bildtabell[] = {
    // The reward pictures fill most of an exercise window (about 930 pixels
    // wide on a 1024-pixel screen): drawn at 800 x 600 they are enlarged
    // little or not at all, and stay sharp.
    {"SVE%03d.BMP", 1, AntalBilder, 800, 600, Texter::Beloening, nullptr},
    {"Morv97.BMP", 0, 0, 640, 480, Texter::Fast, "Morvika - svenska för alla"},
    // The main window's start pictures: small, middle and large screens.
    {"SVEL%03d.BMP", 1, AntalBilder, 150, 110, Texter::Startbild, nullptr},
    {"SVEM%03d.BMP", 1, AntalBilder, 190, 140, Texter::Startbild, nullptr},
    {"SVES%03d.BMP", 1, AntalBilder, 240, 180, Texter::Startbild, nullptr},
    // The picture questions: a numbered figure each.
    {"KROPPEN.BMP", 0, 0, 600, 900, Texter::Fast, nullptr, ritaKroppen},
    {"HUVUDET.BMP", 0, 0, 800, 820, Texter::Fast, nullptr, ritaHuvudet},
    // The Sweden pages (sverigebilder below).
    {"SV_FLAG.BMP", 0, 0, 320, 200, Texter::Fast, nullptr, ritaFlaggan},
    {"TREKRONA.BMP", 0, 0, 240, 280, Texter::Fast, nullptr, ritaTreKronor},
    {"SVEA.BMP", 0, 0, 420, 260, Texter::Fast, nullptr, ritaSvea},
    {"SVEMAP.BMP", 0, 0, 500, 1000, Texter::Fast, nullptr, ritaKartan},
};

QImage figurbild(const Bildrad &rad)
{
    QImage bild(rad.bredd, rad.hoejd, QImage::Format_RGB888);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    rad.figur(p, rad.bredd, rad.hoejd);
    return bild;
}

// ---- the picture questions' figures ------------------------------------------
//
// Each figure carries numbered labels with a straight line to its part, as
// the comments of SVE38100.DAT and SVE38200.DAT list them. Lines are drawn
// with a white edge, so that a line crossing the figure is still seen as a
// line; each ends in a dot on its part.

const QColor hud(250, 214, 180);
const QColor hudkant(150, 95, 65);

struct Etikett {
    int nummer;
    QPoint plats;   // the number's circle
    QPoint maal;    // the part
};

void ritaEtiketter(QPainter &p, std::initializer_list<Etikett> etiketter)
{
    const int r = 30;
    for (const Etikett &e : etiketter) {
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e.plats, e.maal);
    }
    for (const Etikett &e : etiketter) {
        p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e.plats, e.maal);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(e.maal), 5, 5);
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(34);
    p.setFont(f);
    for (const Etikett &e : etiketter) {
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(QColor(255, 250, 205));
        p.drawEllipse(QPointF(e.plats), r, r);
        p.drawText(QRect(e.plats.x() - r, e.plats.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                   QString::number(e.nummer));
    }
}

// A limb: a thick rounded stroke with a darker edge.
void ritaLem(QPainter &p, QPointF a, QPointF b, double bredd, const QColor &faerg)
{
    p.setPen(QPen(faerg == hud ? hudkant : faerg.darker(140), bredd + 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(faerg, bredd, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

// A hand hanging down, seen from the front, the thumb on the outer side
// (`ut` is -1 for the figure's right hand, at the left of the picture).
void ritaHand(QPainter &p, QPointF c, int ut)
{
    p.setPen(QPen(hudkant, 2));
    p.setBrush(hud);
    p.drawEllipse(c, 22, 26);
    // Index, middle, ring and little finger from the thumb's side inwards.
    const double laengd[4] = {54, 56, 52, 44};
    for (int k = 0; k < 4; ++k) {
        const double x = c.x() + ut * (15 - 10 * k);
        p.setPen(QPen(hudkant, 12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, c.y() + 10), QPointF(x, c.y() + laengd[k]));
        p.setPen(QPen(hud, 8.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, c.y() + 10), QPointF(x, c.y() + laengd[k]));
    }
    const QPointF tumme(c.x() + ut * 30, c.y() + 20);
    p.setPen(QPen(hudkant, 13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + ut * 16, c.y() - 4), tumme);
    p.setPen(QPen(hud, 9.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + ut * 16, c.y() - 4), tumme);
    p.setBrush(hud);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 20, 24);
}

// A bare foot from the front, toes at the bottom, the big toe on the inner
// side (`in` is +1 when the body's middle lies to the right).
void ritaFot(QPainter &p, double x, double y, int in)
{
    QPainterPath fot;
    fot.moveTo(x - 14, y);
    fot.lineTo(x + 14, y);
    fot.cubicTo(x + 22, y + 20, x + 30, y + 36, x + 28, y + 52);
    fot.lineTo(x - 28, y + 52);
    fot.cubicTo(x - 30, y + 36, x - 22, y + 20, x - 14, y);
    p.setPen(QPen(hudkant, 2));
    p.setBrush(hud);
    p.drawPath(fot);
    // Five toes, the big one first.
    const double storlek[5] = {11, 7.5, 7, 6.5, 6};
    double tx = x + in * 19;
    for (int k = 0; k < 5; ++k) {
        p.drawEllipse(QPointF(tx, y + 54 - storlek[k] / 2), storlek[k], storlek[k] * 1.15);
        tx -= in * (storlek[k] + (k + 1 < 5 ? storlek[k + 1] : 0) - 1);
    }
}

void ritaKroppen(QPainter &p, int, int)
{
    const QColor troeja(60, 130, 210);
    const QColor shorts(40, 100, 70);
    const QColor haar(115, 70, 30);

    // Legs and feet.
    for (int sida : {-1, 1}) {
        const double x = 300 + sida * 32;
        ritaLem(p, QPointF(x, 480), QPointF(x - sida * 2, 635), 46, hud);
        ritaLem(p, QPointF(x - sida * 2, 635), QPointF(x, 790), 34, hud);
        // The knee cap.
        p.setPen(QPen(hudkant, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - sida * 2 - 13, 620, 26, 26), 200 * 16, 140 * 16);
        ritaFot(p, x, 792, -sida);
    }
    // Arms: skin below the sleeves, then the hands.
    for (int sida : {-1, 1}) {
        const QPointF axel(300 + sida * 72, 228), armbaage(300 + sida * 122, 360),
            handled(300 + sida * 150, 468);
        ritaLem(p, axel, armbaage, 32, hud);
        ritaLem(p, armbaage, handled, 28, hud);
        ritaHand(p, QPointF(300 + sida * 155, 494), sida);
        // The sleeve covers the upper part of the upper arm.
        ritaLem(p, axel, axel + (armbaage - axel) * 0.42, 46, troeja);
    }
    // Shorts and shirt.
    p.setPen(QPen(shorts.darker(140), 2));
    p.setBrush(shorts);
    p.drawPolygon(QPolygonF{QPointF(244, 452), QPointF(356, 452), QPointF(364, 548), QPointF(306, 548),
                            QPointF(300, 505), QPointF(294, 548), QPointF(236, 548)});
    p.setPen(QPen(troeja.darker(140), 2));
    p.setBrush(troeja);
    QPainterPath kropp;
    kropp.moveTo(272, 206);
    kropp.lineTo(328, 206);
    kropp.cubicTo(350, 212, 372, 214, 380, 232);
    kropp.lineTo(362, 292);
    kropp.lineTo(360, 470);
    kropp.lineTo(240, 470);
    kropp.lineTo(238, 292);
    kropp.lineTo(220, 232);
    kropp.cubicTo(228, 214, 250, 212, 272, 206);
    p.drawPath(kropp);
    // Neck with the collar.
    p.setPen(QPen(hudkant, 2));
    p.setBrush(hud);
    p.drawRect(QRectF(282, 168, 36, 42));
    p.setPen(QPen(troeja.darker(160), 3));
    p.drawArc(QRectF(272, 186, 56, 40), 200 * 16, 140 * 16);
    // Head, hair and a friendly face.
    p.setPen(QPen(hudkant, 2));
    p.setBrush(hud);
    p.drawEllipse(QPointF(300, 115), 58, 68);
    p.drawEllipse(QPointF(241, 120), 8, 14);
    p.drawEllipse(QPointF(359, 120), 8, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(haar);
    QPainterPath lugg;
    lugg.moveTo(242, 112);
    lugg.cubicTo(234, 40, 366, 40, 358, 112);
    lugg.cubicTo(340, 80, 300, 70, 290, 82);
    lugg.cubicTo(272, 76, 252, 86, 242, 112);
    p.drawPath(lugg);
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QPointF(280, 115), 9, 7);
    p.drawEllipse(QPointF(320, 115), 9, 7);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(280, 115), 4, 4);
    p.drawEllipse(QPointF(320, 115), 4, 4);
    p.setPen(QPen(hudkant, 2));
    p.drawLine(QPointF(300, 122), QPointF(297, 138));
    p.setPen(QPen(QColor(190, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(282, 136, 36, 22), 200 * 16, 140 * 16);

    // Number 1 names the whole head: a bracket from the crown to the chin.
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath klammer;
    klammer.moveTo(230, 47);
    klammer.quadTo(218, 47, 218, 60);
    klammer.lineTo(218, 100);
    klammer.quadTo(218, 113, 206, 115);
    klammer.quadTo(218, 117, 218, 130);
    klammer.lineTo(218, 170);
    klammer.quadTo(218, 183, 230, 183);
    p.drawPath(klammer);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(klammer);

    ritaEtiketter(p, {{1, {55, 95}, {206, 115}},
                      {3, {55, 215}, {226, 226}},
                      {4, {55, 315}, {190, 322}},
                      {5, {55, 390}, {178, 360}},
                      {6, {55, 460}, {150, 494}},
                      {7, {55, 560}, {140, 535}},
                      {2, {545, 180}, {313, 194}},
                      {8, {545, 285}, {300, 290}},
                      {9, {545, 395}, {300, 400}},
                      {10, {545, 470}, {358, 484}},
                      {11, {545, 570}, {333, 578}},
                      {12, {545, 640}, {331, 634}},
                      {13, {545, 715}, {332, 715}},
                      {14, {545, 795}, {338, 818}},
                      {15, {545, 865}, {314, 839}}});
}

void ritaHuvudet(QPainter &p, int, int)
{
    const QColor haar(115, 70, 30);
    const QColor troeja(60, 130, 210);
    // Shoulders in a shirt, the neck, the ears behind the head.
    p.setPen(QPen(troeja.darker(140), 2));
    p.setBrush(troeja);
    p.drawRoundedRect(QRectF(190, 760, 420, 120), 60, 60);
    p.setPen(QPen(hudkant, 2));
    p.setBrush(hud);
    QPainterPath hals;
    hals.moveTo(330, 590);
    hals.lineTo(470, 590);
    hals.cubicTo(468, 700, 480, 750, 500, 775);
    hals.lineTo(300, 775);
    hals.cubicTo(320, 750, 332, 700, 330, 590);
    p.drawPath(hals);
    for (int sida : {-1, 1}) {
        p.drawEllipse(QPointF(400 + sida * 205, 425), 30, 52);
        p.setPen(QPen(hudkant, 2));
        p.drawArc(QRectF(400 + sida * 205 - 16, 395, 32, 60), sida < 0 ? 90 * 16 : -90 * 16, 180 * 16);
    }
    p.drawEllipse(QPointF(400, 400), 200, 245);
    // Hair: a cap over the top, leaving the forehead and the temples bare.
    p.setPen(Qt::NoPen);
    p.setBrush(haar);
    QPainterPath haaret;
    haaret.moveTo(202, 330);
    haaret.cubicTo(170, 90, 630, 90, 598, 330);
    haaret.cubicTo(585, 280, 540, 240, 470, 236);
    haaret.cubicTo(430, 250, 380, 250, 340, 232);
    haaret.cubicTo(270, 236, 215, 280, 202, 330);
    p.drawPath(haaret);
    p.save();
    p.setClipPath(haaret);
    p.setPen(QPen(haar.darker(140), 2));
    for (int k = 0; k < 9; ++k)
        p.drawLine(QPointF(260 + 35 * k, 150 + (k % 2) * 10), QPointF(250 + 36 * k, 240));
    p.restore();
    // Eyebrows, eyes with lashes.
    for (int sida : {-1, 1}) {
        const double x = 400 + sida * 85;
        p.setPen(QPen(haar, 11, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 46, 305, 92, 40), 25 * 16, 130 * 16);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 378), 34, 18);
        p.setBrush(QColor(70, 120, 170));
        p.drawEllipse(QPointF(x, 378), 13, 13);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x, 378), 6, 6);
        p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
        for (int k = -3; k <= 3; ++k) {
            const double lx = x + k * 9;
            const double ly = 378 - 18 * std::sqrt(std::max(0.0, 1 - (k * 9.0 / 34) * (k * 9.0 / 34)));
            p.drawLine(QPointF(lx, ly), QPointF(lx + k * 2.5, ly - 11));
        }
    }
    // Cheeks, nose and nostrils, mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 170, 160));
    p.drawEllipse(QPointF(300, 470), 36, 24);
    p.drawEllipse(QPointF(500, 470), 36, 24);
    p.setPen(QPen(hudkant, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath naesa;
    naesa.moveTo(392, 385);
    naesa.cubicTo(386, 420, 372, 450, 370, 475);
    naesa.cubicTo(372, 500, 428, 500, 430, 475);
    p.drawPath(naesa);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 45));
    p.drawEllipse(QPointF(383, 486), 11, 7);
    p.drawEllipse(QPointF(417, 486), 11, 7);
    p.setPen(QPen(QColor(160, 50, 60), 2));
    p.setBrush(QColor(215, 95, 100));
    QPainterPath mun;
    mun.moveTo(350, 552);
    mun.cubicTo(375, 538, 425, 538, 450, 552);
    mun.cubicTo(425, 572, 375, 572, 350, 552);
    p.drawPath(mun);
    p.drawLine(QPointF(352, 552), QPointF(448, 552));

    ritaEtiketter(p, {{4, {240, 45}, {308, 306}},
                      {6, {85, 120}, {292, 359}},
                      {3, {50, 340}, {236, 352}},
                      {7, {50, 450}, {188, 440}},
                      {5, {95, 640}, {315, 380}},
                      {1, {745, 130}, {470, 190}},
                      {2, {745, 250}, {400, 272}},
                      {8, {745, 345}, {398, 440}},
                      {10, {745, 465}, {508, 462}},
                      {9, {745, 550}, {419, 488}},
                      {11, {745, 630}, {425, 556}},
                      {12, {745, 705}, {400, 626}},
                      {13, {745, 780}, {430, 715}}});
}

#include "sverigebilder.inc"
#include "bildscener.inc"

// A start or reward picture: the scene its caption names, drawn to the
// picture's size. A fixed picture with a text of its own (the about
// window's) shows that text in a band under the scene.
QImage rita(int bredd, int hoejd, const QString &text, bool medText, quint32 froe)
{
    QImage bild(bredd, hoejd, QImage::Format_RGB888);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator slump(froe);
    const int band = medText ? hoejd / 8 : 0;
    p.save();
    p.scale(bredd / 400.0, (hoejd - band) / 300.0);
    p.setClipRect(QRectF(0, 0, 400, 300));
    if (const Scen scen = scenFoer(text))
        scen(p, slump);
    else
        scenFlagga(p, slump);
    p.restore();
    if (!medText)
        return bild;
    p.fillRect(QRect(0, hoejd - band, bredd, band), QColor(0, 0, 128));
    QFont f(QStringLiteral("DejaVu Sans"));
    const QRect ruta(4, hoejd - band, bredd - 8, band);
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


// Every caption of both lists has a scene, and two captions that differ
// have scenes that differ; the names of the faults, or nothing.
QStringList bildtextfel()
{
    QStringList fel;
    QHash<Scen, QString> tagen;
    for (int n = 1; n <= AntalBilder; ++n)
        for (const QString &text : {StartbildText(n), VisadBildText(BeloeningsbildText(n))}) {
            const Scen scen = scenFoer(text);
            if (!scen) {
                fel << QStringLiteral("no scene for \"%1\"").arg(text);
                continue;
            }
            const QString nyckel = scennyckel(text);
            const QString foere = tagen.value(scen);
            if (!foere.isEmpty() && foere != nyckel)
                fel << QStringLiteral("\"%1\" and \"%2\" share a scene").arg(foere, nyckel);
            tagen.insert(scen, nyckel);
        }
    return fel;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every caption must have a scene of its own before anything is drawn.
    const QStringList fel = bildtextfel();
    for (const QString &f : fel)
        std::fprintf(stderr, "bildgen: %s\n", qPrintable(f));
    if (!fel.isEmpty())
        return 1;
    if (argc == 2 && qstrcmp(argv[1], "--kolla") == 0)
        return 0;
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bildgen <directory> | bildgen --kolla\n");
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
            const QString text = bildtext(rad, n);
            const QImage bild = rad.figur ? figurbild(rad)
                                          : rita(rad.bredd, rad.hoejd, text, rad.texter == Texter::Fast,
                                                 qHash(scennyckel(text)));
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
