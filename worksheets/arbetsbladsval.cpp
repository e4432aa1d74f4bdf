#include "worksheets/arbetsbladsval.h"

#include "core/arbetsbladstext.h"
#include "core/tillstaand.h"
#include "exercises/frame/ovningsram.h"
#include "worksheets/tutskrift.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

bool Arbetsbladsval::Visningsflagga = false;

void laeggTillArbetsbladsposter(Arbetsbladsfoenster &f, TUtskrift &u, int antal, bool fraanKlart)
{
    if (G.arbetsblad.NyttAvsnitt == 1) {
        ++G.arbetsblad.UtskriftAvsnitt;
        const bool kolon = f.avsnittMedRubrikOchKolon();
        if (kolon && !G.oevning.Rubrikrader[1].str().isEmpty())
            G.arbetsblad.Utskriftsrubrik = (G.oevning.Rubrikrader[1].str() + QLatin1Char(' ') + G.oevning.Rubrikrader[2].str()
                                 + QLatin1Char(' ') + G.oevning.Rubrikrader[3].str()).trimmed().left(80);
        // The headings come from the data files and the windows as they are
        // written; on paper they are set as Swedish sets them.
        const QString rubrik = QString::number(G.arbetsblad.UtskriftAvsnitt) + QStringLiteral(".  ")
                               + utanBlanktFoereTecken(G.arbetsblad.Utskriftsrubrik.str());
        u.laeggTill(rubrik, rubrik);
        if (!G.oevning.Fraagerad.str().isEmpty()) {
            const QString rad = QString(6, QLatin1Char(' '))
                                + utanBlanktFoereTecken(G.oevning.Fraagerad.str() + (kolon ? QStringLiteral(":") : QString()));
            u.laeggTill(rad, rad);
        }
        G.arbetsblad.NyttAvsnitt = 0;
    }
    const QString indrag(7, QLatin1Char(' '));
    for (int k = 0; k < antal; ++k) {
        const Arbetsbladsrader r = f.arbetsbladsrader(fraanKlart);
        const QString P = Nummerprefix(++G.arbetsblad.UtskriftNummer);
        for (int j = 0; j < r.fraaga.size(); ++j)
            u.laeggTillFraaga((j == 0 ? P : indrag) + r.fraaga.at(j));
        for (int j = 0; j < r.svar.size(); ++j)
            u.laeggTillSvar((j == 0 ? P : indrag) + r.svar.at(j));
        f.postSkickad();
        f.naestaArbetsbladspost();
    }
}

namespace {
QFrame *panel(QWidget *foraelder, const char *namn)
{
    auto *p = new QFrame(foraelder);
    p->setObjectName(QLatin1String(namn));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    new QHBoxLayout(p);
    return p;
}
} // namespace

