#include "exercises/answer/klockan.h"

#include "core/datafiler.h"
#include "core/klocka.h"
#include "core/uppstart.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "exercises/frame/taster.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval klockval(const Oevningsstart &)
{
    Ramval v;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.slutTimerNamn = QStringLiteral("Timer2");
    v.runda.diagnosbokfoering = false;
    v.rubrik = false;
    v.beroemFramfoer = true;
    v.beloeningsbild = false;
    v.merHjaelp = false;
    return v;
}

// The numerals stand around the dial with their cell moved by these
// 24ths of its height (v) and width (b), so that each sits just outside it.
struct Siffrans { int v, b; };
constexpr Siffrans siffrans[13] = {{0, 0},   {17, 3},  {15, 0},  {11, 0},  {8, 6},
                                   {4, 4},   {8, 12},  {5, 20},  {8, 24},  {10, 24},
                                   {14, 21}, {17, 15}, {14, 12}};

// A hand: two triangles from the centre to the tip, one on each side.
void ritaVisare(QPainter &p, QPoint c, int vinkel, int laengd, int bredd, const QColor &faerg)
{
    const QPoint spets = klockpunkt(c, vinkel, laengd);
    p.setBrush(faerg);
    for (int sida : {-10, 10}) {
        const QPoint s = klockpunkt(c, vinkel + sida, bredd);
        p.drawPolygon(QPolygon{c, spets, s});
    }
}

// The heading's fixed lines in yellow bold Arial, as large as fits the
// box, never below 11 pt.
void passaIn(QLabel *l, int storlek, int bredd)
{
    l->setFont(passandeTypsnitt({l->text()}, bredd, arial(Punkter{storlek}, true), 11));
    l->adjustSize();
}

} // namespace

TKlockan::TKlockan(const Oevningsstart &start, QWidget *parent) : Ovningsram(klockval(start), parent)
{
    setObjectName(QStringLiteral("Klockan"));
    Panel1 = Slutpanel;
    Shape1 = new Figur(this, QStringLiteral("Shape1"), QRect(), Figur::Form::RundadRektangel, clYellow);
    Shape2 = new Figur(Shape1, QStringLiteral("Shape2"), QRect(), Figur::Form::RundadRektangel, clNavy);
    Label1 = skapaEtikett(Shape2, QStringLiteral("Label1"), QStringLiteral("Hur mycket"), QPoint());
    Label2 = skapaEtikett(Shape2, QStringLiteral("Label2"), QStringLiteral("är klockan?"), QPoint());
    Label3 = skapaEtikett(Shape2, QStringLiteral("Label3"), QStringLiteral(" Den är ..."), QPoint());
    for (QLabel *l : {Label1, Label2, Label3})
        saettTextfaerg(l, clYellow);

    PaintBox1 = new Ritruta(this, QStringLiteral("PaintBox1"), QRect());
    PaintBox1->OnPaint = [this](QPainter &p) { PaintBox1Paint(p); };

    QFont times(QStringLiteral("Times New Roman"));
    times.setPointSize(20);
    times.setBold(true);
    Edit1->setFont(times);
    saettTextfaerg(Edit1, clNavy);
    Label4 = skapaEtikett(this, QStringLiteral("Label4"), QString(), QPoint());
    Label4->setFont(times);
    saettTextfaerg(Label4, clMaroon);
    Label4->hide();
    lampknapp->setToolTip(QStringLiteral("Visar felvarning."));

    skapa(start);
}

void TKlockan::efterSkapande()
{
    // The clock window has its own heading and no instruction line.
    for (QWidget *w : {static_cast<QWidget *>(OverskriftYtterShape), static_cast<QWidget *>(OverskriftInnerShape),
                       static_cast<QWidget *>(Overs1Label), static_cast<QWidget *>(Overs2Label),
                       static_cast<QWidget *>(Overs3Label), static_cast<QWidget *>(InstruktionsLabel)})
        w->hide();
    lampknapp->show();
    LampShape->hide();
}

