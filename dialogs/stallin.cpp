#include "dialogs/stallin.h"

#include "core/oeversaettning.h"
#include "core/tillstaand.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace plattform;

namespace {
constexpr int bredd = 540;
constexpr int hoejd = 360;

QLabel *text(QWidget *p, const char *namn, const char *t, int x, int y)
{
    QLabel *l = skapaEtikett(p, QString::fromLatin1(namn), QString::fromUtf8(t), QPoint(x, y));
    l->setFont(arial(Pixlar{15}, true));
    saettTextfaerg(l, clWhite);
    l->adjustSize();
    return l;
}
} // namespace

TStallin::TStallin(QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, QStringLiteral("Stallin"), QSize(bredd, hoejd));
    saettBakgrund(this, clBlue);

    YtterPanel = skapaPanel(this, QStringLiteral("YtterPanel"), QRect(0, 0, bredd, hoejd));
    saettBakgrund(YtterPanel, clYellow);
    InnerPanel = skapaPanel(YtterPanel, QStringLiteral("InnerPanel"), QRect(0, 0, bredd, hoejd));
    saettBakgrund(InnerPanel, clNavy);

    OverPanel = new QLabel(QString::fromUtf8("Inställningar"), InnerPanel);
    OverPanel->setObjectName(QStringLiteral("OverPanel"));
    OverPanel->setGeometry(10, 8, 480, 44);
    OverPanel->setAlignment(Qt::AlignCenter);
    OverPanel->setFont(arial(Pixlar{30}, true));
    saettBakgrund(OverPanel, clBlue);
    saettTextfaerg(OverPanel, clYellow);

    DroejLabel = text(InnerPanel, "DroejLabel", "Antal sekunder som rätt svar visas:", 20, 72);
    TidLabel = text(InnerPanel, "TidLabel", "3", 340, 72);
    TidLabel->setFont(arial(Pixlar{20}, true));
    saettTextfaerg(TidLabel, clYellow);
    SpinButton1 = new Spinknapp(InnerPanel, QStringLiteral("SpinButton1"), QRect(372, 66, 22, 34));
    SpinButton1->OnUpClick = [this] { SpinButton1UpClick(); };
    SpinButton1->OnDownClick = [this] { SpinButton1DownClick(); };
    ExtraLabel = text(InnerPanel, "ExtraLabel", "(Visningen av rätt svar kan alltid brytas", 20, 108);
    Extra2Label = text(InnerPanel, "Extra2Label", "med tryck på mellanslagstangenten)", 20, 128);
    for (QLabel *l : {ExtraLabel, Extra2Label}) {
        l->setFont(arial(Pixlar{13}, false));
        l->adjustSize();
    }

    Label1 = text(InnerPanel, "Label1", "Ska ljudet följas av en översättning till engelska?", 20, 170);
    EngButton = skapaKnapp(InnerPanel, QStringLiteral("EngButton"), QStringLiteral("Nej"),
                           QRect(410, 164, 70, 28));
    Label2 = text(InnerPanel, "Label2", "Ska ljudet följas av en översättning till tyska?", 20, 210);
    Tysbutton = skapaKnapp(InnerPanel, QStringLiteral("Tysbutton"), QStringLiteral("Nej"),
                           QRect(410, 204, 70, 28));
    SparaButton = skapaKnapp(InnerPanel, QStringLiteral("SparaButton"), QStringLiteral("&Spara"),
                             QRect(120, 262, 110, 32));
    AvbrytButton = skapaKnapp(InnerPanel, QStringLiteral("AvbrytButton"), QStringLiteral("&Avbryt"),
                              QRect(270, 262, 110, 32));
    for (QPushButton *b : {EngButton, Tysbutton, SparaButton, AvbrytButton}) {
        b->setFont(arial(Pixlar{14}, true));
        saettBakgrund(b, clBtnFace);
    }
    connect(EngButton, &QPushButton::clicked, this, &TStallin::EngButtonClick);
    connect(Tysbutton, &QPushButton::clicked, this, &TStallin::TysbuttonClick);
    connect(SparaButton, &QPushButton::clicked, this, &TStallin::SparaButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TStallin::AvbrytButtonClick);
    FormCreate();
}

void TStallin::FormCreate()
{
    // Laid out by the margin; this window is not scaled.
    const int m = G.skaerm.Marginal;
    YtterPanel->setGeometry(m, m, width() - 2 * m, height() - 2 * m);
    InnerPanel->setGeometry(m, m, YtterPanel->width() - 2 * m, YtterPanel->height() - 2 * m);
    visaTid();
    G.val.BildLaege = 1;
    switch (G.val.Oeversaettning) {
    case 1: EngButton->setText(QStringLiteral("Ja")); break;
    case 2: Tysbutton->setText(QStringLiteral("Ja")); break;
    default: break;
    }
}

void TStallin::visaTid()
{
    saettEtikettText(TidLabel, QString::number(G.val.SekunderRaettSvar));
    TidLabel->repaint();
}

void TStallin::SpinButton1UpClick()
{
    if (G.val.SekunderRaettSvar < 9)
        ++G.val.SekunderRaettSvar;
    visaTid();
}

void TStallin::SpinButton1DownClick()
{
    if (G.val.SekunderRaettSvar > 0)
        --G.val.SekunderRaettSvar;
    visaTid();
}

// Whenever the translation is switched on, the list must be loaded anew:
// otherwise English -> off -> German -> "Avbryt" would leave the English
// list in use.
void TStallin::EngButtonClick()
{
    switch (G.val.Oeversaettning) {
    case 0:
        EngButton->setText(QStringLiteral("Ja"));
        G.val.Oeversaettning = 1;
        G.val.LaddaOrdlistor = 1;
        break;
    case 1:
        EngButton->setText(QStringLiteral("Nej"));
        G.val.Oeversaettning = 0;
        break;
    case 2:
        G.val.LaddaOrdlistor = 1;
        EngButton->setText(QStringLiteral("Ja"));
        Tysbutton->setText(QStringLiteral("Nej"));
        Tysbutton->repaint();
        G.val.Oeversaettning = 1;
        break;
    default:
        break;
    }
    EngButton->repaint();
}

void TStallin::TysbuttonClick()
{
    switch (G.val.Oeversaettning) {
    case 0:
        Tysbutton->setText(QStringLiteral("Ja"));
        G.val.Oeversaettning = 2;
        G.val.LaddaOrdlistor = 1;
        break;
    case 1:
        G.val.LaddaOrdlistor = 1;
        Tysbutton->setText(QStringLiteral("Ja"));
        // "No" and "Nein" (here and below) are the program's own captions,
        // the answer in the other language; they are not slips for "Nej".
        EngButton->setText(QStringLiteral("No"));
        EngButton->repaint();
        G.val.Oeversaettning = 2;
        break;
    case 2:
        Tysbutton->setText(QStringLiteral("Nein"));
        G.val.Oeversaettning = 0;
        break;
    default:
        break;
    }
    Tysbutton->repaint();
}

void TStallin::SparaButtonClick()
{
    FyllEngListan();
    stang();
}

void TStallin::AvbrytButtonClick() { stang(); }

bool TStallin::keyPress(QChar tecken)
{
    if (tecken == QChar(27))
        stang();
    return true;   // every typed character stops here
}

void VisaStallin() { visaModalt<TStallin>(); }
