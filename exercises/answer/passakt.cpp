#include "exercises/answer/passakt.h"

#include "core/datafiler.h"
#include "core/ljud.h"
#include "core/meningslayout.h"
#include "core/oeversaettning.h"
#include "core/passakt.h"
#include "core/program.h"
#include "core/svarstest.h"
#include "core/uppstart.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/skalning.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval passaktval(const Oevningsstart &)
{
    Ramval v;
    v.ljudkatalog = true;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.postKanBesvaras = [](const Postdelar &p) { return !PassAktAlternativ(p.faelt).isEmpty(); };
    v.slutpanelNamn = QStringLiteral("EscapePanel");
    v.slutTimerNamn = QStringLiteral("Timer2");
    v.svarsfaelt = false;
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    v.ljudtimerIntervall = 2;
    v.f2Ljud = true;
    return v;
}

int ellerStandard(int punkter, int standard) { return punkter > 0 ? punkter : standard; }

} // namespace

TPassAkt::TPassAkt(const Oevningsstart &start, QWidget *parent) : Ovningsram(passaktval(start), parent)
{
    setObjectName(QStringLiteral("PassAkt"));
    EscapePanel = Slutpanel;
    auto etikett = [this](const char *namn) { return skapaTaetEtikett(this, QString::fromLatin1(namn)); };
    Label3 = etikett("Label3");
    Label4 = etikett("Label4");
    Label5 = etikett("Label5");
    Label6 = etikett("Label6");
    Label7 = etikett("Label7");
    templabel = etikett("templabel");
    EngLabel = etikett("EngLabel");
    saettTextfaerg(EngLabel, clGreen);
    EngLabel->setFont(arial(Punkter{14}, true));

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    saettBakgrund(Panel1, clSilver);
    for (int k = 2; k <= 8; ++k) {
        auto *p = new Valpanel(Panel1, QStringLiteral("Panel%1").arg(k));
        // The panels keep their colours while Panel1 is disabled: the lit
        // right answer must stay readable during the wait.
        QPalette pal = p->palette();
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(g, QPalette::WindowText, clMaroon);
        p->setPalette(pal);
        p->OnMouseMove = [this, k] { PanelMouseMove(k); };
        p->OnMouseDown = [this, k](Qt::MouseButton b) { PanelMouseDown(k, b); };
        p->hide();
        Paneler[std::size_t(k - 2)] = p;
    }
    skapa(start);
}

bool TPassAkt::harRegelsida() const { return programdata().regelknapp != Regelknapp::Ingen; }

void TPassAkt::efterSkapande()
{

    const Programdata &d = programdata();
    LjudPost = d.ljudOevning && ljudPaa() ? 1 : 0;
    const QFont mening = arial(Punkter{d.punkter}, true);
    for (QLabel *l : {Label3, Label4, Label5, Label6})
        l->setFont(mening);
    Label7->setFont(arial(Punkter{ellerStandard(d.foerklaringsPunkter, d.punkter)}, true));
    templabel->setFont(arial(Punkter{ellerStandard(d.valMaetPunkter, 22)}, true));
    for (Valpanel *p : Paneler)
        p->setFont(arial(Punkter{ellerStandard(d.valPunkter, 20)}, true));
    for (QLabel *l : {Label3, Label4, Label6})
        saettTextfaerg(l, clBlue);
    saettTextfaerg(Label5, clGreen);
    saettTextfaerg(Label7, clMaroon);
    saettBakgrund(Label7, clSilver);
    Label7->setAutoFillBackground(true);

    const int M = G.skaerm.Marginal;
    const QRect rubrik = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(std::max(0, rubrik.x() + M / 2), rubrik.bottom() + 1 + InstruktionsLabel->height() / 2);

    const Laege l = laege();
    G.arbetsblad.Utskriftsrubrik = (G.oevning.Rubrikrader[1].str() + QLatin1Char(' ') + G.oevning.Rubrikrader[2].str()
                         + QLatin1Char(' ') + G.oevning.Rubrikrader[3].str()).left(80);
    EscapePanel->hide();
    BitBtn2->hide();
    BitBtn2->setText(QStringLiteral("&Regel"));
    if (aerArbetsblad(l))
        Panel1->hide();

    if (LjudPost) {
        const bool regel = harRegelsida() && !aerArbetsblad(l);
        UpprepaButton->move(regel ? BitBtn2->x() + BitBtn2->width() + 2 * M : BitBtn2->x(), BitBtn2->y());
        UpprepaButton->show();
    } else {
        UpprepaButton->hide();
    }
    laddaOrdlistor();
}

