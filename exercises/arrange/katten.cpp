#include "exercises/arrange/katten.h"

#include "core/datafiler.h"
#include "core/skrivposter.h"
#include "core/slumpordning.h"
#include "core/svarstest.h"
#include "core/tillstaand.h"
#include "core/foensterregister.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

using namespace plattform;

namespace {

constexpr int MinstaPunkter = 11;

Lovordsnamn kattensLovord()
{
    Lovordsnamn n;
    n.inre = QStringLiteral("LovordInnerPanel");
    n.etikett = QStringLiteral("LovordLabel");
    return n;
}

QFrame *panel(QWidget *foeraelder, const QString &namn, const QColor &faerg)
{
    QFrame *f = skapaPanel(foeraelder, namn, QRect());
    saettBakgrund(f, faerg);
    f->setAutoFillBackground(true);
    return f;
}

// The largest size from `fraan` down at which `text` is at most `bredd`
// wide, never below 11 pt.
QFont anpassad(const QString &text, int fraan, int bredd)
{
    return passandeTypsnitt({text}, bredd, arial(Punkter{fraan}, true), MinstaPunkter);
}

} // namespace

Tkatten::Tkatten(const Oevningsstart &, QWidget *parent)
    : Foenster(parent), Lovord(this, kattensLovord()), Knappar(this, QStringLiteral("Panel1"))
{
    const QSize s = helskaerm(this, QStringLiteral("katten"), clBtnFace);
    m_gw = std::max(1, s.width() / 32);
    m_gh = std::max(1, rutnaet().H);
    const int gw = m_gw, gh = m_gh;

    Overskriftpanel = panel(this, QStringLiteral("Overskriftpanel"), clAqua);
    Overskriftpanel->setGeometry(gw, gh / 4, 30 * gw, 6 * gh);
    Overskriftlabel = skapaEtikett(Overskriftpanel, QStringLiteral("Overskriftlabel"), QString(), QPoint());
    saettTextfaerg(Overskriftlabel, clNavy);
    InstruktionsLabel = skapaEtikett(this, QStringLiteral("InstruktionsLabel"), QString(), QPoint());
    InstruktionsLabel->setFont(arial(Punkter{14}, true));
    saettTextfaerg(InstruktionsLabel, clGreen);
    saettEtikettText(InstruktionsLabel, QStringLiteral("Klicka på en ruta eller tryck siffra."));
    InstruktionsLabel->setGeometry(gw, 7 * gh, 30 * gw, InstruktionsLabel->height());
    InstruktionsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    const char *const ordNamn[5] = {"", "KattLabel1", "Kattlabel2", "KattLabel3", "KattLabel4"};
    for (int k = 1; k <= 4; ++k) {
        const auto i = std::size_t(k);
        KattPanel[i] = panel(this, QStringLiteral("KattPanel") + QString::number(k), clBtnFace);
        KattPanel[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        KattPanel[i]->setLineWidth(2);
        KattLabel[i] = skapaEtikett(KattPanel[i], QString::fromLatin1(ordNamn[k]), QString(), QPoint());
        KattLabel[i]->setAlignment(Qt::AlignCenter);
        saettTextfaerg(KattLabel[i], clNavy);
        // The cards are disabled while the answer is shown; their words stay
        // navy so that the right one can be read on its aqua card.
        QPalette p = KattLabel[i]->palette();
        p.setColor(QPalette::Disabled, QPalette::WindowText, clNavy);
        KattLabel[i]->setPalette(p);
        NrLabel[i] = skapaEtikett(KattPanel[i], QStringLiteral("NrLabel") + QString::number(k),
                                  QString::number(k), QPoint(4, 2));
        NrLabel[i]->setFont(arial(Punkter{12}, true));
        NrLabel[i]->adjustSize();
        QPalette nr = NrLabel[i]->palette();
        nr.setColor(QPalette::Disabled, QPalette::WindowText, clBlack);
        NrLabel[i]->setPalette(nr);
        for (QWidget *w : {static_cast<QWidget *>(KattPanel[i]), static_cast<QWidget *>(KattLabel[i]),
                           static_cast<QWidget *>(NrLabel[i])}) {
            w->setProperty("kattpanel", k);
            w->installEventFilter(this);
        }
    }
    Kommentarlabel = skapaEtikett(this, QStringLiteral("Kommentarlabel"), QString(), QPoint());
    Kommentarlabel->setFont(arial(Punkter{14}, true));
    saettTextfaerg(Kommentarlabel, clMaroon);
    Kommentarlabel->setWordWrap(true);
    Kommentarlabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Kommentarlabel->setGeometry(gw, 27 * gh, 30 * gw, 4 * gh);

    NamnPanel = panel(this, QStringLiteral("NamnPanel"), clSilver);
    NamnPanel->setGeometry(gw, 31 * gh, 30 * gw, 11 * gh);
    for (int s2 = 1; s2 <= 3; ++s2) {
        const auto i = std::size_t(s2);
        NamnLabel[i] = skapaEtikett(NamnPanel, QStringLiteral("NamnLabel") + QString::number(s2), QString(), QPoint());
        NamnLabel[i]->setAutoFillBackground(true);
        saettTextfaerg(NamnLabel[i], clNavy);
        ResultatPanel[i] = panel(NamnPanel, QStringLiteral("ResultatPanel") + QString::number(s2), clWhite);
        PoengPanel[i] = panel(ResultatPanel[i], QStringLiteral("PoengPanel") + QString::number(s2), clAqua);
    }

    Panel1 = Knappar.panel;
    saettBakgrund(Panel1, clNavy);
    Panel1->setAutoFillBackground(true);
    Button1 = Knappar.knapp(QStringLiteral("Button1"), QStringLiteral("&Fortsätta"), [this] { Button1Click(); });
    Button2 = Knappar.knapp(QStringLiteral("Button2"), QStringLiteral("&Nya namn"), [this] { Button2Click(); });
    Button3 = Knappar.knapp(QStringLiteral("Button3"), QStringLiteral("&Avbryta"), [this] { Button3Click(); });
    Knappar.placera(QRect(gw, 42 * gh + gh / 2, 30 * gw, 5 * gh), gh, gw / 2);

    Lovord.LovordPanel->setGeometry(gw, 11 * gh, 30 * gw, 15 * gh);
    BildPanelen = skapaPanel(this, QStringLiteral("BildPanelen"), QRect());
    BildPanelen->hide();
    TestLabel = skapaEtikett(this, QStringLiteral("TestLabel"), QString(), QPoint());
    TestLabel->hide();

    Timer1 = new Timer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->OnTimer = [this] { Timer1Timer(); };

    G.runda.RaettaFel = 0;
    RitaOverskriften();
    Lovord.LovordPanel->hide();
    Panel1->hide();
    nyttSpel();
}

void Tkatten::RitaOverskriften()
{
    const QString text = QStringLiteral("Vad ska bort?");
    Overskriftlabel->setFont(anpassad(text, 35, 28 * m_gw));
    Overskriftlabel->setText(text);
    Overskriftlabel->setAlignment(Qt::AlignCenter);
    Overskriftlabel->setGeometry(0, 0, Overskriftpanel->width(), Overskriftpanel->height());
}

void Tkatten::RitaKattpaneler(const std::array<QString, 5> &ord)
{
    const int gw = m_gw, gh = m_gh;
    const int bredd = 29 * gw / 2;
    QString laengst;
    for (int k = 1; k <= 4; ++k) {
        const auto i = std::size_t(k);
        KattPanel[i]->setGeometry(k % 2 ? gw : 33 * gw / 2, k <= 2 ? 11 * gh : 19 * gh, bredd, 7 * gh);
        if (QFontMetrics(arial(Punkter{30}, true)).horizontalAdvance(ord[i])
            > QFontMetrics(arial(Punkter{30}, true)).horizontalAdvance(laengst))
            laengst = ord[i];
    }
    const QFont f = anpassad(laengst, 30, bredd - 2 * gw);
    for (int k = 1; k <= 4; ++k) {
        const auto i = std::size_t(k);
        KattLabel[i]->setFont(f);
        KattLabel[i]->setText(ord[i]);
        KattLabel[i]->setGeometry(0, 0, bredd, 7 * gh);
        NrLabel[i]->raise();
    }
}

void Tkatten::RitaNamnPanelen(bool helt)
{
    const int antal = spel.antal();
    const int gw = m_gw, gh = m_gh;
    const int rad = antal == 1 ? 8 * gh : antal == 2 ? 5 * gh : 3 * gh;
    const int topp = (NamnPanel->height() - antal * rad) / 2;
    if (helt) {
        QString laengst;
        for (int s = 1; s <= antal; ++s)
            if (G.spelare.Spelarnamn[s].str().size() > laengst.size())
                laengst = G.spelare.Spelarnamn[s];
        const QFont f = anpassad(laengst, 20, 8 * gw);
        for (int s = 1; s <= 3; ++s) {
            const auto i = std::size_t(s);
            const bool med = s <= antal;
            NamnLabel[i]->setVisible(med);
            ResultatPanel[i]->setVisible(med);
            NamnLabel[i]->setFont(f);
            NamnLabel[i]->setText(G.spelare.Spelarnamn[s]);
            NamnLabel[i]->setGeometry(gw / 2, topp + (s - 1) * rad, 9 * gw, rad - gh / 2);
            ResultatPanel[i]->setGeometry(10 * gw, topp + (s - 1) * rad + gh / 4, 20 * gw - gw / 2,
                                          rad - gh);
        }
    }
    for (int s = 1; s <= 3; ++s) {
        const auto i = std::size_t(s);
        const int p = s <= antal ? spel.poaeng(s) : 0;
        PoengPanel[i]->setGeometry(0, 0, p * 20 * gw / KattMaal, ResultatPanel[i]->height());
        PoengPanel[i]->setVisible(p > 0);
        saettBakgrund(NamnLabel[i], s == spel.aktuell() ? clAqua : clBtnFace);
    }
}

void Tkatten::paneler(bool paa)
{
    for (int k = 1; k <= 4; ++k)
        KattPanel[std::size_t(k)]->setEnabled(paa);
}

void Tkatten::nyttSpel()
{
    spelSlut = false;
    spel.nyttSpel(G.spelare.AntalSpelare);
    RitaKattpaneler({});
    RitaNamnPanelen(true);
    for (int k = 1; k <= 4; ++k)
        KattPanel[std::size_t(k)]->show();
    InstruktionsLabel->show();
    NyPost();
}

void Tkatten::NyPost()
{
    // During a pause the panels stay off until "&Fortsätta".
    paneler(Panel1->isHidden());
    Kommentarlabel->hide();
    for (int k = 1; k <= 4; ++k)
        saettBakgrund(KattPanel[std::size_t(k)], clBtnFace);
    const std::optional<Postdelar> post = naestaPost(runda.datafil());
    if (!post) {
        stang();
        return;
    }
    m_post = *post;
    raettSvar = m_post.faelt[1];
    TestLabel->setText(raettSvar);
    const QList<int> ordning = slump(1, 4);
    std::array<QString, 5> ord;
    for (int k = 1; k <= 4; ++k) {
        const int faelt = ordning.value(k - 1, k);
        ord[std::size_t(k)] = m_post.faelt[faelt];
        if (faelt == 1)
            raettPanel = k;
    }
    RitaKattpaneler(ord);
    Timer1->setInterval(0);
    G.runda.Tidraeknare = 0;
    spel.naestaSpelare();
    RitaNamnPanelen(false);
}

void Tkatten::RaettTest(int k, int laege)
{
    paneler(false);
    if (laege == 1) {
        Panel1->show();
        Panel1->raise();
        Button1->setEnabled(true);
        Button1->setFocus();
        return;
    }
    Kattsteg steg;
    if (svarstest(raettSvar, KattLabel[std::size_t(k)]->text(), 1, m_post) == 0) {
        steg = spel.raett();
        RitaNamnPanelen(false);
    } else {
        runda.raekna(false);
        saettBakgrund(KattPanel[std::size_t(raettPanel)], clAqua);
        Kommentarlabel->setText(m_post.faelt[5]);
        Kommentarlabel->show();
        steg = spel.fel();
    }
    runda.stega();
    if (steg == Kattsteg::NyPost)
        NyPost();
    else if (steg == Kattsteg::Vaenta)
        Timer1->setInterval(1000);
    else
        slut();
}

void Tkatten::Timer1Timer()
{
    if (++G.runda.Tidraeknare >= G.val.SekunderRaettSvar)
        NyPost();
}

void Tkatten::slut()
{
    Timer1->setInterval(0);
    QStringList namn;
    for (int s : spel.vinnare())
        namn << G.spelare.Spelarnamn[s];
    InstruktionsLabel->hide();
    for (int k = 1; k <= 4; ++k)
        KattPanel[std::size_t(k)]->hide();
    // After a wrong last turn the comment that explains the answer stays
    // under the winners' names; after a right one it is already hidden.
    Lovord.LovordPanel->show();
    Lovord.rita(QStringLiteral("   Grattis,"), Vinnartext(namn), QString());
    Panel1->show();
    Panel1->raise();
    Button1->setEnabled(true);
    Button1->setFocus();
    spelSlut = true;
}

void Tkatten::Button1Click()
{
    InstruktionsLabel->show();
    Lovord.LovordPanel->hide();
    Panel1->hide();
    if (spelSlut) {
        nyttSpel();
        return;
    }
    // A pause ends; the ending phase goes on, and during the wait after a
    // wrong answer the panels come back with the next item.
    paneler(Timer1->interval() == 0);
}

void Tkatten::Button2Click()
{
    Timer1->setInterval(0);
    QPointer<Tkatten> vakt(this);
    starta(Foenstertyp::TSpelNam);
    if (!vakt)
        return;
    // Cancelled or not, a new game starts with the names now stored.
    Lovord.LovordPanel->hide();
    Panel1->hide();
    nyttSpel();
}

bool Tkatten::eventFilter(QObject *objekt, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        const int k = objekt->property("kattpanel").toInt();
        const auto *m = static_cast<QMouseEvent *>(e);
        if (k >= 1 && k <= 4 && KattPanel[std::size_t(k)]->isEnabled()) {
            if (m->button() == Qt::LeftButton)
                RaettTest(k, 0);
            else if (m->button() == Qt::RightButton)
                RaettTest(k, 1);
            return true;
        }
    }
    return Foenster::eventFilter(objekt, e);
}

bool Tkatten::keyPress(QChar tecken)
{
    if (tecken == QChar(27))
        return false;
    const int k = tecken.digitValue();
    if (k >= 1 && k <= 4 && KattPanel[std::size_t(k)]->isEnabled() && !KattPanel[std::size_t(k)]->isHidden())
        RaettTest(k, 0);
    return true;
}

void Tkatten::escape()
{
    if (Panel1->isVisible())
        Button3Click();
    else
        RaettTest(1, 1);
}

int VisaKatten() { return visaUtanRam<Tkatten>(); }
