#include "exercises/frame/ovningsram.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/innehaall.h"
#include "core/ljud.h"
#include "core/program.h"
#include "core/oeversaettning.h"
#include "core/slumpordning.h"
#include "core/svarstest.h"
#include "dialogs/regelform.h"
#include "dialogs/stallin.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/qttextmaetare.h"
#include "platform/ui/skalning.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

using namespace plattform;

namespace {

bool diagnoslaege() { return aerDiagnoslaege(laege()); }
bool oevningslaege() { return aerOevningslaege(laege()); }
// Diagnosis practice outside its correction round.
bool diagnosoevning() { return laege() == Laege::Diagnosoevning || laege() == Laege::OevningGodkaend; }
bool lampaUtanFunktion() { return laege() == Laege::Arbetsblad || laege() == Laege::Diagnostest; }

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

// A one-line label whose font shrinks until its text fits `bredd`.
void passaInBredd(QLabel *l, int bredd) { l->setFont(passandeTypsnitt({l->text()}, bredd, l->font(), 7)); }

} // namespace

bool harSvarIFaelt2(const Postdelar &post) { return !post.faelt[2].trimmed().isEmpty(); }

Ovningsram::Ovningsram(const Ramval &val, QWidget *parent)
    : Foenster(parent), Rubrik(this), Lovord(this), Bild(this), Slut(this, val.slutpanelNamn),
      runda(val.runda), m_val(val)
{
    helskaerm(this, QString(), clBtnFace, m_val.tangentfoerhandsvisning);
    byggKontroller();
}

Ovningsram::~Ovningsram() = default;

void Ovningsram::byggKontroller()
{
    OverskriftYtterShape = Rubrik.OverskriftYtterShape;
    OverskriftInnerShape = Rubrik.OverskriftInnerShape;
    Overs1Label = Rubrik.Overs1Label;
    Overs2Label = Rubrik.Overs2Label;
    Overs3Label = Rubrik.Overs3Label;
    InstruktionsLabel = etikett(this, "InstruktionsLabel");
    InstruktionsLabel->setFont(arial(Punkter{12}, true));
    saettTextfaerg(InstruktionsLabel, clGreen);

    Aster1 = new TAster(this);
    Aster1->setObjectName(QStringLiteral("Aster1"));

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
    }
    if (m_val.svarsfaelt) {
        Edit1 = skapaRuta(this, QStringLiteral("Edit1"), QRect());
        Edit1->setFont(arial(Punkter{16}, true));
        laeggTillSvarsfaelt(Edit1);
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
        l->setFont(arial(Punkter{12}, true));
        l->setAlignment(Qt::AlignCenter);
    }
    DiagPanel1->hide();

    if (m_val.lampa) {
        lampknapp = skapaKnapp(this, QStringLiteral("lampknapp"), QString(), QRect());
        lampknapp->setToolTip(QStringLiteral("Felvarning"));
        // A speed button: it never keeps the focus from the answer field.
        lampknapp->setFocusPolicy(Qt::NoFocus);
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

    BildPanelen = Bild.BildPanelen;
    Image1 = Bild.Image1;
    BildTextPanel = Bild.BildTextPanel;
    BildLabel = Bild.BildLabel;

    LovordPanel = Lovord.LovordPanel;
    LovordYttershape = Lovord.LovordYttershape;
    lovordinnershape = Lovord.lovordinnershape;
    LovordLabel1 = Lovord.LovordLabel1;
    Lovord.framfoer = m_val.beroemFramfoer;

    SkrivutOverskriftShape1 = ram(this, "SkrivutOverskriftShape1", clMaroon);
    SkrivutOverskriftShape2 = ram(SkrivutOverskriftShape1, "SkrivutOverskriftShape2", clWhite);
    SkrivutOverskriftLabel = etikett(SkrivutOverskriftShape2, "SkrivutOverskriftLabel",
                                     QStringLiteral("Utskrifter"));
    SkrivutOverskriftLabel->setFont(arial(Punkter{14}, true));
    SkrivutOverskriftShape1->hide();

    Slutpanel = Slut.panel;
    Slutpanel->raise();
    Button1 = Slut.knapp(QStringLiteral("Button1"), QStringLiteral("&Rätta felen"), [this] { Button1Click(); });
    Button2 = Slut.knapp(QStringLiteral("Button2"), QStringLiteral("&Fortsätta"), [this] { Button2Click(); });
    Button3 = Slut.knapp(QStringLiteral("Button3"), QStringLiteral("&Avbryta"), [this] { Button3Click(); });
    BitBtn1 = Slut.knapp(QStringLiteral("BitBtn1"), QStringLiteral("&Inställningar"), [this] { BitBtn1Click(); });

    Timer1 = new Timer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Sluttimer = new Timer(this, 0, false);
    Sluttimer->setObjectName(m_val.slutTimerNamn);
    Sluttimer->OnTimer = [this] { SluttimerTimer(); };
    Timer5 = new Timer(this, 0, true);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer5->OnTimer = [this] { Timer5Timer(); };
}

