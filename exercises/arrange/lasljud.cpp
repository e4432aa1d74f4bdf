#include "exercises/arrange/lasljud.h"

#include "core/datafiler.h"
#include "core/diktamen.h"
#include "core/ljud.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "exercises/arrange/historiedelar.h"
#include "exercises/frame/utanram.h"
#include "platform/ui/dialogstart.h"
#include "platform/seams.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

using namespace plattform;

namespace {
constexpr int Rubrikstart = 25;   // the heading's lines start here and shrink to fit
constexpr int Ordpunkter = 28;
} // namespace

TLasLjud::TLasLjud(const Oevningsstart &start, QWidget *parent) : Foenster(parent) { FormCreate(start); }

void TLasLjud::FormCreate(const Oevningsstart &start)
{
    // A grid of screen height / 48 by screen width / 32; no scaling.
    const QSize skaerm = helskaerm(this, QStringLiteral("LasLjud"), clBtnFace);
    const int rad = std::max(rutnaet().H, 1);
    const int kol = std::max(skaerm.width() / 32, 1);
    G.runda.RaettaFel = 0;

    OverskriftPanel2 = skapaPanel(this, QStringLiteral("OverskriftPanel2"), QRect(6 * kol, rad, 20 * kol, 7 * rad));
    saettBakgrund(OverskriftPanel2, clNavy);
    OverskriftPanel2->setAutoFillBackground(true);
    OverskriftLabel1 = new QLabel(OverskriftPanel2);
    OverskriftLabel1->setObjectName(QStringLiteral("OverskriftLabel1"));
    OverskriftLabel2 = new QLabel(OverskriftPanel2);
    OverskriftLabel2->setObjectName(QStringLiteral("OverskriftLabel2"));
    RitaOverskriften();

    InstruktionsLabel = skapaEtikett(this, QStringLiteral("InstruktionsLabel"), QString(),
                                     QPoint(6 * kol, OverskriftPanel2->geometry().bottom() + 1 + rad));
    // At 14 points, or smaller where the line would reach the screen's edge.
    const int instruktionsPunkter =
        PunkterSomRyms(G.oevning.Instruktion.str(), Typsnitt{.punkter = 14, .fet = true},
                       skaerm.width() - InstruktionsLabel->x() - kol / 2);
    InstruktionsLabel->setFont(arial(Punkter{instruktionsPunkter}, true));
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion.str());

    // Each word panel 4/3 of a panel's height below the one before.
    const int ordhoejd = 4 * rad;
    int topp = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    for (int k = 0; k < 5; ++k) {
        auto *p = new QLabel(this);
        p->setObjectName(QStringLiteral("OrdPanel%1").arg(k + 1));
        p->setFont(arial(Punkter{Ordpunkter}, true));
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setAlignment(Qt::AlignCenter);
        p->setGeometry(11 * kol, topp, 10 * kol, ordhoejd);
        OrdPanel[k] = p;
        topp += ordhoejd * 4 / 3;
    }

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect(6 * kol, skaerm.height() - 6 * rad, 20 * kol, 4 * rad));
    saettBakgrund(Panel1, clNavy);
    Panel1->setAutoFillBackground(true);
    const int bredd = 6 * kol;
    const int knappTopp = (Panel1->height() - 2 * rad) / 2;
    FlerordButton = skapaKnapp(Panel1, QStringLiteral("FlerordButton"), QStringLiteral("&Fler ord"),
                               QRect(kol / 2, knappTopp, bredd, 2 * rad));
    LyssnaButton = skapaKnapp(Panel1, QStringLiteral("LyssnaButton"), QStringLiteral("&Höra orden"),
                              QRect(7 * kol, knappTopp, bredd, 2 * rad));
    AvbrytButton = skapaKnapp(Panel1, QStringLiteral("AvbrytButton"), QStringLiteral("&Avbryt"),
                              QRect(13 * kol + kol / 2, knappTopp, bredd, 2 * rad));
    for (QPushButton *b : {FlerordButton, LyssnaButton, AvbrytButton}) {
        b->setFont(arial(Punkter{12}, true));
        // The buttons take the panel's navy; their text is light to be read on it.
        saettTextfaerg(b, clWhite);
        QPalette p = b->palette();
        p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(176, 176, 176));
        b->setPalette(p);
    }
    connect(FlerordButton, &QPushButton::clicked, this, &TLasLjud::FlerordButtonClick);
    connect(LyssnaButton, &QPushButton::clicked, this, &TLasLjud::LyssnaButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TLasLjud::AvbrytButtonClick);

    if (ljudPaa())
        G.ljud.LjudKatalog = LjudKatalogFoer(start.programtal);
    else
        LyssnaButton->setEnabled(false);
    runda.starta();
    NyPost();
}

void TLasLjud::RitaOverskriften()
{
    // Both title lines at the size at which each fits the panel's width.
    Typsnitt t{.punkter = Rubrikstart, .fet = true};
    const int bredd = OverskriftPanel2->width() - 8;
    const int p = std::min(PunkterSomRyms(G.oevning.Rubrikrader[1].str(), t, bredd),
                           PunkterSomRyms(G.oevning.Rubrikrader[2].str(), t, bredd));
    const int h = OverskriftPanel2->height();
    int rad = 1;
    for (QLabel *l : {OverskriftLabel1, OverskriftLabel2}) {
        l->setFont(arial(Punkter{p}, true));
        saettTextfaerg(l, clYellow);
        l->setAlignment(Qt::AlignCenter);
        l->setText(G.oevning.Rubrikrader[rad].str());
        l->setGeometry(0, (rad - 1) * h / 2, OverskriftPanel2->width(), h / 2);
        ++rad;
    }
}

void TLasLjud::NyPost()
{
    // Five consecutive numbers of the file's continuing random order.
    for (int k = 0; k < 5; ++k) {
        const std::optional<Postdelar> post = naestaPost(runda.datafil());
        if (!post) {
            stang();
            return;
        }
        const QString &rad = post->rad;
        Orden[k] = rad;
        Nummer[k] = G.post.PostNummer;
        OrdPanel[k]->setText(rad);
    }
}

void TLasLjud::Ljudet()
{
    const QString namn = PostLjudNamn(G.ljud.LjudKatalog, G.post.PostNummer);
    if (!namn.isEmpty())
        SpelaUppWavLjud(namn);
}

void TLasLjud::laasKnappar(bool laast)
{
    for (QPushButton *b : {FlerordButton, LyssnaButton, AvbrytButton})
        b->setEnabled(!laast);
}

void TLasLjud::LyssnaButtonClick()
{
    // Each sound plays to its end before the next; the window may be closed
    // while one plays, and then the rest are not played.
    QPointer<TLasLjud> jag(this);
    laasKnappar(true);
    for (int k = 0; k < 5; ++k) {
        G.post.PostNummer = Word(Nummer[k]);
        Ljudet();
        if (!jag || aerStangd())
            return;
    }
    laasKnappar(false);
}

void VisaLasLjud() { visaUtanRam<TLasLjud>(); }
