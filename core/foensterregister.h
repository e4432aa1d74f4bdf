#pragma once
// The windows the menus open but do not own: every exercise window, the
// Sweden pages, and the dialogs of other modules that the main window
// opens. A window's module registers its launcher here (one line in
// registreraByggdaFoenster, app/byggda_foenster.cpp); a menu entry whose
// window has no launcher yet is shown disabled. The table knows no window,
// so a module that opens another's window needs only this header.
#include "core/foenstertyp.h"

#include <functional>
#include <vector>

using Startare = std::function<void()>;

// Installs a launcher and returns the one it replaces (tests put theirs back).
Startare registreraFoenster(Foenstertyp typ, Startare startare);
// Every launcher as it stands, by type, and all of them put back.
std::vector<Startare> foenstertabell();
void aaterstaellFoenstertabell(std::vector<Startare> startare);
bool finnsStartare(Foenstertyp typ);
// Opens the window; false when it has no launcher.
bool starta(Foenstertyp typ);
// The launcher's name, as the window's module calls it ("VisaFLERBAR").
const char *startarnamn(Foenstertyp typ);

// The launchers of the windows built so far. Called once at program start.
void registreraByggdaFoenster();
