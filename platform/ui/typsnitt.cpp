#include "platform/ui/typsnitt.h"

namespace plattform {

QFont arial(Punkter storlek, bool fet)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(storlek.n);
    f.setBold(fet);
    return f;
}

QFont arial(Pixlar storlek, bool fet)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(storlek.n);
    f.setBold(fet);
    return f;
}

} // namespace plattform
