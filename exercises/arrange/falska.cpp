#include "exercises/arrange/falska.h"

#include "core/datafiler.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "dialogs/stallin.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/skalning.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <cmath>

using namespace plattform;

namespace {

QLabel *etikett(QWidget *foeraelder, const QString &namn, const QColor &faerg, int punkter)
{
    QLabel *l = skapaEtikett(foeraelder, namn, QString(), QPoint());
    l->setFont(arial(Punkter{punkter}, true));
    saettTextfaerg(l, faerg);
    return l;
}

int avrunda(double x) { return int(std::lround(x)); }

} // namespace

TFalska::TFalska(const Oevningsstart &start, QWidget *parent)
    : Foenster(parent), Rubrik(this), Lovord(this), Bild(this), Slut(this, QStringLiteral("Escapepanel")),
      m_laege(start.laege)
{
    helskaerm(this, QStringLiteral("Falska"), clBtnFace);

    Escapepanel = Slut.panel;
    Button3 = Slut.knapp(QStringLiteral("Button3"), QStringLiteral("&Fortsätta"), [this] { Button3Click(); });
    Button4 = Slut.knapp(QStringLiteral("Button4"), QStringLiteral("&Avbryta"), [this] { Button4Click(); });
    BitBtn1 = Slut.knapp(QStringLiteral("BitBtn1"), QStringLiteral("&Inställningar"), [this] { BitBtn1Click(); });

    InstruktionsLabel = etikett(this, QStringLiteral("InstruktionsLabel"), clGreen, 14);
    InstruktionsLabel2 = etikett(this, QStringLiteral("InstruktionsLabel2"), clBlack, 12);
    saettEtikettText(InstruktionsLabel2, QStringLiteral("Välj här. Svarar du fel får datorn poängen."));
    const char *const svNamn[6] = {"", "sv1", "sv2", "sv3", "Sv4", "Sv5"};
    const char *const ordNamn[6] = {"", "ord1", "ord2", "ord3", "Ord4", "Ord5"};
    for (int i = 1; i <= 5; ++i) {
        sv[std::size_t(i)] = etikett(this, QString::fromLatin1(svNamn[i]), clNavy, 20);
        ord[std::size_t(i)] = etikett(this, QString::fromLatin1(ordNamn[i]), clRed, 20);
    }

    AntalPanel = skapaPanel(this, QStringLiteral("AntalPanel"), QRect());
    for (int k = 1; k <= 6; ++k) {
        QPushButton *b = skapaKnapp(AntalPanel, QStringLiteral("SpeedButton") + QString::number(k),
                                    QString::number(k - 1), QRect());
        b->setFont(arial(Punkter{20}, true));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, k] { SpeedButtonClick(k); });
        SpeedButton[std::size_t(k)] = b;
    }
    SpeedPanel1 = etikett(AntalPanel, QStringLiteral("SpeedPanel1"), clWhite, 20);
    SpeedPanel1->setAlignment(Qt::AlignCenter);
    SpeedPanel1->setAutoFillBackground(true);
    saettBakgrund(SpeedPanel1, clRed);

    Panel3 = skapaPanel(this, QStringLiteral("Panel3"), QRect());
    saettBakgrund(Panel3, clNavy);
    Panel4 = skapaPanel(Panel3, QStringLiteral("Panel4"), QRect());
    saettBakgrund(Panel4, clYellow);
    Label3 = etikett(Panel4, QStringLiteral("Label3"), clNavy, 16);
    Label4 = etikett(Panel4, QStringLiteral("Label4"), clNavy, 16);
    saettEtikettText(Label3, QStringLiteral("Skriv ditt namn."));
    saettEtikettText(Label4, QStringLiteral("Tryck Enter."));
    Edit1 = skapaRuta(Panel4, QStringLiteral("Edit1"), QRect());
    Edit1->setMaxLength(12);
    Edit1->setFont(arial(Punkter{16}, true));

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect());
    saettBakgrund(Panel1, clNavy);
    MellanPanel = skapaPanel(Panel1, QStringLiteral("MellanPanel"), QRect());
    saettBakgrund(MellanPanel, clSilver);
    Panel2 = skapaPanel(MellanPanel, QStringLiteral("Panel2"), QRect());
    saettBakgrund(Panel2, clWhite);
    for (int t = 1; t <= 40; ++t) {
        QFrame *f = skapaPanel(Panel2, QStringLiteral("Shape") + QString::number(t), QRect());
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
        f->setProperty("Tag", t);
        Shape[std::size_t(t)] = f;
    }
    Label1 = etikett(Panel2, QStringLiteral("Label1"), clNavy, 14);
    Label2 = etikett(Panel2, QStringLiteral("Label2"), clNavy, 14);
    saettEtikettText(Label1, QStringLiteral("Datorn"));

    Timer1 = new Timer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Timer2 = new Timer(this, 0, false);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->OnTimer = [this] { Timer2Timer(); };

    if (G.skaerm.Skalprocent != 100 && G.skaerm.Skalprocent != 0)
        skalaInomSkaermen(this, G.skaerm.Skalprocent);
    InstruktionsLabel2->adjustSize();   // scaled text is not scaled width: measure it again

    Inled();
    Edit1->setText(G.spelare.Spelarnamn[1]);
    Escapepanel->hide();
    EnablaSiffror(false);
    Panel1->hide();
    AntalPanel->hide();
    VisTexterna(false);
    SvarsTexterna(false);
    klass = Ordkampsklass(start.programtal);
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion);
    InstruktionsLabel->hide();
    InstruktionsLabel2->hide();
    Rubrik.rita(G.oevning.Rubrikrader[1], G.oevning.Rubrikrader[2], G.oevning.Rubrikrader[3]);
    Rubrik.saettLaegesfaerg(static_cast<int>(m_laege));
    runda.boerjaOm();
    Edit1->setFocus();
}

