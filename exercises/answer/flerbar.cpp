#include "exercises/answer/flerbar.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/ljud.h"
#include "core/luckpost.h"
#include "core/meningslayout.h"
#include "core/oeversaettning.h"
#include "core/program.h"
#include "core/svarstest.h"
#include "core/textmaett.h"
#include "core/uppstart.h"
#include "platform/ui/qttextmaetare.h"
#include "exercises/frame/taster.h"
#include "dialogs/regelform.h"
#include "dialogs/stallin.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/skalning.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

using namespace plattform;

namespace {

bool byteFoere(const QString &a, const QString &b) { return till1252(a) < till1252(b); }

// "w1, w2, ... eller wn ?"
QString fraageord(const QStringList &ord)
{
    if (ord.isEmpty())
        return {};
    if (ord.size() == 1)
        return ord.first() + QStringLiteral(" ?");
    return ord.mid(0, ord.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" eller ")
           + ord.last() + QStringLiteral(" ?");
}

// One step smaller, down to 11 pixels (8 points); false at the floor.
bool mindreFont(QFont &font)
{
    if (font.pixelSize() > 0) {
        if (font.pixelSize() <= 11)
            return false;
        font.setPixelSize(font.pixelSize() - 1);
    } else {
        if (font.pointSize() <= 8)
            return false;
        font.setPointSize(font.pointSize() - 1);
    }
    return true;
}

Ramval flerbarval(const Oevningsstart &)
{
    Ramval v;
    v.ljudkatalog = true;
    v.slutpanelNamn = QStringLiteral("Escapepanel");
    v.runda.passregel = Passregel::EnRunda;
    v.beroemFramfoer = true;
    v.bildIAllaLaegen = true;
    v.svarsfaelt = false;
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    v.ljudtimerIntervall = 2;
    v.f2Ljud = true;
    v.luckord = true;
    return v;
}

} // namespace

// ---- the window --------------------------------------------------------------

bool TFLERBAR::EgnaVal(Word p) { return program(p).egnaVal; }

bool TFLERBAR::HarRegelsida(Word p) { return program(p).regelknapp != Regelknapp::Ingen; }

bool TFLERBAR::HarOeversaettning(Word p) { return program(p).oeversaettning; }

bool TFLERBAR::FinnsPrep(const QString &text) { return text.contains(QLatin1Char('<')); }

TFLERBAR::TFLERBAR(const Oevningsstart &start, QWidget *parent) : Ovningsram(flerbarval(start), parent)
{
    setObjectName(QStringLiteral("FLERBAR"));
    Escapepanel = Slutpanel;
    auto etikett = [this](const char *namn) { return skapaTaetEtikett(this, QString::fromLatin1(namn)); };
    FrageLabel1 = etikett("FrageLabel1");
    FrageLabel2 = etikett("FrageLabel2");
    Label1 = etikett("Label1");
    Label2 = etikett("Label2");
    Label3 = etikett("Label3");
    Label4 = etikett("Label4");
    Label5 = etikett("Label5");
    Label6 = etikett("Label6");
    Label8 = etikett("Label8");
    KorrektSvarLabel = etikett("KorrektSvarLabel");
    EfterdelLabel = etikett("EfterdelLabel");
    TestLabel = etikett("TestLabel");
    EngLabel = etikett("EngLabel");
    for (QLabel *l : {Label4, Label6, Label8, EfterdelLabel})
        saettTextfaerg(l, clNavy);
    saettTextfaerg(Label5, clMaroon);
    saettTextfaerg(KorrektSvarLabel, clRed);
    saettTextfaerg(EngLabel, clGreen);
    EngLabel->setFont(typsnittTillFont(Typsnitt{QStringLiteral("Arial"), 14, true, 0}));

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const char *const namn[8] = {"Panel2", "Panel3", "Panel4", "Panel5",
                                 "Panel6", "Panel8", "Panel9", "Panel10"};
    for (int k = 1; k <= 8; ++k) {
        auto *p = new Valpanel(Panel1, QString::fromLatin1(namn[k - 1]));
        p->OnMouseMove = [this, k] { PanelMouseMove(k); };
        p->OnMouseDown = [this, k](Qt::MouseButton b) { PanelMouseDown(k, b); };
        p->hide();
        // Disabled (worksheet mode, the wait after an answer) the words stay
        // readable on the light green: dark grey, not the usual faint grey.
        QPalette pal = p->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(72, 72, 72));
        p->setPalette(pal);
        Valpaneler[std::size_t(k - 1)] = p;
    }
    VisaRegelVidFelPanel1 = skapaPanel(this, QStringLiteral("VisaRegelVidFelPanel1"), QRect());
    VisaRegelVidFelPanel1->hide();

    TestLabel->hide();
    skapa(start);
}

