#pragma once
// The shared random order of items and the wrong-answer list.
#include <QString>

void SkapaSlumpordning(int lo, int hi);
