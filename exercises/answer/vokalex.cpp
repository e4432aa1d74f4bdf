#include "exercises/answer/vokalex.h"

#include "core/tillstaand.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/skalning.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace plattform;

namespace {

// The result table starts at this size and shrinks until it fits its panel.
constexpr int StoerstaTabellpunkter = 22;
constexpr int MinstaPunkter = 11;

QLabel *etikett(QWidget *foeraelder, const char *namn, const QString &text = {},
                const QColor &faerg = clBlack)
{
    QLabel *l = skapaTaetEtikett(foeraelder, QString::fromLatin1(namn));
    saettTextfaerg(l, faerg);
    saettEtikettText(l, text);
    l->show();
    return l;
}

QFrame *panel(QWidget *foeraelder, const char *namn, const QColor &faerg)
{
    QFrame *f = skapaPanel(foeraelder, QString::fromLatin1(namn), QRect());
    saettBakgrund(f, faerg);
    return f;
}

void hoegerjustera(QLabel *l, int hoeger, int topp)
{
    l->adjustSize();
    l->move(hoeger - l->width(), topp);
}

void centrera(QLabel *l, int vaenster, int bredd, int topp)
{
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->adjustSize();
    l->setGeometry(vaenster, topp, std::max(bredd, 1), l->height());
}

} // namespace

TVokalex::TVokalex(const Oevningsstart &start, QWidget *parent)
    : Foenster(parent), Rubrik(this), Slut(this, QStringLiteral("Panel1"))
{
    helskaerm(this, QStringLiteral("Vokalex"), clBtnFace);

    Panel1 = Slut.panel;
    Button2 = Slut.knapp(QStringLiteral("Button2"), QStringLiteral("&Fortsätta"), [this] { Button2Click(); });
    Button3 = Slut.knapp(QStringLiteral("Button3"), QStringLiteral("&Avbryta"), [this] { Button3Click(); });
    // The keys belong to the examination; only Enter and Tab reach the
    // panel's buttons while it stands, and the panel gives "Fortsätta" the
    // focus when it opens.
    Timer1 = new Timer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->OnTimer = [this] { Timer1Timer(); };

    InstruktionsLabel1 = etikett(this, "InstruktionsLabel1", {}, clGreen);
    InstruktionsLabel2 = etikett(this, "InstruktionsLabel2", {}, clGreen);
    KommentarLabel = etikett(this, "KommentarLabel", {}, clGreen);
    for (QLabel *l : {InstruktionsLabel1, InstruktionsLabel2, KommentarLabel})
        l->setFont(arial(Punkter{16}, true));
    for (int k = 1; k <= 9; ++k) {
        QLabel *p = skapaEtikett(this, QStringLiteral("SPanel") + QString::number(k), QString(), QPoint());
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setAlignment(Qt::AlignCenter);
        p->setFont(arial(Pixlar{24}, true));
        p->setAutoFillBackground(true);
        saettBakgrund(p, clYellow);
        saettTextfaerg(p, clNavy);
        SPanel[std::size_t(k)] = p;
    }

    ResultatPanelen = panel(this, "ResultatPanelen", clBlue);
    ResultatPanel1 = panel(ResultatPanelen, "ResultatPanel1", clYellow);
    ResultatPanel2 = panel(ResultatPanel1, "ResultatPanel2", clYellow);
    ResultatPanel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QWidget *t = ResultatPanel2;
    ResultatOverLabel = etikett(t, "ResultatOverLabel", QStringLiteral("Resultat"));
    AntalLabel = etikett(t, "AntalLabel", QStringLiteral("Antal svar"));
    DuSvaradeLabel = etikett(t, "DuSvaradeLabel", QStringLiteral("Du svarade"));
    IdealResultatLabel = etikett(t, "IdealResultatLabel", QStringLiteral("Idealresultat"));
    TextLabel[1] = etikett(t, "TextLabel1", QStringLiteral("Ange antal vokaler."));
    TextLabel[2] = etikett(t, "TextLabel2", QStringLiteral("Räkna upp vokalerna."));
    TextLabel[3] = etikett(t, "Textlabel3", QStringLiteral("Räkna upp de mjuka vokalerna."));
    TextLabel[4] = etikett(t, "Textlabel4", QStringLiteral("Räkna upp de hårda vokalerna."));
    const char *const duSvar[5] = {"", "DuSvarLabel1", "DuSvarLabel2", "DuSvarLabel3", "DuSvarLabel4"};
    const char *const ideal[5] = {"", "IdealLabel1", "IdealLabel2", "IdealLabel3", "IdealLabel4"};
    for (int k = 1; k <= 4; ++k) {
        DuSvarLabel[std::size_t(k)] = etikett(t, duSvar[k], {}, clMaroon);
        IdealLabel[std::size_t(k)] = etikett(t, ideal[k], QString::number(vokalsteg(k).ideal), clNavy);
    }
    SummaLabel = etikett(t, "SummaLabel", QStringLiteral("Summa:"));
    DuSummaLabel = etikett(t, "DuSummaLabel", {}, clMaroon);
    IdealSummaLabel = etikett(t, "IdealSummaLabel", QString::number(VokalIdealsumma), clNavy);
    MaxBetygLabel = etikett(t, "MaxBetygLabel", QStringLiteral("Högsta poäng:"));
    Maxbetyg = etikett(t, "Maxbetyg", QStringLiteral("10"), clNavy);
    DittBetygLabel = etikett(t, "DittBetygLabel", QStringLiteral("Dina poäng:"));
    Dittbetyg = etikett(t, "Dittbetyg", {}, clMaroon);
    Lovordlabel = etikett(t, "Lovordlabel", {}, clRed);

    if (G.skaerm.Skalprocent != 100 && G.skaerm.Skalprocent != 0)
        skalaInomSkaermen(this, G.skaerm.Skalprocent);
    Inled();
    ResultatPanelen->hide();
    Panel1->hide();
    runda.starta();
    Rubrik.rita(QStringLiteral("Vokalen"), QStringLiteral("Examen"), QString());
    Rubrik.saettLaegesfaerg(static_cast<int>(start.laege));
    Nypost();
}