QFont TFLERBAR::meningsfont() const { return Label4->font(); }

void TFLERBAR::efterSkapande()
{

    const Programdata &d = programdata();
    Typsnitt t{QStringLiteral("Arial"), d.punkter, true, 0};
    for (QLabel *l : {Label1, Label2, Label3, Label4, Label5, Label6, Label8, KorrektSvarLabel,
                      EfterdelLabel})
        l->setFont(typsnittTillFont(t));
    for (Valpanel *v : Valpaneler)
        v->setFont(typsnittTillFont(t));

    const int M = G.skaerm.Marginal;
    if (d.ljudOevning) {
        LjudOvning = 1;
        UpprepaButton->setVisible(ljudPaa());
        UpprepaButton->setGeometry(BitBtn2->x() + BitBtn2->width() + 2 * M, BitBtn2->y(),
                                   UpprepaButton->width(), BitBtn2->height());
    } else {
        LjudOvning = 0;
        UpprepaButton->hide();
    }
    FaeltVal = EgnaVal(programtal()) ? 1 : 0;

    const Laege laege = ::laege();
    InstruktionsLabel->move(InstruktionsLabel->x(), OverskriftYtterShape->geometry().bottom() + 1 + 4);
    Escapepanel->hide();
    VisaRegelVidFelPanel1->hide();
    Panel1->move(designX(30), Panel1->y());
    if (laege == Laege::Oevning) {
        DiagPanel1->hide();
    } else if (aerArbetsblad(laege)) {
        Panel1->hide();
        Aster1->hide();
        saettEtikettText(InstruktionsLabel, QString());
        DiagPanel1->hide();
        BitBtn2->hide();
        Label4->show();
        if (!G.oevning.Rubrikrader[1].isEmpty())
            G.arbetsblad.Utskriftsrubrik = G.oevning.Rubrikrader[1] + QLatin1Char(' ') + G.oevning.Rubrikrader[2]
                                + QLatin1Char(' ') + G.oevning.Rubrikrader[3];
    } else {
        Aster1->hide();
        FrageLabel1->show();
    }
    if (!FaeltVal)
        Hittapreppar();
    if (aerArbetsblad(laege)) {
        QStringList ord;
        for (int k = 1; k <= std::min(AntalPreppar, 8); ++k)
            ord << Preppar[std::size_t(k)];
        Fraageord = medVersal(fraageord(ord));
        G.oevning.Fraagerad = Fraageord;
    }
    BitBtn2->hide();
    BitBtn2->setText(QStringLiteral("&Regel"));
    if (d.regelknapp == Regelknapp::VidStart && !aerArbetsblad(laege)) {
        BitBtn2->show();
        BitBtn2->setEnabled(true);
    }
    UpprepaButton->setEnabled(ljudPaa());
    laddaOrdlistor();
    Image1->move(0, 0);
}

void TFLERBAR::Hittapreppar()
{
    // The round's copy of the file: read once for the window and its items.
    const QStringList *poster = runda.datafil().poster(G.oevning.DatFilNamn);
    if (!poster)
        return;
    AntalPreppar = 0;
    for (QString &p : Preppar)
        p.clear();
    for (QString rad : *poster) {
        if (Tillstaand::Postdata::Radskrypterad == 1 && !rad.isEmpty())
            rad = dekryptrad(rad);
        if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')) || rad.startsWith(QLatin1Char('$')))
            continue;
        LetaPrep(rad);
        const QString ord = G.post.LetaPrepDelar[2];
        if (ord.isEmpty())
            continue;
        const QString versaler = SvVersaler(ord);
        int i = 1;
        while (i <= 10 && !Preppar[std::size_t(i)].isEmpty()
               && SvVersaler(Preppar[std::size_t(i)]) != versaler)
            ++i;
        // The whole word is kept, so that it can be judged right.
        if (i <= 10 && Preppar[std::size_t(i)].isEmpty()) {
            Preppar[std::size_t(i)] = ord.toLower();
            ++AntalPreppar;
        }
    }
    for (int i = 1; i <= 10; ++i)
        Preppar[std::size_t(i + 10)] = medVersal(Preppar[std::size_t(i)]);
}

