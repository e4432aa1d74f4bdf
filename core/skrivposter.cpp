#include "core/skrivposter.h"
#include "core/svenskordning.h"

#include "core/slumpordning.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <algorithm>

QList<int> slump(int lo, int hi)
{
    plattform::Randomize();
    QList<int> ut;
    for (int k : slumpadOrdning(std::clamp(hi - lo + 1, 0, 100)))
        ut << k + lo - 1;
    return ut;
}

QString svenskOrdning(const QString &bokstaever)
{
    QList<QChar> b(bokstaever.begin(), bokstaever.end());
    std::stable_sort(b.begin(), b.end(), [](QChar x, QChar y) { return foereSvenskt(QString(x), QString(y)); });
    return QString(b.constData(), b.size());
}

Bokstavspost bokstavspost(int antal)
{
    static const QString alfabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ");
    antal = std::clamp(antal, 2, int(alfabet.size()));
    Bokstavspost p;
    do {
        const QList<int> tal = slump(1, int(alfabet.size()));
        p.fraaga.clear();
        for (int k = 0; k < antal; ++k)
            p.fraaga += alfabet.at(tal.at(k) - 1);
        p.svar = svenskOrdning(p.fraaga);
    } while (p.fraaga == p.svar);
    return p;
}

QList<QString> hjaelptexter(const Postdelar &post)
{
    // The reader has taken the "&" off the alternatives and counted them.
    const int sista = int(post.antalFaelt) - int(post.antalAlternativ);
    QList<QString> ut;
    for (int f = 3; f <= sista && f <= 10 && ut.size() < 2; ++f) {
        if (post.faelt[f].isEmpty())
            break;
        ut << post.faelt[f];
    }
    return ut;
}
