#pragma once
// The end of a round in a test tree: praise files for a diagnosis-item
// program without a pupil (0, 1 and 2 wrong, each saying its own number)
// and reward picture 1.
#include <QString>

void laeggInBeroemOchBild(const QString &rot);