// ---- the item ----------------------------------------------------------------

int TPassAkt::vaensterkant() const
{
    return aerDiagnosomraade(laege()) ? designX(30) : InstruktionsLabel->x();
}

bool TPassAkt::laggUtMening()
{
    const QString text = postdelar.faelt[1];
    const Meningsrader rader = dela_mening(20, 500, text, 2);
    const QString rad1 = rader[1];
    const QString rad2 = rader[2];
    const int x0 = vaensterkant();
    const int topp = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    const int h = Label4->fontMetrics().height();
    const int rad2Topp = topp + (4 * h) / 3;
    for (QLabel *l : {Label3, Label4, Label5, Label6}) {
        l->clear();
        l->hide();
    }
    auto rad = [](QLabel *l, const QString &t, int x, int y) {
        saettEtikettText(l, t);
        l->move(x, y);
        l->show();
        return x + l->width();
    };
    if (text.contains(QLatin1Char('<'))) {
        const bool paaRad2 = !rad2.isEmpty() && !rad1.contains(QLatin1Char('<'));
        LetaPrep(paaRad2 ? rad2 : (rad2.isEmpty() ? text : rad1));
        const int y = paaRad2 ? rad2Topp : topp;
        int x = rad(Label4, G.post.LetaPrepDelar[1], x0, y);
        x = rad(Label5, G.post.LetaPrepDelar[2], x, y);
        rad(Label6, G.post.LetaPrepDelar[3], x, y);
        if (!rad2.isEmpty())
            rad(Label3, paaRad2 ? rad1 : rad2, x0, paaRad2 ? topp : rad2Topp);
        LetaPrep(text);   // the marked part of the whole item for the explanation
    } else if (rad2.isEmpty()) {
        rad(Label3, text, x0, topp);
    } else {
        rad(Label4, rad1, x0, InstruktionsLabel->y() + (3 * InstruktionsLabel->height()) / 2);
        rad(Label3, rad2, x0, Label4->y() + (4 * h) / 3);
    }
    return !rad2.isEmpty();
}

void TPassAkt::laggUtPaneler(bool tvaaRader)
{
    const int M = G.skaerm.Marginal;
    const int panelHoejd = Label4->fontMetrics().height() + M / 4;
    const QFontMetrics maett(templabel->font());
    int x = M;
    for (int k = 2; k <= 8; ++k) {
        Valpanel *p = panel(k);
        if (k - 1 > AntalVal) {
            p->hide();
            continue;
        }
        const QString text = Alternativ.at(k - 2).left(ValVisningsLaengd);
        const int bredd = maett.horizontalAdvance(text) + M;
        p->setText(text);
        p->setGeometry(x, M / 2, bredd + 4, panelHoejd);
        p->saettUtseende(k == 2);   // as if the pointer rested on the first
        p->show();
        x += bredd + M;
    }
    Panel1->resize(x + M / 2, panelHoejd + M);
    Panel1->move(vaensterkant(),
                 InstruktionsLabel->y() + 2 * InstruktionsLabel->height() + (11 * Label4->fontMetrics().height()) / 4
                     + (tvaaRader ? (4 * Label4->fontMetrics().height()) / 3 : 0));
    Panel1->setVisible(!aerArbetsblad(laege()));
}

void TPassAkt::NyPost()
{
    haemtaPost();
    Label7->hide();
    Panel1->setEnabled(!aerArbetsblad(laege()));
    const bool tvaaRader = laggUtMening();

    Alternativ = PassAktAlternativ(postdelar.faelt);
    AntalVal = int(Alternativ.size());
    laggUtPaneler(tvaaRader);

    const int h = Label7->fontMetrics().height();
    Label7->move(Panel1->x(), Panel1->y() + Panel1->height() + h / 2);
    if (ljudPaa())
        UpprepaButton->setEnabled(true);
    visaRegelknapp();
    visaOeversaettning();
}

void TPassAkt::visaRegelknapp()
{
    if (!harRegelsida() || aerArbetsblad(laege()))
        return;
    BitBtn2->setText(QStringLiteral("&Regel"));
    BitBtn2->show();
    BitBtn2->setEnabled(true);
}

void TPassAkt::visaOeversaettning()
{
    EngLabel->hide();
    if (G.val.Oeversaettning != 0 && programdata().oeversaettning)
        visaPostensOeversaettning(EngLabel);
}