void TKlockan::Inled()
{
    Ovningsram::Inled();
    const auto [w, h, M] = rutnaet(G.skaerm.Marginal);

    Shape1->setGeometry(M, M, 20 * w, 13 * h);
    Shape2->setGeometry(M / 2, M / 2, Shape1->width() - M, Shape1->height() - M);
    const int rad = Shape2->height() / 3;
    int y = 0;
    for (QLabel *l : {Label1, Label2, Label3}) {
        passaIn(l, 20, Shape2->width() - M);
        l->move((Shape2->width() - l->width()) / 2, y + (rad - l->height()) / 2);
        y += rad;
    }

    const int H = 28 * h;
    PaintBox1->setGeometry(Shape1->geometry().right() + 1 + 2 * M, M, H + 8, H);

    const int svarTopp = PaintBox1->geometry().bottom() + 1 + h;
    Edit1->setGeometry(M, svarTopp, 30 * w, 4 * h);
    lampknapp->setGeometry(Edit1->geometry().right() + 1 + M, svarTopp + h / 2, 3 * h, 3 * h);
    LampShape->setGeometry(lampknapp->geometry());
    Label4->move(M, Edit1->geometry().bottom() + 1 + M / 2);

    // The cover over the answer area at the end of a round.
    const int coverTopp = svarTopp - M / 2;
    BildPanelen->setGeometry(0, coverTopp, Aster1->x() - M / 4,
                             std::max(1, LovordPanel->y() - coverTopp));
    saettBakgrund(BildPanelen, clBtnFace);
}

void TKlockan::NyPost()
{
    haemtaPost();
    if (G.runda.RaettaFel != 1)
        G.fel.KlockPost = G.post.PostNummer;
    PaintBox1->update();
    Label4->clear();
    Label4->hide();
    Edit1->clear();
    Edit1->setEnabled(true);
    Edit1->show();
    if (ForstaPosten == 1)
        ForstaPosten = 0;
    else
        Edit1->setFocus();
}

QString TKlockan::vaentatSvar(const QLineEdit *) const { return postdelar.faelt[1]; }

void TKlockan::svarInmatat(QLineEdit *)
{
    // Exact as the file writes it; only a capital first letter is let pass.
    const bool raett = klocksvarRaett(Edit1->text(), postdelar);
    svarsboekfoering(raett);
    if (!raett) {
        saettEtikettText(Label4, postdelar.faelt[1]);
        Label4->show();
        Label4->repaint();
    }
    efterSvar();
}

void TKlockan::vidRundansSlut()
{
    Ovningsram::vidRundansSlut();
    lampknapp->hide();
    LampShape->hide();
}

void TKlockan::foerberedRaettning()
{
    Ovningsram::foerberedRaettning();
    Label4->hide();
}

void TKlockan::efterInstaellningar()
{
    // No sound here: the repeat button stays hidden.
    if (!rundanPaagaar())
        return;
    Slutpanel->hide();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TKlockan::PaintBox1Paint(QPainter &p)
{
    const int H = PaintBox1->height();
    const int W = H + 8;
    p.setPen(Qt::black);
    p.setBrush(clAqua);
    p.drawRect(2, 2, W - 3, H - 3);

    const QPoint c(W / 2, H / 2);
    const int r = W * 9 / 24;
    const int L = (r / 12) * 9;
    const int d = H / 25;

    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(std::max(1, H / 12));
    p.setFont(f);
    const QFontMetrics fm(f);
    for (int n = 1; n <= 12; ++n) {
        const QString text = QString::number(n);
        const QPoint a = klockpunkt(c, 30 * n, r + 8);
        const int tw = fm.horizontalAdvance(text);
        const int th = fm.height();
        const QRect cell(a.x() - tw * siffrans[n].b / 24, a.y() - th * siffrans[n].v / 24, tw, th);
        p.drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
    }

    const Klocktid t = klocktid(G.fel.KlockPost);
    ritaVisare(p, c, t.timvinkel, L, L / 2, clBlue);
    p.setBrush(clLime);
    p.drawEllipse(klockpunkt(c, t.timvinkel, L / 2), d, d);
    ritaVisare(p, c, t.minutvinkel, r, r / 3, clRed);
}

int VisaKlockan() { return visaOevning<TKlockan>(); }
