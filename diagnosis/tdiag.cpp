#include "diagnosis/tdiag.h"

#include "core/diagnosfil.h"
#include "core/diagnosprotokoll.h"
#include "core/svarstest.h"
#include "core/svenskordning.h"
#include "core/tillstaand.h"
#include "diagnosis/tdiaprot.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/skalning.h"
#include "platform/ui/typsnitt.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>

using namespace plattform;

namespace {
// Scaled to the screen and put back in its middle.
void skaleraCentrerat(QWidget *w)
{
    if (G.skaerm.Skalprocent == 100 || G.skaerm.Skalprocent == 0)
        return;
    skalaFoenster(w, G.skaerm.Skalprocent);
    // A scaled font is not always scaled by exactly the percentage: each
    // label takes the width its text needs, so no text loses its end.
    for (QLabel *l : w->findChildren<QLabel *>())
        l->adjustSize();
    const QSize s = skaermstorlek();
    w->move((s.width() - w->width()) / 2, (s.height() - w->height()) / 2);
}

// The main window's pictures start right below its title band. A centred
// window whose top falls a few pixels below that band leaves thin strips of
// the pictures showing above it; it moves up to meet the band instead.
void moetTitelbandet(QWidget *w)
{
    for (QWidget *huvud : QApplication::topLevelWidgets()) {
        if (huvud == w || huvud->objectName() != QLatin1String("Form1") || !huvud->isVisible())
            continue;
        const QWidget *band = huvud->findChild<QWidget *>(QStringLiteral("Panel9"), Qt::FindDirectChildrenOnly);
        if (!band || !band->isVisible())
            continue;
        const int nederkant = huvud->y() + band->geometry().bottom() + 1;
        if (w->y() > nederkant)
            w->move(w->x(), nederkant);
    }
}

constexpr int Bredd = 560;
constexpr int Hoejd = 440;
constexpr int Regelhoejd = 400;

class Validator1252 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &text, int &) const override
    {
        return kanLagras1252(text) ? Acceptable : Invalid;
    }
};

const char *const Regeltexter[] = {
    "Ta bort diagnoser",
    "1. Så här tar du bort din egen diagnos:",
    "- När du ser namnlistan markerar du ditt namn. Klicka försiktigt eller använd nedåtpilen.",
    "- Tryck sedan på bokstaven R som i Radera.",
    "- Skriv ditt lösenord.",
    "- Du får då för säkerhets skull en fråga om du verkligen vill ta bort din diagnos.",
    "- Gör du detta försvinner diagnosen från listan och kan inte återskapas.",
    "2. Om du är administratör för programmet gör du så här:",
    "- Klicka på Ny användare.",
    "- Skriv Lärare i rutan.",
    nullptr,   // the initial password
    "- Du kan då välja mellan följande alternativ:",
    "a) Ta bort alla diagnoser. Du får en fråga först. Filen där diagnoserna ligger, SDIAG.DIA,",
    "     raderas men sparas i en fil SV0212010823.DIS i samma katalog (SV+år+mån+dag+tim+min.DIS).",
    "     En ny DIA-fil skapas automatiskt när första diagnosen görs.",
    "b) Ta bort enstaka med angivande av lösenordet. Fungerar som under 1.",
    "c) Ta bort enstaka utan att behöva ange lösenordet. Fungerar som under 1 utan lösenord.",
    "3. Om du som administratör vill ändra lösenordet gör du så här:",
    "- När knappen Info är markerad trycker du på bokstaven Ä och ändrar ditt lösenord.",
};

QLabel *etikett(QWidget *foeraelder, const char *namn, const QString &text, QPoint plats, int punkter,
                bool fet = true)
{
    QLabel *l = skapaEtikett(foeraelder, QString::fromLatin1(namn), QString(), plats);
    l->setFont(arial(Punkter{punkter}, fet));
    saettTextfaerg(l, clNavy);
    saettEtikettText(l, text);
    return l;
}

QPushButton *knapp(QWidget *foeraelder, const char *namn, const QString &text, const QRect &ram)
{
    QPushButton *b = skapaKnapp(foeraelder, QString::fromLatin1(namn), text, ram);
    b->setFont(arial(Punkter{10}, true));
    return b;
}
} // namespace

void bara1252(QLineEdit *faelt) { faelt->setValidator(new Validator1252(faelt)); }

// ---- TDiag -----------------------------------------------------------------