void TFLERBAR::NollaLabeller()
{
    for (QLabel *l : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label8, KorrektSvarLabel,
                      EfterdelLabel}) {
        l->clear();
        l->hide();
    }
}

void TFLERBAR::valFraanFaelten()
{
    QStringList ord;
    ord << G.post.LetaPrepDelar[2];
    for (int f = 2; f <= 8 && !postdelar.faelt[f].isEmpty(); ++f)
        if (!ord.contains(postdelar.faelt[f]))
            ord << postdelar.faelt[f];
    std::stable_sort(ord.begin(), ord.end(), byteFoere);
    for (QString &p : Preppar)
        p.clear();
    AntalPreppar = int(std::min<qsizetype>(ord.size(), 10));
    for (int i = 1; i <= AntalPreppar; ++i) {
        Preppar[std::size_t(i)] = ord.at(i - 1);
        // A capitalised gap word takes the capitalised half, so it is filled too.
        Preppar[std::size_t(i + 10)] = medVersal(ord.at(i - 1));
    }
}

Arbetsbladsrader TFLERBAR::arbetsbladsrader(bool)
{
    QStringList ord;
    const bool ledtraad = EgnaVal(programtal());
    if (ledtraad) {
        // The right word first, then the item's others as the file lists them.
        ord << delaVidMarkeringar(postdelar.faelt[1])[2];
        for (int f = 2; f <= 8 && !postdelar.faelt[f].isEmpty(); ++f)
            if (!ord.contains(postdelar.faelt[f]))
                ord << postdelar.faelt[f];
    } else {
        for (int i = 1; i <= AntalPreppar; ++i)
            ord << Preppar[std::size_t(i)];
    }
    const Meningsrader rader = dela_mening(20, 650, postdelar.faelt[1], 2);
    return FlerbarRader(rader[1], rader[2], ord, ledtraad);
}

int TFLERBAR::hoegerkant() const
{
    // The sentence and the choices keep to the heading's width, and never
    // come nearer the progress squares than a margin.
    int kant = Aster1 ? Aster1->x() - G.skaerm.Marginal : width();
    if (OverskriftYtterShape)
        kant = std::min(kant, OverskriftYtterShape->geometry().right() + 1);
    return kant;
}

void TFLERBAR::laggUtMening()
{
    const QString mening = postdelar.faelt[1];
    auto helRad = [](const QString &r) { return r.contains(QLatin1Char('<')) && r.contains(QLatin1Char('>')); };

    // dela_mening measures in its own smaller font, while the labels show the
    // sentence larger and scaled with the window: a line it passes may still
    // run under the squares. Such a sentence is broken over a narrower span
    // and, when two lines cannot hold it, shown a size smaller.
    if (!m_harMeningstypsnitt) {
        m_meningstypsnitt = Label4->font();   // as the window's scaling left it
        m_harMeningstypsnitt = true;
    }
    QFont font = m_meningstypsnitt;
    const int x0 = designX(30);
    const int rum = hoegerkant() - x0;
    auto radbredd = [&](const QFontMetrics &fm, const QString &rad) {
        if (!helRad(rad))
            return fm.horizontalAdvance(rad);
        // The gap shows its mark, a previewed choice or the right word.
        const auto delar = delaVidMarkeringar(rad);
        int gap = std::max(fm.horizontalAdvance(Luckmarke(delar[3])), fm.horizontalAdvance(delar[2]));
        for (const QString &o : Valord)
            gap = std::max(gap, fm.horizontalAdvance(o));
        return fm.horizontalAdvance(delar[1]) + gap + fm.horizontalAdvance(delar[3]);
    };
    Meningsrader rader;
    for (;;) {
        const QFontMetrics fm(font);
        const Inpassadmening inpassad =
            dela_mening_inom(30, 580, mening, 2, rum, [&](const QString &rad) { return radbredd(fm, rad); });
        rader = inpassad.rader;
        if (inpassad.ryms || !mindreFont(font))
            break;
    }
    for (QLabel *l : {Label4, Label5, Label6, Label8, KorrektSvarLabel, EfterdelLabel})
        l->setFont(font);

    const QString rad1 = rader[1];
    const QString rad2 = rader[2];
    const int h = QFontMetrics(font).height();
    const int y0 = InstruktionsLabel->y() + InstruktionsLabel->height() + 3 * rutnaet().H;
    int gapTopp = y0;
    int sistaTopp = y0;
    if (!rad2.isEmpty() && helRad(rad1)) {
        LetaPrep(rad1);
        Label8->setText(rad2);
        Label8->adjustSize();
        Label8->move(designX(24), y0 + (4 * h) / 3);
        Label8->show();
        sistaTopp = Label8->y();
    } else if (!rad2.isEmpty() && helRad(rad2)) {
        Label8->setText(rad1);
        Label8->adjustSize();
        Label8->move(x0, y0);
        Label8->show();
        gapTopp = y0 + (4 * h) / 3;
        sistaTopp = gapTopp;
        LetaPrep(rad2);
    } else {
        LetaPrep(mening);
    }
    Label4->move(x0, gapTopp);
    Label5->move(x0, gapTopp);
    Label6->move(x0, gapTopp);
    Panel1->move(designX(30), sistaTopp + (3 * h) / 2);
}

