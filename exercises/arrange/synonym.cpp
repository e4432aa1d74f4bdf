#include "exercises/arrange/synonym.h"

#include "core/datafiler.h"
#include "core/rekord.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"
#include "records/rekord.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace plattform;

namespace {


// A box: a caption over its value.
QFrame *ruta(QWidget *foeraelder, const char *namn, const QString &rubrik, QLabel *&vaerde)
{
    QFrame *f = skapaPanel(foeraelder, QString::fromLatin1(namn), QRect());
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f->setAutoFillBackground(true);
    saettBakgrund(f, clYellow);
    auto *rubrikEtikett = new QLabel(rubrik, f);
    rubrikEtikett->setObjectName(QString::fromLatin1(namn) + QStringLiteral("Rubrik"));
    rubrikEtikett->setAlignment(Qt::AlignCenter);
    rubrikEtikett->setFont(arial(Punkter{12}, true));
    vaerde = new QLabel(f);
    vaerde->setAlignment(Qt::AlignCenter);
    vaerde->setFont(arial(Punkter{18}, true));
    saettTextfaerg(vaerde, clNavy);
    return f;
}

void placeraRuta(QFrame *f, const QRect &ram)
{
    f->setGeometry(ram);
    const QList<QLabel *> l = f->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    l.at(0)->setGeometry(0, 0, ram.width(), ram.height() / 2);
    l.at(1)->setGeometry(0, ram.height() / 2, ram.width(), ram.height() / 2);
}

bool aerEnter(const QKeyEvent *e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

bool baraAlt(const QKeyEvent *e)
{
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

} // namespace

TSynon::TSynon(const Oevningsstart &start, QWidget *parent)
    : Foenster(parent), Rubrik(this), Bild(this), Escape(this, QStringLiteral("EscapePanelen"))
{
    const QSize s = skaermstorlek();
    foerberedDialog(this, QStringLiteral("Synon"), s);
    saettBakgrund(this, clBtnFace);
    setAutoFillBackground(true);

    Instruktionslabel = skapaTaetEtikett(this, QStringLiteral("Instruktionslabel"));
    Instruktionslabel->setFont(arial(Punkter{14}, true));
    saettTextfaerg(Instruktionslabel, clGreen);
    Instruktionslabel->show();
    FrageLabel = skapaTaetEtikett(this, QStringLiteral("FrageLabel"));
    FrageLabel->setFont(arial(Punkter{28}, true));
    saettTextfaerg(FrageLabel, clNavy);
    FrageLabel->show();
    Edit1 = skapaRuta(this, QStringLiteral("Edit1"), QRect());
    Edit1->setFont(arial(Punkter{20}));
    Edit1->setMaxLength(40);

    KvarPanel2 = ruta(this, "KvarPanel2", QStringLiteral("Återstår"), KvarLabel);
    UppgiftPanel2 = ruta(this, "UppgiftPanel2", QStringLiteral("Uppgift"), UppgiftLabel);
    PoengPanel2 = ruta(this, "PoengPanel2", QStringLiteral("Poäng"), PoengLabel);

    SeListanPanel2 = skapaPanel(this, QStringLiteral("SeListanPanel2"), QRect());
    SeListanPanel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SeListanPanel2->setAutoFillBackground(true);
    saettBakgrund(SeListanPanel2, clAqua);
    SeListanLabel1 = new Klickpanel(SeListanPanel2, QStringLiteral("SeListanLabel1"), QString(), QRect());
    SeListanLabel2 = new Klickpanel(SeListanPanel2, QStringLiteral("SeListanLabel2"), QString(), QRect());
    for (Klickpanel *k : {SeListanLabel1, SeListanLabel2}) {
        k->setFont(arial(Punkter{12}, true));
        k->OnClick = [this] { VisaListan(); };
    }

    ListPanel2 = skapaPanel(this, QStringLiteral("ListPanel2"), QRect());
    ListPanel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ListPanel2->setAutoFillBackground(true);
    saettBakgrund(ListPanel2, clSilver);
    ListLabel = new QLabel(QStringLiteral("Återstående "), ListPanel2);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    ListLabel->setFont(arial(Punkter{12}, true));
    ListBox1 = new QListWidget(ListPanel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arial(Punkter{14}));

    EscapePanelen = Escape.panel;
    FortsattaButton = Escape.knapp(QStringLiteral("FortsattaButton"), QStringLiteral("&Fortsätta"),
                                   [this] { FortsattaButtonClick(); });
    SparaButton = Escape.knapp(QStringLiteral("SparaButton"), QStringLiteral("&Resultattabell"),
                               [this] { SparaButtonClick(); });
    AvslutaButton = Escape.knapp(QStringLiteral("AvslutaButton"), QStringLiteral("&Avbryta"),
                                 [this] { AvslutaButtonClick(); });

    NamnPanelen = skapaPanel(this, QStringLiteral("NamnPanelen"), QRect());
    NamnPanelen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    NamnPanelen->setAutoFillBackground(true);
    saettBakgrund(NamnPanelen, clBlue);
    namnruta = skapaPanel(NamnPanelen, QStringLiteral("namnruta"), QRect());
    namnruta->setAutoFillBackground(true);
    saettBakgrund(namnruta, clYellow);
    for (const char *t : {"Skriv ditt namn.", "Tryck sedan Enter."}) {
        auto *l = new QLabel(QString::fromUtf8(t), namnruta);
        l->setFont(arial(Punkter{14}, true));
        l->setAlignment(Qt::AlignCenter);
    }
    Edit2 = skapaRuta(namnruta, QStringLiteral("Edit2"), QRect());
    Edit2->setFont(arial(Punkter{16}));
    Edit2->setMaxLength(40);

    Button1 = skapaKnapp(this, QStringLiteral("Button1"), QString(), QRect());
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ingaStandardknappar(this);

    placera();
    G.runda.RaettaFel = 0;
    SparaButton->setEnabled(false);
    NamnPanelen->hide();
    Rubrik.rita(G.oevning.Rubrikrader[1].str(), QString(), QString());
    Rubrik.saettLaegesfaerg(static_cast<int>(start.laege));
    saettEtikettText(Instruktionslabel, G.oevning.Instruktion.str());
    placeraInstruktionen();
    EscapePanelen->hide();
    Bild.BildPanelen->hide();
    ListPanel2->hide();
    VisaListanRutan(QStringLiteral("&Visa återstående ord"), QStringLiteral("F3"));
    runda.starta();
    spel.nyRunda();
    UppGraderaPoengRutan(spel.S);
    G.spelare.RekordFilNamn = rekordfilFoer(start.datfil);
    Nypost();
}

void TSynon::placera()
{
    const QSize s = skaermstorlek();
    const int W = s.width() / 32, H = s.height() / 48, M = G.skaerm.Marginal;
    Rubrik.placera(QRect(M, M / 2, 17 * W, 7 * H), M);
    placeraRuta(KvarPanel2, QRect(18 * W, M / 2, 4 * W, 7 * H));
    placeraRuta(UppgiftPanel2, QRect(22 * W + M / 2, M / 2, 4 * W, 7 * H));
    placeraRuta(PoengPanel2, QRect(26 * W + M, M / 2, 5 * W, 7 * H));
    Instruktionslabel->move(M, 9 * H);
    FrageLabel->move(2 * W, 14 * H);
    Edit1->setGeometry(2 * W, 22 * H, 13 * W, 4 * H);
    SeListanPanel2->setGeometry(2 * W, 29 * H, 10 * W, 6 * H);
    SeListanLabel1->setGeometry(0, H / 2, 10 * W, 5 * H / 2);
    SeListanLabel2->setGeometry(0, 3 * H, 10 * W, 5 * H / 2);
    ListPanel2->setGeometry(18 * W, 9 * H, 13 * W, 31 * H);
    ListLabel->setGeometry(M, M / 2, 12 * W, 3 * H);
    ListBox1->setGeometry(M, 4 * H, 13 * W - 2 * M, 27 * H - M);
    Escape.placera(QRect(M, s.height() - M / 5 - 5 * H, s.width() - 2 * M, 5 * H), H, M);
    NamnPanelen->setGeometry(9 * W, 16 * H, 14 * W, 14 * H);
    namnruta->setGeometry(M, M, 14 * W - 2 * M, 14 * H - 2 * M);
    const QList<QLabel *> rader = namnruta->findChildren<QLabel *>();
    rader.at(0)->setGeometry(0, H, namnruta->width(), 3 * H);
    rader.at(1)->setGeometry(0, 4 * H, namnruta->width(), 3 * H);
    Edit2->setGeometry(M, 8 * H, namnruta->width() - 2 * M, 3 * H);
    Bild.placera(QRect(M, 9 * H, s.width() - 2 * M, s.height() - 15 * H), QSize(s.width() - 2 * M, s.height() - 15 * H));
}

// The instruction runs across the window (on two lines when one is not
// enough); the list of remaining words stands below it, down to where it
// always ends.
void TSynon::placeraInstruktionen()
{
    const QSize s = skaermstorlek();
    const int W = s.width() / 32, H = s.height() / 48, M = G.skaerm.Marginal;
    const int bredd = s.width() - 2 * M;
    if (Instruktionslabel->fontMetrics().horizontalAdvance(Instruktionslabel->text()) > bredd) {
        Instruktionslabel->setWordWrap(true);
        Instruktionslabel->resize(bredd, Instruktionslabel->heightForWidth(bredd));
    }
    const int topp = std::max(9 * H, Instruktionslabel->geometry().bottom() + 1 + H);
    const int hoejd = std::max(8 * H, 40 * H - topp);
    ListPanel2->setGeometry(18 * W, topp, 13 * W, hoejd);
    ListBox1->setGeometry(M, 4 * H, 13 * W - 2 * M, hoejd - 4 * H - M);
}

void TSynon::VisaListanRutan(const QString &caption, const QString &tangent)
{
    SeListanLabel1->saettCaption(caption);
    SeListanLabel2->saettCaption(tangent);
}

void TSynon::UppGraderaKvarRutan(int n) { KvarLabel->setText(QString::number(n)); }
void TSynon::UppGraderaUppgiftRutan(int n) { UppgiftLabel->setText(QString::number(n) + QStringLiteral(" av 6")); }
void TSynon::UppGraderaPoengRutan(int s) { PoengLabel->setText(QString::number(s)); }

void TSynon::Nypost()
{
    const std::optional<Postdelar> post = naestaPost(runda.datafil());
    if (!post) {
        stang();
        return;
    }
    spel.nyttOrd(post->rad);
    ListBox1->clear();
    ListBox1->addItems(spel.kvar);
    UppGraderaUppgiftRutan(runda.uppgiftsnummer());
    UppGraderaKvarRutan(spel.N);
    G.runda.Tidraeknare = 0;
    saettEtikettText(FrageLabel, spel.ord);
    Edit1->clear();
    Edit1->setEnabled(true);
    if (!foersta)
        Edit1->setFocus();
    foersta = false;
}

void TSynon::Edit1Enter()
{
    if (!Edit1->isEnabled() || !runda.paagaar())
        return;
    Edit1->setEnabled(false);
    const QString text = Edit1->text();
    const Synonymspel::Utfall u = spel.svara(text);
    if (!text.isEmpty()) {
        UppGraderaPoengRutan(spel.S);
        UppGraderaKvarRutan(spel.N);
        ListBox1->clear();
        ListBox1->addItems(spel.kvar);
        Edit1->clear();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
    if (!u.ordSlut)
        return;
    runda.stega();
    if (runda.paagaar()) {
        Nypost();
        return;
    }
    // The round is over: no seventh word. The last word's time has been
    // taken off, so the box shows the round's final score, the one that
    // goes to the record table.
    Edit1->setEnabled(false);
    UppGraderaPoengRutan(spel.S);
    Avslutning();
    SparaButton->setEnabled(spel.S != 0);
    EscapePanelen->show();
    EscapePanelen->raise();
    SeListanPanel2->setEnabled(false);
    // Enter presses the focused button: a score not yet in the table keeps
    // the focus on "Resultattabell", so a second Enter after the last word
    // does not start a new round over it.
    if (SparaButton->isEnabled())
        SparaButton->setFocus();
    else
        FortsattaButton->setFocus();
}

void TSynon::VisaListan()
{
    if (!SeListanPanel2->isEnabled())
        return;
    if (ListPanel2->isHidden()) {
        ListPanel2->show();
        ListPanel2->raise();
        VisaListanRutan(QStringLiteral("&Fortsätta skriva"), QStringLiteral("F3"));
        ListBox1->setFocus();
        Edit1->setEnabled(false);
        spel.oeppnaLista();
    } else {
        ListPanel2->hide();
        VisaListanRutan(QStringLiteral("&Visa återstående ord"), QStringLiteral("F3"));
        Edit1->setEnabled(runda.paagaar());
        Edit1->setFocus();
    }
}

void TSynon::rutorSynliga(bool paa)
{
    for (QWidget *w : {static_cast<QWidget *>(KvarPanel2), static_cast<QWidget *>(UppgiftPanel2),
                       static_cast<QWidget *>(PoengPanel2), static_cast<QWidget *>(SeListanPanel2)})
        w->setVisible(paa);
}

void TSynon::Avslutning()
{
    if (!bildPaa())
        return;
    // The picture takes the word's place; the score stays in sight.
    rutorSynliga(false);
    PoengPanel2->show();
    ListPanel2->hide();
    Bild.BildPanelen->show();
    Bild.BildPanelen->raise();
    Bild.visa();
}

void TSynon::FortsattaButtonClick()
{
    Bild.BildPanelen->hide();
    rutorSynliga(true);
    SparaButton->setEnabled(false);
    NamnPanelen->hide();
    EscapePanelen->hide();
    SeListanPanel2->setEnabled(true);
    VisaListanRutan(QStringLiteral("&Visa återstående ord"), QStringLiteral("F3"));
    ListPanel2->hide();
    runda.boerjaOm();
    spel.nyRunda();
    UppGraderaPoengRutan(spel.S);
    ListBox1->setEnabled(true);
    Edit1->setEnabled(true);
    Edit1->setFocus();
    Nypost();
}

void TSynon::SparaButtonClick()
{
    if (!SparaButton->isEnabled())
        return;
    if (G.spelare.RekordtabellPaa == 0) {
        visaMeddelande(rekordkatalogMeddelande());
        return;
    }
    NamnPanelen->raise();
    NamnPanelen->show();
    Edit2->show();
    Edit2->setEnabled(true);
    Edit2->setText(G.spelare.Spelarnamn[1].str());
    Edit2->setFocus();
}

void TSynon::Edit2Enter()
{
    const QString namn = Edit2->text().left(20);
    // A blank name would read as an empty row of the table.
    if (namn.trimmed().isEmpty()) {
        Edit2->setFocus();
        return;
    }
    G.spelare.Spelarnamn[1] = namn;
    NamnPanelen->hide();
    G.spelare.RekordPost.namn = namn;
    G.spelare.RekordPost.resultat = spel.S;
    const bool visad = VisaRekord();
    if (bildPaa())
        Bild.BildPanelen->show();
    // A table that could not be used leaves the score to hand over again.
    SparaButton->setEnabled(!visad);
    FortsattaButton->setFocus();
}

void TSynon::Button1Click()
{
    if (EscapePanelen->isHidden()) {
        EscapePanelen->show();
        EscapePanelen->raise();
        ListBox1->setEnabled(false);
        Edit1->setEnabled(false);
        SeListanPanel2->setEnabled(false);
        FortsattaButton->setFocus();
    } else if (NamnPanelen->isVisible()) {
        NamnPanelen->hide();
        FortsattaButton->setFocus();
    } else {
        stang();
    }
}

bool TSynon::tarTangent(QKeyEvent *e)
{
    if (!baraAlt(e))
        return false;
    return (e->key() == Qt::Key_V && focusWidget() == Edit1)
           || (e->key() == Qt::Key_F && focusWidget() == ListBox1 && ListPanel2->isVisible());
}

bool TSynon::keyDown(QKeyEvent *e)
{
    QWidget *fokus = focusWidget();
    const bool ingenTillsats = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (aerEnter(e) && ingenTillsats) {
        if (fokus == Edit1) {
            Edit1Enter();
            return true;
        }
        if (fokus == Edit2 && NamnPanelen->isVisible()) {
            Edit2Enter();
            return true;
        }
        return false;
    }
    if (e->key() == Qt::Key_F3 && ingenTillsats && (fokus == Edit1 || fokus == ListBox1)) {
        VisaListan();
        return true;
    }
    if (tarTangent(e)) {
        VisaListan();
        return true;
    }
    return false;
}

int VisaSynon() { return visaUtanRam<TSynon>(); }