TDiag::TDiag(QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, QStringLiteral("Diag"), QSize(Bredd, Hoejd));
    saettBakgrund(this, clAqua);
    setAutoFillBackground(true);

    Rubrik = etikett(this, "Rubrik", QStringLiteral("Diagnos"), QPoint(24, 12), 20);
    ListOverskriftLabel = etikett(this, "ListOverskriftLabel", QStringLiteral("Välj ditt namn och tryck Enter."),
                                  QPoint(24, 60), 12);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(24, 90, 300, 280);
    ListBox1->setFont(arial(Punkter{12}, true));
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });

    SkrivDittNamnLabel = etikett(this, "SkrivDittNamnLabel", QStringLiteral("Skriv ditt namn och tryck Enter:"),
                                 QPoint(24, 60), 12);
    Edit1 = skapaRuta(this, QStringLiteral("Edit1"), QRect(24, 90, 300, 30));
    Edit1->setFont(arial(Punkter{12}, true));
    Edit1->setMaxLength(20);
    bara1252(Edit1);

    SkrivLosenLabel = etikett(this, "SkrivLosenLabel", QStringLiteral("Skriv ditt lösenord och tryck Enter:"),
                              QPoint(24, 60), 12);
    MaskEdit1 = losenordsruta(this, QStringLiteral("MaskEdit1"), QRect(24, 90, 300, 30), 10);
    MaskEdit1->setFont(arial(Punkter{12}, true));
    bara1252(MaskEdit1);
    FelLosenLabel = etikett(this, "FelLosenLabel", QString(), QPoint(24, 60), 12);
    saettTextfaerg(FelLosenLabel, clRed);

    NyAnvandareButton = knapp(this, "NyAnvandareButton", QStringLiteral("&Ny användare"),
                              QRect(Bredd - 200, 90, 170, 34));
    connect(NyAnvandareButton, &QPushButton::clicked, this, &TDiag::NyAnvandareButtonClick);
    AvbrytButton = knapp(this, "AvbrytButton", QStringLiteral("&Avbryt"), QRect(Bredd - 200, 140, 170, 34));
    connect(AvbrytButton, &QPushButton::clicked, this, &TDiag::AvbrytButtonClick);

    Panel3 = skapaPanel(this, QStringLiteral("Panel3"), QRect(Bredd - 220, 190, 210, 230));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    saettBakgrund(Panel3, clSilver);
    LararLabel = etikett(Panel3, "LararLabel", QStringLiteral("Välj ett alternativ"), QPoint(10, 8), 11);
    Button1 = knapp(Panel3, "Button1", QStringLiteral("Ta bort alla diagnoser"), QRect(10, 40, 190, 34));
    Button2 = knapp(Panel3, "Button2", QStringLiteral("Info"), QRect(10, 82, 190, 34));
    Button3 = knapp(Panel3, "Button3", QStringLiteral("Ta bort enstaka med lösen"), QRect(10, 124, 190, 34));
    Button4 = knapp(Panel3, "Button4", QStringLiteral("Ta bort enstaka utan lösen"), QRect(10, 166, 190, 34));
    connect(Button1, &QPushButton::clicked, this, &TDiag::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDiag::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDiag::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDiag::Button4Click);

    Regelpanel = skapaPanel(this, QStringLiteral("Regelpanel"), QRect(0, 0, Bredd, Regelhoejd));
    saettBakgrund(Regelpanel, clYellow);
    auto *inre = skapaPanel(Regelpanel, QStringLiteral("Regeltext"), QRect(10, 10, Bredd - 20, Regelhoejd - 60));
    inre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    int y = 4;
    for (const char *rad : Regeltexter) {
        const QString text = rad ? QString::fromUtf8(rad)
                                 : QStringLiteral("- Skriv lösenordet, som till en början är ") + InitialtLaerarLoesen
                                       + QLatin1Char('.');
        QLabel *l = skapaEtikett(inre, QStringLiteral("Regel%1").arg(y), QString(), QPoint(6, y));
        l->setFont(arial(Punkter{8}, rad == Regeltexter[0]));
        saettEtikettText(l, text);
        y += 17;
    }
    Button5 = knapp(Regelpanel, "Button5", QStringLiteral("Stäng"), QRect(Bredd / 2 - 50, 0, 100, 34));
    Button5->move(Button5->x(), Regelhoejd - Button5->height() - 5);
    connect(Button5, &QPushButton::clicked, this, &TDiag::Button5Click);

    skaleraCentrerat(this);
    moetTitelbandet(this);
    saettKeyPreview(true);
    FormCreate();
}

