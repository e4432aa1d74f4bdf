#include "exercises/frame/ovningsram.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/ljud.h"
#include "core/lovord.h"
#include "core/slumpordning.h"
#include "core/svarstest.h"
#include "core/tillstaand.h"
#include "platform/ui/qttextmaetare.h"
#include "platform/ui/taster.h"
#include "exercises/frame/arbetsblad.h"
#include "dialogs/regelform.h"
#include "dialogs/stallin.h"
#include "exercises/frame/rubriklayout.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/skalning.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

using namespace plattform;

namespace {

QFont arial(int punkter, bool fet)
{
    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.punkter = punkter;
    t.fet = fet;
    return typsnittTillFont(t);
}

bool diagnoslaege(int l) { return aerDiagnoslaege(static_cast<Laege>(l)); }
bool oevningslaege(int l) { return aerOevningslaege(static_cast<Laege>(l)); }

QFrame *ram(QWidget *foeraelder, const char *namn, const QColor &faerg)
{
    QFrame *f = skapaPanel(foeraelder, QString::fromLatin1(namn), QRect());
    saettBakgrund(f, faerg);
    return f;
}

QLabel *etikett(QWidget *foeraelder, const char *namn, const QString &text = QString())
{
    return skapaEtikett(foeraelder, QString::fromLatin1(namn), text, QPoint(0, 0));
}

} // namespace

