#include "diagnosis/tdiaprot.h"

#include "core/diagnosfil.h"
#include "core/diagnosprotokoll.h"
#include "core/oevningsstart.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "diagnosis/tdiag.h"
#include "diagnosis/tdiagutform.h"
#include "core/foensterregister.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/straengrutnaet.h"
#include "platform/ui/typsnitt.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace plattform;

namespace {
constexpr int Rader = 19;
constexpr int Summarad = 18;

QLabel *gulEtikett(QWidget *foeraelder, const char *namn, const QFont &f)
{
    QLabel *l = skapaEtikett(foeraelder, QString::fromLatin1(namn), QString(), QPoint(0, 0));
    l->setFont(f);
    saettTextfaerg(l, clNavy);
    return l;
}
} // namespace

Tdiaprot::Tdiaprot(QWidget *parent) : Foenster(parent)
{
    helskaerm(this, QStringLiteral("diaprot"), clRed, false);

    // The window is laid out for the screen it fills; the fonts follow its height.
    const int H = std::max(1, rutnaet().H);
    Label1 = skapaEtikett(this, QStringLiteral("Label1"), QString(), QPoint(0, 0));
    Label1->setFont(arial(Pixlar{std::max(12, 2 * H)}, true));
    saettTextfaerg(Label1, clNavy);
    saettBakgrund(Label1, clAqua);
    Label1->setAutoFillBackground(true);
    Label1->setAlignment(Qt::AlignCenter);

    StringGrid1 = new Straengrutnaet(this, QStringLiteral("StringGrid1"), QRect(0, 0, 10, 10), 5, Rader);
    TestLabel = skapaEtikett(this, QStringLiteral("TestLabel"), QString(), QPoint(0, 0));
    TestLabel->hide();

    EscapePanel = skapaPanel(this, QStringLiteral("EscapePanel"), QRect(0, 0, 10, 10));
    saettBakgrund(EscapePanel, clRed);
    EscapePanel->setAutoFillBackground(true);
    const QFont knappfont = arial(Pixlar{std::max(10, H * 3 / 2)}, true);
    auto knapp = [&](const char *namn, const char *text) {
        QPushButton *b = skapaKnapp(EscapePanel, QString::fromLatin1(namn), QString::fromUtf8(text), QRect());
        b->setFont(knappfont);
        return b;
    };
    AvbrytButton = knapp("AvbrytButton", "&Avbryt");
    LosenButton = knapp("LosenButton", "&Ny lösen");
    HjalpButton = knapp("HjalpButton", "&Hjälp");
    SkrivutButton = knapp("SkrivutButton", "&Utskrift");
    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);
    connect(LosenButton, &QPushButton::clicked, this, &Tdiaprot::LosenButtonClick);
    connect(HjalpButton, &QPushButton::clicked, this, &Tdiaprot::HjalpButtonClick);
    connect(SkrivutButton, &QPushButton::clicked, this, &Tdiaprot::SkrivutButtonClick);

    const QFont rutfont = arial(Pixlar{std::max(10, H * 3 / 2)}, true);
    Panel2 = skapaPanel(this, QStringLiteral("Panel2"), QRect(0, 0, 10, 10));
    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect(0, 0, 10, 10));
    for (QFrame *p : {Panel1, Panel2}) {
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        saettBakgrund(p, clYellow);
        p->setAutoFillBackground(true);
    }
    Label2 = gulEtikett(Panel2, "Label2", rutfont);
    Label3 = gulEtikett(Panel2, "Label3", rutfont);
    Label4 = gulEtikett(Panel1, "Label4", rutfont);
    Label5 = gulEtikett(Panel1, "Label5", rutfont);

    StringGrid1->OnEnter = [this] { StringGrid1KeyPress(QLatin1Char('\r')); };
    StringGrid1->OnDblClick = [this](int, int) { StringGrid1DblClick(); };
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int rad, int, int, int) { StringGrid1SelectCell(rad); });
    StringGrid1->viewport()->installEventFilter(this);

    saettKeyPreview(true);
    FormCreate();
}

bool Tdiaprot::keyDown(QKeyEvent *e)
{
    // The buttons' letters work while the grid holds the focus.
    if (!(e->modifiers() & Qt::AltModifier))
        return false;
    switch (e->key()) {
    case Qt::Key_A: AvbrytButtonClick(); return true;
    case Qt::Key_N: LosenButtonClick(); return true;
    case Qt::Key_H: HjalpButtonClick(); return true;
    case Qt::Key_U: SkrivutButtonClick(); return true;
    default: return false;
    }
}

