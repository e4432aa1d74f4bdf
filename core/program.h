#pragma once
// What the program number decides, in one table: the window it opens and
// every per-program fact the windows, the sound generator and the content
// checks ask for. A window that needs a new fact adds a field here and sets
// it on its rows, not a chain of program numbers in its own code.
#include "core/foenstertyp.h"
#include "core/typer.h"

// How an exercise offers its rule page on the "&Regel" button.
enum class Regelknapp : Byte {
    Ingen,      // no rule button
    VidStart,   // shown from the window's start
    EfterPost,  // shown only once an item is up (word choice: not at the start)
};

struct Programdata {
    // The row holds the program numbers fraan..till. Where rows nest, the
    // narrower one holds: a span gives a fact for numbers between programs.
    Word fraan = 0, till = 0;
    Foenstertyp foenster = Foenstertyp::Ingen;
    bool egnaVal = false;                      // the choices come from the item's own fields
    const char *regelsida = "";                // page in "\regler\", "" for none
    Regelknapp regelknapp = Regelknapp::Ingen;
    bool oeversaettning = false;               // items have a line in MORVENG.DAT and MORVTYS.DAT
    bool ljudOevning = false;                  // items are spoken
    int ljudfaelt = 0;                         // the item field the sound generator speaks; 0 none
    bool spelasTillSlut = false;               // a sound plays to its end before the exercise goes on
    bool ljudFyraSiffror = false;              // sound directory "S" + four digits, not three
    bool ljudUtanNivaaer = false;              // all sounds in the sound directory, even past item 99
    int punkter = 14;                          // the window's item font (Arial bold, points)
    int meningsPunkter = 14;                   // the font dela_mening measures in
    bool oskaladRadbredd = false;              // dela_mening takes the line width unscaled
    int diagnosnummer = 0;                     // diagnosis item 1..17, 0 for none
    bool nivaaer = false;                      // a level file: every item line begins with its level
};

// The row of a program number; an empty row (window Ingen, no facts) for a
// number no row holds.
const Programdata &program(Word programtal);

// Every row, narrow and wide, in ascending order of fraan.
const Programdata *programrader(int &antal);
