#include "app/tform1.h"

#include "platform/media.h"

#include "core/innehaall.h"
#include "core/lovord.h"
#include "core/meningslayout.h"
#include "core/skaermskala.h"
#include "platform/ui/skalning.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/frame/arbetsblad.h"
#include "core/foensterregister.h"
#include "menus/undermenyer.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace plattform;

TForm1 *Form1 = nullptr;

namespace {
const char *const knapptexter[11] = {nullptr, "Sverige", "Stavning", "Dina ord", "Grammatik",
                                    "Diverse", "Diagnos", "Göra arbetsblad", "Manual",
                                    "Om Morvika", "Avsluta"};

// Design sizes (at 100 %).
constexpr int panelBredd = 210;
constexpr int knappTopp = 50;
constexpr int knappHoejd = 28;
constexpr int bandHoejd = 24;

// The picture shown instead of the Sweden pictures when pictures are off.
QPixmap flaggbild()
{
    QPixmap p(640, 400);
    p.fill(fraanBGR(0xA05000));
    QPainter m(&p);
    m.fillRect(200, 0, 80, 400, fraanBGR(0x00CCFF));
    m.fillRect(0, 160, 640, 80, fraanBGR(0x00CCFF));
    return p;
}
} // namespace

TForm1::TForm1(QWidget *parent) : Foenster(parent)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Programtitel);
    saettRamloes(true);
    saettBakgrund(this, clBlue);
    const QSize skaerm = skaermstorlek();
    setGeometry(0, 0, skaerm.width(), skaerm.height());

    Panel9 = new QLabel(QStringLiteral("Morvika  \u2013  svenska i skolan"), this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(0, 0, skaerm.width(), bandHoejd);
    Panel9->setAlignment(Qt::AlignCenter);
    Panel9->setFont(arial(Punkter{10}, true));
    saettBakgrund(Panel9, clNavy);
    saettTextfaerg(Panel9, clWhite);

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"),
                        QRect(0, 83, panelBredd, knappTopp + 10 * knappHoejd + 8));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    saettBakgrund(Panel1, clNavy);
    Label1 = skapaEtikett(Panel1, QStringLiteral("Label1"), QStringLiteral("MORVIKA"), QPoint(5, 5));
    Label1->setFont(arial(Pixlar{28}, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->adjustSize();
    saettTextfaerg(Label1, clYellow);
    for (int i = 1; i <= 10; ++i) {
        Button[i] = skapaKnapp(Panel1, QStringLiteral("Button%1").arg(i),
                               QString::fromUtf8(knapptexter[i]),
                               QRect(15, knappTopp + (i - 1) * knappHoejd, panelBredd - 30, knappHoejd));
        Button[i]->setFont(arial(Punkter{10}));
        saettBakgrund(Button[i], clBtnFace);
        saettTextfaerg(Button[i], clBlack);
    }
    connect(Button[1], &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button[2], &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button[3], &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button[4], &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button[5], &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button[6], &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button[7], &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button[8], &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button[9], &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button[10], &QPushButton::clicked, this, &TForm1::Button10Click);

    static const char *const bildnamn[6] = {"BildImage11", "BildImage12", "BildImage13",
                                            "BildImage21", "BildImage22", "BildImage23"};
    for (int k = 0; k < 6; ++k) {
        BildImage[k] = new Bildruta(this, QString::fromLatin1(bildnamn[k]), QRect(0, 0, 10, 10));
        BildImage[k]->saettAutoSize(true);
        BildImage[k]->OnMouseMove = [this, k](const QPoint &) { BildImageMouseMove(k); };
    }
    Label3 = skapaEtikett(this, QStringLiteral("Label3"), QString(), QPoint(0, 0));
    Label4 = skapaEtikett(this, QStringLiteral("Label4"), QString(), QPoint(0, 0));
    for (QLabel *l : {Label3, Label4}) {
        l->setFont(arial(Punkter{8}));
        saettTextfaerg(l, clWhite);
    }

    Shape1 = new Figur(this, QStringLiteral("Shape1"), QRect(0, 0, 200, 30),
                       Figur::Form::RundadRektangel, clYellow);
    Shape1->hide();
    Label2 = skapaEtikett(this, QStringLiteral("Label2"), QString(), QPoint(0, 0));
    Label2->setFont(arial(Punkter{11}, true));
    saettTextfaerg(Label2, clBlack);
    Label2->hide();

    Image1 = new Bildruta(this, QStringLiteral("Image1"), QRect(0, bandHoejd, skaerm.width(),
                                                                 skaerm.height() - bandHoejd));
    Image1->saettStretch(true);
    Image1->lower();

    // Timer1 has no interval: it never runs. Timer2 ticks once.
    Timer1 = new Timer(this, 0, true);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Timer2 = new Timer(this, 1000, true);
    Timer2->OnTimer = [this] { Timer2Timer(); };

    FormCreate();
}

TForm1::~TForm1()
{
    // The window owns the sound player: nothing plays on after it.
    plattform::mediaspelare().stoppa();
    HuvudfoensterAktiveras = nullptr;
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate()
{
    G.ljud.RaktLjud = 0;
    G.val.LaddaOrdlistor = 1;
    G.mening.MusOverText = 0;
    Label3->hide();
    Label4->hide();
    G.val.DiktatLaege = 0;
    G.spelare.RekordtabellPaa = 1;
    G.spelare.ForstaRekordtabell = 1;
    G.beroem.BildOrdningNy = 1;
    HuvudfoensterAktiveras = [this] { setEnabled(true); };

    // An empty score directory gives the message with nothing between.
    const QString resultat = G.start.ResultatKatalog.left(G.start.ResultatKatalog.size() - 1);
    if (resultat.isEmpty() || !katalogFinns(resultat))
        visaMeddelande(QStringLiteral("Katalogen ") + resultat + QStringLiteral(" finns inte."));
    if (G.start.DiagnosKatalog.isEmpty() || !katalogFinns(G.start.DiagnosKatalog))
        visaMeddelande(QStringLiteral("Katalogen ") + G.start.DiagnosKatalog + QStringLiteral(" finns inte."));

    Skaltest();
    if (G.skaerm.Skalprocent != 100)
        plattform::skalaInomSkaermen(this, G.skaerm.Skalprocent);

    G.val.SekunderRaettSvar = 3;
    G.val.LjudLaege = 1;
    G.val.BildLaege = 1;
    G.val.Oeversaettning = 0;

    const QSize skaerm = skaermstorlek();
    const int W = skaerm.width();
    const int H = skaerm.height();
    // The banner and the flag picture span the screen, not its scaled size.
    Panel9->resize(W, Panel9->height());
    Image1->setGeometry(0, Panel9->height(), W, H - Panel9->height());
    Panel1->move((W - Panel1->width()) / 2, Panel1->y());
    Label1->setGeometry(5, Label1->y(), Panel1->width() - 15, Label1->height());
    const int B = Panel1->y() + Panel1->height();
    Shape1->move((W - Shape1->width()) / 2, B + ((H - B) - Shape1->height()) / 2);
    Panel1->move(Panel1->x(), ((H - Panel9->height()) - Panel1->height()) / 2 + Panel9->height());
    Label1->move((Panel1->width() - Label1->width()) / 2, (Button[1]->y() - Label1->height()) / 2);

    if (bildPaa()) {
        Startbilder();
        Image1->hide();
    } else {
        // The flag is painted only for a start without pictures, which shows it.
        Image1->saettBild(flaggbild());
        Image1->show();
    }
    aktiveraKnappar();
}

void TForm1::Startbilder()
{
    const QSize skaerm = skaermstorlek();
    const int h = (skaerm.height() - Panel9->height()) / 3;
    const int x = Panel1->x() + Panel1->width();
    const QString prefix = skaerm.width() < 701   ? QStringLiteral("SVEL")
                           : skaerm.width() < 900 ? QStringLiteral("SVEM")
                                                  : QStringLiteral("SVES");
    for (int k = 0; k < 6; ++k) {
        Bildruta *bild = BildImage[k];
        G.beroem.BildNummer = haemta_Bildslumptal(G.beroem.BildMarkoer);
        G.beroem.StartbildNummer[k] = G.beroem.BildNummer;
        G.beroem.BildNamn = QStringLiteral("\\BILD\\") + prefix
                     + QStringLiteral("%1").arg(G.beroem.BildNummer, 3, 10, QLatin1Char('0'))
                     + QStringLiteral(".BMP");
        bild->setGeometry(bild->x(), Panel9->height() + (k % 3) * h, Panel1->x(), h);
        bild->move(k < 3 ? Panel1->x() - BildImage[0]->width() : x, bild->y());
        const QString fil = HittaInnehaall(G.beroem.BildNamn);
        if (fil.isEmpty() || !bild->laddaFil(riktigSoekvaeg(fil))) {
            bild->hide();
            continue;
        }
        bild->show();
        if (k == 0)
            bild->move(Panel1->x() - bild->width(), bild->y());
    }
}

void TForm1::BildImageMouseMove(int k)
{
    if (k < 0 || k > 5)
        return;
    Bildruta *bild = BildImage[k];
    G.mening.MusOverText = 1;
    const QString text = GeBildText(G.beroem.StartbildNummer[k]);
    const Meningsrader rader = dela_mening(2, Panel1->x(), text, 2);
    G.mening.MusOverText = 0;

    Label4->hide();
    saettEtikettText(Label3, rader[1]);
    Label3->move(Label3->x(), bild->y() + bild->height());
    const int x = Panel1->x() + Panel1->width();
    const bool bred = Label3->width() >= bild->width();
    if (k < 3)
        Label3->move(bred ? (Panel1->x() - Label3->width()) / 2 + G.skaerm.Marginal
                          : bild->x() + (bild->width() - Label3->width()) / 2,
                     Label3->y());
    else
        Label3->move(bred ? x + G.skaerm.Marginal : x + (bild->width() - Label3->width()) / 2, Label3->y());

    Label4->move(Label3->x(), Label3->y() + Label3->height());
    if (!rader[2].isEmpty()) {
        saettEtikettText(Label4, rader[2]);
        Label4->show();
    } else {
        saettEtikettText(Label4, QString());
    }
    // The top right caption shrinks until it fits, but never below 1 point.
    if (k == 3 && skaermstorlek().width() - x < Label3->width()) {
        QFont f = Label3->font();
        if (f.pointSize() > 1) {
            f.setPointSize(f.pointSize() - 1);
            Label3->setFont(f);
            Label3->adjustSize();
        }
    }
    Label3->show();
    Label3->raise();
    Label4->raise();
}

void TForm1::Button7Click()
{
    saettLaege(aerArbetsblad(laege()) ? Laege::Oevning : Laege::Arbetsblad);
    if (aerArbetsblad(laege())) {
        Button[7]->setText(QStringLiteral("Avaktivera arbetsblad"));
        saettEtikettText(Label2, QStringLiteral("Arbetsblad aktiverat"));
        Label2->move(Shape1->x() + (Shape1->width() - Label2->width()) / 2,
                     Shape1->y() + (Shape1->height() - Label2->height()) / 2);
        Shape1->show();
        Label2->show();
        Label2->raise();
        Label2->repaint();
        saettBakgrund(Panel1, fraanBGR(0x000080));
    } else {
        Button[7]->setText(QString::fromUtf8("Göra arbetsblad"));
        Shape1->hide();
        Label2->hide();
        saettBakgrund(Panel1, fraanBGR(0x800000));
    }
    aktiveraKnappar();
    if (TomUtskriftslistorna)
        TomUtskriftslistorna();
    G.arbetsblad.NySida = 1;
    G.arbetsblad.SidNummer = 1;
    G.arbetsblad.UtskriftAvsnitt = 0;
}

void TForm1::aktiveraKnappar()
{
    // Worksheet mode closes Sverige, Diverse and Diagnos. A window that has
    // not been built yet keeps its button disabled.
    const bool arbetsblad = aerArbetsblad(laege());
    Button[1]->setEnabled(!arbetsblad);
    Button[5]->setEnabled(!arbetsblad);
    Button[6]->setEnabled(!arbetsblad && finnsStartare(Foenstertyp::TDiag));
    Button[8]->setEnabled(finnsStartare(Foenstertyp::TManual));
    Button[9]->setEnabled(finnsStartare(Foenstertyp::TOmKavo));
    Button[2]->setEnabled(true);
    Button[3]->setEnabled(true);
}

bool TForm1::event(QEvent *e)
{
    // A window opened over this one would leave the caption standing beside
    // it, the caption of a picture the pupil no longer sees: it goes, and
    // comes back when the mouse is over a picture again.
    if (e->type() == QEvent::WindowBlocked) {
        Label3->hide();
        Label4->hide();
    }
    return Foenster::event(e);
}

void TForm1::showEvent(QShowEvent *e)
{
    Foenster::showEvent(e);
    Button[1]->setFocus();
}

void TForm1::escape() { Button[10]->click(); }

void TForm1::Button1Click()
{
    oevningUtomArbetsblad();
    VisaF1();
}

void TForm1::Button2Click() { VisaF2(); }

void TForm1::Button3Click()
{
    oevningUtomArbetsblad();
    VisaF3();
}

void TForm1::Button4Click()
{
    oevningUtomArbetsblad();
    VisaF4();
}

void TForm1::Button5Click() { VisaF5(); }

void TForm1::Button6Click()
{
    G.diagnos.DiagnosStaengd = 0;
    saettLaege(Laege::Diagnostest);
    starta(Foenstertyp::TDiag);
}

void TForm1::Button8Click() { starta(Foenstertyp::TManual); }
void TForm1::Button9Click() { starta(Foenstertyp::TOmKavo); }
void TForm1::Button10Click() { stang(); }

void TForm1::Timer1Timer() { Timer1->setInterval(0); }

void TForm1::Timer2Timer()
{
    ++G.runda.Tidraeknare;
    Timer2->setEnabled(false);
}