void TDiag::FormCreate()
{
    m_raderingstyp = 0;
    Regelpanel->hide();
    Panel3->hide();
    m_laerarkontroll = true;
    m_laerare = false;
    m_felLoesen = 0;
    G.diagnos.Raderingslaege = 0;
    NyAnvandareButton->setEnabled(true);
    SkrivLosenLabel->hide();
    FelLosenLabel->hide();
    MaskEdit1->hide();
    VisaListbox();
}

void TDiag::VisaListbox()
{
    QStringList namn;
    ListBox1->clear();
    if (DiagnosNamnlista(namn)) {
        sorteraSvenskt(namn);
        ListBox1->addItems(namn);
        ListBox1->setCurrentRow(-1);
        ListBox1->show();
        ListOverskriftLabel->show();
        SkrivDittNamnLabel->hide();
        Edit1->hide();
        MaskEdit1->setEnabled(false);
        ListBox1->setFocus();
    } else {
        ListBox1->hide();
        ListOverskriftLabel->hide();
        SkrivDittNamnLabel->show();
        Edit1->clear();
        Edit1->setEnabled(true);
        Edit1->show();
        Edit1->setFocus();
        NyAnvandareButton->setEnabled(false);
    }
}

bool TDiag::keyPress(QChar tecken)
{
    QWidget *f = focusWidget();
    if (f == Edit1 && tecken == QLatin1Char('\r')) {
        Edit1KeyPress(tecken);
        return true;
    }
    if (f == MaskEdit1 && tecken == QLatin1Char('\r')) {
        MaskEdit1KeyPress(tecken);
        return true;
    }
    if (f == ListBox1 && (tecken == QLatin1Char('\r') || tecken.toUpper() == QLatin1Char('R'))) {
        ListBox1KeyPress(tecken);
        return true;
    }
    if (f == Button2 && tecken.toUpper() == QChar(0xC4)) {
        Button2KeyPress(tecken);
        return true;
    }
    return false;
}

void TDiag::escape() { AvbrytButtonClick(); }

QString TDiag::valtNamnText() const
{
    const QListWidgetItem *p = ListBox1->currentItem();
    return p && p->isSelected() ? p->text() : QString();
}

void TDiag::NyAnvandareButtonClick()
{
    NyAnvandareButton->setEnabled(false);
    ListBox1->hide();
    ListOverskriftLabel->hide();
    SkrivDittNamnLabel->show();
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
}

void TDiag::protokoll()
{
    Visadiaprot();
    stang();
}

