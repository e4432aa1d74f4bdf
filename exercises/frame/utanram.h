#pragma once
// The launcher of an exercise window without the frame (the games, the
// stories, the reading gym, the vowel examination). Like visaOevning it
// makes the window's Oevningsstart once and hands it to the constructor;
// it checks no file first, as these windows read their files themselves
// and say when one is missing.
#include "core/oevningsstart.h"
#include "core/tillstaand.h"
#include "platform/ui/foenster.h"

template <typename T>
int visaUtanRam()
{
    const Oevningsstart start = oevningsstart();
    // The sounds, the record table and the story's line breaks read the
    // program from the shared state, as the frame's creation leaves it.
    G.oevning.Programtal = start.programtal;
    return plattform::visaModalt<T>(start);
}
