#include "exercises/arrange/ordnau.h"

#include "core/datafiler.h"
#include "core/ordna.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/seams.h"
#include "platform/ui/dragdrop.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval ordnaval(const Oevningsstart &)
{
    Ramval v;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.slutTimerNamn = QStringLiteral("Timer2");
    // It runs in practice only: nothing to report.
    v.runda.diagnosbokfoering = false;
    v.svarsfaelt = false;
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    return v;
}

QListWidget *lista(QFrame *panel, const char *namn, const QColor &text)
{
    auto *l = new QListWidget(panel);
    l->setObjectName(QString::fromLatin1(namn));
    l->setFont(arial(Punkter{14}, true));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setFrameStyle(QFrame::NoFrame);
    // Disabled while the key is shown, and still read beside it.
    QPalette p = l->palette();
    for (auto grupp : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(grupp, QPalette::Text, text);
    l->setPalette(p);
    return l;
}

// The help lines as paragraphs to be wrapped at the panel's width: an
// indented line goes on with the sentence before it.
QString hjaelpstycken(const QStringList &rader)
{
    QStringList stycken;
    for (const QString &rad : rader) {
        const QString t = rad.trimmed();
        const bool fortsaetter = rad.startsWith(QStringLiteral("    ")) && !stycken.isEmpty()
                                 && !stycken.last().isEmpty() && !stycken.last().endsWith(QLatin1Char('.'));
        if (fortsaetter)
            stycken.last() += QLatin1Char(' ') + t;
        else if (!t.isEmpty() || (!stycken.isEmpty() && !stycken.last().isEmpty()))
            stycken << t;
    }
    while (!stycken.isEmpty() && stycken.last().isEmpty())
        stycken.removeLast();
    return stycken.join(QLatin1Char('\n'));
}

} // namespace

const QStringList &TOrdna::HjaelpRader()
{
    static const QStringList r = {
        QStringLiteral("  Gör så här:"),
        QString(),
        QStringLiteral("1. Tryck ner vänster musknapp på "),
        QStringLiteral("    ordet du vill flytta."),
        QStringLiteral("2. Håll knappen nedtryckt och dra "),
        QStringLiteral("    musen till önskad plats."),
        QStringLiteral("3. Släpp upp knappen och ordet "),
        QStringLiteral("    flyttas dit."),
        QStringLiteral("    OBS!"),
        QStringLiteral("    Du kan inte flytta ett ord till en plats"),
        QStringLiteral("    som är under listan.  "),
        QStringLiteral("    "),
        QString(),
        QString(),
    };
    return r;
}

TOrdna::TOrdna(const Oevningsstart &start, QWidget *parent) : Ovningsram(ordnaval(start), parent)
{
    setObjectName(QStringLiteral("Ordna"));
    Panel1 = Slutpanel;
    ListPanel1 = skapaPanel(this, QStringLiteral("ListPanel1"), QRect());
    ListPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ListBox1 = lista(ListPanel1, "ListBox1", clBlack);
    ListPanel2 = skapaPanel(this, QStringLiteral("ListPanel2"), QRect());
    ListPanel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ListBox2 = lista(ListPanel2, "ListBox2", clGreen);

    m_kaella = new Dragkaella(ListBox1, Dragkaella::Start::EfterAvstaand);
    auto *maal = new Slaeppmaal(ListBox1);
    maal->OnDragOver = [this](const Dragdata &d, QPoint) { return d.kaella() == ListBox1; };
    maal->OnDragDrop = [this](const Dragdata &d, QPoint p) {
        QListWidgetItem *t = ListBox1->itemAt(p);
        return t && ListBox1DragDrop(d.rad(), ListBox1->row(t));
    };

    KlarButton = skapaKnapp(this, QStringLiteral("KlarButton"), QStringLiteral("Sorteringen &klar"), QRect());
    connect(KlarButton, &QPushButton::clicked, this, [this] { KlarButtonClick(); });
    HjalpButton = skapaKnapp(this, QStringLiteral("HjalpButton"), QStringLiteral("&Hjälp"), QRect());
    connect(HjalpButton, &QPushButton::clicked, this, [this] { HjalpButtonClick(); });
    HjalpPanel = skapaPanel(this, QStringLiteral("HjalpPanel"), QRect());
    HjalpPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HjalpMemo = new Klickpanel(HjalpPanel, QStringLiteral("HjalpMemo"), QString(), QRect());
    HjalpMemo->setText(hjaelpstycken(HjaelpRader()));
    HjalpMemo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HjalpMemo->setWordWrap(true);
    HjalpMemo->setFont(arial(Punkter{11}, true));
    saettBakgrund(HjalpMemo, clYellow);
    HjalpMemo->OnClick = [this] { HjalpPanel->hide(); };
    Label8 = skapaTaetEtikett(this, QStringLiteral("Label8"));

    HjalpPanel->hide();
    skapa(start);
}

void TOrdna::efterSkapande()
{
    BitBtn2->hide();
    // The instruction keeps left of the progress squares: the window's
    // scaling makes it a size or two too large on a large screen.
    const int rum = Aster1->x() - G.skaerm.Marginal - InstruktionsLabel->x();
    InstruktionsLabel->setFont(passandeTypsnitt({G.oevning.Instruktion}, rum, InstruktionsLabel->font(), 11));
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion);
    if (InstruktionsLabel->width() > rum) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->setFixedWidth(rum);
        InstruktionsLabel->adjustSize();
    }
}

