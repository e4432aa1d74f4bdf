#pragma once
// The dictation window's decisions without display: how the word is
// presented, how long a flashed word stays, how many hints an item has and
// how large its translation may be drawn.
#include "core/datafiler.h"
#include "core/textmaett.h"

#include <QString>

// How the word is presented (G.val.DiktatLaege, kept between openings).
inline constexpr int DiktatHoera = 0;   // the sound only
inline constexpr int DiktatSe = 1;      // flashed only
inline constexpr int DiktatBaada = 2;   // both

// A flashed word stays 100..3000 ms, set in steps of 100 and shown in
// tenths of a second (1..30).
inline constexpr int KortasteVisningstid = 100;
inline constexpr int LaengstaVisningstid = 3000;
int StegaVisningstid(int ms, bool upp);
// Where the flash starts when the words cannot be heard: long enough to
// read a word, not only to glimpse it.
inline constexpr int LaesbarVisningstid = 2000;
inline int VisningstidTiondelar(int ms) { return ms / 100; }

// The hints of an item: the fields from its alternative count + 3 up to 5,
// counted while they hold text that does not begin with "&"; at most 3.
int DiktatHjaelpAntal(const Postdelar &post);

// The largest size, from `t` down to `golv` points, at which `text` fits in
// `bredd` pixels; `golv` when none does.
int PunkterSomRyms(const QString &text, Typsnitt t, int bredd, int golv = 11);
