#include "core/satsdelar.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/svarstest.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <algorithm>

namespace {

struct Kod {
    QString kod;
    std::array<QString, 2> namn;
};

const std::array<Kod, 7> &koder()
{
    static const std::array<Kod, 7> k = {{
        {},
        {QStringLiteral("AO"), {QStringLiteral("Ackusativ-"), QStringLiteral("objekt")}},
        {QStringLiteral("DO"), {QStringLiteral("Dativ-"), QStringLiteral("objekt")}},
        {QStringLiteral("P"), {QStringLiteral("Predikat"), QString()}},
        {QStringLiteral("PF"), {QStringLiteral("Predikats-"), QStringLiteral("fyllnad")}},
        {QStringLiteral("S"), {QStringLiteral("Subjekt"), QString()}},
        {QStringLiteral("NN"), {}},
    }};
    return k;
}

QString utanMarkeringar(QString s)
{
    s.remove(QLatin1Char('<'));
    s.remove(QLatin1Char('>'));
    return s;
}

} // namespace

const QString &SatsdelKod(int index) { return koder()[std::size_t(std::clamp(index, 0, 6))].kod; }

const std::array<QString, 2> &SatsdelNamn(int index)
{
    return koder()[std::size_t(std::clamp(index, 0, 6))].namn;
}

int satsdelIndex(const QString &kod)
{
    const QString k = SvVersaler(kod.trimmed());
    for (int c = 1; c <= AntalSatsdelar; ++c)
        if (!k.isEmpty() && k == SatsdelKod(c))
            return c;
    return 0;
}

int Satsbitar::antalDelar() const
{
    int n = 0;
    for (const QString &m : men)
        n += m.isEmpty() ? 0 : 1;
    return n;
}

Satsbitar delaSats(const QString &mening)
{
    Satsbitar b;
    const qsizetype vaenster = mening.count(QLatin1Char('<'));
    if (vaenster != mening.count(QLatin1Char('>')))
        return b;
    // Each "<" must close before the next opens.
    qsizetype pos = 0;
    int del = 0;
    while (del < AntalSatsdelar) {
        const qsizetype v = mening.indexOf(QLatin1Char('<'), pos);
        const qsizetype h = mening.indexOf(QLatin1Char('>'), pos);
        if (v < 0 && h < 0)
            break;
        if (v < 0 || h < v)
            return Satsbitar{};
        const qsizetype naestaV = mening.indexOf(QLatin1Char('<'), v + 1);
        if (naestaV >= 0 && naestaV < h)
            return Satsbitar{};
        b.mell[std::size_t(del)] = mening.mid(pos, v - pos);
        b.men[std::size_t(del)] = mening.mid(v + 1, h - v - 1);
        pos = h + 1;
        ++del;
    }
    b.mell[std::size_t(del)] = utanMarkeringar(mening.mid(pos));
    b.giltig = true;
    return b;
}

int delensKod(const QStringList &koder, int del)
{
    return del >= 1 && del <= koder.size() ? satsdelIndex(koder.at(del - 1)) : 0;
}

QList<Satsruta> tilldelaRutor(const Satsbitar &bitar, const QStringList &koder)
{
    QList<Satsruta> rutor;
    if (!bitar.giltig)
        return rutor;
    for (int c = 1; c <= AntalSatsdelar; ++c)
        for (int del = 1; del <= AntalSatsdelar; ++del)
            if (delensKod(koder, del) == c && !bitar.men[std::size_t(del - 1)].isEmpty())
                rutor.append({del, c});
    return rutor;
}