void Tdiaprot::FormCreate()
{
    const int CW = width();
    const int CH = height();
    const int M = G.skaerm.Marginal;
    EscapePanel->resize(CW, EscapePanel->height());
    Label1->setText(QStringLiteral("Diagnosprotokoll för ") + G.diagnos.Diagnostabell.namn.str());
    Label1->adjustSize();
    Label1->move(Label1->x(), 0);
    Panel1->hide();
    HjalpText();

    EscapePanel->resize(CW, Label1->height() * 7 / 4);
    const int F = CH - Label1->height() - EscapePanel->height();

    QFont rutnaetsfont = arial(Pixlar{std::max(10, std::min(F / Rader / 2, CH / 32))}, true);
    StringGrid1->setFont(rutnaetsfont);
    TestLabel->setFont(rutnaetsfont);
    const int w = QFontMetrics(TestLabel->font()).horizontalAdvance(QStringLiteral("  970523 24:55   "));
    const int h = std::max(1, F / Rader - 2);
    StringGrid1->setGeometry(0, Label1->height(), CW, 20 * h + 19);
    StringGrid1->saettRadhoejd(h);
    StringGrid1->saettKolumnbredd(0, 5 * M);
    StringGrid1->saettKolumnbredd(1, std::max(0, CW - 5 * M - 3 * w));
    for (int k = 2; k <= 4; ++k)
        StringGrid1->saettKolumnbredd(k, w);
    StringGrid1->saettFastFaerg(clAqua);
    StringGrid1->saettHelRad(true);
    StringGrid1->saettRutnaet(true);
    StringGrid1->saettRullningslister(false, false);
    StringGrid1->setStyleSheet(QStringLiteral("QTableWidget { color: navy; background: white; gridline-color: black;"
                                                " selection-color: white; selection-background-color: navy; }"));

    beraeknaKolumnprocent(w, CW, M);

    for (int n = 1; n <= AntalDiagnostester; ++n)
        StringGrid1->saettCell(0, n, (n < 10 ? QStringLiteral("   ") : QStringLiteral("  ")) + QString::number(n));
    const char *rubriker[] = {"  Nr", "                  Område", "    Resultat", "    Tidpunkt", "    Status"};
    for (int k = 0; k < 5; ++k)
        StringGrid1->saettCell(k, 0, QString::fromUtf8(rubriker[k]));
    StringGrid1->saettCell(1, Summarad, QString(56, QLatin1Char(' ')) + QStringLiteral("Summa:"));

    EscapePanel->raise();
    const int topp = Label1->height() + StringGrid1->height();
    EscapePanel->setGeometry(0, topp, CW, std::max(0, CH - topp));
    const int kb = std::min(CW / 6, 200);
    const int kh = std::max(24, Label1->height());
    const int ky = std::max(0, (EscapePanel->height() - kh) * 5 / 16);
    QPushButton *knappar[] = {AvbrytButton, LosenButton, HjalpButton, SkrivutButton};
    for (int i = 0; i < 4; ++i)
        knappar[i]->setGeometry(CW / 2 - 2 * kb - 30 + i * (kb + 20), ky, kb, kh);

    Panel2->hide();
    Label1->show();
    G.diagnos.ProtokollAendrat = 0;
    if (G.diagnos.ValtTest < 1 || G.diagnos.ValtTest > Summarad)
        G.diagnos.ValtTest = 1;
}

void Tdiaprot::HjalpText()
{
    const int M = std::max<int>(G.skaerm.Marginal, 8);
    saettEtikettText(Label4, QStringLiteral("Flytta till önskad rad och dubbelklicka"));
    saettEtikettText(Label5, QStringLiteral("eller tryck enter så kommer diagnosen."));
    Label4->move(M, M / 2);
    Label5->move(M, M / 2 + Label4->height());
    // As wide as the wider line: the second is the longer in some fonts.
    Panel1->resize(std::max(Label4->width(), Label5->width()) + 2 * M,
                   Label4->height() + Label5->height() + M);
}

void Tdiaprot::showEvent(QShowEvent *e)
{
    Foenster::showEvent(e);
    rita_prot();
    Panel1->move(width() - Panel1->width() - 20, StringGrid1->y() + StringGrid1->height() / 2);
    StringGrid1->setFocus();
}

void Tdiaprot::rita_prot()
{
    const Diagnospost &d = G.diagnos.Diagnostabell;
    Label1->setText(QStringLiteral("Diagnosprotokoll för ") + d.namn.str());
    Label1->setGeometry(0, 0, width(), Label1->height());
    for (int n = 1; n <= AntalDiagnostester; ++n) {
        StringGrid1->saettCell(1, n, QStringLiteral("  ") + diagnostest(n)->omraade);
        StringGrid1->saettCell(2, n, resultatCell(d.resultat[n]));
        StringGrid1->saettCell(3, n, QStringLiteral("  ") + TidpunktText(d.resultat[n], n));
        StringGrid1->saettCell(4, n, statusCell(d.status[n]));
    }
    {
        const QSignalBlocker tyst(StringGrid1);
        StringGrid1->setCurrentCell(G.diagnos.ValtTest, 1);
    }
    if (G.diagnos.ProtokollAendrat) {
        SparaProtokoll();
        G.diagnos.ProtokollAendrat = 0;
    }
    visaSumma();
}

void Tdiaprot::visaSumma() { StringGrid1->saettCell(2, Summarad, summaCell(summa())); }

void Tdiaprot::oevningGodkaend(int) { rita_prot(); }

