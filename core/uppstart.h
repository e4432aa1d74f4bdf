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
// it is refused (left empty), not cut, and a warning names it.
bool HaemtaSoekvaegar();
bool HaemtaDatFiler();      // false: no list file and no "\DATA" directory
void HaemtaLovordFiler();

bool Kolla(const QString &namn);
void ordantal(const QString &namn, int index, bool raekna);
Word GeProgramtal(const QString &namn);

// Called when Kolla refuses a file, so the window that opened it can be
// used again. The main window installs it.
extern std::function<void()> HuvudfoensterAktiveras;