void TFalska::Inled()
{
    const QSize s = skaermstorlek();
    const auto [W, H, M] = rutnaet(G.skaerm.Marginal);
    Rubrik.placera(QRect(M, M / 2, 58 * W, 7 * H), M);
    const int rubrikBotten = Rubrik.OverskriftYtterShape->geometry().bottom() + 1;

    InstruktionsLabel->move(M, rubrikBotten + InstruktionsLabel->height() / 2);
    const int h = sv[1]->fontMetrics().height();
    for (int i = 1; i <= 5; ++i) {
        const int y = InstruktionsLabel->y() + 3 * InstruktionsLabel->height() / 2 + (i - 1) * 6 * h / 5;
        sv[std::size_t(i)]->move(M, y);
        ord[std::size_t(i)]->move(M, y);
    }
    InstruktionsLabel2->move(M, sv[5]->y() + 3 * h / 2);
    const int knapp = 4 * H;
    AntalPanel->setGeometry(M, InstruktionsLabel2->y() + 3 * InstruktionsLabel2->height() / 2, 6 * knapp, knapp);
    for (int k = 1; k <= 6; ++k)
        SpeedButton[std::size_t(k)]->setGeometry((k - 1) * knapp, 0, knapp, knapp);
    SpeedPanel1->setGeometry(0, 0, knapp, knapp);
    SpeedPanel1->hide();

    const QRect esc(M / 2, s.height() - M / 5 - 4 * H, s.width() - M, 4 * H);
    Slut.placera(esc, H, M);

    // The scoreboard: 20 squares a row right-aligned, the names before them.
    const int bredd = s.width() - M;
    const int p2bredd = bredd - 2 * M;
    const int d = p2bredd - QFontMetrics(Label2->font()).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    m_ruta = std::max(2, avrunda(d * 4 / 100.0));
    m_steg = std::max(3, avrunda(d * 5 / 100.0));
    const int p2hoejd = 3 * m_ruta;
    const int p1hoejd = p2hoejd + 2 * M;
    Panel1->setGeometry(M / 2, esc.y() - p1hoejd, bredd, p1hoejd);
    MellanPanel->setGeometry(M / 2, M / 2, bredd - M, p1hoejd - M);
    Panel2->setGeometry(M / 2, M / 2, p2bredd, p2hoejd);
    m_rad1 = avrunda(p2hoejd / 11.0) - 2;
    m_rad2 = avrunda(p2hoejd * 6 / 11.0) - 2;
    PlaceraPoangRutor();
    NollstallPoangRutor();

    const int ordTopp = rubrikBotten + M / 2;
    Bild.placera(QRect(M / 2, ordTopp, s.width() - M, std::max(1, Panel1->y() - ordTopp)), QSize());
    Bild.BildPanelen->hide();
    Lovord.LovordPanel->setGeometry(M / 2, Panel1->y() - 5 * H, s.width() - M, 5 * H);
    Lovord.LovordPanel->hide();

    Panel3->setGeometry(s.width() / 4, sv[1]->y(), s.width() / 2, 12 * H);
    Panel4->setGeometry(M / 2, M / 2, Panel3->width() - M, Panel3->height() - M);
    Label3->move(M, H);
    Label4->move(M, 4 * H);
    Edit1->setGeometry(M, 7 * H, Panel4->width() - 2 * M, std::max(3 * H, Edit1->fontMetrics().height() + 8));
}

