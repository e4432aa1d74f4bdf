#include "exercises/frame/ramdelar.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/lovord.h"
#include "core/rundregler.h"
#include "core/tillstaand.h"
#include "platform/ui/qttextmaetare.h"
#include "platform/ui/typsnitt.h"
#include "exercises/frame/rubriklayout.h"
#include "platform/filer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/foenster.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

using namespace plattform;

namespace {

QFrame *ram(QWidget *foeraelder, const QString &namn, const QColor &faerg)
{
    QFrame *f = skapaPanel(foeraelder, namn, QRect());
    saettBakgrund(f, faerg);
    return f;
}

QLabel *etikett(QWidget *foeraelder, const char *namn)
{
    return skapaEtikett(foeraelder, QString::fromLatin1(namn), QString(), QPoint(0, 0));
}

} // namespace

// ---- heading -------------------------------------------------------------

Rubrikruta::Rubrikruta(QWidget *foenster)
{
    OverskriftYtterShape = ram(foenster, QStringLiteral("OverskriftYtterShape"), clSilver);
    OverskriftYtterShape->setFrameStyle(QFrame::Box | QFrame::Plain);
    OverskriftInnerShape = ram(foenster, QStringLiteral("OverskriftInnerShape"), clNavy);
    Overs1Label = etikett(foenster, "Overs1Label");
    Overs2Label = etikett(foenster, "Overs2Label");
    Overs3Label = etikett(foenster, "Overs3Label");
    for (QLabel *l : {Overs1Label, Overs2Label, Overs3Label}) {
        saettTextfaerg(l, clWhite);
        l->setAlignment(Qt::AlignCenter);
    }
}

void Rubrikruta::placera(const QRect &yttre, int m)
{
    OverskriftYtterShape->setGeometry(yttre);
    OverskriftInnerShape->setGeometry(yttre.x() + m / 2, yttre.y() + m / 2, yttre.width() - m,
                                      yttre.height() - m);
}

void Rubrikruta::rita(const QString &rad1, const QString &rad2, const QString &rad3)
{
    const auto platser = RubrikLayout(rad1, rad2, rad3, OverskriftInnerShape->geometry(), G.skaerm.Marginal);
    QLabel *const etiketter[3] = {Overs1Label, Overs2Label, Overs3Label};
    for (int i = 0; i < 3; ++i) {
        QLabel *l = etiketter[i];
        const Textplats &p = platser[std::size_t(i)];
        l->setVisible(p.synlig);
        if (!p.synlig)
            continue;
        l->setFont(typsnittTillFont(p.typsnitt));
        l->setText(p.text);
        l->setGeometry(p.ram);
        l->raise();
    }
}

void Rubrikruta::saettLaegesfaerg(int laege)
{
    const quint32 rgb = Laegesfaerg(laege);
    saettBakgrund(OverskriftInnerShape, QColor(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)));
}

// ---- praise ----------------------------------------------------------------

Lovordsruta::Lovordsruta(QWidget *foenster, const Lovordsnamn &namn)
{
    LovordPanel = ram(foenster, namn.panel, clBtnFace);
    LovordYttershape = ram(LovordPanel, namn.yttre, clNavy);
    lovordinnershape = ram(LovordYttershape, namn.inre, clYellow);
    LovordLabel1 = skapaEtikett(lovordinnershape, namn.etikett, QString(), QPoint(0, 0));
    saettTextfaerg(LovordLabel1, clNavy);
    LovordPanel->hide();
}

void Lovordsruta::rita(const QString &del1, const QString &del2, const QString &del3)
{
    const int M = G.skaerm.Marginal;
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(M / 2, M / 2, LovordPanel->width() - M, LovordPanel->height() - M);
    const QString text = del1 + QLatin1Char(' ') + del2 + QLatin1Char(' ') + del3;
    const Textplats p = LovordLayout(text, lovordinnershape->size(), M);
    LovordLabel1->setFont(typsnittTillFont(p.typsnitt));
    LovordLabel1->setText(p.text);
    LovordLabel1->setGeometry(p.ram);
    LovordLabel1->adjustSize();
    if (framfoer)
        LovordPanel->raise();
}

