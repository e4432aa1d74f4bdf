#include "dialogs/spelnam.h"

#include "core/tillstaand.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace plattform;

namespace {
const QString IngetNamn = QStringLiteral("Det var inget namn!");
constexpr int Bredd = 440;
constexpr int Hoejd = 300;

QLabel *varning(QWidget *foeraelder, const char *namn, int y)
{
    QLabel *l = skapaEtikett(foeraelder, QString::fromLatin1(namn), IngetNamn, QPoint(250, y + 3));
    l->setFont(arial(Punkter{10}, true));
    l->adjustSize();
    saettTextfaerg(l, clRed);
    l->hide();
    return l;
}

QLineEdit *namnfaelt(QWidget *foeraelder, const char *namn, int y)
{
    QLineEdit *e = skapaRuta(foeraelder, QString::fromLatin1(namn), QRect(30, y, 210, 26));
    e->setMaxLength(19);
    e->setFont(arial(Punkter{11}));
    e->hide();
    return e;
}
} // namespace

TSpelNam::TSpelNam(QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, QStringLiteral("SpelNam"), QSize(Bredd, Hoejd),
                    QStringLiteral("Vem eller vilka ska spela?"));

    NamnPanelen = skapaPanel(this, QStringLiteral("NamnPanelen"), QRect(0, 0, Bredd, Hoejd));
    NamnPanelen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    NamnPanelen->setLineWidth(2);
    saettBakgrund(NamnPanelen, clSilver);

    Label1 = skapaEtikett(NamnPanelen, QStringLiteral("Label1"), QString(), QPoint(30, 14));
    Label1->setFont(arial(Punkter{14}, true));
    saettTextfaerg(Label1, clNavy);
    saettEtikettText(Label1, QStringLiteral("Hur många spelare?"));

    Panel1 = skapaPanel(NamnPanelen, QStringLiteral("Panel1"), QRect(20, 48, 400, 46));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QFont panelfont = arial(Punkter{11}, true);
    Panel2 = new Klickpanel(Panel1, QStringLiteral("Panel2"), QStringLiteral("&En spelare"),
                            QRect(6, 6, 124, 34));
    Panel3 = new Klickpanel(Panel1, QStringLiteral("Panel3"), QStringLiteral("&Två spelare"),
                            QRect(138, 6, 124, 34));
    Panel4 = new Klickpanel(Panel1, QStringLiteral("Panel4"), QStringLiteral("T&re spelare"),
                            QRect(270, 6, 124, 34));
    for (Klickpanel *p : {Panel2, Panel3, Panel4}) {
        p->setFont(panelfont);
        saettBakgrund(p, clWhite);
        // The chosen count is disabled on aqua; its caption stays black.
        QPalette pal = p->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, clBlack);
        p->setPalette(pal);
    }
    // The count is chosen from the keyboard too: Tab to a panel, then Space.
    for (Klickpanel *p : {Panel2, Panel3, Panel4})
        p->setFocusPolicy(Qt::StrongFocus);
    Panel2->OnClick = [this] { Panel2Click(); };
    Panel3->OnClick = [this] { Panel3Click(); };
    Panel4->OnClick = [this] { Panel4Click(); };

    Label5 = skapaEtikett(NamnPanelen, QStringLiteral("Label5"), QString(), QPoint(30, 106));
    Label5->setFont(arial(Punkter{11}));

    Edit1 = namnfaelt(NamnPanelen, "Edit1", 136);
    Edit2 = namnfaelt(NamnPanelen, "Edit2", 170);
    Edit3 = namnfaelt(NamnPanelen, "Edit3", 204);
    Label2 = varning(NamnPanelen, "Label2", 136);
    Label3 = varning(NamnPanelen, "Label3", 170);
    Label4 = varning(NamnPanelen, "Label4", 204);

    Button2 = skapaKnapp(NamnPanelen, QStringLiteral("Button2"), QStringLiteral("&Avbryt"),
                         QRect(Bredd - 130, Hoejd - 46, 100, 30));
    connect(Button2, &QPushButton::clicked, this, &TSpelNam::Button2Click);
    // A button of no size, kept out of the focus chain: the focus starts on
    // the first count, where it can be seen.
    Button1 = skapaKnapp(NamnPanelen, QStringLiteral("Button1"), QString(), QRect(0, 0, 0, 0));
    Button1->setFocusPolicy(Qt::NoFocus);
    Panel2->setFocus();

    FormCreate();
}

