#include "core/arbetsbladstext.h"
#include "core/datafiler.h"
#include "core/luckpost.h"

#include <QRegularExpression>

#include <algorithm>

QString Nummerprefix(int n)
{
    const QString tal = QString::number(n) + QStringLiteral(". ");
    if (n < 10)
        return QStringLiteral("   ") + tal;
    if (n < 100)
        return QLatin1Char(' ') + tal;
    return tal;
}

QString UtSkriftSvar(const QString &svar, const Postdelar &post)
{
    if (post.antalAlternativ == 0)
        return svar;
    int sista = 2;
    for (int f = 10; f >= 3; --f)
        if (!post.faelt[f].isEmpty()) {
            sista = f;
            break;
        }
    // A damaged line may claim more alternatives than it has fields: the
    // answer itself (field 1 and 2) is never listed as one.
    const int foersta = std::max(3, sista - int(post.antalAlternativ) + 1);
    if (foersta > sista)
        return svar;
    QString s = svar + QStringLiteral(" eller ");
    for (int f = foersta; f <= sista; ++f) {
        QString alternativ = post.faelt[f];
        if (alternativ.startsWith(QLatin1Char('&')))
            alternativ.remove(0, 1);
        s += alternativ + (f < sista ? QStringLiteral(", ") : QStringLiteral("."));
    }
    return s;
}

QString utanBlanktFoereTecken(const QString &text)
{
    static const QRegularExpression blanka(QStringLiteral("(\\S) +([?!:])"));
    return QString(text).replace(blanka, QStringLiteral("\\1\\2"));
}

int RadTyp(const QString &s)
{
    if (s.isEmpty())
        return 10;
    if (s.at(0).isDigit())
        return 1;
    int i = 0;   // 1-based position of the first "." before the last character
    for (int p = 1; p <= std::min<int>(9, s.size() - 1); ++p)
        if (s.at(p - 1) == QLatin1Char('.')) {
            i = p;
            break;
        }
    if (i == 0)
        i = std::min<int>(s.size(), 10);
    return i >= 2 && s.at(i - 2).isDigit() ? 2 : 0;
}

int UppgiftTillNySida(const QStringList &lista, int i)
{
    if (i < 0 || i >= lista.size())
        return 0;
    if (RadTyp(lista.at(i)) == 1)
        return 3;
    int n = 0;
    for (int j = i + 1; j <= lista.size() - 2 && RadTyp(lista.at(j)) == 0; ++j)
        ++n;
    return n;
}

bool InstruktionFinns(const QStringList &lista, int i)
{
    // Not for a heading among the last three lines: i + 3 must still be a line.
    return i >= 0 && i + 3 < lista.size() && RadTyp(lista.at(i + 1)) == 0;
}

Arbetsbladsrader SkrivRader(const Postdelar &post)
{
    const QString &fraaga = post.faelt[1];
    return {{fraaga, QString(57, QLatin1Char('_'))}, {fraaga, UtSkriftSvar(post.faelt[2], post)}};
}

Arbetsbladsrader PassAktRader(const QString &rad1, const QString &rad2, const QString &term)
{
    Arbetsbladsrader r{{rad1}, {rad1}};
    if (!rad2.isEmpty()) {
        r.fraaga << rad2;
        r.svar << rad2;
    }
    r.fraaga << QString(28, QLatin1Char('_'));
    r.svar << term;
    return r;
}

Arbetsbladsrader SatsRader(const QString &mening, const QList<Satsdel> &delar)
{
    Arbetsbladsrader r{{mening}, {mening}};
    for (qsizetype k = 0; k < std::min<qsizetype>(delar.size(), 5); ++k) {
        r.fraaga << delar.at(k).etikett + QString(28, QLatin1Char('_'));
        r.svar << delar.at(k).etikett + QLatin1Char(' ') + delar.at(k).ord;
    }
    return r;
}

namespace {
// The line with its "<...>" gap replaced by the rule.
QString medLucka(const QString &rad, const QString &lucka)
{
    const qsizetype b = rad.indexOf(QLatin1Char('<'));
    if (b < 0)
        return rad;
    const qsizetype e = rad.indexOf(QLatin1Char('>'), b);
    return rad.left(b) + lucka + (e < 0 ? QString() : rad.mid(e + 1));
}
} // namespace

Arbetsbladsrader FlerbarRader(const QString &rad1, const QString &rad2, const QStringList &valord, bool ledtraad)
{
    qsizetype laengst = 0;
    for (const QString &o : valord)
        laengst = std::max(laengst, o.size());
    const QString lucka = QString(2 * laengst, QLatin1Char('_'));
    Arbetsbladsrader r;
    const bool luckaFoerst = rad1.contains(QLatin1Char('<'));
    if (luckaFoerst && ledtraad && valord.size() >= 2 && valord.size() <= 4) {
        QString ord = valord.first();
        for (qsizetype i = 1; i + 1 < valord.size(); ++i)
            ord += QStringLiteral(", ") + valord.at(i);
        r.fraaga << QStringLiteral("Skriv ") + ord + QStringLiteral(" eller ") + valord.last()
                        + QStringLiteral(" i luckan.");
    }
    r.fraaga << medLucka(rad1, lucka);
    r.svar << rad1;
    if (!rad2.isEmpty()) {
        r.fraaga << medLucka(rad2, lucka);
        r.svar << rad2;
    }
    return r;
}

namespace {
// One display line of the gap sentence as the question list shows it.
QString luckrad(const QString &rad, bool foersta, bool fraanKlart)
{
    const int luckor = AntalLuckor(rad);
    if (luckor == 0)
        return rad;
    const Arr<QString, 1, 5> d = delaVidMarkeringar(rad);
    const auto m = [&](int k) { return std::max<int>(4, d[k].size()); };
    const auto streck = [](int n) { return QString(n, QLatin1Char('_')); };
    const QChar b(QLatin1Char(' '));
    if (luckor == 1)
        return d[1] + b + streck(m(2) + 2) + b + d[3];
    if (!fraanKlart)
        return d[1] + b + streck(m(2) + 2) + b + d[3] + b + streck(m(4) + 2) + b + d[5];
    if (foersta)
        return d[1] + b + QString(2 * m(2), b) + b + d[3] + b + QString(2 * m(4), b) + b + d[5];
    return d[1] + b + streck(2 * m(2) + 2) + b + d[3] + b + streck(2 * m(4) + 2) + b + d[5];
}
} // namespace

Arbetsbladsrader SkrivinfRader(const QString &led1, const QString &led2, const QString &rad1,
                               const QString &rad2, bool fraanKlart)
{
    Arbetsbladsrader r;
    for (const QString &l : {led1, led2})
        if (!l.isEmpty()) {
            r.fraaga << l;
            r.svar << l;
        }
    r.svar << rad1;
    r.fraaga << luckrad(rad1, true, fraanKlart);
    if (!rad2.isEmpty()) {
        r.svar << rad2;
        r.fraaga << luckrad(rad2, false, fraanKlart);
    }
    return r;
}