bool Lovordsruta::visaBeroem()
{
    HaemtaLovordFilNamn();
    // No praise file: no praise panel, and never the last round's text.
    const std::optional<QString> rad = KollaLovOrd(G.beroem.LovordFilNamn)
        ? laesPostrad(G.beroem.LovordFilNamn, haemta_Lovordslumptal(G.beroem.LovordMarkoer[G.beroem.LovordIndex], G.beroem.LovordIndex))
        : std::nullopt;
    if (!rad) {
        LovordPanel->hide();
        return false;
    }
    LovordPanel->show();
    const Postdelar d = str_postarray(*rad);
    rita(LovordMen(d.faelt[1]), LovordMen(d.faelt[2]), LovordMen(d.faelt[3]));
    return true;
}

// ---- reward picture ----------------------------------------------------------

Beloeningsbild::Beloeningsbild(QWidget *foenster)
{
    BildPanelen = ram(foenster, QStringLiteral("BildPanelen"), clBtnFace);
    Image1 = etikett(BildPanelen, "Image1");
    Image1->setScaledContents(true);
    BildTextPanel = etikett(BildPanelen, "BildTextPanel");
    BildTextPanel->setFont(arial(Punkter{10}, true));
    BildTextPanel->setAlignment(Qt::AlignCenter);
    BildTextPanel->setAutoFillBackground(true);
    saettBakgrund(BildTextPanel, clYellow);
    BildLabel = etikett(BildPanelen, "BildLabel");
    BildLabel->setFont(BildTextPanel->font());
    BildLabel->hide();
    BildPanelen->hide();
}

void Beloeningsbild::placera(const QRect &panel, const QSize &bild)
{
    BildPanelen->setGeometry(panel);
    Image1->setGeometry(QRect(QPoint(0, 0), bild));
}

void Beloeningsbild::dolj()
{
    Image1->hide();
    BildTextPanel->hide();
}

void Beloeningsbild::visa()
{
    G.beroem.BildNummer = haemta_Bildslumptal(G.beroem.BildMarkoer);
    if (G.beroem.BildMarkoer == 0) {
        dolj();
        return;
    }
    const int M = G.skaerm.Marginal;
    BildTextPanel->move(0, 0);
    BildTextPanel->show();
    const QString text = VisadBildText(G.beroem.BildText);
    saettEtikettText(BildLabel, text);
    BildTextPanel->setText(text);
    BildTextPanel->resize(BildLabel->width() + 2 * M, BildLabel->height() + M);
    G.beroem.BildNamn = QStringLiteral("\\BILD\\SVE%1.BMP").arg(G.beroem.BildNummer, 3, 10, QLatin1Char('0'));
    const QString soekvaeg = HittaInnehaall(G.beroem.BildNamn);
    const QPixmap bild = soekvaeg.isEmpty() ? QPixmap() : QPixmap(riktigSoekvaeg(soekvaeg));
    if (bild.isNull()) {
        Image1->clear();
        Image1->hide();
    } else {
        Image1->setPixmap(bild);
        Image1->show();
    }
    BildTextPanel->move(Image1->width() - BildTextPanel->width(), 0);
    BildTextPanel->raise();
}

// ---- end panel -----------------------------------------------------------------

Slutknappar::Slutknappar(QWidget *foenster, const QString &namn)
{
    panel = ram(foenster, namn, clNavy);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->hide();
}

QPushButton *Slutknappar::knapp(const QString &namn, const QString &text, std::function<void()> klick)
{
    QPushButton *b = skapaKnapp(panel, namn, text, QRect());
    // The buttons take the panel's navy: their text is light to be read on
    // it, and a disabled one stays readable, only paler.
    QPalette p = b->palette();
    for (auto grupp : {QPalette::Active, QPalette::Inactive})
        p.setColor(grupp, QPalette::ButtonText, clWhite);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(180, 180, 205));
    b->setPalette(p);
    b->setProperty("slutplats", m_antal++);
    QObject::connect(b, &QPushButton::clicked, b, [klick = std::move(klick)] { klick(); });
    return b;
}

void Slutknappar::placera(const QRect &r, int h, int m)
{
    panel->setGeometry(r);
    const int n = std::max(1, m_antal);
    const int bredd = (r.width() - (n + 1) * m) / n;
    for (QPushButton *b : panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly)) {
        const int plats = b->property("slutplats").toInt();
        b->setGeometry(m + plats * (bredd + m), h / 2, bredd, 3 * h);
    }
}
