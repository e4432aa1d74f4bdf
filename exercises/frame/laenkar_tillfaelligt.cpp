// TEMPORARY: stand-ins for the settings window and the rule page until the
// real launchers are in the tree; the real definitions replace this file.
#include "exercises/frame/laenkar.h"

#include "core/tillstaand.h"

void VisaStallin()
{
    G.BildLaege = 1;
}

void VisaRegelform(Word programtal)
{
    G.Programtal = programtal;
}
