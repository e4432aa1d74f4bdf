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

// The sentence the category choice shows after a wrong choice (f1, f2: the
// item's fields 1 and 2; marked: the part of f1 between "<" and ">").
enum class Kategorifoerklaring : Byte {
    Ingen,
    Aer,          // f1 " är " f2 "."
    Vokaler,      // "Det finns " f2 " vokal." / " vokaler."
    HaardMjuk,    // f1 " är en " f2 " vokal."
    KortLaang,    // f1 " har en " f2 " vokal."
    Uttal,        // marked " uttalas här med " f2 "."
    Alfabetisk,   // "Bokstäverna i " f1 " står (inte) i alfabetisk ordning."
    Satsdel,      // marked " är " f2, as written
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
    bool ljudOrdet = false;                    // only the field's gap word is spoken
    bool spelasTillSlut = false;               // a sound plays to its end before the exercise goes on
    bool ljudFyraSiffror = false;              // sound directory "S" + four digits, not three
    bool ljudUtanNivaaer = false;              // all sounds in the sound directory, even past item 99
    int punkter = 14;                          // the window's item font (Arial bold, points)
    int meningsPunkter = 14;                   // the font dela_mening measures in
    bool oskaladRadbredd = false;              // dela_mening takes the line width unscaled
    int diagnosnummer = 0;                     // diagnosis item 1..17, 0 for none
    bool nivaaer = false;                      // a level file: every item line begins with its level
    // The category choice: its explanation and, where they differ from the
    // window's own (20 and 22 points, the explanation as `punkter`), the
    // choices' font and the font their panels are measured in.
    Kategorifoerklaring foerklaring = Kategorifoerklaring::Ingen;
    int valPunkter = 0;
    int valMaetPunkter = 0;
    int foerklaringsPunkter = 0;
    bool moensterFoerst = false;               // gap sentences: field 1 a model, field 2 the gap sentence
    // The typed answer: the error lamp (not in the alphabet exercises, where
    // a letter or a row of letters is no word to spell), the plural layout
    // ("en" over the word, "flera" before the answer), "&Hjälp" on every item
    // (Krypto: the key is the help), and the letters of a drawn item (the
    // "Ordna" programs draw their items instead of reading them; 0 reads).
    bool lampa = true;
    bool plural = false;
    bool alltidHjaelp = false;
    int bokstaever = 0;
    bool ingenVersalflytt = false;             // own choices stay as written when the gap word has a capital
    bool fraagorUtanText = false;              // reading comprehension: questions only, no text to read
    // The sentence parts' heading and worksheet title, used when the file
    // has no title lines (UTF-8).
    const char *satsrubrik = "";
    const char *satsutskrift = "";
    const char *rekordnamn = "";               // the program's name in the record table's heading
    const char *ordklass = "";                 // the word-class game's class, as the files write it
    bool siffertangenter = false;              // the digit keys choose the category panels
    const char *bild = "";                     // the picture of the picture questions, in "\BILD\"
};

// The row of a program number; an empty row (window Ingen, no facts) for a
// number no row holds.
const Programdata &program(Word programtal);

// Every row, narrow and wide, in ascending order of fraan.
const Programdata *programrader(int &antal);