void TDiag::Edit1KeyPress(QChar tecken)
{
    if (tecken != QLatin1Char('\r'))
        return;
    const QString text = Edit1->text();
    if (DiagnosNamnFinns(text)) {
        saettEtikettText(SkrivDittNamnLabel, QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
    } else if (SvVersaler(text) == QStringLiteral("LÄRARE")) {
        m_laerare = true;
        Edit1->hide();
        ListBox1->hide();
        ListOverskriftLabel->hide();
        SkrivDittNamnLabel->hide();
        SkrivLosenLabel->show();
        MaskEdit1->clear();
        MaskEdit1->setEnabled(true);
        MaskEdit1->show();
        MaskEdit1->setFocus();
    } else if (text.isEmpty()) {
        saettEtikettText(SkrivDittNamnLabel, QStringLiteral("Skriv ett riktigt namn!"));
    } else {
        m_laerare = false;
        ListBox1->hide();
        ListOverskriftLabel->hide();
        NyDiagnospost();
        G.diagnos.Diagnostabell.namn = text;
        Visadiaprot();
        G.diagnos.Diagnostabell.loesen.clear();
        stang();
    }
}

void TDiag::loesenordsinmatning()
{
    ListBox1->hide();
    ListOverskriftLabel->hide();
    FelLosenLabel->hide();
    SkrivLosenLabel->show();
    MaskEdit1->clear();
    MaskEdit1->show();
    MaskEdit1->setEnabled(true);
    MaskEdit1->setFocus();
}

void TDiag::valtNamn(bool dubbelklick)
{
    const QString namn = valtNamnText();
    if (namn.isEmpty())
        return;
    if (dubbelklick)
        NyAnvandareButton->hide();
    else
        NyAnvandareButton->setEnabled(false);
    if (!HaemtaDiagnospost(namn).isEmpty())
        loesenordsinmatning();
    else
        protokoll();
}

void TDiag::ListBox1KeyPress(QChar tecken)
{
    if (tecken == QLatin1Char('\r')) {
        valtNamn(false);
        return;
    }
    if (tecken.toUpper() != QLatin1Char('R'))
        return;
    // Without a selected name there is nothing to delete: the record still
    // current from before must not be offered.
    const QString namn = valtNamnText();
    if (namn.isEmpty())
        return;
    G.diagnos.Raderingslaege = 1;
    NyAnvandareButton->hide();
    HaemtaDiagnospost(namn);
    if (m_raderingstyp == 3) {
        SparaRaderaProt(G.diagnos.Diagnostabell.namn);
        G.diagnos.Raderingslaege = 0;
        VisaListbox();
        ListBox1->setEnabled(true);
    } else {
        // Even a pupil without a password confirms, with an empty Enter.
        loesenordsinmatning();
    }
}

void TDiag::ListBox1DblClick() { valtNamn(true); }

void TDiag::misslyckat()
{
    MaskEdit1->clear();
    ++m_felLoesen;
    if (m_felLoesen < 3) {
        saettEtikettText(FelLosenLabel, QStringLiteral("Felaktigt lösen. Försök igen!"));
        SkrivLosenLabel->hide();
        FelLosenLabel->show();
    } else {
        saettLaege(Laege::Oevning);
        stang();
    }
}

void TDiag::MaskEdit1KeyPress(QChar tecken)
{
    if (tecken != QLatin1Char('\r'))
        return;
    const QString skrivet = MaskEdit1->text();
    if (m_laerare && m_laerarkontroll) {
        if (!LaerarLoesenGodkaent(skrivet)) {
            misslyckat();
            return;
        }
        Panel3->show();
        Button2->setFocus();
        ListBox1->show();
        ListBox1->setEnabled(false);
        Edit1->hide();
        SkrivDittNamnLabel->hide();
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        ListOverskriftLabel->hide();
        MaskEdit1->hide();
        m_laerarkontroll = false;
    } else if (G.diagnos.Raderingslaege == 1) {
        if (skrivet != G.diagnos.Diagnostabell.loesen.str()) {
            saettEtikettText(FelLosenLabel, QStringLiteral("Felaktigt lösen. Försök igen!"));
            SkrivLosenLabel->hide();
            FelLosenLabel->show();
            visaMeddelande(QStringLiteral("Felaktigt lösen."));
            return;
        }
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        MaskEdit1->hide();
        NyAnvandareButton->setEnabled(false);
        if (SparaRaderaProt(G.diagnos.Diagnostabell.namn)) {
            delete ListBox1->takeItem(ListBox1->currentRow());
            G.diagnos.Raderingslaege = 0;
        }
        ListBox1->setCurrentRow(-1);
        ListBox1->show();
        ListBox1->setEnabled(true);
        ListBox1->setFocus();
        NyAnvandareButton->show();
        NyAnvandareButton->setEnabled(true);
    } else if (!m_laerare) {
        if (skrivet != G.diagnos.Diagnostabell.loesen.str()) {
            misslyckat();
            return;
        }
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        MaskEdit1->hide();
        protokoll();
    }
}

void TDiag::AvbrytButtonClick()
{
    saettLaege(Laege::Oevning);
    stang();
}

void TDiag::Button1Click()
{
    // The whole class's results go at one click: the teacher is asked first
    // (Nej is the default answer) and told afterwards where they were kept.
    if (!fraagaJaNej(QStringLiteral("Vill du verkligen ta bort alla diagnoser? De sparas först i en arkivfil.")))
        return;
    // An archive of the same name (twice in one minute) is refused and said;
    // the teacher stays in the window.
    const QString staempel = TidsstampelText(true);
    if (!SparaUndanDiagnosfil(staempel))
        return;
    // The archive's path as the teacher finds it on this system.
    visaInformation(QStringLiteral("Alla diagnoser är borttagna. De är sparade i filen ")
                    + diagnosSoekvaeg(QStringLiteral("SV") + staempel + QStringLiteral(".DIS"))
                    + QLatin1Char('.'));
    saettLaege(Laege::Oevning);
    stang();
}

void TDiag::Button2Click()
{
    Regelpanel->raise();
    Regelpanel->show();
    Button5->setFocus();
}

void TDiag::Button3Click()
{
    m_raderingstyp = 2;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button4Click()
{
    m_raderingstyp = 3;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button5Click()
{
    Regelpanel->hide();
    Button2->setFocus();
}

void TDiag::Button2KeyPress(QChar tecken)
{
    if (tecken.toUpper() != QChar(0xC4))
        return;
    if (G.diagnos.LaerarLoesen.isEmpty())
        LararLosenFil(1);
    QString nytt;
    if (!nyttLoesen(G.diagnos.LaerarLoesen, nytt))
        return;
    G.diagnos.Diagnostabell.loesen = nytt;
    LararLosenFil(2);
}

void VisaDiag()
{
    if (G.diagnos.DiagnosStaengd != 0)
        return;
    visaModalt<TDiag>();
    saettLaege(Laege::Oevning);
}

// ---- TNLOS -----------------------------------------------------------------

TNLOS::TNLOS(const QString &gammalt, QWidget *parent) : Foenster(parent), m_gammalt(gammalt)
{
    foerberedDialog(this, QStringLiteral("NLOS"), QSize(440, 160));
    Label1 = etikett(this, "Label1", QStringLiteral("Skriv in ditt nya lösenord och tryck Enter."), QPoint(15, 14),
                     11);
    Label2 = etikett(this, "Label2", QStringLiteral("Försök igen."), QPoint(15, 40), 11);
    saettTextfaerg(Label2, clRed);
    Label2->hide();
    maskedit1 = losenordsruta(this, QStringLiteral("maskedit1"), QRect(15, 70, 260, 30));
    maskedit1->setFont(arial(Punkter{12}, true));
    bara1252(maskedit1);
    connect(maskedit1, &QLineEdit::textChanged, this, &TNLOS::maskedit1Change);
    BitBtn1 = knapp(this, "BitBtn1", QStringLiteral("&Avbryt"), QRect(300, 68, 110, 34));
    connect(BitBtn1, &QPushButton::clicked, this, &TNLOS::BitBtn1Click);
    skaleraCentrerat(this);
    saettKeyPreview(true);
    maskedit1->setFocus();
    m_foersta.clear();
}

bool TNLOS::keyPress(QChar tecken)
{
    if (focusWidget() == maskedit1 && tecken == QLatin1Char('\r')) {
        maskedit1KeyPress(tecken);
        return true;
    }
    return false;
}

void TNLOS::meddelande(const QString &text, int vaenster)
{
    saettEtikettText(Label1, text);
    Label1->move(vaenster, Label1->y());
}

void TNLOS::maskedit1KeyPress(QChar tecken)
{
    if (tecken != QLatin1Char('\r'))
        return;
    const QString t = maskedit1->text();
    if (t == m_gammalt) {
        maskedit1->clear();
        meddelande(QStringLiteral("Du angav nyss ditt gamla lösen."));
        Label2->show();
        m_meddelandelaege = 2;
    } else if (t != m_foersta) {
        Label2->hide();
        if (t.isEmpty()) {
            meddelande(QStringLiteral("Ett riktigt lösenord tack!"));
            m_meddelandelaege = 2;
        } else if (!m_foersta.isEmpty()) {
            meddelande(QStringLiteral("Du angav inte samma lösenord."));
            Label2->show();
            maskedit1->clear();
            m_meddelandelaege = 2;
        } else {
            m_foersta = t;
            meddelande(QStringLiteral("Skriv in det nya lösenordet igen och tryck Enter."));
            Label2->hide();
            maskedit1->clear();
        }
    } else if (!t.isEmpty()) {
        m_nytt = t.left(10);
        m_bekraeftat = true;
        stang();
    } else {
        meddelande(QStringLiteral("Ett riktigt lösenord tack!"));
        m_meddelandelaege = 2;
    }
}

void TNLOS::maskedit1Change()
{
    if (m_meddelandelaege != 2)
        return;
    m_meddelandelaege = 1;
    meddelande(QStringLiteral("Fortsätt skriv in ditt nya lösen och tryck Enter."), 16);
    Label2->hide();
}

void TNLOS::BitBtn1Click() { stang(); }

bool nyttLoesen(const QString &gammalt, QString &nytt)
{
    TNLOS d(gammalt, QApplication::activeWindow());
    d.exec();
    if (!d.bekraeftat())
        return false;
    nytt = d.nytt();
    return true;
}
