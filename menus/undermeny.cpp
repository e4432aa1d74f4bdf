#include "menus/undermeny.h"

#include "platform/ui/skalning.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/seams.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace plattform;

Undermeny::Undermeny(const Menydef &def, QWidget *parent) : Foenster(parent), m_def(def)
{
    setObjectName(QString::fromLatin1(def.klass).mid(1));
    setWindowTitle(Programtitel);
    saettRamloes(true);
    const int antal = int(def.poster.size());
    const int hoejd = def.foersta + antal * def.knappHoejd + def.foersta / 4;
    // Deeper sub-menus lie a little lower and further right over the one
    // that opened them.
    const int djup = int(qstrlen(def.klass)) - 3;
    setGeometry((640 - def.bredd) / 2 + 16 * djup, 48 + 16 * djup, def.bredd, hoejd);
    setFixedSize(def.bredd, hoejd);

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect(0, 0, def.bredd, hoejd));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    saettBakgrund(Panel1, clNavy);

    Label1 = skapaEtikett(Panel1, QStringLiteral("Label1"), QString::fromUtf8(def.rubrik), QPoint(0, 0));
    Label1->setFont(arial(Pixlar{def.rubrikPx}, true));
    saettTextfaerg(Label1, clYellow);
    Label1->adjustSize();
    Label1->move(0, (def.foersta - Label1->height()) / 2);

    const int kant = 10;
    int y = def.foersta;
    for (const Menypost &p : def.poster) {
        QPushButton *b = skapaKnapp(Panel1, QStringLiteral("Button%1").arg(p.knapp),
                                    QString::fromUtf8(p.text),
                                    QRect(kant, y, def.bredd - 2 * kant, def.knappHoejd));
        b->setFont(arial(Pixlar{def.knappPx}, true));
        saettBakgrund(b, clBtnFace);
        saettTextfaerg(b, clBlack);
        y += def.knappHoejd;
        m_knappar << b;
        if (p.slag == Menypost::Slag::Tillbaka)
            m_tillbaka = b;
        const Menypost *post = &p;
        connect(b, &QPushButton::clicked, this, [this, post] { knappKlick(*post); });
    }
    FormCreate();
}

void Undermeny::FormCreate()
{
    if (G.skaerm.Skalprocent != 100)
        plattform::skalaFoenster(this, G.skaerm.Skalprocent);
    // The design position is on a 640-pixel screen; it follows the scale.
    const int p = G.skaerm.Skalprocent == 0 ? 100 : G.skaerm.Skalprocent;
    move(x() * p / 100, y() * p / 100);
    // A long menu ("Dina ord") would reach below the screen: it moves up
    // until its lower border shows.
    const int nederkant = skaermstorlek().height() - 2;
    if (y() + height() > nederkant)
        move(x(), std::max(0, nederkant - height()));

    Label1->move(G.skaerm.Marginal / 2, Label1->y());
    Label1->resize(Panel1->width() - G.skaerm.Marginal, Label1->height());
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const bool arbetsblad = aerArbetsblad(laege());
    saettBakgrund(Panel1, arbetsblad ? clMaroon : clNavy);

    for (int i = 0; i < m_knappar.size(); ++i) {
        const Menypost &post = m_def.poster[std::size_t(i)];
        bool paa = !(arbetsblad && post.avIArbetsblad);
        if (post.slag == Menypost::Slag::Oevning)
            paa = paa && kanOeppnas(post);
        m_knappar[i]->setEnabled(paa);
    }
}

QPushButton *Undermeny::knapp(int nr) const
{
    for (int i = 0; i < m_knappar.size(); ++i)
        if (m_def.poster[std::size_t(i)].knapp == nr)
            return m_knappar[i];
    return nullptr;
}

bool Undermeny::kanOeppnas(const Menypost &post)
{
    if (!finnsStartare(post.oeppnar))
        return false;
    return post.foerst == Foenstertyp::Ingen || finnsStartare(post.foerst);
}

void Undermeny::knappKlick(const Menypost &post)
{
    switch (post.slag) {
    case Menypost::Slag::Tillbaka:
        stang();
        return;
    case Menypost::Slag::Undermeny:
        if (post.undermeny)
            post.undermeny();
        return;
    case Menypost::Slag::Oevning:
        foereOevning(post);
        if (post.datfil) {
            G.oevning.DatFilNamn = QString::fromLatin1(post.datfil);
            efterDatfil(post);
            if (!Kolla(G.oevning.DatFilNamn))
                return;
        }
        oeppnaOevning(post);
        return;
    }
}

void Undermeny::oeppnaOevning(const Menypost &post) { starta(post.oeppnar); }

void Undermeny::escape()
{
    // Esc presses the back entry.
    if (m_tillbaka)
        m_tillbaka->click();
    else
        stang();
}
