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

// A sentence broken into display lines: lines 1..3, those not used empty.
using Meningsrader = Arr<QString, 1, 3>;

// Breaks the text into at most `antal` (at most 3) lines, each no wider than
// MeningsBredd(vaenster, hoeger), broken after a blank, ",", "-" or ".".
// Clears `MusOverText`.
Meningsrader dela_mening(int vaenster, int hoeger, const QString &text, int antal);

// The lines of dela_mening_inom, and whether they fit.
struct Inpassadmening {
    Meningsrader rader;
    bool ryms = false;
};

// As dela_mening, for a caller that shows the lines in a font of its own,
// often larger than the one dela_mening measures in: when a line comes out
// wider than `rum` by `bredd`, the text is broken again over narrower spans
// until every line fits and none of the text is left out. `ryms` is false
// when no span does; the lines are then those of the span given.
Inpassadmening dela_mening_inom(int vaenster, int hoeger, const QString &text, int antal, int rum,
                                 const std::function<int(const QString &)> &bredd);
