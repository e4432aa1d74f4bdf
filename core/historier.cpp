#include "core/historier.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/meningslayout.h"
#include "core/skaermskala.h"
#include "core/slumpordning.h"
#include "core/svarstest.h"
#include "core/textmaett.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <algorithm>

std::optional<QStringList> laesHistoriefil(const QString &namn)
{
    QStringList rader;
    if (!plattform::laesRader(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn)),
                              rader))
        return std::nullopt;
    for (QString &r : rader)
        if (!r.isEmpty())
            r = dekryptrad(r);
    return rader;
}

// ---- hidden-word stories ------------------------------------------------

namespace {
bool aerSlutTecken(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('!') || c == QLatin1Char('?');
}
const QString Streck = QStringLiteral("-");
constexpr int Ordgraens = 30;
} // namespace

int antalBeraettelser(const QStringList &rader)
{
    return int(rader.count(QStringLiteral("#")));
}

QString maskera(const QString &ord)
{
    if (ord.isEmpty())
        return {};
    if (ord.endsWith(QLatin1Char('-')))
        return Streck;
    QString mask(1, QLatin1Char('*'));
    for (qsizetype i = 1; i < ord.size(); ++i)
        if (!aerSlutTecken(ord.at(i)) && ord.at(i) != QLatin1Char('-'))
            mask += QLatin1Char('*');
    if (aerSlutTecken(ord.back()))
        mask += ord.back();
    return mask.left(Ordgraens);
}

QString utanSlutTecken(const QString &ord)
{
    return !ord.isEmpty() && aerSlutTecken(ord.back()) ? ord.chopped(1) : ord;
}

void Avslojning::laes(const QStringList &rader, int n)
{
    for (int s = 1; s <= AntalPlatser; ++s) {
        OrdText[s].clear();
        OrdMask[s].clear();
        m_doldaOrd[s].clear();
    }
    for (QString &namn : Namn)
        namn.clear();
    m_lista.clear();
    OrdAttHitta = Traeffar = Foersoek = 0;

    int historia = 1;
    int rad = 0;      // the row within story n
    int s = 1;        // the next slot
    for (const QString &text : rader) {
        if (text.startsWith(QLatin1Char('#'))) {
            ++historia;
            continue;
        }
        if (historia != n)
            continue;
        ++rad;
        // Row L begins at its own slot unless the row before ran over.
        s = std::max(s, Radlaengd * (rad - 1) + 1);
        qsizetype i = 0;
        while (i < text.size()) {
            const QChar c = text.at(i);
            if (c == QLatin1Char(' ') || c == QLatin1Char('#') || c == QLatin1Char('>')) {
                ++i;
                continue;
            }
            if (c == QLatin1Char('<')) {
                qsizetype slut = text.indexOf(QLatin1Char('>'), i + 1);
                if (slut < 0)
                    slut = text.size();
                if (rad <= Radlaengd)
                    Namn[rad] = text.mid(i + 1, slut - i - 1);
                i = slut;
                continue;
            }
            qsizetype slut = text.indexOf(QLatin1Char(' '), i);
            if (slut < 0)
                slut = text.size();
            const QString ord = text.mid(i, slut - i).left(Ordgraens);
            i = slut;
            if (s > AntalPlatser)
                continue;
            // A word of end marks only ("!" after a blank) has nothing to
            // find: it stands as written and is not counted, like a dash.
            if (std::all_of(ord.cbegin(), ord.cend(), aerSlutTecken)) {
                OrdText[s] = ord;
                OrdMask[s] = ord;
                ++s;
                continue;
            }
            if (!ord.startsWith(QLatin1Char('-')))
                ++OrdAttHitta;
            OrdText[s] = ord;
            OrdMask[s] = maskera(ord);
            const QString bart = utanSlutTecken(ord);
            if (!bart.startsWith(QLatin1Char('-')))
                m_doldaOrd[s] = bart;
            if (bart != Streck)
                m_lista << bart;
            ++s;
        }
    }
}

void Avslojning::visa(int s, const QString &ord)
{
    const QString &text = OrdText[s];
    OrdMask[s] = ord + (!text.isEmpty() && aerSlutTecken(text.back()) ? QString(text.back()) : QString());
    m_doldaOrd[s].clear();
    ++Traeffar;
}

bool Avslojning::slaepp(int s, const QString &ord)
{
    ++Foersoek;
    if (!Arr<QString, 1, AntalPlatser>::inom(s) || m_doldaOrd[s].isEmpty() || m_doldaOrd[s] != ord)
        return false;
    visa(s, ord);
    return true;
}

QList<int> Avslojning::gissa(const QString &text)
{
    const QString g = MellanslagBort(text);
    QList<int> visade;
    if (g.isEmpty() || g == Streck)
        return visade;
    for (int s = 1; s <= AntalPlatser; ++s) {
        if (m_doldaOrd[s].isEmpty() || m_doldaOrd[s] != g)
            continue;
        visa(s, g);
        ++Foersoek;
        visade << s;
    }
    if (visade.isEmpty())
        ++Foersoek;
    return visade;
}

int Avslojning::procentRaett() const
{
    return Traeffar == 0 || Foersoek == 0 ? 0 : int(avrundaJaemnt(qint64(Traeffar) * 100, Foersoek));
}

int Avslojning::procentKlarat() const
{
    return Traeffar == 0 || OrdAttHitta == 0 ? 0 : int(avrundaJaemnt(qint64(Traeffar) * 100, OrdAttHitta));
}

// ---- silly stories -------------------------------------------------------

