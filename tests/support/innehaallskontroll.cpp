#include "innehaallskontroll.h"

#include "core/datafiler.h"
#include "core/luckpost.h"
#include "core/program.h"
#include "core/foenstertyp.h"
#include "core/historier.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QMap>
#include <QRegularExpression>
#include <functional>

namespace {

QString mening(const QString &faelt1) { return faelt1.toLower().simplified(); }

// A question without the "(om en kniv)" that tells which sense is meant.
QString fraaga(const QString &faelt1)
{
    static const QRegularExpression parentes(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    return mening(QString(faelt1).remove(parentes));
}

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

// A gap-sentence item: one or two gaps with words that the sentence does
// not give away, and at most the two help texts the help button offers.
template <typename Felrad>
void granskaLuckpost(const Luckpost &p, int radnr, Felrad &felrad, Meningar &sedda)
{
    const QString m = mening(p.mening);
    if (sedda.contains(m))
        felrad(radnr, QStringLiteral("the same sentence as line %1").arg(sedda.value(m)));
    else
        sedda.insert(m, radnr);
    if (p.luckor < 1 || p.luckor > 2 || p.mening.count(QLatin1Char('>')) != p.luckor) {
        felrad(radnr, QStringLiteral("not one or two marked gaps"));
        return;
    }
    const Arr<QString, 1, 5> delar = delaVidMarkeringar(p.mening);
    const QString resten = delar[1] + QLatin1Char(' ') + delar[3] + QLatin1Char(' ') + delar[5];
    for (int k = 1; k <= p.luckor; ++k) {
        const QString &svar = k == 1 ? p.svar1 : p.svar2;
        if (svar.trimmed().isEmpty())
            felrad(radnr, QStringLiteral("a gap holds no word"));
        else if (svaretSyns(svar.trimmed(), resten))
            felrad(radnr, QStringLiteral("the answer \"%1\" shows in its own sentence").arg(svar));
    }
    if (p.antalHjaelp > 2)
        felrad(radnr, QStringLiteral("%1 help texts, more than the button offers").arg(p.antalHjaelp));
}

} // namespace

QStringList granskaDatafil(const QString &namn, const Innehaallsregler &regler, Meningar *meningar,
                           Svarspar *par)
{
    QStringList fel;
    auto felrad = [&](int rad, const QString &vad) {
        fel << QStringLiteral("%1:%2: %3").arg(namn).arg(rad).arg(vad);
    };

    G.oevning.DatFilNamn = namn;
    if (!Kolla(namn)) {
        felrad(0, QStringLiteral("the program refuses the file"));
        return fel;
    }
    if (G.oevning.Rubrikrader[1].str().isEmpty() || G.oevning.Rubrikrader[2].str().isEmpty())
        felrad(1, QStringLiteral("the two title lines are missing"));

    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(DataUnderkatalog(namn) + namn)))) {
        felrad(0, QStringLiteral("cannot be read"));
        return fel;
    }

    Meningar sedda;
    Svarspar paren;
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
        const Postdelar post = str_postarray(rad);   // unscrambles too
        if (regler.luckmening) {
            granskaLuckpost(delaLuckpost(post.faelt, post.antalAlternativ, regler.moensterFoerst), radnr,
                            felrad, sedda);
            continue;
        }
        const QString faelt1 = post.faelt[1];
        const int egnaAlternativ = int(post.antalFaelt) - 1;

        if (post.antalFaelt >= 2)
            paren.insert(fraaga(faelt1) + QLatin1Char('#') + mening(post.faelt[2]), radnr);

        const QString m = mening(faelt1);
        if (sedda.contains(m))
            felrad(radnr, QStringLiteral("the same sentence as line %1").arg(sedda.value(m)));
        else
            sedda.insert(m, radnr);

        if (regler.svarIFaelt2 && (post.antalFaelt < 2 || post.faelt[2].trimmed().isEmpty()))
            felrad(radnr, QStringLiteral("no answer in field 2"));
        if (regler.lucka) {
            if (faelt1.count(QLatin1Char('<')) != 1 || faelt1.count(QLatin1Char('>')) != 1
                || faelt1.indexOf(QLatin1Char('<')) > faelt1.indexOf(QLatin1Char('>'))) {
                felrad(radnr, QStringLiteral("not one marked gap"));
                continue;
            }
            LetaPrep(faelt1);
            const QString svar = G.post.LetaPrepDelar[2].trimmed();
            if (svar.isEmpty()) {
                felrad(radnr, QStringLiteral("the gap holds no word"));
                continue;
            }
            if (svaretSyns(svar, G.post.LetaPrepDelar[1] + QLatin1Char(' ') + G.post.LetaPrepDelar[3]))
                felrad(radnr, QStringLiteral("the answer \"%1\" shows in its own sentence").arg(svar));
            if (regler.egnaVal) {
                if (egnaAlternativ < 1)
                    felrad(radnr, QStringLiteral("no choices of its own"));
                for (int k = 2; k <= int(post.antalFaelt); ++k)
                    if (post.faelt[k].trimmed() == svar)
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
    if (par)
        *par = paren;
    return fel;
}

QStringList omvaendaPar(const QString &namnA, const Svarspar &a, const QString &namnB, const Svarspar &b)
{
    QStringList fel;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const QString &p = it.key();
        const qsizetype skil = p.indexOf(QLatin1Char('#'));
        const QString omvaent = p.mid(skil + 1) + QLatin1Char('#') + p.left(skil);
        if (b.contains(omvaent))
            fel << QStringLiteral("%1:%2: the item of %3:%4 turned round")
                       .arg(namnA)
                       .arg(it.value())
                       .arg(namnB)
                       .arg(b.value(omvaent));
    }
    fel.sort();
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

// ---- story files ---------------------------------------------------------

namespace {

// The lines after the last "#" must all be comments, and no comment may
// stand before it (the windows would read it as story text).
void granskaKommentarer(const QStringList &rader, const std::function<void(int, const QString &)> &felrad)
{
    const qsizetype sista = rader.lastIndexOf(QStringLiteral("#"));
    for (qsizetype i = sista + 1; i < rader.size(); ++i)
        if (!rader.at(i).startsWith(QLatin1Char(';')))
            felrad(int(i + 1), QStringLiteral("text after the last \"#\" that no window shows"));
}

// A story's words as the revealing window reads them: names and marks out.
int ordIRad(const QString &rad)
{
    int n = 0;
    for (const QString &ord : rad.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!ord.startsWith(QLatin1Char('<')) && !ord.startsWith(QLatin1Char('#')))
            ++n;
    return n;
}

} // namespace

QStringList granskaHistoriefil(const QString &namn, Foenstertyp foenster)
{
    QStringList fel;
    auto felrad = [&](int rad, const QString &vad) {
        fel << QStringLiteral("%1:%2: %3").arg(namn).arg(rad).arg(vad);
    };
    const std::optional<QStringList> fil = laesHistoriefil(namn);
    if (!fil) {
        felrad(0, QStringLiteral("cannot be read"));
        return fel;
    }
    const QStringList &rader = *fil;

    if (foenster == Foenstertyp::Tavsloj) {
        granskaKommentarer(rader, felrad);
        const int antal = antalBeraettelser(rader);
        if (antal < 8)
            felrad(0, QStringLiteral("%1 stories, fewer than 8").arg(antal));
        int radIHistoria = 0;
        for (qsizetype i = 0; i < rader.size() && i <= rader.lastIndexOf(QStringLiteral("#")); ++i) {
            const QString &r = rader.at(i);
            if (r.startsWith(QLatin1Char('#'))) {
                radIHistoria = 0;
                continue;
            }
            if (r.startsWith(QLatin1Char(';')))
                felrad(int(i + 1), QStringLiteral("a comment the window reads as story text"));
            if (++radIHistoria > Radlaengd)
                felrad(int(i + 1), QStringLiteral("more than 7 lines in a story"));
            if (ordIRad(r) > Radlaengd)
                felrad(int(i + 1), QStringLiteral("more than 7 words in a line"));
        }
        for (int n = 1; n <= antal; ++n) {
            Avslojning a;
            a.laes(rader, n);
            if (a.OrdAttHitta == 0)
                felrad(0, QStringLiteral("story %1 has no words").arg(n));
        }
    } else if (foenster == Foenstertyp::TPrank) {
        const QStringList titlar = prankTitlar(rader);
        if (titlar.size() < 8)
            felrad(0, QStringLiteral("%1 stories, fewer than 8").arg(titlar.size()));
        for (const QString &titel : titlar) {
            const QStringList h = prankBeraettelse(rader, titel);
            const qsizetype start = rader.indexOf(QLatin1Char('$') + titel);
            if (start + h.size() >= rader.size())
                felrad(int(start + 1), QStringLiteral("the story does not end with \"#\""));
            const std::array<int, 3> luckor = raeknaLuckor(h);
            if (luckor[0] + luckor[1] + luckor[2] == 0)
                felrad(int(start + 1), QStringLiteral("a story without gaps"));
            for (int k = 0; k < 3; ++k)
                if (luckor[std::size_t(k)] > FlestOrd)
                    felrad(int(start + 1), QStringLiteral("more than 10 gaps of one kind"));
            if (raeknaLuckor({h.value(0)}) != std::array<int, 3>{0, 0, 0})
                felrad(int(start + 1), QStringLiteral("a gap in the title"));
            for (qsizetype j = 1; j < h.size(); ++j) {
                static const QRegularExpression felLucka(QStringLiteral("#(?![123])"));
                if (h.at(j).contains(felLucka))
                    felrad(int(start + j + 1), QStringLiteral("a \"#\" that is no gap"));
            }
        }
    } else if (foenster == Foenstertyp::Tberaetta) {
        granskaKommentarer(rader, felrad);
        const Inledningar in = laesInledningar(rader);
        if (in.antal < 15)
            felrad(0, QStringLiteral("%1 openings, fewer than 15").arg(in.antal));
        int rad = 0;
        for (qsizetype i = 0; i <= rader.lastIndexOf(QStringLiteral("#")); ++i) {
            const QString &r = rader.at(i);
            if (r == QStringLiteral("#")) {
                if (rad != 3)
                    felrad(int(i + 1), QStringLiteral("an opening of %1 lines, not 3").arg(rad));
                rad = 0;
                continue;
            }
            ++rad;
            if (r.trimmed().isEmpty() || r.startsWith(QLatin1Char(';')))
                felrad(int(i + 1), QStringLiteral("an empty or comment line read as an opening's line"));
            if (r.size() > 60)
                felrad(int(i + 1), QStringLiteral("a line longer than the entry line's 60 characters"));
        }
    }
    return fel;
}
