#include "exercises/arrange/karta.h"

#include "core/sverige.h"
#include "core/textmaett.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QLabel>

using namespace plattform;

namespace {
// The facts, a group to a statement: lines of one group stay together.
const char *const fakta[][3] = {
    {"Befolkning: drygt 10,5 miljoner, 9 av 10 i södra halvan."},
    {"Landet är indelat i 21 län."},
    {"Länsstyrelsen i varje län leds av en landshövding."},
    {"Svenska kyrkan har delat in landet i 13 stift,", "som leds av var sin biskop."},
    {"Svenskan är nära släkt med norskan", "och danskan."},
    {"I norra Sverige lever också samerna,", "Sveriges urfolk. Samiska finns i flera",
     "varianter och är släkt med finskan."},
    {"Arean: 450 000 kvadratkilometer, femte störst i Europa."},
};
} // namespace

TKarta::TKarta(QWidget *parent) : Sverigesida(QStringLiteral("Karta"), QStringLiteral("Sverige"), parent)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    int nr = 2;
    for (const auto &grupp : fakta)
        for (const char *rad : grupp)
            if (rad) {
                QLabel *l = skapaEtikett(this, QStringLiteral("Label%1").arg(nr++), QString(), QPoint(0, 0));
                saettTextfaerg(l, clNavy);
                l->setText(QString::fromUtf8(rad));
                texter << l;
            }
    FormCreate();
}

void TKarta::FormCreate()
{
    const int W = skaerm.width(), H = skaerm.height();
    const int kolumn = W / 8;
    // The column runs to three fifths of the width; the map has the rest.
    QStringList rader;
    for (QLabel *l : texter)
        rader << l->text();
    const int px = passandePixelstorlek(rader, false, W * 3 / 5 - kolumn, 19, pixlarFoerPunkter(11));
    int textHoeger = 0;
    for (QLabel *l : texter) {
        l->setFont(arial(Pixlar{px}));
        l->adjustSize();
        textHoeger = std::max(textHoeger, kolumn + l->width());
    }

    const int knappTopp = H - Sverigesida::knappstorlek().height() - H / 40;
    Label1->move(kolumn, H / 20);
    int y = Label1->y() + Label1->height() + H / 24;
    const int rad = texter.first()->height();
    int i = 0;
    for (const auto &grupp : fakta) {
        for (const char *r : grupp)
            if (r) {
                texter[i++]->move(kolumn, y);
                y += rad * 6 / 5;
            }
        y += rad;   // a free line between statements
    }

    // The map stands right of the button row, so it may run down to the
    // screen's lower margin: its names stay readable on a small screen.
    if (laddaBild(Image1, QStringLiteral("SVEMAP.BMP"), true)) {
        const int vaenster = std::max(textHoeger + W / 40, W * 3 / 5);
        passaIn(Image1, QRect(vaenster, H / 40, W - vaenster - W / 40, H - H / 20));
    }
    placeraKnapp(AvbrytPanel1, QPoint(kolumn, knappTopp));
}

bool TKarta::keyPress(QChar tecken) { return escStaenger(tecken); }

void VisaKarta() { visaModalt<TKarta>(); }