void TOrdna::Inled()
{
    Ovningsram::Inled();
    const auto [W, H, M] = rutnaet();
    const int topp = 12 * H;
    ListPanel1->setGeometry(8 * W, topp, 16 * W, 22 * H);
    ListPanel2->setGeometry(27 * W, topp, 16 * W, 22 * H);
    for (QFrame *p : {ListPanel1, ListPanel2}) {
        auto *l = p->findChild<QListWidget *>();
        l->setGeometry(4, 4, p->width() - 8, p->height() - 8);
    }
    KlarButton->setGeometry(8 * W, topp + 23 * H, 16 * W, 3 * H);
    HjalpButton->setGeometry(27 * W, topp + 23 * H, 10 * W, 3 * H);
    // Left of the squares; the text wraps, and shrinks until all of it fits.
    HjalpPanel->setGeometry(44 * W, topp, 15 * W, 22 * H);
    HjalpMemo->setGeometry(4, 4, HjalpPanel->width() - 8, HjalpPanel->height() - 8);
    HjalpMemo->setContentsMargins(6, 6, 12, 6);
    for (int pt = 11; pt >= 7; --pt) {
        HjalpMemo->setFont(arial(Punkter{pt}, true));
        if (HjalpMemo->heightForWidth(HjalpMemo->width()) <= HjalpMemo->height())
            break;
    }
}

void TOrdna::sorteraOeppen()
{
    KlarButton->show();
    KlarButton->setEnabled(true);
    HjalpButton->show();
    HjalpButton->setEnabled(true);
    listornaPaa(true);
    ListPanel2->hide();
}

void TOrdna::listornaPaa(bool paa)
{
    ListBox1->setEnabled(paa);
    ListBox2->setEnabled(paa);
    ListPanel1->setEnabled(paa);
}

void TOrdna::NollaLabeller()
{
    Label8->clear();
    Label8->hide();
    Ovningsram::NollaLabeller();
}

void TOrdna::rensa()
{
    runda.nollaRaekning();
}

void TOrdna::NyPost()
{
    haemtaPost();
    QStringList faelt;
    for (int f = 1; f <= 10; ++f)
        faelt << postdelar.faelt[f];
    Facit = ordAttOrdna(faelt);
    ListBox1->clear();
    ListBox2->clear();
    ListBox2->addItems(Facit);
    ListBox1->addItems(blandaOrd(Facit));
    sorteraOeppen();
    HjalpPanel->hide();
}

QStringList TOrdna::elevensLista() const
{
    QStringList ut;
    for (int i = 0; i < ListBox1->count(); ++i)
        ut << ListBox1->item(i)->text();
    return ut;
}

bool TOrdna::ListBox1DragDrop(int fraan, int till)
{
    if (!ListBox1->isEnabled() || fraan < 0 || till < 0 || fraan >= ListBox1->count() || till >= ListBox1->count())
        return false;
    if (fraan != till) {
        const QStringList ny = flyttaOrd(elevensLista(), fraan, till);
        for (int i = 0; i < ny.size(); ++i)
            ListBox1->item(i)->setText(ny.at(i));
        ListBox1->setCurrentRow(till);
    }
    ListBox1->repaint();
    return true;
}

void TOrdna::KlarButtonClick()
{
    // Judged once: the button is off from the answer to the next item.
    if (!KlarButton->isEnabled() || KlarButton->isHidden())
        return;
    RaettTest();
}

void TOrdna::RaettTest()
{
    const bool raett = RattSvar(elevensLista(), Facit);
    svarsboekfoering(raett);
    if (!raett) {
        listornaPaa(false);
        ListPanel2->show();
        KlarButton->setEnabled(false);
        HjalpButton->setEnabled(false);
    }
    efterSvar();
}

void TOrdna::HjalpButtonClick()
{
    HjalpPanel->show();
    HjalpPanel->raise();
}

// ---- frame hooks -------------------------------------------------------------

void TOrdna::foerAvslutningEfterVaentan()
{
    Slutpanel->show();
    HjalpButton->hide();
}

void TOrdna::vidRundansSlut()
{
    KlarButton->setEnabled(false);
    HjalpButton->setEnabled(false);
    ListPanel1->setEnabled(false);
    ListPanel2->setEnabled(false);
}

void TOrdna::foerberedRaettning()
{
    KlarButton->show();
    HjalpButton->show();
    ListPanel1->setEnabled(true);
    ListPanel2->setEnabled(true);
}

void TOrdna::efterFortsaett()
{
    foerberedRaettning();
    BitBtn1->setEnabled(true);
}

void TOrdna::efterInstaellningar()
{
    if (!rundanPaagaar()) {
        Slutpanel->show();
        return;
    }
    Slutpanel->hide();
    // During the wait after a wrong answer the key stays and nothing is
    // judged a second time.
    if (runda.vaentarKoer())
        return;
    sorteraOeppen();
}

int VisaOrdna() { return visaOevning<TOrdna>(); }
