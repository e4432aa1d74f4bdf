#include "worksheets/tutskrift.h"

#include "core/arbetsbladstext.h"
#include "core/tillstaand.h"
#include "platform/ui/oevermodal.h"
#include "platform/ui/utskrift.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TUtskrift *Utskrift = nullptr;
const char *const Tillverkarort = "Umeå";

namespace {
QStringList rader(const QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}
} // namespace

TUtskrift::TUtskrift(QWidget *foraelder) : QWidget(foraelder, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Utskrift"));
    resize(620, 560);
    auto *lagg = new QVBoxLayout(this);
    Panel8 = new QFrame(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setFrameShape(QFrame::Panel);
    auto *rubrik = new QLabel(QString::fromUtf8("Uppgifter som du valt"), Panel8);
    rubrik->setAlignment(Qt::AlignCenter);
    auto *rl = new QVBoxLayout(Panel8);
    rl->addWidget(rubrik);
    lagg->addWidget(Panel8);
    QFont mono(QStringLiteral("DejaVu Sans Mono"), 10);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget *l : {ListBox1, ListBox2}) {
        l->setFont(mono);
        lagg->addWidget(l, 1);
    }
    ListBox2->hide();
}

QStringList TUtskrift::fraagor() const { return rader(ListBox1); }
QStringList TUtskrift::svar() const { return rader(ListBox2); }
void TUtskrift::laeggTillFraaga(const QString &rad) { ListBox1->addItem(rad); }
void TUtskrift::laeggTillSvar(const QString &rad) { ListBox2->addItem(rad); }

void TUtskrift::laeggTill(const QString &fraaga, const QString &svar)
{
    laeggTillFraaga(fraaga);
    laeggTillSvar(svar);
}

void TUtskrift::toemListorna()
{
    ListBox1->clear();
    ListBox2->clear();
}

void TUtskrift::visa(bool medSvar)
{
    ListBox1->setVisible(!medSvar);
    ListBox2->setVisible(medSvar);
    plattform::visaOeverModal(this);
}

// ---- printing -------------------------------------------------------------------

void TUtskrift::SkrivSidNr(int n)
{
    m_p->saettTypsnitt(QStringLiteral("Arial"), 10, false);
    m_p->textOut(m_p->XmmTillPixel(200), m_p->YmmTillPixel(2), QString::number(n));
}

void TUtskrift::SkrivProgramNamn()
{
    m_p->saettTypsnitt(QStringLiteral("Arial"), 8, false);
    m_p->textOut(m_p->XmmTillPixel(2), m_p->YmmTillPixel(2), QStringLiteral("Morvika"));
}

void TUtskrift::SkrivProgramRubrik()
{
    if (G.arbetsblad.NySida != 1)
        return;
    plattform::Skrivare &p = *m_p;
    G.arbetsblad.SidNummer = 1;
    SkrivSidNr(1);
    p.saettTypsnitt(QStringLiteral("Arial"), 22, true);
    m_y = 2;
    const QString titel = G.arbetsblad.MedSvar ? QString::fromUtf8("Arbetsblad från Morvika. Facit.")
                                    : QString::fromUtf8("Arbetsblad från Morvika.");
    const int w = p.textWidth(titel);
    const int h1 = p.textHeight(QString::fromUtf8("Arbetsblad från "));
    p.saettTypsnitt(QStringLiteral("Arial"), 8, false);
    const int h2 = p.textHeight(QStringLiteral("KAVO "));
    auto ram = [&](int x1, int x2, int y1, int y2) {
        p.linje(x1, y1, x2, y1);
        p.linje(x2, y1, x2, y2);
        p.linje(x2, y2, x1, y2);
        p.linje(x1, y2, x1, y1);
    };
    ram(p.XmmTillPixel(18), p.XmmTillPixel(22) + w, p.YmmTillPixel(m_y), p.YmmTillPixel(m_y + 6) + h1 + h2);
    ram(p.XmmTillPixel(19), p.XmmTillPixel(21) + w, p.YmmTillPixel(m_y + 1), p.YmmTillPixel(m_y + 5) + h1 + h2);
    p.saettTypsnitt(QStringLiteral("Arial"), 22, true);
    p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(m_y + 2), titel);
    p.saettTypsnitt(QStringLiteral("Arial"), 8, false);
    p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(m_y + 2) + h1,
              QString::fromUtf8("Ett program från KAVO DATA, ") + QString::fromUtf8(Tillverkarort) + QLatin1Char('.'));
    m_y += p.YPixelTillmm(h1 + h2) + 2;
    p.saettTypsnitt(QStringLiteral("Arial"), 16, false);
    G.arbetsblad.NySida = 0;
}

void TUtskrift::SkrivutFraga()
{
    if (!plattform::koerUtskriftsdialog())
        return;
    m_p = &plattform::skrivare();
    plattform::Skrivare &p = *m_p;
    const int kopior = p.taKopiorSjaelv();
    const QStringList L = G.arbetsblad.MedSvar ? svar() : fraagor();
    auto radhoejd = [&p] {
        p.saettTypsnitt(QStringLiteral("Arial"), 14, false);
        return p.textHeight(QString::fromUtf8("ÅgJj"));
    };
    for (int kopia = 0; kopia < kopior; ++kopia) {
        if (!p.beginDoc())
            return;
        G.arbetsblad.NySida = 1;
        SkrivProgramRubrik();
        // Every copy, and a list that does not begin with a heading, starts
        // from the height of a 14-point line.
        int H = radhoejd();
        p.saettTypsnitt(QStringLiteral("Arial"), 16, false);
        int brutenVid = -1;   // a line that did not fit a fresh page is printed there anyway
        for (int i = 0; i < L.size(); ++i) {
            const int c = RadTyp(L.at(i));
            if (c == 1)
                m_y += 2;
            bool bryt = false;
            if ((c == 1 || c == 2) && brutenVid != i)
                bryt = UppgiftTillNySida(L, i) * 8 + m_y > 256;
            if (bryt) {
                brutenVid = i;
                --i;
                ++G.arbetsblad.SidNummer;
                p.endDoc();
                p.beginDoc();
                SkrivSidNr(G.arbetsblad.SidNummer);
                SkrivProgramNamn();
                p.saettTypsnitt(QStringLiteral("Arial"), 14, false);
                m_y = 4;
            } else if (c == 1) {
                p.saettTypsnitt(QStringLiteral("Arial"), 16, true);
                m_y += p.YPixelTillmm(p.textHeight(QString::fromUtf8("ÅgJj")));
                p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(m_y), L.at(i));
                p.saettStorlek(14);
                if (InstruktionFinns(L, i)) {
                    ++i;
                    m_y += p.YPixelTillmm(p.textHeight(QString::fromUtf8("ÅgJj"))) + 1;
                    p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(m_y), L.at(i));
                }
                p.saettFet(false);
                H = p.textHeight(QString::fromUtf8("ÅgJj"));
            } else {
                if (c == 2)
                    m_y += 2;
                m_y += p.YPixelTillmm(H) + 1;
                p.textOut(p.XmmTillPixel(20), p.YmmTillPixel(m_y), L.at(i));
            }
        }
        p.endDoc();
    }
}

TUtskrift &utskriftsfoenstret()
{
    if (!Utskrift)
        Utskrift = new TUtskrift;
    return *Utskrift;
}
