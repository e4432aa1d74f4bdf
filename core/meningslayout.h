#pragma once
// The breaking of a sentence into display lines, measured through the
// text-measuring seam (core/textmaett.h) in the font of the main window's
// measuring label.
#include "core/textmaett.h"
#include "core/typer.h"

#include <QString>

// The font size in points that dela_mening measures in for a program number.
int MeningsPunkter(Word programtal);

// The width in pixels that a line between left and right may take.
int MeningsBredd(int vaenster, int hoeger);

// Breaks the text into the first `rader` (at most 3) entries of
// `MeningsRader`, each no wider than MeningsBredd(vaenster, hoeger), broken
// after a blank, ",", "-" or ".". Clears `MusOverText`.
void dela_mening(int vaenster, int hoeger, const QString &text, int rader);
