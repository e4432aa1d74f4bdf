#include "platform/ini.h"

#include "platform/filer.h"
#include "platform/text1252.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace plattform {

bool IniFil::laes(const QString &riktigSoekvaeg)
{
    m_vaerden.clear();
    m_sektioner.clear();
    QFile f(riktigSoekvaeg);
    if (riktigSoekvaeg.isEmpty() || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    // Edited on this system the file is UTF-8, with or without the mark; one
    // from Windows is Windows-1252, whose Swedish letters never make valid
    // UTF-8.
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError())
            text = fraan1252(bytes);
    }
    QString sektion;
    for (const QString &raaRad : text.split(QLatin1Char('\n'))) {
        const QString rad = raaRad.trimmed();
        if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')))
            continue;
        if (rad.startsWith(QLatin1Char('['))) {
            const qsizetype slut = rad.indexOf(QLatin1Char(']'));
            sektion = rad.mid(1, slut < 0 ? -1 : slut - 1).trimmed().toLower();
            m_sektioner.insert(sektion);
            continue;
        }
        const qsizetype lika = rad.indexOf(QLatin1Char('='));
        if (lika <= 0)
            continue;
        const QString nyckel = sektion + QLatin1Char('\n') + rad.left(lika).trimmed().toLower();
        if (!m_vaerden.contains(nyckel))
            m_vaerden.insert(nyckel, rad.mid(lika + 1).trimmed());
    }
    return true;
}

QString IniFil::vaerde(const QString &sektion, const QString &nyckel, const QString &standard) const
{
    return m_vaerden.value(sektion.toLower() + QLatin1Char('\n') + nyckel.toLower(), standard);
}

bool IniFil::harSektion(const QString &sektion) const { return m_sektioner.contains(sektion.toLower()); }

bool IniFil::harNyckel(const QString &sektion, const QString &nyckel) const
{
    return m_vaerden.contains(sektion.toLower() + QLatin1Char('\n') + nyckel.toLower());
}

QString iniSoekvaeg(const QString &filnamn)
{
    const QString katalog = windowsKatalog();
    QString namn = filnamn;
    for (const QString &n : QDir(katalog).entryList(QDir::Files))
        if (n.compare(filnamn, Qt::CaseInsensitive) == 0)
            namn = n;
    return katalog + QLatin1Char('/') + namn;
}

} // namespace plattform