void TFLERBAR::foeljGapet()
{
    const QFontMetrics fm(Label4->font());
    auto saett = [&fm](QLabel *l, const QString &text, int x) {
        l->setText(text);
        l->resize(std::max(1, fm.horizontalAdvance(text)), fm.height());
        l->move(x, l->y());
        return x + fm.horizontalAdvance(text);
    };
    int x = saett(Label4, Label4->text(), Label4->x());
    x = saett(Label5, Label5->text(), x);
    saett(Label6, Label6->text(), x);
    KorrektSvarLabel->move(Label5->x(), Label5->y());
    x = saett(KorrektSvarLabel, KorrektSvarLabel->text(), Label5->x());
    EfterdelLabel->move(x, Label5->y());
    saett(EfterdelLabel, EfterdelLabel->text(), x);
}

void TFLERBAR::laggUtPaneler()
{
    // The choices keep within the heading's width, clear of the progress
    // squares. They stay in one row while it fits at three quarters of the
    // font's size or more; else they go into two rows when those fit a
    // larger font than one row would. Either way down to 8 points at least.
    if (!m_harValtypsnitt) {
        m_valtypsnitt = Valpaneler[0]->font();   // as the window's scaling left it
        m_harValtypsnitt = true;
    }
    const int rum = hoegerkant() - Panel1->x();
    const int antal = int(std::min<qsizetype>(Valord.size(), 8));
    const int foersta = antal > 1 ? (antal + 1) / 2 : antal;   // the panels of the first row
    auto radbredd = [this](const QFontMetrics &m, int fraan, int till) {
        const int a = m.horizontalAdvance(QStringLiteral("A"));
        int b = a;
        for (int k = fraan; k < till; ++k)
            b += m.horizontalAdvance(Valord.at(k)) + m.horizontalAdvance(QStringLiteral("AA")) + a;
        return b;
    };
    // Two rows must also stay above the buttons and the diagnosis panel.
    int nedre = BitBtn2->y();
    if (!DiagPanel1->isHidden() && DiagPanel1->x() < Panel1->x() + rum)
        nedre = std::min(nedre, DiagPanel1->y());
    nedre -= G.skaerm.Marginal / 2;
    auto passarEn = [&](const QFont &f) { return radbredd(QFontMetrics(f), 0, antal) <= rum; };
    auto passarTvaa = [&](const QFont &f) {
        const QFontMetrics m(f);
        const int a = m.horizontalAdvance(QStringLiteral("A"));
        const int hoejd = 2 * (m.height() + a / 2) + (3 * a) / 2;
        return antal > 1 && std::max(radbredd(m, 0, foersta), radbredd(m, foersta, antal)) <= rum
               && Panel1->y() + hoejd <= nedre;
    };
    auto storlek = [](const QFont &f) { return f.pixelSize() > 0 ? f.pixelSize() : f.pointSize(); };
    QFont font = m_valtypsnitt;
    while (!passarEn(font) && mindreFont(font)) {
    }
    QFont tvaa = m_valtypsnitt;
    while (!passarTvaa(tvaa) && mindreFont(tvaa)) {
    }
    const bool tvaaRader = passarTvaa(tvaa) && !(passarEn(font) && 4 * storlek(font) >= 3 * storlek(m_valtypsnitt))
                           && storlek(tvaa) > storlek(font);
    if (tvaaRader)
        font = tvaa;
    for (Valpanel *v : Valpaneler)
        v->setFont(font);
    const QFontMetrics fm(font);
    saettEtikettText(Label2, QStringLiteral("AA"));
    saettEtikettText(Label3, QStringLiteral("A"));
    const int AA = fm.horizontalAdvance(QStringLiteral("AA"));
    const int A = fm.horizontalAdvance(QStringLiteral("A"));
    const int h = fm.height() + A / 2;
    int x = A;
    int y = A / 2;
    int bredd = x;
    for (int k = 1; k <= 8; ++k) {
        Valpanel *v = Valpaneler[std::size_t(k - 1)];
        if (k > antal) {
            v->hide();
            continue;
        }
        if (tvaaRader && k == foersta + 1) {
            x = A;
            y += h + A / 2;
        }
        const QString &ord = Valord.at(k - 1);
        v->setText(ord);
        v->setGeometry(x, y, fm.horizontalAdvance(ord) + AA, h);
        v->saettUtseende(false);
        v->show();
        v->update();
        x += v->width() + A;
        bredd = std::max(bredd, x);
    }
    Panel1->resize(bredd, y + h + A / 2);
}

