#pragma once
// The program composes Windows-style paths ("C:\MORV\DATA\DAT\SVE23100.DAT",
// or a base path relative to the configuration file). These functions turn
// them into real paths on this system: "\" becomes "/", and each component
// is matched against the directory without regard to letter case.
#include <QString>
#include <QStringList>

namespace plattform {

// The directory that relative base paths are resolved against (the one that
// holds the configuration file). Empty: the current directory.
QString saettAnkare(const QString &riktigKatalog);   // returns the one replaced
QString ankare();

// A composed path as a real path. Components that exist in another letter
// case get the spelling on disk; the rest are kept as written, so a file
// about to be created gets the name the program composed.
QString riktigSoekvaeg(const QString &winSoekvaeg);

bool filFinns(const QString &winSoekvaeg);      // a file, not a directory
bool katalogFinns(const QString &winSoekvaeg);

// Names of the files (not directories) in a directory that match a pattern
// such as "SV*.DAT", without regard to letter case. Names as stored on disk.
QStringList listaFiler(const QString &winKatalog, const QString &moenster);

// "The Windows directory": $WINDIR when set, else the executable's directory.
QString windowsKatalog();

// The user's own data folder, where a class's results, protocols and the
// teacher password are kept unless the configuration names directories of
// its own: Qt's application data location (on Linux
// ~/.local/share/Morvika). A real path; empty when the system names none.
QString datakatalog();
// Points the data folder elsewhere (tests); empty: the standard one.
QString saettDatakatalog(const QString &riktigKatalog);   // returns the one replaced

} // namespace plattform
