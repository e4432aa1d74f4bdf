#include "exercises/arrange/flagga.h"

#include "core/tillstaand.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>

using namespace plattform;

TFlagga::TFlagga(QWidget *parent) : Sverigesida(QStringLiteral("Flagga"), QStringLiteral("Sveriges flagga"), parent)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    // The texts grow a little on large screens.
    const QFont font = arial(Punkter{G.skaerm.Skalprocent < 110 ? 12 : 14}, true);
    auto text = [&](const char *namn, const char *t) {
        QLabel *l = skapaEtikett(this, QString::fromLatin1(namn), QString(), QPoint(0, 0));
        l->setFont(font);
        saettTextfaerg(l, clNavy);
        saettEtikettText(l, QString::fromUtf8(t));
        return l;
    };
    FlagLabel1 = text("FlagLabel1", "Nationaldag 6 juni.");
    Flaglabel3 = text("Flaglabel3", "Flaggan kom till på 1500-talet. Den infördes officiellt 1906.");
    Flaglabel2 = text("Flaglabel2", "De tre kronorna har sedan 1364 varit Sveriges märke.");
    FlagLabel4 = text("FlagLabel4", "Sverige har sedan 1600-talet liknats vid en mor för oss alla,");
    FlagLabel5 = text("FlagLabel5", "Moder Svea. Här ses hon på en gammal sedel.");
    FlagLabel6 = text("FlagLabel6", "Bredvid henne ligger Svea lejon.");
    FormCreate();
}

void TFlagga::FormCreate()
{
    const int W = skaerm.width(), H = skaerm.height();
    const int marginal = W / 32;
    Label1->move((W - Label1->width()) / 2, H / 40);

    const int radsteg = QFontMetrics(FlagLabel1->font()).height() * 3 / 2;
    const QList<QLabel *> oevre{FlagLabel1, Flaglabel3, Flaglabel2};
    const QList<QLabel *> nedre{FlagLabel4, FlagLabel5, FlagLabel6};
    int textbredd = 0;
    for (QLabel *l : oevre + nedre)
        textbredd = std::max(textbredd, l->width());

    // The flag and its texts side by side, centred as one block; the flag
    // takes what width the texts leave (at most a third of the screen).
    const int gap = W / 40;
    const int oevreTopp = Label1->y() + Label1->height() + H / 30;
    const int nedreTopp = H / 2 + H / 40;
    const int knappTopp = H - Sverigesida::knappstorlek().height() - H / 40;
    const int flagbredd = std::clamp(W - 2 * marginal - gap - textbredd, W / 8, W / 3);
    const int blockbredd = flagbredd + gap + textbredd;
    const int vaenster = std::max(marginal, (W - blockbredd) / 2);
    const int textX = vaenster + flagbredd + gap;

    if (laddaBild(Image1, QStringLiteral("SV_FLAG.BMP"), true))
        passaIn(Image1, QRect(vaenster, oevreTopp, flagbredd, nedreTopp - oevreTopp - H / 30));
    const int oevreMitt = Image1->isVisible() ? Image1->geometry().center().y() : (oevreTopp + nedreTopp) / 2;
    for (int i = 0; i < oevre.size(); ++i)
        oevre[i]->move(textX, oevreMitt - radsteg + i * radsteg - oevre[i]->height() / 2);

    // Moder Svea and the three crowns below, side by side in the same column.
    const QRect nedreRam(vaenster, nedreTopp, flagbredd, knappTopp - nedreTopp - H / 30);
    const bool svea = laddaBild(Image2, QStringLiteral("SVEA.BMP"));
    const bool kronor = laddaBild(Image3, QStringLiteral("TREKRONA.BMP"));
    if (svea && kronor) {
        const int b = (nedreRam.width() - gap / 2) * 5 / 8;
        passaIn(Image2, QRect(nedreRam.x(), nedreRam.y(), b, nedreRam.height()));
        passaIn(Image3, QRect(nedreRam.x() + b + gap / 2, nedreRam.y(), nedreRam.width() - b - gap / 2,
                              nedreRam.height()));
    } else if (svea) {
        passaIn(Image2, nedreRam);
    } else if (kronor) {
        passaIn(Image3, nedreRam);
    }
    const int nedreMitt = nedreRam.center().y();
    for (int i = 0; i < nedre.size(); ++i)
        nedre[i]->move(textX, nedreMitt - radsteg + i * radsteg - nedre[i]->height() / 2);

    placeraKnapp(AvbrytPanel1, QPoint((W - AvbrytPanel1->width()) / 2, knappTopp));
}

bool TFlagga::keyDown(QKeyEvent *e)
{
    if (aerAltA(e)) {
        AvbrytPanel2Click();
        return true;
    }
    return false;
}

bool TFlagga::keyPress(QChar tecken) { return escStaenger(tecken); }

void VisaFlagga() { visaModalt<TFlagga>(); }