void TSpelNam::FormCreate()
{
    Edit1->setText(G.spelare.Spelarnamn[1]);
    Edit2->setText(G.spelare.Spelarnamn[2]);
    Edit3->setText(G.spelare.Spelarnamn[3]);
    m_misslyckanden = 0;
    G.spelare.SpelnamnAvbrutet = 0;
    m_klar = false;
    if (G.spelare.AntalSpelare >= 1) {
        Edit1->show();
        Edit1->setEnabled(true);
        m_foerifyllt = true;
    } else {
        m_foerifyllt = false;
    }
    if (G.spelare.AntalSpelare >= 2)
        Edit2->show();
    if (G.spelare.AntalSpelare >= 3)
        Edit3->show();
}

void TSpelNam::vaeljAntal(Klickpanel *vald, const QString &instruktion, int antal)
{
    m_foerifyllt = false;
    for (Klickpanel *p : {Panel2, Panel3, Panel4}) {
        saettBakgrund(p, p == vald ? clAqua : clWhite);
        p->setEnabled(p != vald);
    }
    saettEtikettText(Label5, instruktion);
    Edit1->show();
    Edit1->setEnabled(true);
    Edit2->setVisible(antal >= 2);
    Edit3->setVisible(antal >= 3);
    if (antal < 2)
        Label3->hide();
    if (antal < 3)
        Label4->hide();
    Edit1->setFocus();
}

void TSpelNam::Panel2Click() { vaeljAntal(Panel2, QStringLiteral("Skriv ditt namn."), 1); }
void TSpelNam::Panel3Click() { vaeljAntal(Panel3, QStringLiteral("Skriv era namn. Tryck Enter."), 2); }
void TSpelNam::Panel4Click() { vaeljAntal(Panel4, QStringLiteral("Skriv era namn."), 3); }

void TSpelNam::Klar()
{
    m_klar = true;
    Label2->hide();
    Label3->hide();
    Label4->hide();
    // The count is kept here and stored only with the names, so that a
    // failed attempt never leaves a count that does not match the names.
    int antal = 1;
    if (Edit1->text().isEmpty()) {
        Label2->show();
        m_klar = false;
    }
    if (!Edit2->isHidden()) {
        if (Edit2->text().isEmpty()) {
            Label3->show();
            m_klar = false;
        } else {
            antal = 2;
        }
    }
    if (!Edit3->isHidden()) {
        if (Edit3->text().isEmpty()) {
            Label4->show();
            m_klar = false;
        } else {
            antal = 3;
        }
    }
    if (m_klar) {
        G.spelare.AntalSpelare = antal;
        G.spelare.Spelarnamn[1] = Edit1->text();
        if (!Edit2->isHidden())
            G.spelare.Spelarnamn[2] = Edit2->text();
        if (!Edit3->isHidden())
            G.spelare.Spelarnamn[3] = Edit3->text();
        G.spelare.SpelnamnAvbrutet = 0;
        return;
    }
    ++m_misslyckanden;
    if (m_misslyckanden > 3)
        setWindowTitle(QStringLiteral("Du kan avbryta med Escapeknappen."));
}

bool TSpelNam::namnfaeltTangent(int faelt, QChar tecken)
{
    if (faelt == 1) {
        Label3->hide();
        Label4->hide();
    } else if (faelt == 2) {
        Label4->hide();
    }
    bool slaengd = false;
    if (tecken == QLatin1Char('\r')) {
        slaengd = true;
        QLineEdit *naesta = faelt == 1 ? Edit2 : faelt == 2 ? Edit3 : nullptr;
        if (naesta && !naesta->isHidden() && !m_foerifyllt)
            naesta->setFocus();
        else
            Klar();
    }
    if (m_klar) {
        stang();
        return true;
    }
    m_foerifyllt = false;
    return slaengd;
}

bool TSpelNam::keyPress(QChar tecken)
{
    // Esc belongs to "&Avbryt" (the window's Cancel button) wherever the focus is.
    if (tecken == QChar(27))
        return false;
    QWidget *fokus = focusWidget();
    if (fokus == Edit1)
        return namnfaeltTangent(1, tecken);
    if (fokus == Edit2)
        return namnfaeltTangent(2, tecken);
    if (fokus == Edit3)
        return namnfaeltTangent(3, tecken);
    return false;
}

void TSpelNam::escape() { Button2Click(); }

void TSpelNam::Button2Click()
{
    G.spelare.SpelnamnAvbrutet = 1;
    stang();
}

void VisaSpelNam() { visaModalt<TSpelNam>(); }
