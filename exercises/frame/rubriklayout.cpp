#include "exercises/frame/rubriklayout.h"

#include <algorithm>

namespace {

Typsnitt fet(int punkter)
{
    Typsnitt t;
    t.familj = QStringLiteral("Arial");
    t.fet = true;
    t.punkter = punkter;
    return t;
}

int bredd(const QString &s, int p) { return textmaetare().bredd(s, fet(p)); }
int hoejd(const QString &s, int p)
{
    // An empty line is as high as a line with text.
    return textmaetare().hoejd(s.isEmpty() ? QStringLiteral("A") : s, fet(p));
}

// Lowers the size while the condition holds, never below the floor.
template <typename Villkor>
int krymp(int p, int golv, Villkor villkor)
{
    while (p > golv && villkor(p))
        --p;
    return p;
}

} // namespace

std::array<Textplats, 3> RubrikLayout(const QString &rad1, const QString &rad2,
                                      const QString &rad3, const QRect &inre, int m)
{
    std::array<Textplats, 3> ut;
    ut[0].text = rad1;
    ut[1].text = rad2;
    ut[2].text = rad3;
    const int n = int(!rad1.isEmpty()) + int(!rad2.isEmpty()) + int(!rad3.isEmpty());
    const int T = inre.top();
    const int Hi = inre.height();
    const int ryms = inre.width() - 2 * m;
    int p1 = 30, p2 = 20, p3 = 0;
    if (n <= 1) {
        p1 = krymp(30, MinstaRubrikPunkter, [&](int p) { return bredd(rad1, p) > ryms; });
    } else {
        p1 = krymp(20, MinstaRubrikPunkter, [&](int p) { return bredd(rad1, p) > ryms; });
        p2 = krymp(20, MinstaRubrikPunkter, [&](int p) { return bredd(rad2, p) > ryms; });
        p1 = std::min(p1, p2);
        p1 = krymp(p1, MinstaRubrikPunkter, [&](int p) {
            return T + (Hi - 2 * hoejd(rad1, p)) / 3 < 3 * m / 2;
        });
        p2 = p1;
        if (n == 3) {
            const int h1 = hoejd(rad1, p1);
            p3 = krymp(p1 - 2, 9, [&](int p) { return bredd(rad3, p) > ryms; });
            p3 = krymp(p3, 9, [&](int p) { return Hi - 2 * h1 < hoejd(rad3, p); });
            // Three lines that do not fit the box one under the other, with
            // a margin to share between them, shrink together, the third
            // staying the smallest.
            while (p1 > MinstaRubrikPunkter && 2 * hoejd(rad1, p1) + hoejd(rad3, p3) + m > Hi) {
                p2 = --p1;
                p3 = std::max(9, std::min(p3, p1 - 2));
            }
        }
    }
    const int vaenster = inre.left() + m / 2;
    const int w = inre.width() - m;
    const int h1 = hoejd(rad1, p1);
    ut[0].typsnitt = fet(p1);
    ut[0].synlig = true;
    if (n <= 1) {
        ut[0].ram = QRect(vaenster, T + (Hi - h1) / 2, w, h1);
        return ut;
    }
    const int h2 = hoejd(rad2, p2);
    ut[1].typsnitt = fet(p2);
    ut[1].synlig = true;
    if (n == 2) {
        const int g = Hi - 2 * h1;
        ut[0].ram = QRect(vaenster, T + g / 3, w, h1);
        ut[1].ram = QRect(vaenster, T + (2 * g) / 3 + h1, w, h2);
        return ut;
    }
    const int h3 = hoejd(rad3, p3);
    // The free height in four equal parts: above, between and below the
    // lines, so that no line runs into the next.
    const int g = std::max(0, Hi - 2 * h1 - h3);
    ut[0].ram = QRect(vaenster, T + g / 4, w, h1);
    ut[1].ram = QRect(vaenster, ut[0].ram.top() + h1 + g / 4, w, h2);
    ut[2].typsnitt = fet(p3);
    ut[2].synlig = true;
    ut[2].ram = QRect(vaenster, ut[1].ram.top() + h2 + g / 4, w, h3);
    return ut;
}

Textplats LovordLayout(const QString &text, const QSize &inre, int m)
{
    int p = krymp(30, MinstaRubrikPunkter,
                  [&](int q) { return bredd(text, q) > inre.width() - m; });
    p = krymp(p, MinstaRubrikPunkter,
              [&](int q) { return hoejd(text, q) > inre.height() - m / 2; });
    Textplats t;
    t.text = text;
    t.typsnitt = fet(p);
    t.synlig = true;
    const int w = bredd(text, p);
    const int h = hoejd(text, p);
    t.ram = QRect((inre.width() - w) / 2, (inre.height() - m / 2 - h) / 2, w, h);
    return t;
}
