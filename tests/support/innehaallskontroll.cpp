#include "innehaallskontroll.h"

#include "core/datafiler.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QMap>
#include <QRegularExpression>

namespace {

QString mening(const QString &faelt1) { return faelt1.toLower().simplified(); }

// The answer shows in its own sentence: a word of four letters or more
// anywhere in the rest (compounds and inflections give it away too), a
// shorter one as a word of its own.
bool svaretSyns(const QString &svar, const QString &resten)
{
    const QString s = svar.toLower();
    const QString r = resten.toLower();
    if (s.size() >= 4)
        return r.contains(s);
    static const QRegularExpression ickeBokstav(QStringLiteral("[^\\p{L}]+"));
    return r.split(ickeBokstav, Qt::SkipEmptyParts).contains(s);
}

} // namespace

QStringList granskaDatafil(const QString &namn, const Innehaallsregler &regler, Meningar *meningar)
{
    QStringList fel;
    auto felrad = [&](int rad, const QString &vad) {
        fel << QStringLiteral("%1:%2: %3").arg(namn).arg(rad).arg(vad);
    };

    G.DatFilNamn = namn;
    if (!Kolla(namn)) {
        felrad(0, QStringLiteral("the program refuses the file"));
        return fel;
    }
    if (G.Rubrikrader[1].str().isEmpty() || G.Rubrikrader[2].str().isEmpty())
        felrad(1, QStringLiteral("the two title lines are missing"));

    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(DataUnderkatalog(namn) + namn)))) {
        felrad(0, QStringLiteral("cannot be read"));
        return fel;
    }

    Meningar sedda;
    QMap<QString, int> perOrd;
    int poster = 0;
    bool faerreSagt = false;
    for (int radnr = 1; !fil.slut(); ++radnr) {
        const QString rad = fil.laesRad();
        if (rad.startsWith(QLatin1Char(';'))) {
            if (rad.mid(1).trimmed().startsWith(QStringLiteral("Färre poster:")))
                faerreSagt = true;
            continue;
        }
        if (rad.isEmpty() || rad.startsWith(QLatin1Char('$')))
            continue;
        ++poster;
        str_postarray(rad);   // unscrambles too
        const QString faelt1 = G.Postfaelt[1];
        const int egnaAlternativ = int(G.AntalFaelt) - 1;

        const QString m = mening(faelt1);
        if (sedda.contains(m))
            felrad(radnr, QStringLiteral("the same sentence as line %1").arg(sedda.value(m)));
        else
            sedda.insert(m, radnr);

        if (regler.svarIFaelt2 && (G.AntalFaelt < 2 || G.Postfaelt[2].trimmed().isEmpty()))
            felrad(radnr, QStringLiteral("no answer in field 2"));
        if (regler.lucka) {
            if (faelt1.count(QLatin1Char('<')) != 1 || faelt1.count(QLatin1Char('>')) != 1
                || faelt1.indexOf(QLatin1Char('<')) > faelt1.indexOf(QLatin1Char('>'))) {
                felrad(radnr, QStringLiteral("not one marked gap"));
                continue;
            }
            LetaPrep(faelt1);
            const QString svar = G.LetaPrepDelar[2].trimmed();
            if (svar.isEmpty()) {
                felrad(radnr, QStringLiteral("the gap holds no word"));
                continue;
            }
            if (svaretSyns(svar, G.LetaPrepDelar[1] + QLatin1Char(' ') + G.LetaPrepDelar[3]))
                felrad(radnr, QStringLiteral("the answer \"%1\" shows in its own sentence").arg(svar));
            if (regler.egnaVal) {
                if (egnaAlternativ < 1)
                    felrad(radnr, QStringLiteral("no choices of its own"));
                for (int k = 2; k <= int(G.AntalFaelt); ++k)
                    if (G.Postfaelt[k].trimmed() == svar)
                        felrad(radnr, QStringLiteral("the answer stands among its wrong choices"));
            } else {
                if (egnaAlternativ > 0)
                    felrad(radnr, QStringLiteral("choices of its own in a file whose choices are its gap words"));
                ++perOrd[svar.toLower()];
            }
        }
    }

    if (!regler.egnaVal && regler.lucka && perOrd.size() > regler.flestOrd)
        felrad(0, QStringLiteral("%1 gap words, more than the %2 choices: %3")
                      .arg(perOrd.size())
                      .arg(regler.flestOrd)
                      .arg(QStringList(perOrd.keys()).join(QStringLiteral(", "))));
    if (!faerreSagt) {
        if (poster < regler.minstPoster)
            felrad(0, QStringLiteral("%1 items, fewer than %2").arg(poster).arg(regler.minstPoster));
        if (!regler.egnaVal)
            for (auto it = perOrd.cbegin(); it != perOrd.cend(); ++it)
                if (it.value() < regler.minstPerOrd)
                    felrad(0, QStringLiteral("\"%1\" is the answer of %2 items, fewer than %3")
                                  .arg(it.key())
                                  .arg(it.value())
                                  .arg(regler.minstPerOrd));
    }
    if (meningar)
        *meningar = sedda;
    return fel;
}

QStringList gemensammaMeningar(const QString &namnA, const Meningar &a, const QString &namnB,
                               const Meningar &b)
{
    QStringList fel;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (b.contains(it.key()))
            fel << QStringLiteral("%1:%2: the same sentence as %3:%4")
                       .arg(namnA)
                       .arg(it.value())
                       .arg(namnB)
                       .arg(b.value(it.key()));
    fel.sort();
    return fel;
}

QStringList menyfilerFoer(Foenstertyp foenster)
{
    QStringList filer;
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r)
        if (rader[r].foenster == foenster && rader[r].fraan > 1000)
            filer << QStringLiteral("SVE%1.DAT").arg(rader[r].fraan);
    return filer;
}