// ---- pointing and choosing ----------------------------------------------------

void TPassAkt::PanelMouseMove(int k)
{
    for (int j = 2; j <= 8; ++j)
        panel(j)->saettUtseende(j == k);
}

void TPassAkt::PanelMouseDown(int k, Qt::MouseButton knapp)
{
    if (knapp == Qt::LeftButton)
        RaettTest(k, 0);
    else if (knapp == Qt::RightButton)
        RaettTest(k, 1);
}

void TPassAkt::RaettTest(int k, int slag)
{
    if (k < 2 || k - 1 > AntalVal || aerArbetsblad(laege()))
        return;
    if (slag == 1) {
        EscapePanel->show();
        EscapePanel->raise();
        Panel1->repaint();
        if (aerOevningslaege(laege()))
            erbjudRaettning();
        return;
    }
    // Only an item waiting for its answer is judged (not one under the
    // picture at the end of the round).
    if (runda.rundlaege() != Rundlaege::VaentarSvar || !rundanPaagaar())
        return;
    Timer5->setInterval(0);
    const QString raett = postdelar.faelt[2];
    if (svarstest(raett, Alternativ.at(k - 2), 1, postdelar) == SvarRaett) {
        svarsboekfoering(true);
    } else {
        UpprepaButton->setEnabled(false);
        BitBtn2->setEnabled(false);
        svarsboekfoering(false);
        const int i = int(Alternativ.indexOf(raett));
        for (int j = 2; j <= 8; ++j)
            panel(j)->saettUtseende(j - 2 == i);
        saettEtikettText(Label7, PassAktFoerklaring(programtal(), postdelar.faelt[1], raett));
        Label7->show();
        Panel1->setEnabled(false);
    }
    efterSvar();
}

bool TPassAkt::keyDown(QKeyEvent *e)
{
    // In "Hur många vokaler?" the digit keys choose the panels: "1" the first.
    const int siffra = e->key() - Qt::Key_0;
    if (programdata().siffertangenter && siffra >= 1 && siffra <= 6
        && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int k = siffra + 1;
        if (siffra <= AntalVal && !panel(k)->isHidden() && Panel1->isVisible() && Panel1->isEnabled()
            && EscapePanel->isHidden())
            RaettTest(k, 0);
        return true;
    }
    return Ovningsram::keyDown(e);
}

void TPassAkt::escape()
{
    const bool foersta = EscapePanel->isHidden();
    escTvaaSteg();
    if (foersta && !aerStangd())
        Panel1->setEnabled(false);
}

void TPassAkt::mousePressEvent(QMouseEvent *e)
{
    FormMouseDown(e->button());
    e->accept();
}

void TPassAkt::FormMouseDown(Qt::MouseButton knapp)
{
    if (knapp != Qt::RightButton)
        return;
    Button1->setEnabled(runda.raettningFinns());
    EscapePanel->show();
    EscapePanel->raise();
}

// ---- frame hooks -----------------------------------------------------------------

void TPassAkt::foerAvslutningEfterVaentan() { Panel1->show(); }

void TPassAkt::vidRundansSlut()
{
    Ovningsram::vidRundansSlut();
    Panel1->setEnabled(false);
}

void TPassAkt::foerberedRaettning()
{
    Label3->show();
    Panel1->show();
    Panel1->setEnabled(true);
    EscapePanel->hide();
}

void TPassAkt::efterFortsaett()
{
    Panel1->setEnabled(rundanPaagaar() && runda.rundlaege() == Rundlaege::VaentarSvar);
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
}

void TPassAkt::efterInstaellningar()
{
    const Programdata &d = programdata();
    const bool paagaar = rundanPaagaar();
    LjudPost = d.ljudOevning && ljudPaa() ? 1 : 0;
    UpprepaButton->setVisible(LjudPost == 1);
    UpprepaButton->setEnabled(LjudPost == 1 && paagaar);
    laddaOrdlistor();
    visaOeversaettning();
    if (paagaar) {
        EscapePanel->hide();
        Panel1->setEnabled(runda.rundlaege() == Rundlaege::VaentarSvar);
    }
}

Arbetsbladsrader TPassAkt::arbetsbladsrader(bool)
{
    const Meningsrader rader = dela_mening(20, 700, postdelar.faelt[1], 2);
    return PassAktRader(rader[1], rader[2], GrammatikTerm(postdelar.faelt[2], 1));
}

int VisaPassAkt() { return visaOevning<TPassAkt>(); }
