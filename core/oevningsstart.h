#pragma once
// What an exercise window is started with: the data file the menu or the
// diagnosis chose, its program and the mode. The launcher makes it once;
// the window's settings and its creation read it instead of the shared state.
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

#include <QString>

struct Oevningsstart {
    QString datfil;
    int index = 0;
    Word programtal = 0;
    const Programdata &program;
    Laege laege = Laege::Oevning;
};

// The exercise the shared state names now.
inline Oevningsstart oevningsstart()
{
    const Word p = GeProgramtal(G.oevning.DatFilNamn);
    return {G.oevning.DatFilNamn, G.oevning.DatFilIndex, p, program(p), laege()};
}
