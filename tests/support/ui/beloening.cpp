#include "beloening.h"

#include "../miljoe.h"

#include "core/tillstaand.h"

#include <QDir>
#include <QImage>

void laeggInBeroemOchBild(const QString &rot)
{
    for (const char *namn : {"SVOM9003.LOV", "SVOM9004.LOV", "SVOM9014.LOV"}) {
        const QString n = QString::fromLatin1(namn);
        skrivFil1252(rot + QStringLiteral("/cd/DATA/LOV/") + n,
                     {QStringLiteral("Bra gjort#") + n.mid(4, 4) + QStringLiteral("#!")});
        G.LovordFilTabell[++G.AntalLovordFiler] = n;
    }
    QImage bild(64, 40, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    QDir().mkpath(rot + QStringLiteral("/pc/BILD"));
    bild.save(rot + QStringLiteral("/pc/BILD/SVE001.BMP"), "BMP");
}
