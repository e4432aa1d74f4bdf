#pragma once
// Start-up: configuration, the tables of data files and praise files, and
// the check every menu entry makes before it opens an exercise.
#include "core/typer.h"

#include <QString>
#include <functional>

// The main module's initialisation. False when the program cannot run (a
// configured path too long, or no list file and no "\DATA" directory); the
// warning has been shown.
bool Uppstart();

// False when a configured path or directory is longer than 80 characters:
// it is refused (left empty), not cut, and a warning names it. An empty
// score or diagnosis directory is the user's data folder, made when missing
// and given what a class saved in the PC path's "RESULTAT" before. Also
// reads the teacher's reserve password (none when the key is empty).
bool HaemtaSoekvaegar();
// What HaemtaSoekvaegar found missing in the configuration (empty: nothing),
// added to the warning when the "\DATA" directory is then not found.
extern QString konfigurationsbrist;

// The configuration file's real path, and where in it the reserve password
// for a teacher who forgot the teacher password is given.
QString Installningsfil();
inline const QString ReservLoesenSektion = QStringLiteral("Diagnos");
inline const QString ReservLoesenNyckel = QStringLiteral("MORV2010ReservePassword");
bool HaemtaDatFiler();      // false: no list file and no "\DATA" directory
void HaemtaLovordFiler();

bool Kolla(const QString &namn);
void ordantal(const QString &namn, int index, bool raekna);
Word GeProgramtal(const QString &namn);

// Called when Kolla refuses a file, so the window that opened it can be
// used again. The main window installs it.
extern std::function<void()> HuvudfoensterAktiveras;
