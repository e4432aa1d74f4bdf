#include "platform/ini.h"

#include "platform/filer.h"
#include "platform/text1252.h"

#include <QDir>

namespace plattform {

bool IniFil::laes(const QString &riktigSoekvaeg)
{
    m_vaerden.clear();
    m_sektioner.clear();
    RadLaesare l;
    if (!l.oeppna(riktigSoekvaeg))
        return false;
    QString sektion;
    while (!l.slut()) {
        const QString rad = l.laesRad().trimmed();
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
