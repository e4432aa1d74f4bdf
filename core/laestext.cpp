#include "core/laestext.h"

QString LasfilNamn(const QString &datFilNamn)
{
    const int punkt = datFilNamn.indexOf(QLatin1Char('.'));
    return (punkt < 0 ? datFilNamn : datFilNamn.left(punkt)).left(9) + QStringLiteral(".LAS");
}

QStringList JusteraMemoText(QStringList rader)
{
    int i = 0;
    while (i < rader.size() - 1) {
        const QString &rad = rader[i];
        if (rad.isEmpty()) {
            ++i;
        } else if (rad.startsWith(QLatin1Char('$'))) {
            rader.removeAt(i);
        } else if (rad.size() < 15 && !QStringLiteral(".!?").contains(rad.back())) {
            rader[i] = rad + QLatin1Char(' ') + rader[i + 1];
            rader.removeAt(i + 1);
            ++i;
        } else {
            ++i;
        }
    }
    return rader;
}

int AntalAlternativIPost(const QString &f2, const QString &f3, const QString &f4)
{
    if (f2.isEmpty())
        return 0;
    if (f3.isEmpty())
        return 1;
    return f4.isEmpty() ? 2 : 3;
}