void TFLERBAR::NyPost()
{
    haemtaPost();
    Panel1->show();
    // The choices first: the sentence's layout makes room for the widest of
    // them in the gap.
    LetaPrep(postdelar.faelt[1]);
    const QString raettOrd = G.post.LetaPrepDelar[2];

    Storforskjutning = boerjarMedVersal(raettOrd) && !programdata().ingenVersalflytt ? 10 : 0;
    if (FaeltVal)
        valFraanFaelten();

    // The panels show at most eight words; the right word is always among them.
    Valord.clear();
    for (int k = 1; k <= std::min(AntalPreppar, 8); ++k)
        Valord << Preppar[std::size_t(k + Storforskjutning)];
    bool finns = false;
    for (const QString &o : Valord)
        finns = finns || svarstest(raettOrd, o, 1, postdelar) == SvarRaett;
    if (!finns && !raettOrd.isEmpty()) {
        if (Valord.size() < 8)
            Valord << raettOrd;
        else
            Valord.last() = raettOrd;
    }
    laggUtMening();
    const QString foere = G.post.LetaPrepDelar[1];
    const QString efter = G.post.LetaPrepDelar[3];
    laggUtPaneler();

    Label4->setText(foere);
    Label5->setText(Luckmarke(efter));
    Label6->setText(efter);
    KorrektSvarLabel->setText(raettOrd);
    EfterdelLabel->setText(efter);
    foeljGapet();
    KorrektSvarLabel->hide();
    EfterdelLabel->hide();
    for (QLabel *l : {FrageLabel1, Label4, Label5, Label6})
        l->show();
    TestLabel->setText(raettOrd);

    if (aerDiagnoslaege(laege()))
        UppDateraDiagnosResultatet();
    if (aerArbetsblad(laege())) {
        Panel1->setEnabled(false);
        int laengst = 0;
        for (const QString &o : Valord)
            laengst = std::max(laengst, int(o.size()));
        G.arbetsblad.FleraBarFlagga = Byte(std::min(laengst, 255));
        Fraageord = fraageord(Valord);
    } else if (HarRegelsida(programtal())) {
        BitBtn2->show();
        BitBtn2->setEnabled(true);
    }
    Timer5->setInterval(0);
    if (ljudPaa())
        UpprepaButton->setEnabled(true);
    visaOeversaettning();
    BitBtn2->setEnabled(true);
}

void TFLERBAR::visaOeversaettning()
{
    if (G.val.Oeversaettning == 0)
        return;
    EngLabel->hide();
    if (HarOeversaettning(programtal()))
        visaPostensOeversaettning(EngLabel);
}

// ---- pointing and choosing ----------------------------------------------------

