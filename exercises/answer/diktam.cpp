#include "exercises/answer/diktam.h"

#include "core/datafiler.h"
#include "core/diktamen.h"
#include "core/ljud.h"
#include "core/oeversaettning.h"
#include "core/program.h"
#include "core/svarstest.h"
#include "platform/media.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/qttextmaetare.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval diktamval(const Oevningsstart &)
{
    Ramval v;
    v.ljudkatalog = true;
    v.slutTimerNamn = QStringLiteral("Timer4");   // Timer3 ends the flash
    v.beroemFramfoer = true;
    v.merHjaelp = false;
    v.escBaraISvarsfaelt = true;
    v.ljudtimerIntervall = 2;                     // the presentation delay
    return v;
}

const Typsnitt glosTypsnitt{QStringLiteral("Arial"), 14, true, 0};

} // namespace

TDiktam::TDiktam(const Oevningsstart &start, QWidget *parent) : Ovningsram(diktamval(start), parent)
{
    setObjectName(QStringLiteral("Diktam"));
    auto etikett = [this](const char *namn, const QColor &faerg) {
        QLabel *l = skapaTaetEtikett(this, QString::fromLatin1(namn));
        saettTextfaerg(l, faerg);
        return l;
    };
    FrageLabel1 = etikett("FrageLabel1", clNavy);
    FrageLabel2 = etikett("FrageLabel2", clNavy);
    BlinkLabel = etikett("BlinkLabel", clNavy);
    Label5 = etikett("Label5", clMaroon);
    Label6 = etikett("Label6", clRed);
    EngLabel = etikett("EngLabel", clBlue);
    EngLabel->setFont(typsnittTillFont(glosTypsnitt));

    auto knapp = [this](const char *namn, const char *text, void (TDiktam::*klick)()) {
        QPushButton *b = skapaKnapp(this, QString::fromLatin1(namn), QString::fromUtf8(text), QRect());
        connect(b, &QPushButton::clicked, this, [this, klick] { (this->*klick)(); });
        return b;
    };
    BaraHoraButton = knapp("BaraHoraButton", "Bara &höra ordet", &TDiktam::BaraHoraButtonClick);
    BaraseordetButton = knapp("BaraseordetButton", "Bara &se ordet", &TDiktam::BaraseordetButtonClick);
    SeochHoraButton = knapp("SeochHoraButton", "&Både se och höra ordet", &TDiktam::SeochHoraButtonClick);
    SeIntervalLabel = skapaEtikett(this, QStringLiteral("SeIntervalLabel"), QStringLiteral("Visningstid:"),
                                   QPoint(0, 0));
    SeTidPanel = skapaTaetEtikett(this, QStringLiteral("SeTidPanel"));
    SeTidPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    SeTidPanel->setAlignment(Qt::AlignCenter);
    SeTidPanel->setAutoFillBackground(true);
    saettBakgrund(SeTidPanel, clWhite);
    TidSpinButton = new Spinknapp(this, QStringLiteral("TidSpinButton"), QRect());
    TidSpinButton->OnUpClick = [this] { TidSpinButtonUpClick(); };
    TidSpinButton->OnDownClick = [this] { TidSpinButtonDownClick(); };

    Timer3 = new Timer(this, 0, true);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->OnTimer = [this] { Timer3Timer(); };

    HarLjud = start.program.ljudOevning && ljudPaa();
    UtanLjudutgaang = HarLjud && !mediaspelare().harLjudutgaang();
    skapa(start);
}

void TDiktam::efterSkapande()
{
    Visningstid = KortasteVisningstid;
    Edit1->setMaxLength(45);

    const QFont stor = arial(Punkter{22}, true);
    for (QWidget *w : {static_cast<QWidget *>(InstruktionsLabel), static_cast<QWidget *>(FrageLabel1),
                       static_cast<QWidget *>(FrageLabel2), static_cast<QWidget *>(Edit1),
                       static_cast<QWidget *>(BlinkLabel), static_cast<QWidget *>(Label5),
                       static_cast<QWidget *>(Label6)})
        w->setFont(stor);
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion);
    // The box is never narrower than this sample at the item font.
    saettEtikettText(Label5, QStringLiteral("Vistades på marken"));
    m_minstaBredd = Label5->width();
    Label5->clear();
    placera();

    // Without item sounds every word is flashed. A computer without sound
    // output cannot speak them either: the words are flashed long enough to
    // be read, and the pupil is told why and how to set the time.
    const bool hoers = kanHoeras();
    if (!hoers)
        G.val.DiktatLaege = DiktatSe;
    if (UtanLjudutgaang)
        Visningstid = LaesbarVisningstid;
    BaraHoraButton->setEnabled(hoers);
    SeochHoraButton->setEnabled(hoers);
    UpprepaButton->setVisible(HarLjud);
    UpprepaButton->setEnabled(false);
    TidSpinButton->setVisible(!hoers);
    SeTidPanel->setVisible(!hoers);
    SeIntervalLabel->setVisible(!hoers);
    if (!hoers)
        visaTid();
    if (UtanLjudutgaang)
        SaegIngenLjudutgaang();
    FrageLabel1->hide();
    FrageLabel2->hide();
    // "&Hjälp" would share Alt+H with "Bara &höra ordet".
    BitBtn2->setText(QStringLiteral("H&jälp"));
    BitBtn2->hide();

    laddaOrdlistor();
}

