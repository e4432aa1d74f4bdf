#include "exercises/arrange/svhymn.h"

#include "core/ljud.h"
#include "core/sverige.h"
#include "core/tillstaand.h"
#include "platform/media.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QKeyEvent>
#include <QLabel>

using namespace plattform;

namespace {
const QString anthem = QStringLiteral("SVERIGE.WAV");
} // namespace

TSvHymn::TSvHymn(QWidget *parent)
    : Sverigesida(QStringLiteral("SvHymn"), QStringLiteral("Sveriges nationalsång"), parent)
{
    Label4 = skapaEtikett(this, QStringLiteral("Label4"), QString(), QPoint(0, 0));
    Label4->setFont(arial(Pixlar{24}, true));
    saettTextfaerg(Label4, clGreen);
    KompLabel2 = skapaEtikett(this, QStringLiteral("KompLabel2"), QString(), QPoint(0, 0));
    KompLabel2->setFont(arial(Pixlar{16}));
    saettTextfaerg(KompLabel2, clNavy);
    saettEtikettText(KompLabel2, QStringLiteral("Skriven 1844 av Richard Dybeck. Sjungs som nationalsång sedan slutet av 1800-talet."));
    int nr = 1;
    for (QLabel **l : {&RadLabel1, &RadLabel2, &RadLabel3, &RadLabel4, &Radlabel5}) {
        *l = skapaEtikett(this, (nr == 5 ? QStringLiteral("Radlabel%1") : QStringLiteral("RadLabel%1")).arg(nr),
                          QString(), QPoint(0, 0));
        (*l)->setFont(arial(Pixlar{16}, true));
        saettTextfaerg(*l, clNavy);
        ++nr;
    }
    SpelaPanel2 = knappanel(QStringLiteral("SpelaPanel1"), QStringLiteral("SpelaPanel2"),
                            QStringLiteral("&Spela upp"), &SpelaPanel1);
    SpelaPanel2->OnClick = [this] { SpelaPanel2Click(); };
    Nyverspanel2 = knappanel(QStringLiteral("Nyverspanel1"), QStringLiteral("Nyverspanel2"),
                             QStringLiteral("&Ny vers"), &Nyverspanel1);
    Nyverspanel2->OnClick = [this] { NyversPanel2Click(); };
    FormCreate();
}

TSvHymn::~TSvHymn() { FormClose(); }

QList<QLabel *> TSvHymn::rader() const { return {RadLabel1, RadLabel2, RadLabel3, RadLabel4, Radlabel5}; }

void TSvHymn::FormCreate()
{
    m_vers = 1;
    saettEtikettText(Label4, versnamn(m_vers));
    const int W = skaerm.width(), H = skaerm.height();
    const int vaenster = W / 8;
    Label1->move(vaenster, H / 16);
    Label4->move(vaenster, Label1->y() + Label1->height() + H / 24);
    SkrivHymnen2();
    const int sista = Radlabel5->y() + Radlabel5->height();
    KompLabel2->move(vaenster, sista + Radlabel5->height() * 2);

    const QSize k = knappstorlek();
    const int topp = H - k.height() - H / 40;
    const int steg = k.width() + W / 40;
    placeraKnapp(SpelaPanel1, QPoint(vaenster, topp));
    placeraKnapp(Nyverspanel1, QPoint(vaenster + steg, topp));
    placeraKnapp(AvbrytPanel1, QPoint(vaenster + 2 * steg, topp));
}

void TSvHymn::SkrivHymnen2()
{
    const QStringList text = versrader(m_vers);
    const QList<QLabel *> l = rader();
    const int radhoejd = RadLabel1->fontMetrics().height();
    int y = Label4->y() + Label4->height() + radhoejd * 2;
    for (int i = 0; i < l.size(); ++i) {
        saettEtikettText(l[i], i < text.size() ? text[i] : QString());
        l[i]->move(Label1->x(), y);
        y += 2 * radhoejd;
    }
}

void TSvHymn::SpelaPanel2Click()
{
    G.ljud.RaktLjud = 1;
    SpelaUppWavLjud(anthem);
}

void TSvHymn::NyversPanel2Click()
{
    mediaspelare().stoppa();
    G.ljud.RaktLjud = 1;
    SpelaUppWavLjud(anthem);
    m_vers = naestaVers(m_vers);
    saettEtikettText(Label4, versnamn(m_vers));
    SkrivHymnen2();
}

void TSvHymn::AvbrytPanel2Click()
{
    FormClose();
    stang();
}

void TSvHymn::FormClose()
{
    if (m_ljudStoppat)
        return;
    m_ljudStoppat = true;
    G.ljud.RaktLjud = 0;
    mediaspelare().stoppa();
}

void TSvHymn::done(int r)
{
    FormClose();
    Sverigesida::done(r);
}

bool TSvHymn::keyDown(QKeyEvent *e)
{
    if (aerAltA(e)) {
        AvbrytPanel2Click();
        return true;
    }
    return false;
}

void VisaSvHymn() { visaModalt<TSvHymn>(); }