void TFLERBAR::PanelMouseMove(int val)
{
    if (val < 1 || val > 8)
        return;
    for (int k = 1; k <= 8; ++k)
        Valpaneler[std::size_t(k - 1)]->saettUtseende(k == val);
    if (VisatFel != 1 && val <= Valord.size()) {
        Label5->setText(Valord.at(val - 1));
        foeljGapet();
    }
    VisatFel = 0;
}

void TFLERBAR::PanelMouseDown(int val, Qt::MouseButton knapp)
{
    BitBtn2->setEnabled(false);
    if (knapp == Qt::LeftButton)
        RaettTest(val, 0);
    else if (knapp == Qt::RightButton)
        RaettTest(val, 1);
}

void TFLERBAR::oeppnaEscapepanel()
{
    Escapepanel->show();
    Escapepanel->raise();
    if (aerOevningslaege(laege()))
        erbjudRaettning();
}

void TFLERBAR::RaettTest(int val, int slag)
{
    if (val < 1 || val > Valord.size() || aerArbetsblad(laege()))
        return;
    Timer5->setInterval(0);
    if (slag == 0) {
        const QString raettOrd = TestLabel->text();
        if (svarstest(raettOrd, Valord.at(val - 1), 1, postdelar) != SvarRaett) {
            UpprepaButton->setEnabled(false);
            BitBtn2->setEnabled(false);
            Label5->hide();
            Label6->hide();
            Panel1->hide();
            svarsboekfoering(false);
            VisatFel = 1;
            KorrektSvarLabel->show();
            EfterdelLabel->show();
        } else {
            svarsboekfoering(true);
            Timer1->setInterval(0);
            VisatFel = 0;
        }
        efterSvar();
        return;
    }
    // A skipped item ends a test with the result so far; in practice it
    // counts as done and the flow goes on as after the answer before it.
    if (laege() == Laege::Diagnostest) {
        Button3Click();
        return;
    }
    oeppnaEscapepanel();
    efterSvar();
}

void TFLERBAR::mousePressEvent(QMouseEvent *e)
{
    FormMouseDown(e->button());
    e->accept();
}

void TFLERBAR::FormMouseDown(Qt::MouseButton knapp)
{
    if (knapp != Qt::RightButton)
        return;
    Button1->setEnabled(G.fel.FelAntal[G.oevning.DatFilIndex] >= 1);
    Panel1->setEnabled(false);
    Escapepanel->show();
    Escapepanel->raise();
}

// ---- frame hooks -----------------------------------------------------------------

void TFLERBAR::foerAvslutningEfterVaentan() { Panel1->hide(); }

void TFLERBAR::vidRundansSlut()
{
    Panel1->hide();
    BitBtn2->hide();
}

void TFLERBAR::foerberedRaettning()
{
    Panel1->show();
    Panel1->setEnabled(true);
    Escapepanel->hide();
}

void TFLERBAR::efterFortsaett()
{
    Panel1->show();
    Panel1->setEnabled(true);
    Escapepanel->hide();
}

void TFLERBAR::BitBtn1Click()
{
    m_upprepaSynligFoere = !UpprepaButton->isHidden();
    Ovningsram::BitBtn1Click();
}

void TFLERBAR::Avslutning()
{
    // After a test round its practice starts again from the first round.
    if (laege() == Laege::Diagnostest)
        G.diagnos.OevningsNummer = 0;
    Ovningsram::Avslutning();
}

void TFLERBAR::efterInstaellningar()
{
    const bool synlig = ljudPaa() && m_upprepaSynligFoere;
    UpprepaButton->setVisible(synlig);
    UpprepaButton->setEnabled(synlig);
    laddaOrdlistor();
    visaOeversaettning();
    Escapepanel->setVisible(!rundanPaagaar());
}

void TFLERBAR::mellanslagUnderVaentan()
{
    if (!rundanPaagaar())
        return;
    Panel1->show();
    Panel1->setEnabled(true);
    Panel1->setFocus();
}

void TFLERBAR::BitBtn2Click()
{
    if (HarRegelsida(programtal())) {
        QPointer<TFLERBAR> vakt(this);
        VisaRegelform(programtal());
        if (!vakt || aerStangd())
            return;
    }
    Panel1->show();
}

int VisaFLERBAR() { return visaOevning<TFLERBAR>(); }