void TDiktam::placera()
{
    const auto [W, H, M] = rutnaet(G.skaerm.Marginal);

    // The word, the box and the right answer in the middle of the window,
    // the lamp left of the box.
    const int lampa = LampShape->width();
    const int x0 = M + lampa + M;
    const int hoejd = Edit1->fontMetrics().height() + 8;
    const int textTopp = InstruktionsLabel->y() + InstruktionsLabel->fontMetrics().height() + H;
    FrageLabel1->move(x0, textTopp);
    FrageLabel2->move(x0, textTopp + FrageLabel1->fontMetrics().height());
    const int blinkHoejd = BlinkLabel->fontMetrics().height();
    const int rutTopp = std::max(20 * H, textTopp + 2 * blinkHoejd + blinkHoejd / 2);
    Edit1->setGeometry(x0, rutTopp, m_minstaBredd, hoejd);
    LampShape->move(M, rutTopp + (hoejd - LampShape->height()) / 2);
    BlinkLabel->move(x0, rutTopp - (3 * blinkHoejd) / 2);
    Label5->move(x0, rutTopp + hoejd + Label5->fontMetrics().height() / 3);
    Label6->move(x0, Label5->y() + (4 * Label5->fontMetrics().height()) / 3);
    placeraGlosa();

    // Along the lower edge, above the end panel: the three ways of
    // presenting and the flash time; one row higher the lamp button, the
    // repeat button and the hint.
    const int knappHoejd = 3 * H;
    const int rad = Slutpanel->y() - M - knappHoejd;
    int x = M;
    for (QPushButton *b : {BaraHoraButton, BaraseordetButton, SeochHoraButton}) {
        const int bredd = b->fontMetrics().horizontalAdvance(b->text()) + 4 * M;
        b->setGeometry(x, rad, bredd, knappHoejd);
        x += bredd + M;
    }
    TidSpinButton->setGeometry(x, rad - knappHoejd / 2, 2 * W, knappHoejd);
    SeTidPanel->setGeometry(x, TidSpinButton->y() - knappHoejd, 3 * W, knappHoejd - M / 2);
    SeIntervalLabel->move(SeTidPanel->x() - SeIntervalLabel->width() - M / 2,
                          SeTidPanel->y() + (SeTidPanel->height() - SeIntervalLabel->height()) / 2);

    const int rad2 = rad - M - knappHoejd;
    lampknapp->setGeometry(M, rad2, knappHoejd, knappHoejd);
    UpprepaButton->setGeometry(lampknapp->x() + lampknapp->width() + M, rad2, 18 * W, knappHoejd);
    BitBtn2->setGeometry(UpprepaButton->x() + UpprepaButton->width() + M, rad2, 10 * W, knappHoejd);
}

void TDiktam::placeraGlosa()
{
    // Right of the box as wide as it is now; a long translation gets a
    // smaller font rather than run under the progress squares.
    const int vaenster = Edit1->x() + Edit1->width() + 4 * G.skaerm.Marginal;
    Typsnitt t = glosTypsnitt;
    t.punkter = PunkterSomRyms(EngLabel->text(), t, Aster1->x() - G.skaerm.Marginal - vaenster);
    EngLabel->setFont(typsnittTillFont(t));
    EngLabel->adjustSize();
    EngLabel->move(vaenster, Edit1->y() + (Edit1->height() - EngLabel->height()) / 2);
}

// ---- items -------------------------------------------------------------------

void TDiktam::NollaLabeller()
{
    Ovningsram::NollaLabeller();
    for (QLabel *l : {FrageLabel1, FrageLabel2, Label5, Label6})
        l->clear();
    Label5->hide();
    Label6->hide();
}

void TDiktam::NyPost()
{
    UpprepaButton->setEnabled(false);
    haemtaPost();

    AntalHjaelp = DiktatHjaelpAntal(postdelar);
    if (AntalHjaelp == 1 || AntalHjaelp == 2) {
        saettEtikettText(Label6, postdelar.faelt[3]);
        BitBtn2->show();
    }
    DiktatOrd = postdelar.faelt[1];
    saettEtikettText(Label5, DiktatOrd);
    Label5->hide();
    const int luft = Aster1->x() - Edit1->x() - G.skaerm.Marginal;
    Edit1->resize(std::max(m_minstaBredd, std::min(2 * Label5->width(), luft)), Edit1->height());

    Edit1->setEnabled(true);
    if (ForstaPosten == 0)
        Edit1->setFocus();
    if (G.val.DiktatLaege == DiktatSe || G.val.DiktatLaege == DiktatBaada) {
        if (G.val.DiktatLaege == DiktatBaada)
            Edit1->clear();
        blinka();
    }
    UpprepaButton->setEnabled(ljudPaa());
    visaGlosa();
    ForstaPosten = 0;
}

