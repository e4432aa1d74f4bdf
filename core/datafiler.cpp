#include "core/datafiler.h"

#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <QFileInfo>

#include <algorithm>

using namespace plattform;

QString DataUnderkatalog(const QString &namn)
{
    return versalExt(namn) == QLatin1String(".DAT") ? QStringLiteral("\\DATA\\DAT\\")
                                        : QStringLiteral("\\DATA\\LOV\\");
}

namespace {
bool aerPost(const QString &rad)
{
    return !rad.isEmpty() && !rad.startsWith(QLatin1Char(';')) && !rad.startsWith(QLatin1Char('$'));
}
} // namespace

bool Postfil::aktuell(const QString &namn)
{
    if (m_laest && namn == m_namn) {
        const QFileInfo info(m_soekvaeg);
        if (!info.isFile())
            return false;   // the file went away
        if (info.size() == m_storlek && info.lastModified() == m_aendrad)
            return true;
    }
    m_laest = false;
    m_namn = namn;
    m_poster.clear();
    m_soekvaeg = riktigSoekvaeg(SoekInnehaall(DataUnderkatalog(namn) + namn));
    const QFileInfo info(m_soekvaeg);
    RadLaesare fil;
    if (!fil.oeppna(m_soekvaeg))
        return false;
    while (!fil.slut()) {
        const QString rad = fil.laesRad();
        if (aerPost(rad))
            m_poster << rad;
    }
    // A file with nothing to ask (emptied, or only headings and comments
    // left) is as good as gone: the pupil is told and the window closes.
    if (m_poster.isEmpty())
        return false;
    m_storlek = info.size();
    m_aendrad = info.lastModified();
    m_laest = true;
    return true;
}

std::optional<QString> Postfil::rad(const QString &namn, int n)
{
    if (!aktuell(namn))
        return std::nullopt;
    if (n < 1)
        return QString();
    // Past the end (a file that shrank since it was counted): the last
    // item, never a comment or heading that happens to end the file.
    return m_poster.at(std::min<qsizetype>(n, m_poster.size()) - 1);
}

const QStringList *Postfil::poster(const QString &namn) { return aktuell(namn) ? &m_poster : nullptr; }

std::optional<QString> laesPostrad(const QString &namn, int n) { return Postfil().rad(namn, n); }

std::optional<Postdelar> postNummer(Postfil &fil, int n)
{
    const std::optional<QString> rad = fil.rad(G.oevning.DatFilNamn, n);
    if (!rad) {
        G.post.HaemtadRad.clear();
        visaMeddelande(saknadFil(G.oevning.DatFilNamn));
        return std::nullopt;
    }
    G.post.HaemtadRad = *rad;
    return str_postarray(*rad);
}

std::optional<Postdelar> naestaPost(Postfil &fil)
{
    G.post.PostNummer = Word(haemta_slumptal(G.fel.FilSlumpMarkoer[G.oevning.DatFilIndex], G.oevning.DatFilIndex));
    return postNummer(fil, G.post.PostNummer);
}

bool haemtaord(const QString &namn, int n)
{
    if (n < 1)
        return true;   // nothing to read: the line stays as it was
    const std::optional<QString> rad = laesPostrad(namn, n);
    G.post.HaemtadRad = rad.value_or(QString());
    return rad.has_value();
}

Postdelar str_postarray(const QString &raaRad)
{
    Postdelar ut;
    bool alternativ = false;
    int k = 1;
    QString rad = raaRad;
    if (Tillstaand::Postdata::Radskrypterad == 1 && !rad.isEmpty())
        rad = dekryptrad(rad);
    ut.rad = rad;
    qsizetype p = 0;
    while (p < rad.size()) {
        QString &faelt = ut.faelt[k];
        while (p < rad.size() && rad.at(p) != QLatin1Char('#'))
            faelt.append(rad.at(p++));
        // Leading blanks go; a field of blanks only keeps one.
        qsizetype b = 0;
        while (b < faelt.size() - 1 && faelt.at(b) == QLatin1Char(' '))
            ++b;
        faelt.remove(0, b);
        if (faelt.startsWith(QLatin1Char('&'))) {
            faelt.remove(0, 1);
            alternativ = true;
        }
        if (alternativ)
            ++ut.antalAlternativ;
        if (k < 10)
            ++k;
        ++p;   // past the "#"
    }
    ut.antalFaelt = Word(k - 1);
    return ut;
}

bool harLuckord(const QString &mening)
{
    // The gap word is what LetaPrep puts in its second part: the text
    // between the first two marks.
    const auto markering = [](QChar c) { return c == QLatin1Char('<') || c == QLatin1Char('>'); };
    const qsizetype foersta = std::find_if(mening.begin(), mening.end(), markering) - mening.begin();
    if (foersta >= mening.size())
        return false;
    const qsizetype andra = std::find_if(mening.begin() + foersta + 1, mening.end(), markering) - mening.begin();
    return !mening.mid(foersta + 1, andra - foersta - 1).trimmed().isEmpty();
}

Arr<QString, 1, 5> delaVidMarkeringar(const QString &text)
{
    Arr<QString, 1, 5> delar;
    int del = 1;
    for (QChar c : text) {
        if (c == QLatin1Char('<') || c == QLatin1Char('>'))
            del = std::min(del + 1, 5);
        else
            delar[del].append(c);
    }
    return delar;
}

int foerstaTommaFaelt(const Arr<QString, 1, 10> &faelt)
{
    int k = 1;
    while (k <= 10 && !faelt[k].isEmpty())
        ++k;
    return k;
}

void LetaPrep(const QString &text) { G.post.LetaPrepDelar = delaVidMarkeringar(text); }

namespace {
bool oeroerd(const QByteArray &rad)
{
    return !rad.isEmpty() && (rad.at(0) == ';' || rad.at(0) == '$' || rad.at(0) == '#');
}

// Position i (from 1) takes the key i div 2 + 10 when odd, i div 2 + 8 when
// even; a result below 32 keeps the input byte. A control character is kept
// too: from column 44 on the key would lift it above 32, and unscrambling
// could not tell it back.
QByteArray omvandla(const QByteArray &in)
{
    QByteArray ut = in;
    for (qsizetype j = 0; j < in.size(); ++j) {
        const qsizetype i = j + 1;
        const unsigned k = unsigned((i % 2 ? i / 2 + 10 : i / 2 + 8) % 256);
        const unsigned char b = static_cast<unsigned char>(in.at(j));
        const unsigned char x = static_cast<unsigned char>(b ^ k);
        ut[j] = char(x < 32 || b < 32 ? b : x);
    }
    return ut;
}
} // namespace

QByteArray kryptrad(const QByteArray &rad)
{
    if (oeroerd(rad) || rad.startsWith(')'))
        return rad;
    return omvandla(QByteArray("#") + rad);
}

QByteArray dekryptrad(const QByteArray &rad)
{
    if (!rad.startsWith(')'))
        return rad;
    return omvandla(rad).mid(1);
}

QString kryptrad(const QString &rad) { return fraan1252(kryptrad(till1252(rad))); }
QString dekryptrad(const QString &rad)
{
    // Most lines are plain: no round trip through the byte form for them.
    if (!rad.startsWith(QLatin1Char(')')))
        return rad;
    return fraan1252(dekryptrad(till1252(rad)));
}
