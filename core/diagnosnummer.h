#pragma once
// Which of the 17 diagnosis items an exercise program belongs to.
#include "core/typer.h"

// 1..17, or 0 when the program has no diagnosis item.
int GeDiagnosNummer(Word programtal);
