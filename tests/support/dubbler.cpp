#include "dubbler.h"

QSize FastTextmaetare::storlek(const QString &text, const Typsnitt &t) const
{
    anvaendaTypsnitt.append(t);
    int b = 0;
    for (QChar c : text) {
        int w = tecken;
        for (const auto &[tc, tw] : bredder)
            if (tc == c)
                w = tw;
        b += w;
    }
    const int h = t.pixelhoejd();
    if (skalaMedStorlek)
        b = b * h / grundhoejd;
    return QSize(b, h);
}
