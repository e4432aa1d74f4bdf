#include "core/diktamen.h"

#include <algorithm>

int StegaVisningstid(int ms, bool upp)
{
    if (upp && ms < LaengstaVisningstid)
        ms += 100;
    else if (!upp && ms > KortasteVisningstid)
        ms -= 100;
    return std::clamp(ms, KortasteVisningstid, LaengstaVisningstid);
}

int DiktatHjaelpAntal(const Postdelar &post)
{
    int antal = 0;
    for (int f = int(post.antalAlternativ) + 3; f <= 5 && antal < 3; ++f) {
        const QString &text = post.faelt[f];
        if (text.isEmpty() || text.startsWith(QLatin1Char('&')))
            break;
        ++antal;
    }
    return antal;
}

int PunkterSomRyms(const QString &text, Typsnitt t, int bredd, int golv)
{
    while (t.punkter > golv && textmaetare().bredd(text, t) > bredd)
        --t.punkter;
    return std::max(t.punkter, golv);
}