void TFalska::PlaceraPoangRutor()
{
    for (int t = 1; t <= 40; ++t) {
        const int x = Panel2->width() - ((40 - t) % 20 + 1) * m_steg;
        Shape[std::size_t(t)]->setGeometry(x, t <= 20 ? m_rad1 : m_rad2, m_ruta, m_ruta);
    }
    const int M = G.skaerm.Marginal;
    Label2->move(M, m_rad1 + (m_ruta - Label2->height()) / 2);
    Label1->move(M, m_rad2 + (m_ruta - Label1->height()) / 2);
}

void TFalska::NollstallPoangRutor()
{
    m_gula.fill(false);
    maalaPoangRutor();
}

// Squares foersta..sista turn yellow. An empty range (a question with no
// word of the class scores nothing) leaves the board as it is.
void TFalska::FargaPoangRutor(int foersta, int sista)
{
    for (int t = std::max(foersta, 1); t <= std::min(sista, 40); ++t)
        m_gula[std::size_t(t)] = true;
    maalaPoangRutor();
}

void TFalska::maalaPoangRutor()
{
    for (int t = 1; t <= 40; ++t) {
        Shape[std::size_t(t)]->setAutoFillBackground(true);
        saettBakgrund(Shape[std::size_t(t)], m_gula[std::size_t(t)] ? clYellow : clBlue);
    }
}

bool TFalska::gul(int tag) const { return tag >= 1 && tag <= 40 && m_gula[std::size_t(tag)]; }

void TFalska::EnablaSiffror(bool paa)
{
    for (int k = 1; k <= 6; ++k)
        SpeedButton[std::size_t(k)]->setEnabled(paa);
}

bool TFalska::siffrorPaa() const { return SpeedButton[1]->isEnabled(); }

void TFalska::VisTexterna(bool paa)
{
    for (int i = 1; i <= 5; ++i)
        sv[std::size_t(i)]->setVisible(paa);
}

void TFalska::SvarsTexterna(bool paa)
{
    for (int i = 1; i <= 5; ++i)
        ord[std::size_t(i)]->setVisible(paa);
}

bool TFalska::vaentanKoer() const { return Timer1->interval() > 0 || Timer2->interval() > 0; }

void TFalska::Edit1Enter()
{
    const QString namn = Edit1->text().trimmed();
    if (namn.isEmpty()) {
        m_uppmaningar = std::min(m_uppmaningar + 1, 100);
        saettEtikettText(Label3, Namnuppmaning(m_uppmaningar));
        return;
    }
    G.spelare.Spelarnamn[1] = namn;
    Panel3->hide();
    saettEtikettText(Label2, G.spelare.Spelarnamn[1]);
    PlaceraPoangRutor();
    Panel1->show();
    AntalPanel->show();
    NyPost();
}

void TFalska::NyPost()
{
    utanfoer.fill(true);
    antalIKlassen = 0;
    SpeedPanel1->hide();
    int bredast = 0;
    std::array<QString, 6> ord5;
    for (int i = 1; i <= 5; ++i) {
        const std::optional<Postdelar> post = naestaPost(runda.datafil());
        if (!post) {
            stang();
            return;
        }
        ord5[std::size_t(i)] = post->faelt[1];
        if (iOrdklassen(post->faelt[2], klass)) {
            ++antalIKlassen;
            utanfoer[std::size_t(i)] = false;
        }
        saettEtikettText(sv[std::size_t(i)], post->faelt[1]);
        saettEtikettText(ord[std::size_t(i)], post->faelt[2]);
        bredast = std::max(bredast, sv[std::size_t(i)]->width());
    }
    for (int i = 1; i <= 5; ++i)
        G.post.LetaPrepDelar[i] = ord5[std::size_t(i)];
    Timer1->setInterval(0);
    Timer1->setEnabled(true);
    Timer2->setInterval(0);
    Timer2->setEnabled(false);
    G.runda.Tidraeknare = 0;
    m_fraagaOeppen = true;
    EnablaSiffror(Escapepanel->isHidden());
    Panel1->show();
    AntalPanel->show();
    VisTexterna(true);
    SvarsTexterna(false);
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
    for (int i = 1; i <= 5; ++i)
        ord[std::size_t(i)]->move(sv[1]->x() + bredast + G.skaerm.Marginal, ord[std::size_t(i)]->y());
}

