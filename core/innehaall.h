#pragma once
// Finding a content file: every content file is looked for under the PC
// path first and under the CD path second, and a file that is missing or
// broken is reported in the same words everywhere.
#include <QString>

// PC path + rest when that file exists, else CD path + rest (not tested).
QString SoekInnehaall(const QString &rest);

// Which base path is tried first. The rule pages are the one content that
// is looked for on the CD first.
enum class Basordning { PcFoerst, CdFoerst };

// The first of the two paths whose file exists; empty when neither does.
QString HittaInnehaall(const QString &rest, Basordning ordning = Basordning::PcFoerst);

// The same for a directory.
QString HittaKatalog(const QString &rest);

// "Filen " + text + " finns inte eller är felaktig".
QString saknadFil(const QString &text);

// A name's extension from its last ".", in capitals (".DAT"); empty without one.
QString versalExt(const QString &namn);