void TVokalex::Inled()
{
    const QSize s = skaermstorlek();
    const auto [W, H, M] = rutnaet(G.skaerm.Marginal);
    Slut.placera(QRect(M, s.height() - M / 5 - 4 * H, s.width() - 2 * M, 4 * H), H, M);
    Panel1->raise();
    Rubrik.placera(QRect(M, M / 2, 58 * W, 7 * H), M);
    const int rubrikBotten = Rubrik.OverskriftYtterShape->geometry().bottom() + 1;

    InstruktionsLabel1->move(M, rubrikBotten + 2 * H);
    const int radhoejd = InstruktionsLabel1->fontMetrics().height();
    InstruktionsLabel2->move(M, InstruktionsLabel1->y() + radhoejd + H);
    const int sida = std::max(8 * H / 2, SPanel[1]->fontMetrics().height() + 8);
    const int panelTopp = InstruktionsLabel2->y() + radhoejd + 2 * H;
    for (int k = 1; k <= 9; ++k)
        SPanel[std::size_t(k)]->setGeometry(M + (k - 1) * (sida + M / 2), panelTopp, sida, sida);
    KommentarLabel->move(M, panelTopp + sida + 2 * H);

    const int resTopp = rubrikBotten + M / 2;
    ResultatPanelen->setGeometry(M, resTopp, s.width() - 2 * M, std::max(1, Panel1->y() - resTopp));
    ResultatPanel1->setGeometry(M, M, ResultatPanelen->width() - 2 * M, ResultatPanelen->height() - 2 * M);
    ResultatPanel2->setGeometry(M, M, ResultatPanel1->width() - 2 * M, ResultatPanel1->height() - 2 * M);
}

void TVokalex::SynligaPaneler(int n)
{
    for (int k = 1; k <= 9; ++k) {
        SPanel[std::size_t(k)]->clear();
        SPanel[std::size_t(k)]->setVisible(k <= n);
    }
}

void TVokalex::Enabla(bool paa)
{
    for (int k = 1; k <= 9; ++k)
        SPanel[std::size_t(k)]->setEnabled(paa);
}

void TVokalex::Nypost()
{
    G.runda.Tidraeknare = 0;
    Timer1->setInterval(0);
    const int steg = runda.uppgiftsnummer();
    if (steg >= 5) {
        Resultat();
        Panel1->show();
        Panel1->raise();
        Button2->setFocus();
        return;
    }
    examen.nyttSteg(steg);
    KommentarLabel->hide();
    const Vokalsteg &v = vokalsteg(steg);
    saettEtikettText(InstruktionsLabel1, v.fraaga);
    saettEtikettText(InstruktionsLabel2, v.instruktion);
    SynligaPaneler(int(v.svar.size()));
}

void TVokalex::FormKeyPress(QChar c)
{
    const int steg = runda.uppgiftsnummer();
    const Vokalutfall u = examen.tangent(steg, c);
    if (u.panel >= 1 && u.panel <= 9)
        SPanel[std::size_t(u.panel)]->setText(u.tecken);
    if (!u.kommentar.isEmpty()) {
        saettEtikettText(KommentarLabel, u.kommentar);
        KommentarLabel->show();
    }
    if (u.stegKlart) {
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    }
}