std::array<Bitplats, 2 * AntalSatsdelar + 1> radbryt(const Satsbitar &bitar, const Typsnitt &typsnitt,
                                                   int marginal, int graens)
{
    std::array<Bitplats, 2 * AntalSatsdelar + 1> p{};
    const Textmaetare &m = textmaetare();
    const int blank = m.bredd(QStringLiteral(" "), typsnitt);
    int rad = 1;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const bool del = i % 2 == 1;
        const QString &text = del ? bitar.men[i / 2] : bitar.mell[i / 2];
        p[i].bredd = text.isEmpty() ? 0 : m.bredd(text, typsnitt);
        if (i == 0) {
            p[i].vaenster = marginal;
        } else {
            const int hoeger = p[i - 1].vaenster + p[i - 1].bredd;
            if (hoeger < graens || rad >= 3) {
                p[i].vaenster = hoeger;
            } else {
                ++rad;
                p[i].vaenster = del ? marginal : marginal - blank;
            }
        }
        p[i].rad = rad;
    }
    return p;
}

// ---- help line -------------------------------------------------------------------

const QString &Hjaelplinje::text(int n)
{
    static const std::array<QString, 4> t = {
        QStringLiteral("Styr musen till meningen!"),
        QStringLiteral("Här kan du klicka med vänster musknapp."),
        QStringLiteral("Håll knappen nedtryckt och dra musen till någon satsdelsruta!"),
        QStringLiteral("Här kan du släppa upp knappen."),
    };
    return t[std::size_t(std::clamp(n, 0, 3))];
}

std::optional<QString> Hjaelplinje::visa(int n)
{
    if (n == m_senast || m_a || m_b || n < 0 || n > 3)
        return std::nullopt;
    m_senast = n;
    if (n == 2)
        m_a = true;
    if (n == 3)
        m_b = true;
    return text(n);
}

// ---- level mode ------------------------------------------------------------------

int nivaaAvRad(const QString &rad, QString *rest)
{
    int siffror = 0;
    while (siffror < rad.size() && rad.at(siffror) >= QLatin1Char('0') && rad.at(siffror) <= QLatin1Char('9'))
        ++siffror;
    if (siffror < 1 || siffror > 2)
        return 0;
    const int n = rad.left(siffror).toInt();
    if (n < 1 || n > FlestNivaaer)
        return 0;
    if (rest)
        *rest = rad.mid(siffror);
    return n;
}

Nivaafil laesNivaafil(const QString &datFilNamn)
{
    Nivaafil f;
    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + datFilNamn))))
        return f;
    f.oeppnad = true;
    while (!fil.slut()) {
        QString rad = fil.laesRad();
        if (Tillstaand::Postdata::Radskrypterad == 1 && !rad.isEmpty())
            rad = dekryptrad(rad);
        // An item line has a "#" after its first character and before its last.
        if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')) || rad.mid(1, rad.size() - 2).indexOf(QLatin1Char('#')) < 0)
            continue;
        QString text;
        const int n = nivaaAvRad(rad, &text);
        if (n == 0 || f.rader[std::size_t(n)].size() >= FlestPerNivaa)
            continue;
        const Postdelar d = str_postarray(text);
        QStringList koder;
        for (int k = 2; k <= 6; ++k)
            koder << d.faelt[k];
        if (tilldelaRutor(delaSats(d.faelt[1]), koder).isEmpty())
            continue;
        f.rader[std::size_t(n)].append(text);
    }
    while (f.antalNivaaer < FlestNivaaer && !f.rader[std::size_t(f.antalNivaaer + 1)].isEmpty())
        ++f.antalNivaaer;
    return f;
}

void nivaaEfterPost(Nivaalaege &l, bool ren)
{
    if (!ren) {
        // Three clean items in a row raise the level: a wrong one starts the count again.
        l.raett = 0;
        if (l.nivaa >= 2)
            --l.nivaa;
        return;
    }
    ++l.raett;
    if (l.nivaa <= l.antalNivaaer && l.raett > 2) {
        ++l.nivaa;
        l.raett = 0;
    }
    if (l.nivaa > l.antalNivaaer)
        l.topp = true;
}

int nivaaPunkter(int raett)
{
    switch (raett) {
    case 0: return 18;
    case 1: return 24;
    case 2: return 30;
    default: return 0;
    }
}
