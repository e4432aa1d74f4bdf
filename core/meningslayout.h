#pragma once
// The breaking of a sentence into display lines, measured through the
// text-measuring seam (core/textmaett.h) in the font of the main window's
// measuring label.
#include "core/textmaett.h"
#include "core/typer.h"

#include <QString>

#include <functional>

// The font size in points that dela_mening measures in for a program number.
int MeningsPunkter(Word programtal);

// The width in pixels that a line between left and right may take.
int MeningsBredd(int vaenster, int hoeger);

// Breaks the text into the first `rader` (at most 3) entries of
// `MeningsRader`, each no wider than MeningsBredd(vaenster, hoeger), broken
// after a blank, ",", "-" or ".". Clears `MusOverText`.
void dela_mening(int vaenster, int hoeger, const QString &text, int rader);

// As dela_mening, for a caller that shows the lines in a font of its own,
// often larger than the one dela_mening measures in: when a line comes out
// wider than `rum` by `bredd`, the text is broken again over narrower spans
// until every line fits and none of the text is left out. False when no span
// does; the lines are then those of the span given.
bool dela_mening_inom(int vaenster, int hoeger, const QString &text, int rader, int rum,
                      const std::function<int(const QString &)> &bredd);
