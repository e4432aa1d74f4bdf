#include "core/klocka.h"

#include "core/skaermskala.h"
#include "core/svarstest.h"

#include <cmath>
#include <numbers>

Klocktid klocktid(int post)
{
    const int k = ((post - 1) % 144 + 144) % 144;
    Klocktid t;
    t.timme = k / 12;
    const int m = k % 12;
    t.minut = 5 * m;
    t.minutvinkel = 30 * m;
    // 30 × m / 12 degrees, halves to the even neighbour: 2, 8, 12, 18, 22, 28.
    t.timvinkel = 30 * t.timme + int(avrundaJaemnt(30 * m, 12));
    return t;
}

QPoint klockpunkt(QPoint centrum, int vinkel, int avstaand)
{
    // Measured from three o'clock counter-clockwise on a screen whose y grows
    // downwards: twelve lies at 90 degrees, hence the + 90 and the minus signs.
    const double v = double(((vinkel + 90) % 360 + 360) % 360) * 2 * std::numbers::pi / 360;
    const double x = centrum.x() - std::cos(v) * avstaand;
    const double y = centrum.y() - std::sin(v) * avstaand;
    return {int(std::nearbyint(x)), int(std::nearbyint(y))};
}

bool klocksvarRaett(const QString &svar, const Postdelar &post)
{
    if (svarstest(post.faelt[1], svar, 1, post) == SvarRaett)
        return true;
    QString smaa = svar;
    for (QChar &c : smaa) {
        if (c == QLatin1Char(' '))
            continue;
        c = c.toLower();
        break;
    }
    return smaa != svar && svarstest(post.faelt[1], smaa, 1, post) == SvarRaett;
}