bool TVokalex::keyDown(QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (e->key() == Qt::Key_Escape && mod == Qt::NoModifier) {
        visaPanel1VidEsc();
        return true;
    }
    // No answers, but the way to the panel's buttons.
    if (Panel1->isVisible() && mod == Qt::NoModifier
        && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Tab
            || e->key() == Qt::Key_Backtab))
        return false;
    // Only characters are answers: Shift, Ctrl and the other keys alone are
    // no wrong key. Alt and Ctrl combinations are left to the buttons'
    // mnemonics.
    if (mod != Qt::NoModifier)
        return false;
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isPrint() && runda.paagaar())
        FormKeyPress(t.at(0));
    return true;
}

void TVokalex::visaPanel1VidEsc()
{
    Panel1->show();
    Panel1->raise();
    Enabla(false);
    Button2->setFocus();
}

void TVokalex::Timer1Timer()
{
    ++G.runda.Tidraeknare;
    if (G.runda.Tidraeknare < 2)
        return;
    runda.stega();
    Nypost();
}

void TVokalex::Button2Click()
{
    G.runda.RaettaFel = 0;
    ResultatPanelen->hide();
    Panel1->hide();
    if (!runda.paagaar()) {
        runda.starta();
        Enabla(true);
        Nypost();
    } else {
        Enabla(true);
    }
}

void TVokalex::Resultat()
{
    ResultatPanelen->show();
    ResultatPanelen->raise();
    for (int k = 1; k <= 4; ++k)
        saettEtikettText(DuSvarLabel[std::size_t(k)], QString::number(examen.svarISteg(k)));
    const int fel = examen.felTotalt();
    saettEtikettText(DuSummaLabel, QString::number(fel + VokalIdealsumma));
    const int betyg = VokalBetyg(fel);
    saettEtikettText(Dittbetyg, QString::number(betyg));
    saettEtikettText(Lovordlabel, VokalLovord(betyg));
    laggUtResultat();
}

void TVokalex::laggUtResultat()
{
    const int d = G.skaerm.Marginal;
    const int P = ResultatPanel2->width();
    const QList<QLabel *> alla = ResultatPanel2->findChildren<QLabel *>();
    // The table is 11 lines of 7/6 line height below the heading: the font
    // shrinks until it fits the panel, never below 11 pt.
    for (int p = StoerstaTabellpunkter;; --p) {
        for (QLabel *l : alla)
            l->setFont(arial(Punkter{p}, true));
        ResultatOverLabel->setFont(arial(Punkter{p + 6}, true));
        Lovordlabel->setFont(arial(Punkter{p + 2}, true));
        for (QLabel *l : alla)
            l->adjustSize();
        const int H = AntalLabel->height();
        const int hoejd = d + ResultatOverLabel->height() + H / 30 + 10 * (7 * H / 6) + H + d;
        if (hoejd <= ResultatPanel2->height() || p <= MinstaPunkter)
            break;
    }
    const int H = AntalLabel->height();
    const int steg = 7 * H / 6;
    centrera(ResultatOverLabel, d, P - 2 * d, d);
    int y = ResultatOverLabel->geometry().bottom() + 1 + H / 30;
    centrera(AntalLabel, P / 2 + d, P / 2 - 2 * d, y);
    y += steg;
    DuSvaradeLabel->move(P / 2, y);
    IdealResultatLabel->move(3 * P / 4, y);
    const int duHoeger = DuSvaradeLabel->x() + DuSvaradeLabel->width() / 2 + d;
    const int idealHoeger = IdealResultatLabel->x() + IdealResultatLabel->width() / 2 + d;
    const int vaenster = TextLabel[1]->x() > 0 ? TextLabel[1]->x() : 2 * d;
    for (int k = 1; k <= 5; ++k) {
        y += steg;
        QLabel *text = k <= 4 ? TextLabel[std::size_t(k)] : SummaLabel;
        text->move(vaenster, y);
        hoegerjustera(k <= 4 ? DuSvarLabel[std::size_t(k)] : DuSummaLabel, duHoeger, y);
        hoegerjustera(k <= 4 ? IdealLabel[std::size_t(k)] : IdealSummaLabel, idealHoeger, y);
    }
    y += steg;
    const int betygsbredd = MaxBetygLabel->width() + d + Maxbetyg->width();
    MaxBetygLabel->move((P - betygsbredd) / 2, y);
    Maxbetyg->move(MaxBetygLabel->geometry().right() + 1 + d, y);
    y += steg;
    DittBetygLabel->move(MaxBetygLabel->x(), y);
    hoegerjustera(Dittbetyg, Maxbetyg->geometry().right() + 1, y);
    y += steg;
    centrera(Lovordlabel, d, P - 2 * d, y);
}

int VisaVokalex() { return visaUtanRam<TVokalex>(); }
