#include "core/textmaett.h"

#include <QList>
#include <QPair>

int pixlarFoerPunkter(int punkter)
{
    // MulDiv(punkter, 96, 72): rounded, halves away from zero.
    const int taeljare = punkter * 96;
    return taeljare >= 0 ? (taeljare + 36) / 72 : -((-taeljare + 36) / 72);
}

int Typsnitt::pixelhoejd() const { return pixlar > 0 ? pixlar : pixlarFoerPunkter(punkter); }

namespace {
class Uppskattning : public Textmaetare {
public:
    QSize storlek(const QString &text, const Typsnitt &t) const override
    {
        const int h = t.pixelhoejd();
        return QSize(int(text.size()) * (h * 6 + 5) / 10, h + h / 6);
    }
};
const Uppskattning uppskattning;
const Textmaetare *aktuell = &uppskattning;
} // namespace

const Textmaetare &textmaetare() { return *aktuell; }
const Textmaetare *saettTextmaetare(const Textmaetare *m)
{
    const Textmaetare *foerra = aktuell == &uppskattning ? nullptr : aktuell;
    aktuell = m ? m : &uppskattning;
    return foerra;
}

Typsnitt passandeTypsnitt(const QStringList &texter, int bredd, Typsnitt fraan, int golv)
{
    int &storlek = fraan.pixlar > 0 ? fraan.pixlar : fraan.punkter;
    auto ryms = [&] {
        for (const QString &text : texter)
            if (textmaetare().bredd(text, fraan) > bredd)
                return false;
        return true;
    };
    while (storlek > golv && !ryms())
        --storlek;
    return fraan;
}