Arbetsbladsval::Arbetsbladsval(Ovningsram &foenster) : QFrame(&foenster), m_f(foenster)
{
    setObjectName(QStringLiteral("SkrivutHelaPanelen"));
    auto *lagg = new QHBoxLayout(this);
    lagg->setContentsMargins(0, 0, 0, 0);
    auto knapp = [this](QFrame *p, QPushButton *&k, const char *namn, const char *text, void (Arbetsbladsval::*h)()) {
        k = new QPushButton(QString::fromUtf8(text), p);
        k->setObjectName(QLatin1String(namn));
        p->layout()->addWidget(k);
        connect(k, &QPushButton::clicked, this, [this, h] { (this->*h)(); });
    };
    SkrivutPanel1 = panel(this, "SkrivutPanel1");
    knapp(SkrivutPanel1, SkrivutAntalButton, "SkrivutAntalButton", "Välja &antal", &Arbetsbladsval::SkrivutAntalButtonClick);
    knapp(SkrivutPanel1, ValjaUtButton, "ValjaUtButton", "Välja &ut", &Arbetsbladsval::ValjaUtButtonClick);
    knapp(SkrivutPanel1, SkrivutAvbryt1Button, "SkrivutAvbryt1Button", "Till &menyn", &Arbetsbladsval::SkrivutAvbryt1ButtonClick);
    knapp(SkrivutPanel1, VisaUtSkriftListaButton, "VisaUtSkriftListaButton", "Se ditt &val", &Arbetsbladsval::VisaUtSkriftListaButtonClick);
    knapp(SkrivutPanel1, Skrivut1Button, "Skrivut1Button", "&Skriv ut", &Arbetsbladsval::Skrivut1ButtonClick);
    knapp(SkrivutPanel1, RensaButton, "RensaButton", "&Rensa", &Arbetsbladsval::RensaButtonClick);

    SkrivutValPanel = panel(this, "SkrivutValPanel");
    knapp(SkrivutValPanel, SkrivutNextButton, "SkrivutNextButton", "&Nästa uppgift", &Arbetsbladsval::SkrivutNextButtonClick);
    knapp(SkrivutValPanel, SkrivutSkickaButton, "SkrivutSkickaButton", "Skickas &till utskrift", &Arbetsbladsval::SkrivutSkickaButtonClick);
    knapp(SkrivutValPanel, SkrivutAvbryt2Button, "SkrivutAvbryt2Button", "&Avbryt", &Arbetsbladsval::SkrivutAvbryt2ButtonClick);
    knapp(SkrivutValPanel, Skrivut2Button, "Skrivut2Button", "&Skriv ut", &Arbetsbladsval::Skrivut2ButtonClick);
    knapp(SkrivutValPanel, VisaUtskriftLista2Button, "VisaUtskriftLista2Button", "Se ditt &val", &Arbetsbladsval::VisaUtskriftLista2ButtonClick);

    SkrivutAntalPanel = panel(this, "SkrivutAntalPanel");
    SkrivutAntalTextLabel = new QLabel(QStringLiteral("Antal:"), SkrivutAntalPanel);
    SkrivutAntalTextLabel->setObjectName(QStringLiteral("SkrivutAntalTextLabel"));
    SkrivutAntalLabel = new QLabel(QStringLiteral("1"), SkrivutAntalPanel);
    SkrivutAntalLabel->setObjectName(QStringLiteral("SkrivutAntalLabel"));
    SkrivutAntalLabel->setMinimumWidth(40);
    SkrivutAntalPanel->layout()->addWidget(SkrivutAntalTextLabel);
    SkrivutAntalPanel->layout()->addWidget(SkrivutAntalLabel);
    knapp(SkrivutAntalPanel, SkrivutSpinUpp, "SkrivutSpinButtonUpp", "▲", &Arbetsbladsval::SkrivutSpinButtonUpClick);
    knapp(SkrivutAntalPanel, SkrivutSpinNer, "SkrivutSpinButtonNer", "▼", &Arbetsbladsval::SkrivutSpinButtonDownClick);
    knapp(SkrivutAntalPanel, SkrivutKlartButton, "SkrivutKlartButton", "&Klart", &Arbetsbladsval::SkrivutKlartButtonClick);
    knapp(SkrivutAntalPanel, SkrivutAvbryt4Button, "SkrivutAvbryt4Button", "&Avbryt", &Arbetsbladsval::SkrivutAvbryt4ButtonClick);

    SkrivutSvarPanel = panel(this, "SkrivutSvarPanel");
    knapp(SkrivutSvarPanel, SkrivutUtanButton, "SkrivutUtanButton", "Skriv ut &utan svaren", &Arbetsbladsval::SkrivutUtanButtonClick);
    knapp(SkrivutSvarPanel, SkrivutMedButton, "SkrivutMedButton", "Skriv ut &med svaren", &Arbetsbladsval::SkrivutMedButtonClick);
    knapp(SkrivutSvarPanel, SkrivutAvbryt3Button, "SkrivutAvbryt3Button", "&Avbryt", &Arbetsbladsval::SkrivutAvbryt3ButtonClick);

    SkrivutListValPanel = panel(this, "SkrivutListValPanel");
    knapp(SkrivutListValPanel, SeListUtanButton, "SeListUtanButton", "Se ditt val &utan svar", &Arbetsbladsval::SeListUtanButtonClick);
    knapp(SkrivutListValPanel, SelistMedButton, "SelistMedButton", "Se ditt val &med svar", &Arbetsbladsval::SelistMedButtonClick);
    knapp(SkrivutListValPanel, SkrivutAvbryt5Button, "SkrivutAvbryt5Button", "&Avbryt", &Arbetsbladsval::SkrivutAvbryt5ButtonClick);

    for (QFrame *p : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        lagg->addWidget(p);
    // Nothing to print or preview until the window's section has begun,
    // unless earlier windows have already filled the worksheet.
    saettUtskriftAktiv(!utskriftsfoenstret().fraagor().isEmpty());
    visaBara(SkrivutPanel1);
    QRect plats = foenster.arbetsbladspanelensPlats();
    if (!plats.isValid())
        plats = QRect(10, foenster.height() - 90, foenster.width() - 20, 60);
    setGeometry(plats);
    show();
    raise();
}

bool Arbetsbladsval::antalPanelSynlig() const { return SkrivutAntalPanel->isVisible(); }

void Arbetsbladsval::visaBara(QFrame *p, QPushButton *fokus)
{
    for (QFrame *q : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        q->setVisible(q == p);
    show();
    raise();
    // The panel that opens takes the focus: the given button, else its
    // first one that can be pressed.
    if (!fokus || !fokus->isEnabled())
        for (QPushButton *k : p->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
            if (k->isEnabled()) {
                fokus = k;
                break;
            }
    if (fokus)
        fokus->setFocus();
}

void Arbetsbladsval::saettUtskriftAktiv(bool paa)
{
    for (QPushButton *k : {Skrivut1Button, Skrivut2Button, VisaUtSkriftListaButton, VisaUtskriftLista2Button, RensaButton})
        k->setEnabled(paa);
}

void Arbetsbladsval::SkrivutAntalButtonClick()
{
    G.arbetsblad.UtskriftAntal = 1;
    SkrivutAntalLabel->setText(QString::number(G.arbetsblad.UtskriftAntal));
    visaBara(SkrivutAntalPanel, SkrivutKlartButton);
}

void Arbetsbladsval::ValjaUtButtonClick()
{
    visaBara(SkrivutValPanel);
    Valflagga = true;
}

void Arbetsbladsval::SkrivutAvbryt1ButtonClick()
{
    utskriftsfoenstret().hide();
    G.arbetsblad.NyttAvsnitt = 0;
    m_f.stang();
}

void Arbetsbladsval::VisaUtSkriftListaButtonClick()
{
    Valflagga = false;
    visaBara(SkrivutListValPanel);
    Visningsflagga = true;
}

void Arbetsbladsval::Skrivut1ButtonClick() { visaBara(SkrivutSvarPanel); }
void Arbetsbladsval::Skrivut2ButtonClick() { visaBara(SkrivutSvarPanel); }

void Arbetsbladsval::RensaButtonClick()
{
    G.arbetsblad.NySida = 1;
    G.arbetsblad.NyttAvsnitt = 1;
    G.arbetsblad.UtskriftNummer = 0;
    G.arbetsblad.SidNummer = 1;
    G.arbetsblad.UtskriftAvsnitt = 0;
    utskriftsfoenstret().toemListorna();
}

void Arbetsbladsval::SkrivutNextButtonClick() { m_f.naestaArbetsbladspost(); }

void Arbetsbladsval::SkrivutSkickaButtonClick()
{
    laeggTillArbetsbladsposter(m_f, utskriftsfoenstret(), 1, false);
    saettUtskriftAktiv(true);
}

void Arbetsbladsval::SkrivutAvbryt2ButtonClick() { visaBara(SkrivutPanel1); }

void Arbetsbladsval::VisaUtskriftLista2ButtonClick()
{
    Valflagga = true;
    visaBara(SkrivutListValPanel);
    Visningsflagga = false;
}

void Arbetsbladsval::skrivUt(bool medSvar)
{
    SkrivutAv(true);
    G.arbetsblad.NySida = 1;
    G.arbetsblad.MedSvar = medSvar ? 1 : 0;
    utskriftsfoenstret().SkrivutFraga();
    SkrivutAv(false);
    (medSvar ? SkrivutMedButton : SkrivutUtanButton)->setFocus();   // the press took it away
}

void Arbetsbladsval::SkrivutUtanButtonClick() { skrivUt(false); }
void Arbetsbladsval::SkrivutMedButtonClick() { skrivUt(true); }

void Arbetsbladsval::SkrivutAvbryt3ButtonClick() { visaBara(Valflagga ? SkrivutValPanel : SkrivutPanel1); }

void Arbetsbladsval::SkrivutAv(bool av)
{
    for (QPushButton *k : {SkrivutUtanButton, SkrivutMedButton, SkrivutAvbryt3Button})
        k->setEnabled(!av);
}

void Arbetsbladsval::SkrivutSpinButtonUpClick()
{
    if (G.arbetsblad.UtskriftAntal < G.start.FilAntalPoster[G.oevning.DatFilIndex])
        ++G.arbetsblad.UtskriftAntal;
    SkrivutAntalLabel->setText(QString::number(G.arbetsblad.UtskriftAntal));
}

void Arbetsbladsval::SkrivutSpinButtonDownClick()
{
    if (G.arbetsblad.UtskriftAntal > 0)
        --G.arbetsblad.UtskriftAntal;
    SkrivutAntalLabel->setText(QString::number(G.arbetsblad.UtskriftAntal));
}

void Arbetsbladsval::SkrivutKlartButtonClick()
{
    laeggTillArbetsbladsposter(m_f, utskriftsfoenstret(), G.arbetsblad.UtskriftAntal, true);
    saettUtskriftAktiv(true);
    visaBara(SkrivutPanel1);
}

void Arbetsbladsval::SkrivutAvbryt4ButtonClick()
{
    Valflagga = false;
    visaBara(SkrivutPanel1);
}

void Arbetsbladsval::SeListUtanButtonClick() { utskriftsfoenstret().visa(false); }
void Arbetsbladsval::SelistMedButtonClick() { utskriftsfoenstret().visa(true); }

void Arbetsbladsval::SkrivutAvbryt5ButtonClick() { visaBara(Visningsflagga ? SkrivutPanel1 : SkrivutValPanel); }

void installeraArbetsblad()
{
    utskriftsfoenstret();
    SkapaArbetsbladspanel = [](Ovningsram &f) -> Arbetsbladspanel * { return new Arbetsbladsval(f); };
    TomUtskriftslistorna = [] { utskriftsfoenstret().toemListorna(); };
}
