#pragma once
// The screen scale of the windows and the breaking of a sentence into
// display lines. Both measure text through the text-measuring seam
// (core/textmaett.h) in the font of the main window's measuring label.
#include "core/textmaett.h"
#include "core/typer.h"

#include <QSize>
#include <QString>

// taeljare / naemnare rounded to the nearest integer, halves to the even
// neighbour (325 / 2 gives 162). naemnare must be above 0.
qint64 avrundaJaemnt(qint64 taeljare, qint64 naemnare);

// The measuring label's font for the screen test: Arial bold, measured so
// that a 640-pixel screen holds 50 "A" and so gives 100 %.
Typsnitt SkaltestTypsnitt();

// The scale percentage for a screen of this size.
Word Skalprocent(const QSize &skaerm);

// Sets `Skalprocent` from the screen seam and `Marginal` (the width of "L"
// in Arial bold 12 points). The main window then scales itself when the
// percentage is not 100 (platform/ui/skalning.h).
void Skaltest();

// The font size in points that dela_mening measures in for a program number.
int MeningsPunkter(Word programtal);

// The width in pixels that a line between left and right may take.
int MeningsBredd(int vaenster, int hoeger);

// Breaks the text into the first `rader` (at most 3) entries of
// `MeningsRader`, each no wider than MeningsBredd(vaenster, hoeger), broken
// after a blank, ",", "-" or ".". Clears `MusOverText`.
void dela_mening(int vaenster, int hoeger, const QString &text, int rader);
