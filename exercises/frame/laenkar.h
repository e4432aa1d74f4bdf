#pragma once
// The windows an exercise window opens over itself: the settings window and
// the rule page of a program number. Each creates its window, shows it
// modally and frees it.
#include "core/typer.h"

void VisaStallin();
void VisaRegelform(Word programtal);