void Tdiaprot::InfoText()
{
    const int n = G.diagnos.ValtTest;
    if (!diagnostest(n))
        return;
    const int status = G.diagnos.Diagnostabell.status[n];
    if (status == 1) {
        const Diagnostest *foerra = diagnostest(n - 1);
        saettEtikettText(Label2, QStringLiteral("Du måste göra ") + (foerra ? foerra->omraade : QString()));
        saettEtikettText(Label3, foerra && G.diagnos.Diagnostabell.status[n - 1] == 3
                                     ? QStringLiteral("bättre innan du gör detta test.")
                                     : QStringLiteral("innan du gör detta test."));
    } else if (status == 3) {
        saettEtikettText(Label2, QStringLiteral("Du måste först klara övningen"));
        saettEtikettText(Label3, QStringLiteral("bra innan du gör detta test."));
    } else {
        return;
    }
    const int bredd = std::max(Label2->width(), Label3->width()) + 30;
    Label2->move(15, 6);
    Label3->move(15, 6 + Label2->height());
    Panel2->resize(bredd, Label2->height() + Label3->height() + 12);
    const int rad = std::max(0, StringGrid1->currentRow());
    Panel2->move(width() - bredd - 20, (rad + 1) * StringGrid1->height() / Rader + StringGrid1->y());
    Panel2->raise();
    Panel2->show();
}

void Tdiaprot::StringGrid1SelectCell(int rad)
{
    Panel2->hide();
    Panel1->hide();
    G.diagnos.ValtTest = rad;
}

void Tdiaprot::StringGrid1MouseUp(QPoint punkt)
{
    Panel1->hide();
    G.diagnos.ValtTest = StringGrid1->MouseToCell(punkt).y();
    InfoText();
}

bool Tdiaprot::eventFilter(QObject *o, QEvent *e)
{
    if (o == StringGrid1->viewport() && e->type() == QEvent::MouseButtonRelease)
        StringGrid1MouseUp(static_cast<QMouseEvent *>(e)->position().toPoint());
    return Foenster::eventFilter(o, e);
}

void Tdiaprot::StringGrid1KeyPress(QChar tecken)
{
    if (tecken == QLatin1Char('\r'))
        startaValt();
}

void Tdiaprot::StringGrid1DblClick()
{
    if (G.diagnos.ValtTest != 0)
        startaValt();
}

void Tdiaprot::startaValt()
{
    // Only the test rows start anything: not the heading, not the sum, and
    // not a status that a damaged file put past the four there are.
    const int n = G.diagnos.ValtTest;
    if (!diagnostest(n))
        return;
    const int status = G.diagnos.Diagnostabell.status[n];
    saettLaege(Laege::Diagnostest);
    Panel2->hide();
    Panel1->hide();
    G.diagnos.DiagnosNummer = n;
    setEnabled(false);
    switch (status) {
    case 0:
    case 2: UtseDiagProgram(n); break;
    case 1: InfoText(); break;
    case 3: UtseOvaProgram(n, 3); break;
    default: break;
    }
    setEnabled(true);
    StringGrid1->setFocus();
}

void Tdiaprot::koerFoenster()
{
    const Foenstertyp typ = oevningsstart().program.foenster;
    if (!starta(typ))
        visaMeddelande(QStringLiteral("Övningen i ") + G.oevning.DatFilNamn
                       + QStringLiteral(" kan inte startas i den här versionen av programmet."));
}

void Tdiaprot::UtseDiagProgram(int n)
{
    if (const Diagnostest *t = diagnostest(n))
        G.oevning.DatFilNamn = t->testfil;
    Panel2->hide();
    if (Kolla(G.oevning.DatFilNamn))
        koerFoenster();
    visaSumma();
}

void Tdiaprot::UtseOvaProgram(int n, int status)
{
    saettLaege(Laege::Diagnosoevning);
    G.diagnos.OevningsNummer = 0;
    const Diagnostest *t = diagnostest(n);
    if (status == 3 && t)
        G.oevning.DatFilNamn = t->oevningsfil;
    if (Kolla(G.oevning.DatFilNamn))
        koerFoenster();
}

void Tdiaprot::AvbrytButtonClick()
{
    SparaProtokoll();
    G.diagnos.DiagnosStaengd = 1;
    saettLaege(Laege::Oevning);
    stang();
}

void Tdiaprot::LosenButtonClick()
{
    QString nytt;
    if (nyttLoesen(G.diagnos.Diagnostabell.loesen.str(), nytt))
        G.diagnos.Diagnostabell.loesen = nytt;
    StringGrid1->setFocus();
}

void Tdiaprot::HjalpButtonClick()
{
    Panel1->raise();
    Panel1->show();
    StringGrid1->setFocus();
}

QList<QStringList> Tdiaprot::celler() const
{
    QList<QStringList> rader;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        QStringList rad;
        for (int k = 0; k < StringGrid1->columnCount(); ++k)
            rad << StringGrid1->cell(k, r);
        rader << rad;
    }
    return rader;
}

void Tdiaprot::SkrivutButtonClick()
{
    SkrivutDiaggen(celler());
    StringGrid1->setFocus();
}

void Visadiaprot() { visaModalt<Tdiaprot>(); }