QColor Rubrikfaerg(int laege)
{
    const quint32 rgb = Laegesfaerg(laege);
    return QColor(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

Ovningsram::Ovningsram(const Ramval &val, QWidget *parent) : Foenster(parent), m_val(val)
{
    saettRamloes(true);
    saettKeyPreview(true);
    setWindowTitle(Programtitel);
    const QSize s = skaermstorlek();
    setGeometry(0, 0, s.width(), s.height());
    saettBakgrund(this, clBtnFace);
    setAutoFillBackground(true);
    byggKontroller();
}

Ovningsram::~Ovningsram() = default;

QPushButton *Ovningsram::slutknapp(const QString &namn, const QString &text, int nummer)
{
    QPushButton *b = skapaKnapp(Slutpanel, namn, text, QRect());
    b->setProperty("slutplats", nummer);
    return b;
}

void Ovningsram::byggKontroller()
{
    OverskriftYtterShape = ram(this, "OverskriftYtterShape", clSilver);
    OverskriftYtterShape->setFrameStyle(QFrame::Box | QFrame::Plain);
    OverskriftInnerShape = ram(this, "OverskriftInnerShape", clNavy);
    Overs1Label = etikett(this, "Overs1Label");
    Overs2Label = etikett(this, "Overs2Label");
    Overs3Label = etikett(this, "Overs3Label");
    for (QLabel *l : {Overs1Label, Overs2Label, Overs3Label}) {
        saettTextfaerg(l, clWhite);
        l->setAlignment(Qt::AlignCenter);
    }
    InstruktionsLabel = etikett(this, "InstruktionsLabel");
    InstruktionsLabel->setFont(arial(12, true));
    saettTextfaerg(InstruktionsLabel, clGreen);

    Aster1 = new TAster(this);
    Aster1->setObjectName(QStringLiteral("Aster1"));

    if (m_val.svarsfaelt) {
        Edit1 = skapaRuta(this, QStringLiteral("Edit1"), QRect());
        Edit1->setFont(arial(16, true));
        connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    }
    if (m_val.klistra) {
        PopupMenu1 = new QMenu(this);
        PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
        PopupMenu2 = new QMenu(this);
        PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
        for (QMenu *m : {PopupMenu1, PopupMenu2})
            for (const char *t : {"Klistra in ß", "Klistra in Ü", "Klistra in ü"}) {
                const QString caption = QString::fromUtf8(t);
                m->addAction(caption, this, [this, caption] { Klistrain1Click(caption); });
            }
        if (Edit1) {
            Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(Edit1, &QWidget::customContextMenuRequested, this,
                    [this](const QPoint &p) { PopupMenu1->popup(Edit1->mapToGlobal(p)); });
        }
    }

    DiagPanel1 = ram(this, "DiagPanel1", clSilver);
    DiagPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    DiagPanel2 = ram(DiagPanel1, "DiagPanel2", clGreen);
    DiagLabel1 = etikett(DiagPanel2, "DiagLabel1");
    saettTextfaerg(DiagLabel1, clWhite);
    DiagShape1 = ram(DiagPanel1, "DiagShape1", clWhite);
    DiagShape2 = ram(DiagPanel1, "DiagShape2", clWhite);
    DiagShape3 = ram(DiagPanel1, "DiagShape3", clWhite);
    DiagShape4 = ram(DiagPanel1, "DiagShape4", clWhite);
    for (QFrame *f : {DiagShape1, DiagShape2, DiagShape3, DiagShape4})
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
    DiagLabel2 = etikett(DiagShape1, "DiagLabel2", QStringLiteral("Uppgift"));
    DiagLabel3 = etikett(DiagShape2, "DiagLabel3");
    DiagLabel4 = etikett(DiagShape3, "DiagLabel4", QStringLiteral("Riktiga"));
    DiagLabel5 = etikett(DiagShape4, "DiagLabel5");
    for (QLabel *l : {DiagLabel1, DiagLabel2, DiagLabel3, DiagLabel4, DiagLabel5}) {
        l->setFont(arial(12, true));
        l->setAlignment(Qt::AlignCenter);
    }
    DiagPanel1->hide();

    if (m_val.lampa) {
        lampknapp = skapaKnapp(this, QStringLiteral("lampknapp"), QString(), QRect());
        lampknapp->setToolTip(QStringLiteral("Felvarning"));
        connect(lampknapp, &QPushButton::clicked, this, [this] { LampknappClick(); });
        LampShape = new Klickpanel(this, QStringLiteral("LampShape"), QString(), QRect());
        LampShape->setToolTip(QStringLiteral("Klicka här så försvinner felvarningen"));
        LampShape->OnClick = [this] { LampShapeMouseDown(); };
        LampShape->hide();
    }
    BitBtn2 = skapaKnapp(this, QStringLiteral("BitBtn2"), QStringLiteral("&Hjälp"), QRect());
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    BitBtn3 = skapaKnapp(this, QStringLiteral("BitBtn3"), QStringLiteral("&Mer hjälp"), QRect());
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    BitBtn3->hide();
    UpprepaButton = skapaKnapp(this, QStringLiteral("UpprepaButton"),
                               QStringLiteral("&Upprepa ordet  -- F2"), QRect());
    connect(UpprepaButton, &QPushButton::clicked, this, [this] { UpprepaButtonClick(); });
    UpprepaButton->hide();

    BildPanelen = ram(this, "BildPanelen", clBtnFace);
    Image1 = etikett(BildPanelen, "Image1");
    Image1->setScaledContents(true);
    BildTextPanel = etikett(BildPanelen, "BildTextPanel");
    BildTextPanel->setFont(arial(10, true));
    BildTextPanel->setAlignment(Qt::AlignCenter);
    BildTextPanel->setAutoFillBackground(true);
    saettBakgrund(BildTextPanel, clYellow);
    BildLabel = etikett(BildPanelen, "BildLabel");
    BildLabel->setFont(BildTextPanel->font());
    BildLabel->hide();
    BildPanelen->hide();

    LovordPanel = ram(this, "LovordPanel", clBtnFace);
    LovordYttershape = ram(LovordPanel, "LovordYttershape", clNavy);
    lovordinnershape = ram(LovordYttershape, "lovordinnershape", clYellow);
    LovordLabel1 = etikett(lovordinnershape, "LovordLabel1");
    saettTextfaerg(LovordLabel1, clNavy);
    LovordPanel->hide();

    SkrivutOverskriftShape1 = ram(this, "SkrivutOverskriftShape1", clMaroon);
    SkrivutOverskriftShape2 = ram(SkrivutOverskriftShape1, "SkrivutOverskriftShape2", clWhite);
    SkrivutOverskriftLabel = etikett(SkrivutOverskriftShape2, "SkrivutOverskriftLabel",
                                     QStringLiteral("Utskrifter"));
    SkrivutOverskriftLabel->setFont(arial(14, true));
    SkrivutOverskriftShape1->hide();

    Slutpanel = ram(this, "Slutpanel", clNavy);
    Slutpanel->setObjectName(m_val.slutpanelNamn);
    Slutpanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button1 = slutknapp(QStringLiteral("Button1"), QStringLiteral("&Rätta felen"), 0);
    Button2 = slutknapp(QStringLiteral("Button2"), QStringLiteral("&Fortsätta"), 1);
    Button3 = slutknapp(QStringLiteral("Button3"), QStringLiteral("&Avbryta"), 2);
    BitBtn1 = slutknapp(QStringLiteral("BitBtn1"), QStringLiteral("&Inställningar"), 3);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    Slutpanel->hide();

    Timer1 = new Timer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Timer3 = new Timer(this, 0, false);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->OnTimer = [this] { Timer3Timer(); };
    Timer5 = new Timer(this, 0, true);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer5->OnTimer = [this] { Timer5Timer(); };
}

void Ovningsram::ramSkala()
{
    if (G.Skalprocent != 100 && G.Skalprocent != 0)
        skalaFoenster(this, G.Skalprocent);
}

// ---- layout ------------------------------------------------------------

void Ovningsram::Inled()
{
    const QSize s = skaermstorlek();
    const int W = s.width() / 64;
    const int H = s.height() / 48;
    const int M = G.Marginal;

    const int asterHoejd = 43 * H;
    const int asterBredd = std::max(1, asterHoejd / 10 - M / 5);
    Aster1->setGeometry(s.width() - asterBredd - M / 2, M, asterBredd, asterHoejd);

    Slutpanel->setGeometry(M, s.height() - 4 * H - M / 5, 58 * W, 4 * H);
    const int knappBredd = (58 * W - 5 * M) / 4;
    for (QPushButton *b : {Button1, Button2, Button3, BitBtn1}) {
        const int n = b->property("slutplats").toInt();
        b->setGeometry(M + n * (knappBredd + M), H / 2, knappBredd, 3 * H);
    }
    Slutpanel->raise();

    BildPanelen->setGeometry(M, 10 * H - M / 2, 58 * W, 35 * H + M / 2);
    Image1->setGeometry(0, 0, 58 * W, 35 * H);
    LovordPanel->setGeometry(M, s.height() - Slutpanel->height() - 5 * H - M / 5,
                             BildPanelen->width(), 5 * H);

    OverskriftYtterShape->setGeometry(M, M / 2, 58 * W, 7 * H);
    OverskriftInnerShape->setGeometry(M + M / 2, M, 58 * W - M, 7 * H - M);
    InstruktionsLabel->move(M, OverskriftYtterShape->geometry().bottom() + 5);

    DiagPanel1->setGeometry(46 * W, 27 * H, 13 * W, 12 * H);
    const int dw = DiagPanel1->width();
    DiagPanel2->setGeometry(2, 2, dw - 4, 3 * H);
    DiagLabel1->setGeometry(0, 0, dw - 4, 3 * H);
    DiagShape1->setGeometry(2, 4 * H, dw / 2 - 3, 3 * H);
    DiagShape2->setGeometry(dw / 2 + 1, 4 * H, dw / 2 - 3, 3 * H);
    DiagShape3->setGeometry(2, 8 * H, dw / 2 - 3, 3 * H);
    DiagShape4->setGeometry(dw / 2 + 1, 8 * H, dw / 2 - 3, 3 * H);
    DiagLabel2->setGeometry(0, 0, DiagShape1->width(), DiagShape1->height());
    DiagLabel4->setGeometry(0, 0, DiagShape3->width(), DiagShape3->height());
    DiagLabel3->setGeometry(8, 0, DiagShape2->width() - 16, DiagShape2->height());
    DiagLabel5->setGeometry(8, 0, DiagShape4->width() - 16, DiagShape4->height());

    const int knappTopp = 38 * H;
    if (lampknapp) {
        lampknapp->setGeometry(M, knappTopp, 3 * H, 3 * H);
        LampShape->setGeometry(M, knappTopp, 3 * H, 3 * H);
    }
    const int hjaelpVaenster = lampknapp ? lampknapp->x() + lampknapp->width() + M / 2 : M;
    BitBtn2->setGeometry(hjaelpVaenster, knappTopp, 10 * W, 3 * H);
    BitBtn3->setGeometry(hjaelpVaenster, knappTopp + 3 * H + M / 2, 10 * W, 3 * H);
    UpprepaButton->setGeometry(BitBtn2->x() + BitBtn2->width() + 2 * M, knappTopp, 18 * W,
                               BitBtn2->height());
    if (Edit1)
        Edit1->setGeometry(M, 24 * H, 40 * W, 4 * H);

    SkrivutOverskriftShape1->setGeometry(46 * W, 8 * H, 13 * W, 4 * H);
    SkrivutOverskriftShape2->setGeometry(M / 2, M / 2, 13 * W - M, 4 * H - M);
}

void Ovningsram::RitaOverskriften(const QString &rad1, const QString &rad2, const QString &rad3)
{
    const auto platser = RubrikLayout(rad1, rad2, rad3, OverskriftInnerShape->geometry(), G.Marginal);
    QLabel *const etiketter[3] = {Overs1Label, Overs2Label, Overs3Label};
    for (int i = 0; i < 3; ++i) {
        QLabel *l = etiketter[i];
        const Textplats &p = platser[std::size_t(i)];
        l->setVisible(p.synlig);
        if (!p.synlig)
            continue;
        l->setFont(typsnittTillFont(p.typsnitt));
        l->setText(p.text);
        l->setGeometry(p.ram);
        l->raise();
    }
}

void Ovningsram::RitaLovord(const QString &del1, const QString &del2, const QString &del3)
{
    const int M = G.Marginal;
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(M / 2, M / 2, LovordPanel->width() - M, LovordPanel->height() - M);
    const QString text = del1 + QLatin1Char(' ') + del2 + QLatin1Char(' ') + del3;
    const Textplats p = LovordLayout(text, lovordinnershape->size(), M);
    LovordLabel1->setFont(typsnittTillFont(p.typsnitt));
    LovordLabel1->setText(p.text);
    LovordLabel1->setGeometry(p.ram);
    LovordLabel1->adjustSize();
    if (m_val.beroemFramfoer)
        LovordPanel->raise();
}

void Ovningsram::RitaUtskriftOverskriftRuta(bool visa)
{
    SkrivutOverskriftShape1->setVisible(visa);
    if (!visa)
        return;
    SkrivutOverskriftLabel->adjustSize();
    const QSize y = SkrivutOverskriftShape2->size();
    SkrivutOverskriftLabel->move((y.width() - SkrivutOverskriftLabel->width()) / 2,
                                 (y.height() - SkrivutOverskriftLabel->height()) / 2);
    SkrivutOverskriftShape1->raise();
}

// ---- creation ----------------------------------------------------------

void Ovningsram::ramSkapa()
{
    BitBtn1->setEnabled(true);
    G.RaettaFel = 0;
    LampaPaa = 0;
    ForstaPosten = 1;
    G.Uppgiftsnummer = 1;
    G.AntalRaett = 0;
    G.AntalFel = 0;
    DiagPanel1->hide();
    if (Edit1)
        Edit1->clear();
    RitaUtskriftOverskriftRuta(false);
    const int laege = G.Arbetsbladslaege;
    if (laege == 1) {
        G.MedSvar = 0;
        if (Edit1) {
            Edit1->setEnabled(false);
            Edit1->hide();
        }
        RitaUtskriftOverskriftRuta(true);
        G.NyttAvsnitt = 1;
        if (SkapaArbetsbladspanel && !Arbetsblad)
            Arbetsblad = SkapaArbetsbladspanel(*this);
        Slutpanel->hide();
        if (lampknapp) {
            lampknapp->hide();
            LampShape->hide();
        }
        G.StandardAntal = G.AntalIRunda = Tillstaand::AntalPerRunda;
        NyStartaAster(false);
        Aster1->hide();
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
    }
    saettEtikettText(InstruktionsLabel, G.Instruktion);
    RitaOverskriften(G.Rubrikrader[1], G.Rubrikrader[2], G.Rubrikrader[3]);
    saettBakgrund(OverskriftInnerShape, Rubrikfaerg(laege));
    if (laege == 0) {
        G.StandardAntal = G.AntalIRunda = Tillstaand::AntalPerRunda;
        NyStartaAster(true);
        if (lampknapp)
            lampknapp->show();
    } else if (laege >= 2) {
        NyStartaAster(false);
        if (lampknapp)
            lampknapp->setVisible(laege != 2);
        G.StandardAntal = G.AntalIRunda = Tillstaand::DiagnosLaengd;
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    BitBtn2->setText(QStringLiteral("&Hjälp"));
    UpprepaButton->hide();
}

// ---- squares and diagnosis panel -----------------------------------------

void Ovningsram::NyStartaAster(bool visa)
{
    if (!visa) {
        Aster1->setVisa(false);
        Aster1->repaint();
        return;
    }
    if (m_val.dolDiagMedAster)
        DiagPanel1->hide();
    Aster1->show();
    Aster1->setRutNummer(0);
    Aster1->setMaxAntalRutor(std::clamp(G.AntalIRunda, 0, 255));
    Aster1->setVisa(true);
    Aster1->repaint();
    Aster1->setStarta(true);
}

void Ovningsram::stegaAster(bool raett)
{
    const int n = Aster1->RutNummer() == Aster1->MaxAntalRutor() ? 0 : Aster1->RutNummer() + 1;
    Aster1->setRutNummer(n);
    if (!raett)
        Aster1->setRatt(false);
    Aster1->setVisa(true);
    Aster1->repaint();
}

void Ovningsram::UppDateraDiagnosResultatet()
{
    DiagPanel1->show();
    DiagLabel3->setText(QString::number(G.Uppgiftsnummer) + QLatin1Char('/')
                        + QString::number(Tillstaand::DiagnosLaengd));
    DiagLabel3->setFixedWidth(std::max(0, DiagShape2->width() - 16));
    DiagLabel3->repaint();
    DiagLabel5->setText(QString::number(G.AntalRaett));
    DiagLabel5->setFixedWidth(std::max(0, DiagShape4->width() - 16));
    DiagLabel5->repaint();
}

void Ovningsram::TestOverSkrift()
{
    const int laege = G.Arbetsbladslaege;
    if (!diagnoslaege(laege)) {
        DiagPanel2->hide();
        return;
    }
    DiagPanel2->show();
    DiagLabel1->setText(laege == 2 ? QStringLiteral("Diagnos: Testning")
                                   : QStringLiteral("Övning ") + QString::number(G.OevningsNummer + 1));
}

// ---- items and answers ---------------------------------------------------

void Ovningsram::nollstaellVaentan()
{
    Timer1->setInterval(0);
    Timer3->setInterval(0);
    Timer3->setEnabled(false);
    G.Tidraeknare = 0;
}

void Ovningsram::haemtaPost()
{
    Timer5->setInterval(0);
    if (lampknapp)
        lampknapp->setEnabled(true);
    if (G.RaettaFel == 1) {
        haemtafel(G.DatFilNamn, FelHaemta);
        str_postarray(G.HaemtadRad);
    } else {
        // An item that cannot be answered is passed over like a comment, as
        // long as the file has others.
        const int antal = G.FilAntalPoster[G.DatFilIndex];
        for (int foersoek = 0;; ++foersoek) {
            G.PostNummer = Word(haemta_slumptal(G.FilSlumpMarkoer[G.DatFilIndex], G.DatFilIndex));
            haemtaord(G.DatFilNamn, G.PostNummer);
            str_postarray(G.HaemtadRad);
            if (!m_val.luckord || harLuckord(G.Postfaelt[1]) || foersoek >= antal)
                break;
        }
    }
    nollstaellVaentan();
    NollaLabeller();
    const int laege = G.Arbetsbladslaege;
    if (diagnoslaege(laege))
        UppDateraDiagnosResultatet();
    if (lampknapp && oevningslaege(laege))
        lampknapp->setEnabled(true);
    HjaelpAnvaend = (laege == 3 || laege == 4) && LampaPaa == 1 ? 1 : 0;
}

void Ovningsram::NollaLabeller()
{
    if (Edit1)
        Edit1->clear();
    Button1->setEnabled(false);
    Slutpanel->hide();
    BitBtn2->hide();
    BitBtn3->hide();
}

void Ovningsram::svarsboekfoering(bool raett)
{
    const int laege = G.Arbetsbladslaege;
    if (raett) {
        G.SenastRaett = 1;
        if (HjaelpAnvaend == 0)
            ++G.AntalRaett;
        if (laege == 0 || laege == 5)
            stegaAster(true);
        if (G.RaettaFel == 1)
            haemtafel(G.DatFilNamn, FelTaBort);
    } else {
        G.SenastRaett = 0;
        ++G.AntalFel;
        if (laege == 0 || laege == 5)
            stegaAster(false);
        if (G.RaettaFel == 1)
            haemtafel(G.DatFilNamn, FelFlyttaSist);
        else if (G.Uppgiftsnummer <= G.AntalIRunda)
            haemtafel(G.DatFilNamn, FelLaeggTill);
    }
    if (diagnoslaege(laege))
        UppDateraDiagnosResultatet();
}

void Ovningsram::efterSvar(bool direkt)
{
    Timer5->setInterval(0);
    ++G.Uppgiftsnummer;
    const bool vidare = direkt || G.SenastRaett == 1;
    if (G.Uppgiftsnummer <= G.AntalIRunda) {
        if (vidare) {
            NyPost();
            efterNyPost();
        } else {
            Timer1->setEnabled(true);
            Timer1->setInterval(100);
        }
        return;
    }
    if (lampknapp)
        lampknapp->setEnabled(false);
    if (!vidare) {
        Timer1->setEnabled(false);
        Timer1->setInterval(0);
        Timer3->setEnabled(true);
        Timer3->setInterval(100);
        return;
    }
    Avslutning();
    if (aerStangd())
        return;
    Timer1->setEnabled(false);
    vidRundansSlut();
}

void Ovningsram::vidRundansSlut()
{
    if (Edit1)
        Edit1->setEnabled(false);
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
}

bool Ovningsram::rundanPaagaar() const
{
    return G.Uppgiftsnummer <= G.AntalIRunda;
}

// ---- waits -----------------------------------------------------------------

void Ovningsram::Timer1Timer()
{
    ++G.Tidraeknare;
    if (!VaentanSlut(G.Tidraeknare, G.SekunderRaettSvar, m_val.tiondelsVaentan))
        return;
    if (m_val.vaentanKraeverUppgift && !rundanPaagaar())
        return;
    NyPost();
    efterNyPost();
}

void Ovningsram::Timer3Timer()
{
    ++G.Tidraeknare;
    if (!VaentanSlut(G.Tidraeknare, G.SekunderRaettSvar, true))
        return;
    Timer1->setEnabled(true);
    Timer1->setInterval(0);
    foerAvslutningEfterVaentan();
    Timer3->setInterval(0);
    Avslutning();
    if (aerStangd())
        return;
    vidRundansSlut();
}

void Ovningsram::foerAvslutningEfterVaentan()
{
    Slutpanel->show();
}

void Ovningsram::Timer5Timer()
{
    ++G.Tidraeknare;
    if (G.Tidraeknare < G.SekunderRaettSvar)
        return;
    // Stopped before playing: a sound played to its end runs the event loop.
    Timer5->setInterval(0);
    Ljudet();
}

void Ovningsram::startaLjudtimer()
{
    if (m_val.ljudtimerIntervall > 0 && LjudOvning == 1 && ljudPaa() && G.Arbetsbladslaege == 0) {
        G.Tidraeknare = 0;
        Timer5->setEnabled(true);
        Timer5->setInterval(m_val.ljudtimerIntervall);
    }
}

// ---- sounds ------------------------------------------------------------------

bool Ovningsram::ljudPaa() const { return G.LjudLaege == 1 || G.LjudLaege == 3; }

void Ovningsram::Ljudet()
{
    if (!ljudPaa())
        return;
    const int nummer = G.RaettaFel == 1 ? G.FelPostNummer : G.PostNummer;
    const QString namn = PostLjudNamn(G.LjudKatalog, nummer);
    if (!namn.isEmpty())
        SpelaUppWavLjud(namn);
}

void Ovningsram::UpprepaButtonClick() { Ljudet(); }

// ---- end of a round ----------------------------------------------------------

void Ovningsram::visaBeloeningsbild()
{
    const int laege = G.Arbetsbladslaege;
    const bool bildPaa = G.BildLaege == 1 || G.BildLaege == 3;
    const bool laegeMedBild = m_val.bildIAllaLaegen || oevningslaege(laege);
    if (!m_val.beloeningsbild || !bildPaa || !laegeMedBild) {
        Image1->hide();
        BildTextPanel->hide();
        return;
    }
    G.BildNummer = haemta_Bildslumptal(G.BildMarkoer);
    if (G.BildMarkoer == 0) {
        Image1->hide();
        BildTextPanel->hide();
        return;
    }
    const int M = G.Marginal;
    BildTextPanel->move(0, 0);
    BildTextPanel->show();
    const QString text = VisadBildText(G.BildText);
    saettEtikettText(BildLabel, text);
    BildTextPanel->setText(text);
    BildTextPanel->resize(BildLabel->width() + 2 * M, BildLabel->height() + M);
    G.BildNamn = QStringLiteral("\\BILD\\SVE%1.BMP").arg(G.BildNummer, 3, 10, QLatin1Char('0'));
    const QString soekvaeg = HittaInnehaall(G.BildNamn);
    const QPixmap bild = soekvaeg.isEmpty() ? QPixmap() : QPixmap(riktigSoekvaeg(soekvaeg));
    if (bild.isNull()) {
        Image1->clear();
        Image1->hide();
    } else {
        Image1->setPixmap(bild);
        Image1->show();
    }
    BildTextPanel->move(Image1->width() - BildTextPanel->width(), 0);
    BildTextPanel->raise();
}

void Ovningsram::visaBeroem()
{
    if (!FaarBeroem(G.AntalRaett, G.AntalIRunda, G.RaettaFel == 1))
        return;
    HaemtaLovordFilNamn();
    if (!KollaLovOrd(G.LovordFilNamn)) {
        // No praise file: no praise panel, and never the last round's text.
        LovordPanel->hide();
        return;
    }
    LovordPanel->show();
    G.PostNummer = Word(haemta_Lovordslumptal(G.LovordMarkoer[G.LovordIndex], G.LovordIndex));
    haemtaord(G.LovordFilNamn, G.PostNummer);
    str_postarray(G.HaemtadRad);
    RitaLovord(LovordMen(G.Postfaelt[1]), LovordMen(G.Postfaelt[2]), LovordMen(G.Postfaelt[3]));
}

bool Ovningsram::tillaempaPassregel()
{
    const Oevningsutfall utfall = Oevningsregel(m_val.passregel, G.AntalRaett, G.OevningsNummer);
    if (utfall == Oevningsutfall::Inget) {
        DiagPanel1->raise();
        return false;
    }
    if (utfall == Oevningsutfall::FoerstaRundan) {
        G.OevningsNummer = 1;
        DiagPanel1->raise();
        return false;
    }
    const int test = G.DiagnosNummer;
    if (decltype(G.Diagnostabell.status)::inom(test)) {
        G.Diagnostabell.status[test] = 2;
        G.ProtokollAendrat = 1;
    }
    // The practice is done: its round count starts again for the next one.
    G.OevningsNummer = 0;
    if (diaprot) {
        diaprot->saettStatuscell(test, QStringLiteral("    ") + Statustexter(2));
        diaprot->doljPanel2();
    }
    G.Arbetsbladslaege = 2;
    G.AntalRaett = 0;
    if (diaprot)
        diaprot->aktivera();
    stang();
    return true;
}

void Ovningsram::erbjudRaettning()
{
    const bool fel = m_val.raettning && G.FelAntal[G.DatFilIndex] > 0;
    Button1->setEnabled(fel);
    (fel ? Button1 : Button2)->setFocus();
}

void Ovningsram::Avslutning()
{
    // Over the item; the praise and the end panel stay in front of it.
    BildPanelen->show();
    BildPanelen->raise();
    LovordPanel->raise();
    BildTextPanel->hide();
    visaBeloeningsbild();
    const int laege = G.Arbetsbladslaege;
    if (m_val.diagnosbokfoering) {
        if (laege == 2 && m_val.passregel == Passregel::EnRunda)
            G.OevningsNummer = 0;
        if ((laege == 3 || laege == 4) && G.RaettaFel == 0 && tillaempaPassregel())
            return;
        if (laege == 2) {
            diagnosback(G.AntalRaett);
            stang();
            return;
        }
    }
    if (laege == 0 && m_val.beroem)
        visaBeroem();
    Slutpanel->show();
    Slutpanel->raise();
    if (oevningslaege(laege))
        erbjudRaettning();
}

// ---- end-panel buttons ---------------------------------------------------------

void Ovningsram::Button1Click()
{
    const int laege = G.Arbetsbladslaege;
    if (!oevningslaege(laege) || G.FelAntal[G.DatFilIndex] <= 0)
        return;
    BildPanelen->hide();
    if (laege == 0)
        LovordPanel->hide();
    G.AntalRaett = 0;
    G.RaettaFel = 1;
    G.AntalIRunda = RaettningsLaengd(G.FelAntal[G.DatFilIndex], G.StandardAntal);
    G.Uppgiftsnummer = 1;
    NyStartaAster(true);
    if (laege == 3 || laege == 4)
        G.Arbetsbladslaege = 5;
    foerberedRaettning();
    Slutpanel->hide();
    BitBtn1->setEnabled(true);
    NyPost();
    efterNyPost();
}

void Ovningsram::foerberedRaettning()
{
    rensa();
    if (Edit1) {
        Edit1->show();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
}

void Ovningsram::rensa()
{
    if (!lampknapp)
        return;
    const int laege = G.Arbetsbladslaege;
    if (laege == 1 || laege == 2) {
        lampknapp->hide();
        LampShape->hide();
        return;
    }
    LampShape->setVisible(LampaPaa == 1);
    lampknapp->setVisible(LampaPaa == 0);
    lampknapp->setEnabled(true);
}

void Ovningsram::Button2Click()
{
    Slutpanel->hide();
    const bool nyRunda = FortsaettNyRunda(G.Uppgiftsnummer, G.AntalIRunda, G.RaettaFel == 1);
    if (FortsaettNollar(G.Arbetsbladslaege, nyRunda)) {
        G.AntalRaett = 0;
        G.AntalFel = 0;
    }
    if (nyRunda) {
        BildPanelen->hide();
        if (G.Arbetsbladslaege == 0)
            LovordPanel->hide();
        G.RaettaFel = 0;
        G.AntalIRunda = G.StandardAntal;
        if (G.Arbetsbladslaege == 5)
            G.Arbetsbladslaege = 3;
        const int laege = G.Arbetsbladslaege;
        if (diagnoslaege(laege))
            UppDateraDiagnosResultatet();
        if (laege == 0) {
            NyStartaAster(true);
        } else {
            NyStartaAster(false);
            TestOverSkrift();
        }
        G.Uppgiftsnummer = 1;
        if (!DiagPanel1->isHidden())
            Aster1->hide();
        NyPost();
        efterNyPost();
    }
    efterFortsaett();
}

void Ovningsram::efterFortsaett()
{
    rensa();
    if (Edit1) {
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void Ovningsram::Button3Click()
{
    if (m_val.diagnosbokfoering) {
        const int laege = G.Arbetsbladslaege;
        if (laege == 2) {
            diagnosback(G.AntalRaett);
        } else if ((laege == 3 || laege == 4) && rundanPaagaar()) {
            // After the end of a round the rule has been applied already.
            if (tillaempaPassregel())
                return;
        }
    }
    stang();
}

void Ovningsram::BitBtn1Click()
{
    upprepaSynligFoere = !UpprepaButton->isHidden();
    if (G.Arbetsbladslaege != 1) {
        QPointer<Ovningsram> vakt(this);
        VisaStallin();
        if (!vakt)
            return;
    }
    efterInstaellningar();
}

void Ovningsram::efterInstaellningar()
{
    UpprepaButton->setEnabled(ljudPaa());
    if (ljudPaa())
        UpprepaButton->show();
    if (Edit1) {
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
    if (rundanPaagaar())
        Slutpanel->hide();
}

void Ovningsram::BitBtn2Click()
{
    const int laege = G.Arbetsbladslaege;
    if (diagnoslaege(laege))
        HjaelpAnvaend = OekaHjaelp(HjaelpAnvaend);
    visaHjaelp(1);
    BitBtn2->hide();
    if (m_val.merHjaelp && AntalHjaelp == 2)
        BitBtn3->show();
    if (Edit1 && Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
    if (harRegelsida()) {
        QPointer<Ovningsram> vakt(this);
        VisaRegelform(G.Programtal);
        if (!vakt)
            return;
    }
    BitBtn2->show();
    BitBtn2->setEnabled(true);
}

void Ovningsram::BitBtn3Click()
{
    const int laege = G.Arbetsbladslaege;
    if (laege == 3 || laege == 4)
        HjaelpAnvaend = OekaHjaelp(HjaelpAnvaend);
    visaHjaelp(2);
    BitBtn3->hide();
    if (Edit1 && Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- lamp and paste ------------------------------------------------------------

void Ovningsram::LampknappClick()
{
    if (!lampknapp)
        return;
    lampknapp->hide();
    LampaPaa = LampaPaa == 1 ? 0 : 1;
    const int laege = G.Arbetsbladslaege;
    if (LampaPaa == 1) {
        LampShape->show();
        if (oevningslaege(laege))
            faergaLampa();
        if (laege == 3 || laege == 4)
            HjaelpAnvaend = OekaHjaelp(HjaelpAnvaend);
    } else {
        LampShape->hide();
    }
    if (Edit1)
        Edit1->setFocus();
}

void Ovningsram::LampShapeMouseDown()
{
    if (!LampShape)
        return;
    LampShape->hide();
    LampaPaa = 0;
    lampknapp->show();
}

void Ovningsram::faergaLampa()
{
    const QString text = Edit1 ? Edit1->text() : QString();
    saettBakgrund(LampShape, GreenRedTest(text, vaentatSvar()) == 1 ? clLime : clRed);
}

void Ovningsram::Edit1Change()
{
    if (!LampShape || LampShape->isHidden())
        return;
    const int laege = G.Arbetsbladslaege;
    if (laege == 0 || laege == 3 || laege == 4)
        faergaLampa();
}

void Ovningsram::Klistrain1Click(const QString &caption)
{
    if (caption.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(caption.right(1));
    if (auto *ruta = qobject_cast<QLineEdit *>(focusWidget()))
        ruta->paste();
    else if (Edit1 && Edit1->isEnabled())
        Edit1->paste();
}

// ---- keys ------------------------------------------------------------------------

bool Ovningsram::keyDown(QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Space && mod == Qt::NoModifier && m_val.mellanslag
        && (Timer1->koer() || Timer3->koer())) {
        G.Tidraeknare = MellanslagTidraeknare;
        mellanslagUnderVaentan();
        return true;
    }
    if (m_val.klistra && Edit1 && focusWidget() == Edit1 && e->key() == Qt::Key_S
        && (mod == Qt::ControlModifier || mod == Qt::AltModifier)) {
        Klistrain1Click(QStringLiteral("ß"));
        return true;
    }
    if (Arbetsblad && Arbetsblad->antalPanelSynlig()
        && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        if (e->key() == Qt::Key_Up)
            Arbetsblad->antalUpp();
        else
            Arbetsblad->antalNer();
        return true;
    }
    return false;
}

void Ovningsram::visaSlutpanelVidEsc()
{
    const int laege = G.Arbetsbladslaege;
    if (rundanPaagaar())
        Slutpanel->show();
    if (oevningslaege(laege))
        erbjudRaettning();
}

void Ovningsram::escape()
{
    visaSlutpanelVidEsc();
}