QStringList prankTitlar(const QStringList &rader)
{
    QStringList titlar;
    for (const QString &r : rader)
        if (r.startsWith(QLatin1Char('$')))
            titlar << r.mid(1);
    return titlar;
}

QStringList prankBeraettelse(const QStringList &rader, const QString &titel)
{
    QStringList ut;
    const qsizetype start = rader.indexOf(QLatin1Char('$') + titel);
    if (start < 0)
        return ut;
    for (qsizetype i = start; i < rader.size() && rader.at(i) != QStringLiteral("#"); ++i)
        ut << rader.at(i);
    return ut;
}

namespace {
// The kind a gap mark "#" + c asks for (0..2), -1 for none.
int luckslag(QChar c)
{
    return c >= QLatin1Char('1') && c <= QLatin1Char('3') ? c.unicode() - '1' : -1;
}
} // namespace

std::array<int, 3> raeknaLuckor(const QStringList &beraettelse)
{
    std::array<int, 3> antal{0, 0, 0};
    for (const QString &r : beraettelse)
        for (qsizetype i = 0; i + 1 < r.size(); ++i)
            if (r.at(i) == QLatin1Char('#') && luckslag(r.at(i + 1)) >= 0)
                ++antal[std::size_t(luckslag(r.at(i + 1)))];
    return antal;
}

Prankord blandaOrd(const Prankord &ord)
{
    Prankord ut;
    for (std::size_t k = 0; k < ord.size(); ++k)
        for (int i : slumpadOrdning(int(ord[k].size())))
            ut[k] << ord[k].at(i - 1);
    return ut;
}

namespace {
// Fills the gaps of one line; `index` counts the words used of each kind.
QString fyllRad(const QString &rad, const Prankord &ord, std::array<int, 3> &index)
{
    QString ut;
    for (qsizetype i = 0; i < rad.size(); ++i) {
        if (rad.at(i) != QLatin1Char('#')) {
            ut += rad.at(i);
            continue;
        }
        const int k = i + 1 < rad.size() ? luckslag(rad.at(i + 1)) : -1;
        ++i;   // the character after "#" goes with it
        if (k < 0)
            continue;
        const QStringList &lista = ord[std::size_t(k)];
        if (!lista.isEmpty())
            ut += lista.at(index[std::size_t(k)]++ % lista.size());
    }
    return ut;
}
} // namespace

QStringList fyllBeraettelse(const QStringList &beraettelse, const Prankord &ord)
{
    const int hoeger = 2 * plattform::skaermstorlek().width() / 3;
    std::array<int, 3> index{0, 0, 0};
    QStringList ut;
    QString rest;
    for (QString rad : beraettelse) {
        if (rad.startsWith(QLatin1Char('$')))
            rad.remove(0, 1);
        QString text = fyllRad(rad, ord, index);
        if (!rest.isEmpty()) {
            text = rest + (rest.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" ")) + text;
            rest.clear();
        }
        // Full display lines go out; the last, partly filled one is carried
        // to the next story line. Nothing is cut off, however long the line.
        QStringList bitar;
        while (true) {
            QString foersta = dela_mening(10, hoeger, text, 1)[1];
            qsizetype slut = foersta.size();
            if (!text.startsWith(foersta)) {
                // The line came back without the blanks it began with.
                while (slut < text.size() && text.at(slut - foersta.size()) == QLatin1Char(' '))
                    ++slut;
            }
            while (foersta.startsWith(QLatin1Char(' ')))
                foersta.remove(0, 1);
            if (foersta.isEmpty() || slut >= text.size()) {
                bitar << text.trimmed();
                break;
            }
            bitar << foersta;
            text = text.mid(slut);
        }
        if (bitar.size() == 1) {
            ut << bitar.first();
        } else {
            rest = bitar.takeLast();
            ut << bitar;
        }
    }
    if (!rest.isEmpty())
        ut << rest;
    return ut;
}

// ---- story openings -------------------------------------------------------

Inledningar laesInledningar(const QStringList &rader)
{
    Inledningar in;
    for (const QString &r : rader) {
        if (r == QStringLiteral("#"))
            ++in.antal;
        else
            in.rader << r;
    }
    return in;
}

QStringList Inledningar::inledning(int k) const
{
    QStringList ut;
    for (int i = 3 * (k - 1); i < 3 * k; ++i)
        ut << (i >= 0 && i < rader.size() ? rader.at(i) : QString());
    return ut;
}

Radklyvning klyvRad(const QString &text, int bredd, const Typsnitt &typsnitt)
{
    const Textmaetare &m = textmaetare();
    if (m.bredd(text, typsnitt) <= bredd)
        return {text, {}};
    qsizetype brott = -1;
    for (qsizetype i = text.size() - 1; i > 0; --i)
        if (text.at(i) == QLatin1Char(' ') && m.bredd(text.left(i), typsnitt) <= bredd) {
            brott = i;
            break;
        }
    QString foersta;
    QString rest;
    if (brott > 0 && !text.left(brott).trimmed().isEmpty()) {
        foersta = text.left(brott);
        rest = text.mid(brott);
    } else {
        // One word wider than the line: cut it where it stops fitting.
        qsizetype k = text.size() - 1;
        while (k > 1 && m.bredd(text.left(k), typsnitt) > bredd)
            --k;
        foersta = text.left(k);
        rest = text.mid(k);
    }
    while (foersta.endsWith(QLatin1Char(' ')))
        foersta.chop(1);
    while (rest.startsWith(QLatin1Char(' ')))
        rest.remove(0, 1);
    return {foersta, rest};
}