void Ovningsram::ramSkala()
{
    if (G.skaerm.Skalprocent != 100 && G.skaerm.Skalprocent != 0)
        skalaInomSkaermen(this, G.skaerm.Skalprocent);
}

// ---- layout ------------------------------------------------------------

void Ovningsram::Inled()
{
    const QSize s = skaermstorlek();
    const auto [W, H, M] = rutnaet(G.skaerm.Marginal);

    const int asterHoejd = 43 * H;
    const int asterBredd = std::max(1, asterHoejd / 10 - M / 5);
    Aster1->setGeometry(s.width() - asterBredd - M / 2, M, asterBredd, asterHoejd);

    Slut.placera(QRect(M, s.height() - 4 * H - M / 5, 58 * W, 4 * H), H, M);
    Slutpanel->raise();

    Bild.placera(QRect(M, 10 * H - M / 2, 58 * W, 35 * H + M / 2), QSize(58 * W, 35 * H));
    LovordPanel->setGeometry(M, s.height() - Slutpanel->height() - 5 * H - M / 5,
                             BildPanelen->width(), 5 * H);

    Rubrik.placera(QRect(M, M / 2, 58 * W, 7 * H), M);
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
    Rubrik.rita(rad1, rad2, rad3);
}

void Ovningsram::RitaLovord(const QString &del1, const QString &del2, const QString &del3)
{
    Lovord.rita(del1, del2, del3);
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

void Ovningsram::skapa(const Oevningsstart &start)
{
    m_programtal = start.programtal;
    m_program = &start.program;
    G.oevning.Programtal = start.programtal;
    if (m_val.ljudkatalog)
        GeLjudDirectory();
    if (m_val.skalas)
        ramSkala();
    Inled();
    ramSkapa();
    efterSkapande();
    if (!aerStangd())
        foerstaPost();
}

void Ovningsram::ramSkapa()
{
    BitBtn1->setEnabled(true);
    runda.starta();
    LampaPaa = 0;
    ForstaPosten = 1;
    DiagPanel1->hide();
    if (Edit1)
        Edit1->clear();
    RitaUtskriftOverskriftRuta(false);
    const Laege l = laege();
    if (aerArbetsblad(l)) {
        G.arbetsblad.MedSvar = 0;
        if (Edit1) {
            Edit1->setEnabled(false);
            Edit1->hide();
        }
        RitaUtskriftOverskriftRuta(true);
        G.arbetsblad.NyttAvsnitt = 1;
        if (SkapaArbetsbladspanel && !Arbetsblad)
            Arbetsblad = SkapaArbetsbladspanel(*this);
        Slutpanel->hide();
        if (lampknapp) {
            lampknapp->hide();
            LampShape->hide();
        }
        NyStartaAster(false);
        Aster1->hide();
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
    }
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion);
    if (m_val.rubrik)
        RitaOverskriften(G.oevning.Rubrikrader[1], G.oevning.Rubrikrader[2], G.oevning.Rubrikrader[3]);
    Rubrik.saettLaegesfaerg(G.oevning.Arbetsbladslaege);
    if (l == Laege::Oevning) {
        NyStartaAster(true);
        if (lampknapp)
            lampknapp->show();
    } else if (aerDiagnosomraade(l)) {
        NyStartaAster(false);
        if (lampknapp)
            lampknapp->setVisible(l != Laege::Diagnostest);
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
    Aster1->setMaxAntalRutor(std::clamp(G.runda.AntalIRunda, 0, 255));
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
    DiagLabel3->setText(QString::number(runda.uppgiftsnummer()) + QLatin1Char('/')
                        + QString::number(Tillstaand::Runddata::DiagnosLaengd));
    DiagLabel3->setFixedWidth(std::max(0, DiagShape2->width() - 16));
    DiagLabel3->repaint();
    DiagLabel5->setText(QString::number(runda.antalRaett()));
    DiagLabel5->setFixedWidth(std::max(0, DiagShape4->width() - 16));
    DiagLabel5->repaint();
}

void Ovningsram::TestOverSkrift()
{
    if (!diagnoslaege()) {
        DiagPanel2->hide();
        return;
    }
    DiagPanel2->show();
    DiagLabel1->setText(laege() == Laege::Diagnostest
                            ? QStringLiteral("Diagnos: Testning")
                            : QStringLiteral("Övning ") + QString::number(G.diagnos.OevningsNummer + 1));
    // The panel is narrow on small screens: its texts shrink until they fit.
    passaInBredd(DiagLabel1, DiagPanel2->width() - 8);
    passaInBredd(DiagLabel2, DiagShape1->width() - 6);
    passaInBredd(DiagLabel4, DiagShape3->width() - 6);
}

// ---- items and answers ---------------------------------------------------

bool Ovningsram::postKanBesvaras(const Postdelar &post) const
{
    if (m_val.luckord && !harLuckord(post.faelt[1]))
        return false;
    return !m_val.postKanBesvaras || m_val.postKanBesvaras(post);
}

void Ovningsram::saettPost(const Postdelar &post) { postdelar = post; }

void Ovningsram::haemtaRad()
{
    // An item that cannot be answered is passed over like a comment, as long
    // as the file has others. The random order goes through every item of
    // the file before it repeats one, so `antal` tries meet each of them.
    const int antal = G.start.FilAntalPoster[G.oevning.DatFilIndex];
    for (int foersoek = 1;; ++foersoek) {
        const std::optional<Postdelar> post = runda.haemtaRad();
        saettPost(post.value_or(Postdelar{}));
        if (!post) {
            // The file went away: an empty item, never the last one; the
            // pupil has been told and the window closes.
            stang();
            return;
        }
        if (postKanBesvaras(postdelar))
            break;
        if (G.runda.RaettaFel == 1) {
            // A listed item that can no longer be asked (its file changed
            // during the correction round) leaves the list; the next one
            // is asked instead.
            haemtafel(G.oevning.DatFilNamn, FelTaBort);
            if (G.fel.FelAntal[G.oevning.DatFilIndex] > 0)
                continue;
            visaMeddelande(saknadFil(G.oevning.DatFilNamn));
            stang();
            return;
        }
        if (foersoek >= antal) {
            // Not one item of the file can be asked: nothing to practise.
            visaMeddelande(saknadFil(G.oevning.DatFilNamn));
            stang();
            return;
        }
    }
}

void Ovningsram::foerberedPost()
{
    Timer5->setInterval(0);
    Timer1->setInterval(0);
    Sluttimer->setInterval(0);
    Sluttimer->setEnabled(false);
    runda.foerberedPost(LampaPaa == 1);
    NollaLabeller();
    if (diagnoslaege())
        UppDateraDiagnosResultatet();
    if (lampknapp && oevningslaege())
        lampknapp->setEnabled(true);
}

void Ovningsram::NollaLabeller()
{
    for (QLineEdit *f : m_svarsfaelt)
        f->clear();
    Button1->setEnabled(false);
    Slutpanel->hide();
    BitBtn2->hide();
    BitBtn3->hide();
}

void Ovningsram::svarsboekfoering(bool raett)
{
    runda.boka(raett);
    if (runda.rutorFoeljer())
        stegaAster(raett);
    if (diagnoslaege())
        UppDateraDiagnosResultatet();
}

void Ovningsram::efterSvar()
{
    Timer5->setInterval(0);
    utfoer(runda.efterSvar());
}

void Ovningsram::visaNaestaPost()
{
    NyPost();
    startaLjudtimer();
}

void Ovningsram::utfoer(Naesta steg)
{
    switch (steg) {
    case Naesta::Inget:
        return;
    case Naesta::NyPost:
        visaNaestaPost();
        return;
    case Naesta::Vaenta:
        Timer1->setEnabled(true);
        Timer1->setInterval(m_val.vaentIntervall);
        return;
    case Naesta::Slutfoerdroejning:
        if (lampknapp)
            lampknapp->setEnabled(false);
        Timer1->setEnabled(false);
        Timer1->setInterval(0);
        Sluttimer->setEnabled(true);
        Sluttimer->setInterval(m_val.vaentIntervall);
        return;
    case Naesta::Avsluta:
        break;
    }
    if (lampknapp)
        lampknapp->setEnabled(false);
    // After the end delay the wait timer is left enabled and stopped.
    const bool efterDroejning = Sluttimer->isEnabled();
    if (efterDroejning) {
        Timer1->setEnabled(true);
        Timer1->setInterval(0);
        foerAvslutningEfterVaentan();
        Sluttimer->setInterval(0);
    }
    Avslutning();
    if (aerStangd())
        return;
    if (!efterDroejning)
        Timer1->setEnabled(false);
    vidRundansSlut();
}

void Ovningsram::vidRundansSlut()
{
    for (QLineEdit *f : m_svarsfaelt)
        f->setEnabled(false);
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
}

// ---- waits -----------------------------------------------------------------

void Ovningsram::Timer1Timer() { utfoer(runda.vaentTick()); }

void Ovningsram::SluttimerTimer() { utfoer(runda.slutTick()); }

void Ovningsram::foerAvslutningEfterVaentan()
{
    Slutpanel->show();
}

void Ovningsram::Timer5Timer()
{
    ++G.runda.Tidraeknare;
    if (G.runda.Tidraeknare < G.val.SekunderRaettSvar)
        return;
    // Stopped before playing: a sound played to its end runs the event loop.
    Timer5->setInterval(0);
    ljudtimerKlar();
}

void Ovningsram::startaLjudtimer()
{
    if (m_val.ljudtimerIntervall > 0 && ljudtimerVidNyPost() && ljudPaa()) {
        G.runda.Tidraeknare = 0;
        Timer5->setEnabled(true);
        Timer5->setInterval(m_val.ljudtimerIntervall);
    }
}

void Ovningsram::laddaOrdlistor()
{
    if (G.val.Oeversaettning != 0 && G.val.LaddaOrdlistor == 1 && programdata().oeversaettning) {
        FyllEngListan();
        G.val.LaddaOrdlistor = 0;
    }
}

void Ovningsram::visaPostensOeversaettning(QLabel *etikett)
{
    etikett->hide();
    const qsizetype i = G.ordlistor.ListBox1.indexOf(postdelar.faelt[1]);
    if (i < 0 || i >= G.ordlistor.ListBox2.size())
        return;
    saettEtikettText(etikett, G.ordlistor.ListBox2.at(i));
    etikett->move(InstruktionsLabel->x(), Slutpanel->y() - 5 - etikett->height());
    etikett->show();
}

// ---- sounds ------------------------------------------------------------------

void Ovningsram::Ljudet()
{
    if (!ljudPaa())
        return;
    const int nummer = G.runda.RaettaFel == 1 ? G.fel.FelPostNummer : G.post.PostNummer;
    const QString namn = PostLjudNamn(G.ljud.LjudKatalog, nummer);
    if (!namn.isEmpty())
        SpelaUppWavLjud(namn);
}

void Ovningsram::UpprepaButtonClick() { Ljudet(); }

// ---- end of a round ----------------------------------------------------------

void Ovningsram::visaBeloeningsbild()
{
    const bool laegeMedBild = m_val.bildIAllaLaegen || oevningslaege();
    if (!m_val.beloeningsbild || !bildPaa() || !laegeMedBild)
        Bild.dolj();
    else
        Bild.visa();
}

bool Ovningsram::raettningErbjuds() const
{
    // Only practice has correction rounds; a diagnosis test never offers one.
    return oevningslaege() && m_val.raettning && runda.raettningFinns();
}

void Ovningsram::erbjudRaettning()
{
    const bool fel = raettningErbjuds();
    Button1->setEnabled(fel);
    (fel ? Button1 : Button2)->setFocus();
}

void Ovningsram::placeraBildUnderInstruktionen()
{
    // The reward picture stands under the instruction line, wherever the
    // window put that line, and keeps its proportions. (A panel without a
    // picture covers the item and stays where the window put it.)
    if (!m_val.beloeningsbild)
        return;
    if (!m_bildRam.isValid()) {
        m_bildRam = BildPanelen->geometry();
        m_bildStorlek = Image1->size();
    }
    QRect r = m_bildRam;
    QSize bild = m_bildStorlek;
    const int under = InstruktionsLabel->isVisible() ? InstruktionsLabel->geometry().bottom() + 1 : 0;
    if (under > r.top() && under < r.bottom() && bild.height() > 0) {
        const int hoejd = std::max(1, bild.height() - (under - r.top()));
        bild = QSize(bild.width() * hoejd / bild.height(), hoejd);
        r.setTop(under);
    }
    BildPanelen->setGeometry(r);
    Image1->resize(bild);
}

void Ovningsram::Avslutning()
{
    // Over the item; the praise and the end panel stay in front of it.
    placeraBildUnderInstruktionen();
    BildPanelen->show();
    BildPanelen->raise();
    LovordPanel->raise();
    BildTextPanel->hide();
    visaBeloeningsbild();
    const Rundslut slut = runda.avsluta();
    if (slut == Rundslut::Stang) {
        stang();
        return;
    }
    if (slut == Rundslut::EjGodkaend)
        DiagPanel1->raise();
    if (m_val.beroem && runda.faarBeroem())
        Lovord.visaBeroem();
    Slutpanel->show();
    Slutpanel->raise();
    if (oevningslaege())
        erbjudRaettning();
}

// ---- end-panel buttons ---------------------------------------------------------

// The wrong-answer list holds item numbers. When the file has changed since
// they were answered, a number may name no item any more, or an item that
// cannot be asked (a comment took its place, its gap or answer is gone);
// such entries leave the list before the correction round counts its items.
// The others keep their order.
void Ovningsram::rensaFellistan()
{
    const QStringList *poster = runda.datafil().poster(G.oevning.DatFilNamn);
    if (!poster)
        return;   // the round's first item tells the pupil the file is gone
    for (int k = G.fel.FelAntal[G.oevning.DatFilIndex]; k > 0; --k) {
        const int n = foerstaFelpost();
        const bool kan = n >= 1 && n <= poster->size() && postKanBesvaras(str_postarray(poster->at(n - 1)));
        haemtafel(G.oevning.DatFilNamn, kan ? FelFlyttaSist : FelTaBort);
    }
}

void Ovningsram::Button1Click()
{
    const bool oevning = laege() == Laege::Oevning;
    if (raettningErbjuds())
        rensaFellistan();
    if (!runda.startaRaettning()) {
        // Nothing left to correct: "&Fortsätta" is what remains.
        if (Slutpanel->isVisible())
            erbjudRaettning();
        return;
    }
    BildPanelen->hide();
    if (oevning)
        LovordPanel->hide();
    NyStartaAster(true);
    foerberedRaettning();
    Slutpanel->hide();
    BitBtn1->setEnabled(true);
    visaNaestaPost();
}

void Ovningsram::foerberedRaettning()
{
    rensa();
    fokusTillSvarsfaelt();
}

void Ovningsram::fokusTillSvarsfaelt()
{
    if (QLineEdit *f = aktivtSvarsfaelt()) {
        f->show();
        f->setEnabled(true);
        f->setFocus();
    }
}

void Ovningsram::rensa()
{
    if (!lampknapp)
        return;
    if (lampaUtanFunktion()) {
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
    if (runda.fortsaett()) {
        BildPanelen->hide();
        if (laege() == Laege::Oevning)
            LovordPanel->hide();
        if (diagnoslaege())
            UppDateraDiagnosResultatet();
        if (laege() == Laege::Oevning) {
            NyStartaAster(true);
        } else {
            NyStartaAster(false);
            TestOverSkrift();
        }
        if (!DiagPanel1->isHidden())
            Aster1->hide();
        visaNaestaPost();
    }
    efterFortsaett();
}

void Ovningsram::efterFortsaett()
{
    rensa();
    if (QLineEdit *f = aktivtSvarsfaelt()) {
        f->setEnabled(true);
        f->setFocus();
    }
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void Ovningsram::Button3Click()
{
    runda.avbryt();
    stang();
}

void Ovningsram::BitBtn1Click()
{
    if (!aerArbetsblad(laege())) {
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
    if (QLineEdit *f = aktivtSvarsfaelt()) {
        f->setEnabled(true);
        f->setFocus();
    }
    if (rundanPaagaar())
        Slutpanel->hide();
}

void Ovningsram::BitBtn2Click()
{
    if (diagnoslaege())
        runda.hjaelp();
    visaHjaelp(1);
    BitBtn2->hide();
    if (m_val.merHjaelp && AntalHjaelp == 2)
        BitBtn3->show();
    QLineEdit *f = aktivtSvarsfaelt();
    if (f && f->isVisible() && f->isEnabled())
        f->setFocus();
    if (harRegelsida()) {
        QPointer<Ovningsram> vakt(this);
        VisaRegelform(programtal());
        if (!vakt)
            return;
    }
    BitBtn2->show();
    BitBtn2->setEnabled(true);
}

void Ovningsram::BitBtn3Click()
{
    if (diagnosoevning())
        runda.hjaelp();
    visaHjaelp(2);
    BitBtn3->hide();
    QLineEdit *f = aktivtSvarsfaelt();
    if (f && f->isVisible() && f->isEnabled())
        f->setFocus();
}

// ---- answer fields -------------------------------------------------------------

void Ovningsram::laeggTillSvarsfaelt(QLineEdit *faelt)
{
    m_svarsfaelt.append(faelt);
    if (!m_senastAktiva)
        m_senastAktiva = faelt;
    connect(faelt, &QLineEdit::textChanged, this, [this, faelt] { svarsfaeltAendrat(faelt); });
    if (PopupMenu1) {
        faelt->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(faelt, &QWidget::customContextMenuRequested, this, [this, faelt](const QPoint &p) {
            m_senastAktiva = faelt;
            PopupMenu1->popup(faelt->mapToGlobal(p));
        });
    }
}

QLineEdit *Ovningsram::svarsfaeltMedFokus() const
{
    QWidget *f = focusWidget();
    for (QLineEdit *e : m_svarsfaelt)
        if (e == f)
            return e;
    return nullptr;
}

QLineEdit *Ovningsram::aktivtSvarsfaelt() const
{
    if (QLineEdit *f = svarsfaeltMedFokus())
        return f;
    return m_senastAktiva;
}

void Ovningsram::svarsfaeltAendrat(QLineEdit *faelt)
{
    m_senastAktiva = faelt;
    if (!LampShape || LampShape->isHidden())
        return;
    const Laege l = laege();
    if (l == Laege::Oevning || diagnosoevning())
        faergaLampa();
}

// The typing windows' lines (the question and a rule to write on), here
// because two windows take them as they stand: TSKRIV and TSKRIVHI, whose
// item is a question and its typed answer. The other frame windows that make
// worksheets have items of another form and give their own lines.
Arbetsbladsrader Ovningsram::arbetsbladsrader(bool)
{
    return SkrivRader(postdelar);
}

// ---- lamp and paste ------------------------------------------------------------

void Ovningsram::LampknappClick()
{
    if (!lampknapp)
        return;
    lampknapp->hide();
    LampaPaa = LampaPaa == 1 ? 0 : 1;
    if (LampaPaa == 1) {
        LampShape->show();
        if (oevningslaege())
            faergaLampa();
        if (diagnosoevning())
            runda.hjaelp();
    } else {
        LampShape->hide();
    }
    if (QLineEdit *f = aktivtSvarsfaelt())
        f->setFocus();
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
    const QLineEdit *f = aktivtSvarsfaelt();
    const QString text = f ? f->text() : QString();
    saettBakgrund(LampShape, GreenRedTest(text, vaentatSvar(f), postdelar) == 1 ? clLime : clRed);
}

void Ovningsram::Klistrain1Click(const QString &caption)
{
    if (caption.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(caption.right(1));
    if (auto *ruta = qobject_cast<QLineEdit *>(focusWidget()))
        ruta->paste();
    else if (QLineEdit *f = aktivtSvarsfaelt(); f && f->isEnabled())
        f->paste();
}

// ---- keys ------------------------------------------------------------------------

namespace {
bool aerKlistertangent(const QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~Qt::KeypadModifier;
    return e->key() == Qt::Key_S && (mod == Qt::ControlModifier || mod == Qt::AltModifier);
}
} // namespace

bool Ovningsram::tarTangent(QKeyEvent *e)
{
    return m_val.klistra && svarsfaeltMedFokus() && aerKlistertangent(e);
}

bool Ovningsram::keyDown(QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~Qt::KeypadModifier;
    QLineEdit *faelt = svarsfaeltMedFokus();
    if (faelt)
        m_senastAktiva = faelt;
    if (e->key() == Qt::Key_Space && mod == Qt::NoModifier && m_val.mellanslag) {
        if (runda.mellanslag()) {
            mellanslagUnderVaentan();
            return true;
        }
        // Outside a wait Space is only typed, never a click on the focused button.
        return !qobject_cast<QLineEdit *>(focusWidget());
    }
    if (m_val.klistra && faelt && aerKlistertangent(e)) {
        Klistrain1Click(QStringLiteral("ß"));
        return true;
    }
    if (faelt && mod == Qt::NoModifier && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        faelt->setEnabled(false);
        setFocus();
        svarInmatat(faelt);
        return true;
    }
    if (faelt && mod == Qt::NoModifier && e->key() == Qt::Key_Escape) {
        escISvarsfaelt(faelt);
        return true;
    }
    if (m_val.f2Ljud && e->key() == Qt::Key_F2 && mod == Qt::NoModifier) {
        if (ljudPaa() && ljudOevning())
            Ljudet();
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
    // A wait under the panel would show the next item over it at its end.
    utfoer(runda.avslutaVaentan());
    if (aerStangd())
        return;
    if (rundanPaagaar())
        Slutpanel->show();
    if (oevningslaege())
        erbjudRaettning();
    else
        Button1->setEnabled(false);
}

void Ovningsram::escTvaaSteg()
{
    Button1->setEnabled(raettningErbjuds());
    if (!Slutpanel->isHidden()) {
        Button3Click();
        return;
    }
    utfoer(runda.avslutaVaentan());
    if (aerStangd())
        return;
    Slutpanel->show();
    Slutpanel->raise();
    (Button1->isEnabled() ? Button1 : Button2)->setFocus();
}

bool Ovningsram::svarsfaeltVisas() const
{
    return std::any_of(m_svarsfaelt.begin(), m_svarsfaelt.end(),
                       [](const QLineEdit *f) { return f->isVisible(); });
}

void Ovningsram::escape()
{
    // Typing windows take Esc in their answer field; where none is shown
    // (outside the worksheet) the window takes it, so that the pupil can
    // always reach the panel and leave.
    if (!m_val.escBaraISvarsfaelt || (!svarsfaeltVisas() && !aerArbetsblad(laege())))
        visaSlutpanelVidEsc();
}
