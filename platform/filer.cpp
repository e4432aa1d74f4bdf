#include "platform/filer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <utility>

namespace plattform {

namespace {
QString &ankarKatalog()
{
    static QString a;
    return a;
}

QString &egenDatakatalog()
{
    static QString d;
    return d;
}

QString hittaNamn(const QString &katalog, const QString &namn)
{
    if (namn == QLatin1String(".") || namn == QLatin1String(".."))
        return namn;
    const QString direkt = katalog + QLatin1Char('/') + namn;
    if (QFileInfo::exists(direkt))
        return namn;
    const QStringList poster = QDir(katalog.isEmpty() ? QStringLiteral("/") : katalog)
                                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot);
    for (const QString &p : poster)
        if (p.compare(namn, Qt::CaseInsensitive) == 0)
            return p;
    return namn;
}
} // namespace

QString saettAnkare(const QString &riktigKatalog) { return std::exchange(ankarKatalog(), riktigKatalog); }
QString ankare() { return ankarKatalog(); }

QString riktigSoekvaeg(const QString &winSoekvaeg)
{
    QString s = winSoekvaeg;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A drive letter names the root of this system.
    if (s.size() >= 2 && s.at(1) == QLatin1Char(':') && s.at(0).isLetter())
        s = s.mid(2);
    bool absolut = s.startsWith(QLatin1Char('/'));
    if (!absolut) {
        QString bas = ankarKatalog().isEmpty() ? QDir::currentPath() : ankarKatalog();
        s = bas + QLatin1Char('/') + s;
    }
    const QStringList delar = s.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resultat;
    bool finns = true;
    for (const QString &del : delar) {
        QString namn = finns ? hittaNamn(resultat, del) : del;
        resultat += QLatin1Char('/') + namn;
        if (finns && !QFileInfo::exists(resultat))
            finns = false;
    }
    return resultat.isEmpty() ? QStringLiteral("/") : resultat;
}

bool filFinns(const QString &winSoekvaeg)
{
    return QFileInfo(riktigSoekvaeg(winSoekvaeg)).isFile();
}

bool katalogFinns(const QString &winSoekvaeg)
{
    return QFileInfo(riktigSoekvaeg(winSoekvaeg)).isDir();
}

QStringList listaFiler(const QString &winKatalog, const QString &moenster)
{
    const QString katalog = riktigSoekvaeg(winKatalog);
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(moenster),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList ut;
    const QStringList alla = QDir(katalog).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &n : alla)
        if (re.match(n).hasMatch())
            ut << n;
    return ut;
}

QString windowsKatalog()
{
    const QString w = qEnvironmentVariable("WINDIR");
    if (!w.isEmpty())
        return w;
    return QCoreApplication::applicationDirPath();
}

QString datakatalog()
{
    if (!egenDatakatalog().isEmpty())
        return egenDatakatalog();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString saettDatakatalog(const QString &riktigKatalog) { return std::exchange(egenDatakatalog(), riktigKatalog); }

} // namespace plattform
