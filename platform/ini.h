#pragma once
// A reader for Windows INI files: Windows-1252 (UTF-8 when the file is valid
// UTF-8), section and key matched without regard to letter case, values raw
// (backslashes kept, nothing cut at ";"). Surrounding blanks of keys and
// values are dropped.
#include <QHash>
#include <QSet>
#include <QString>

namespace plattform {

class IniFil {
public:
    bool laes(const QString &riktigSoekvaeg);
    QString vaerde(const QString &sektion, const QString &nyckel,
                   const QString &standard = QString()) const;
    bool harSektion(const QString &sektion) const;
    bool harNyckel(const QString &sektion, const QString &nyckel) const;
private:
    QHash<QString, QString> m_vaerden;   // "sektion\nnyckel", lower case
    QSet<QString> m_sektioner;           // lower case
};

// The INI file of that bare name in the Windows directory.
QString iniSoekvaeg(const QString &filnamn);

} // namespace plattform
