#pragma once
// The screen scale of the windows: the percentage the main window and the
// exercise windows scale themselves by, measured through the text-measuring
// seam (core/textmaett.h), and the panel inset `Marginal`.
#include "core/textmaett.h"
#include "core/typer.h"

#include <QSize>

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
