#pragma once
// Item sounds. Sounds lie below "\LJUD\" under a base path, in the
// program's sound directory (LjudKatalog) and, for data files of more than
// 99 items, one level deeper in "\L" + item number div 100.
#include "core/typer.h"

#include <QString>

// Sets LjudKatalog from Programtal.
void GeLjudDirectory();

// Plays sound file `namn` (an item sound: LjudKatalog + three digits +
// ".WAV"; with RaktLjud 1 a file directly in "\LJUD\"). A missing file is
// reported and nothing plays; RaktLjud is 0 afterwards.
void SpelaUppWavLjud(const QString &namn);

// ---- the rules above as plain functions (also used by the sound generator)

// The sound directory of a program: "S231" for 23100, "S2310" for 23101.
QString LjudKatalogFoer(Word programtal);

// The directory below "\LJUD\" in which item `postnummer` of a file of
// `antalPoster` items lies: the sound directory, or it + "\L" + n div 100.
QString LjudUnderkatalog(Word programtal, int antalPoster, int postnummer);

// An item sound's file name: sound directory + three digits + ".WAV";
// empty for item numbers outside 0..999, which have no sound.
QString PostLjudNamn(const QString &ljudKatalog, int postnummer);

// True for the programs whose sounds are played to the end before the
// exercise goes on.
bool SpelasTillSlut(Word programtal);

// Said once per run when the machine has no audio output, by the first
// sound that cannot play or by the dictation window when it opens.
extern const QString IngenLjudutgaangText;
void SaegIngenLjudutgaang();