void TDiktam::visaGlosa()
{
    EngLabel->hide();
    if (G.val.Oeversaettning == 0 || !programdata().oeversaettning)
        return;
    const qsizetype i = G.ordlistor.ListBox1.indexOf(postdelar.faelt[1]);
    if (i < 0 || i >= G.ordlistor.ListBox2.size())
        return;
    EngLabel->setText(G.ordlistor.ListBox2.at(i));
    placeraGlosa();
    EngLabel->show();
}

// ---- presenting ----------------------------------------------------------------

void TDiktam::blinka()
{
    saettEtikettText(BlinkLabel, DiktatOrd);
    Edit1->setEnabled(false);
    BlinkLabel->show();
    Timer3->setInterval(Visningstid);
}

void TDiktam::presentera()
{
    if (G.val.DiktatLaege != DiktatSe)
        Ljudet();
    if (G.val.DiktatLaege == DiktatHoera)
        return;
    if (G.val.DiktatLaege == DiktatBaada)
        Edit1->clear();
    blinka();
}

bool TDiktam::vaentarSvar() const
{
    return runda.rundlaege() == Rundlaege::VaentarSvar && rundanPaagaar() && Slutpanel->isHidden();
}

void TDiktam::oeppnaSvarsrutan()
{
    // During the wait after an answer, or with the round over, the box stays
    // shut: an answer then would count twice for one item.
    Edit1->show();
    if (!vaentarSvar())
        return;
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TDiktam::Timer3Timer()
{
    BlinkLabel->hide();
    Timer3->setInterval(0);
    oeppnaSvarsrutan();
}

void TDiktam::UpprepaButtonClick()
{
    presentera();
    oeppnaSvarsrutan();
}

bool TDiktam::keyDown(QKeyEvent *e)
{
    // F2 repeats only the sound, so it does nothing while words are only seen.
    if (e->key() == Qt::Key_F2 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (HarLjud && G.val.DiktatLaege != DiktatSe)
            Ljudet();
        return true;
    }
    return Ovningsram::keyDown(e);
}

void TDiktam::valjLaege(int laege)
{
    G.val.DiktatLaege = Byte(laege);
    oeppnaSvarsrutan();
    const bool se = laege != DiktatHoera;
    TidSpinButton->setVisible(se);
    if (se)
        visaTid();
    else {
        SeTidPanel->hide();
        SeIntervalLabel->hide();
    }
}

void TDiktam::BaraHoraButtonClick() { valjLaege(DiktatHoera); }
void TDiktam::BaraseordetButtonClick() { valjLaege(DiktatSe); }
void TDiktam::SeochHoraButtonClick() { valjLaege(DiktatBaada); }

void TDiktam::visaTid()
{
    saettEtikettText(SeTidPanel, QString::number(VisningstidTiondelar(Visningstid)));
    SeTidPanel->resize(3 * rutnaet().W, TidSpinButton->height() - G.skaerm.Marginal / 2);
    SeTidPanel->show();
    SeIntervalLabel->show();
}

void TDiktam::TidSpinButtonUpClick()
{
    Visningstid = StegaVisningstid(Visningstid, true);
    visaTid();
}

void TDiktam::TidSpinButtonDownClick()
{
    Visningstid = StegaVisningstid(Visningstid, false);
    visaTid();
}

// ---- answers -----------------------------------------------------------------

QString TDiktam::vaentatSvar(const QLineEdit *) const { return Label5->text(); }

void TDiktam::svarInmatat(QLineEdit *)
{
    DiktatOrd = postdelar.faelt[1];
    const bool raett = svarstest(DiktatOrd, Edit1->text(), 3, postdelar) == SvarRaett;
    svarsboekfoering(raett);
    if (!raett)
        Label5->show();
    efterSvar();
}

void TDiktam::escISvarsfaelt(QLineEdit *)
{
    lampknapp->setEnabled(false);
    visaSlutpanelVidEsc();
}

void TDiktam::BitBtn2Click()
{
    Label6->show();
    BitBtn2->hide();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- frame hooks ---------------------------------------------------------------

void TDiktam::vidRundansSlut()
{
    Ovningsram::vidRundansSlut();
    UpprepaButton->setEnabled(false);
}

void TDiktam::foerberedRaettning()
{
    Ovningsram::foerberedRaettning();
    UpprepaButton->setEnabled(ljudPaa());
    BitBtn2->setEnabled(true);
}

void TDiktam::efterFortsaett()
{
    Ovningsram::efterFortsaett();
    UpprepaButton->setEnabled(ljudPaa());
}

void TDiktam::efterInstaellningar()
{
    UpprepaButton->setEnabled(HarLjud);
    for (QPushButton *b : {BaraHoraButton, SeochHoraButton})
        b->setEnabled(kanHoeras());
    if (!lampknapp->isHidden())
        lampknapp->setEnabled(true);
    else
        LampShape->setEnabled(true);
    Slutpanel->setVisible(!rundanPaagaar());
    oeppnaSvarsrutan();
    laddaOrdlistor();
    visaGlosa();
}

int VisaDiktam() { return visaOevning<TDiktam>(); }