void TFalska::svara(int svar)
{
    if (siffrorPaa() && m_fraagaOeppen)
        Kollasvar(svar);
}

void TFalska::Kollasvar(int svar)
{
    m_fraagaOeppen = false;
    const Ordkamp::Svar s = kamp.svara(svar, antalIKlassen);
    G.runda.SenastRaett = s.raett ? 1 : 0;
    if (!s.raett) {
        SpeedPanel1->setGeometry(antalIKlassen * AntalPanel->height(), 0, AntalPanel->height(),
                                 AntalPanel->height());
        SpeedPanel1->setText(QString::number(antalIKlassen));
        SpeedPanel1->show();
        SpeedPanel1->raise();
    }
    FargaPoangRutor(s.foersta, s.sista);
    EnablaSiffror(false);
    for (int i = 1; i <= 5; ++i)
        ord[std::size_t(i)]->setVisible(!utanfoer[std::size_t(i)]);
    if (!s.raett && !kamp.slut) {
        Timer1->setInterval(100);
    } else if (!s.raett) {
        Timer1->setInterval(0);
        Timer2->setEnabled(true);
        Timer2->setInterval(100);
    } else if (!kamp.slut) {
        NyPost();
    } else {
        Avslutning();
    }
}

void TFalska::Timer1Timer()
{
    if (++G.runda.Tidraeknare >= G.val.SekunderRaettSvar * 10)
        NyPost();
}

void TFalska::Timer2Timer()
{
    if (++G.runda.Tidraeknare < G.val.SekunderRaettSvar * 10)
        return;
    Timer1->setInterval(0);
    Timer2->setInterval(0);
    Timer2->setEnabled(false);
    Panel1->show();
    Avslutning();
}

void TFalska::Avslutning()
{
    Bild.dolj();
    Bild.BildPanelen->show();
    Bild.BildPanelen->raise();
    const QStringList delar = Ordkampslut(kamp.elevenVann, G.spelare.Spelarnamn[1]);
    Lovord.LovordPanel->show();
    Lovord.LovordPanel->raise();
    Lovord.rita(delar.at(0), delar.at(1), delar.at(2));
    Escapepanel->show();
    Escapepanel->raise();
    Button4->setFocus();
}

void TFalska::escape()
{
    // Esc on the shown Esc panel is its Cancel button.
    if (Escapepanel->isVisible()) {
        Button4Click();
        return;
    }
    Escapepanel->show();
    Escapepanel->raise();
    EnablaSiffror(false);
    Button3->setFocus();
}

void TFalska::Button3Click()
{
    Escapepanel->hide();
    if (kamp.slut) {
        SvarsTexterna(false);
        Bild.BildPanelen->hide();
        Lovord.LovordPanel->hide();
        kamp.nollstaell();
        NollstallPoangRutor();
        NyPost();
        return;
    }
    // Only a question that waits for its answer takes the buttons again:
    // never during a wait or while the name is asked for.
    EnablaSiffror(m_fraagaOeppen && !vaentanKoer() && Panel3->isHidden());
    if (!Panel3->isHidden())
        Edit1->setFocus();
}

void TFalska::BitBtn1Click()
{
    if (!aerArbetsblad(m_laege)) {
        QPointer<TFalska> vakt(this);
        VisaStallin();
        if (!vakt)
            return;
    }
    Escapepanel->hide();
    EnablaSiffror(m_fraagaOeppen && !vaentanKoer() && Panel3->isHidden());
    if (!Panel3->isHidden())
        Edit1->setFocus();
}

bool TFalska::keyPress(QChar tecken)
{
    if (tecken == QChar(27))
        return false;
    if (!Panel3->isHidden()) {
        // The name is typed; Enter reaches the name panel.
        if (tecken == QLatin1Char('\r') && Escapepanel->isHidden()) {
            Edit1Enter();
            return true;
        }
        return false;
    }
    if (tecken == QLatin1Char(' ') && vaentanKoer())
        G.runda.Tidraeknare = 20000;
    else if (tecken >= QLatin1Char('0') && tecken <= QLatin1Char('5') && siffrorPaa())
        svara(tecken.digitValue());
    return true;
}

int VisaFalska() { return visaUtanRam<TFalska>(); }
