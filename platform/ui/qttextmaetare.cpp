#include "platform/ui/qttextmaetare.h"

#include <QFontMetrics>

QFont typsnittTillFont(const Typsnitt &t)
{
    QFont f(t.familj);
    f.setPixelSize(std::max(1, t.pixelhoejd()));
    f.setBold(t.fet);
    return f;
}

QSize QtTextmaetare::storlek(const QString &text, const Typsnitt &t) const
{
    const QFontMetrics m(typsnittTillFont(t));
    return QSize(m.horizontalAdvance(text), m.height());
}

void installeraTextmaetare()
{
    static const QtTextmaetare maetare;
    saettTextmaetare(&maetare);
}
