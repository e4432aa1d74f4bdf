#pragma once
// A class's results used to lie in the PC path's "RESULTAT" directory, inside
// the build. They now lie in the user's data folder, where a rebuild cannot
// reach them; what a class saved in the old place is carried over once.
#include <QString>

// Copies the diagnosis files (SDIAG.DIA, the archives SV*.DIS, the teacher
// password SVE45444.DOT) when `diagnoser` is set and the record tables (*.SVR)
// when `rekord` is set from the directory `tidigare` (a composed path) into
// the data folder `datakatalog` (a real path), and says so. It happens only
// while the data folder holds no results and the old directory has not been
// carried over before (it then holds the note FLYTTAT.TXT); nothing is ever
// replaced, and the old files stay. Pupils' results that come without a
// teacher-password file get one with the initial password, which was in
// effect there. The files are first copied whole into a
// scratch folder inside the data folder and only then moved in, so an
// interrupted start leaves either nothing or a copy the next start finishes.
void FlyttaInTidigareResultat(const QString &tidigare, const QString &datakatalog, bool diagnoser, bool rekord);

// The note left in a directory whose results were carried over.
inline const QString FlyttMarkering = QStringLiteral("FLYTTAT.TXT");
