#pragma once
// The clock of the clock-reading exercise: the time an item shows follows
// from its number in the file, not from its text. Item k shows 5 × ((k − 1)
// mod 12) minutes past hour (k − 1) div 12, hour 0 drawn at twelve; from
// item 145 on the dial repeats.
#include "core/datafiler.h"

#include <QPoint>
#include <QString>

struct Klocktid {
    int timme = 0;         // 0..11, 0 is twelve
    int minut = 0;         // 0, 5, .. 55
    int minutvinkel = 0;   // degrees clockwise from twelve
    int timvinkel = 0;     // the hour hand moves on with the minutes
};

Klocktid klocktid(int post);

// The point at `vinkel` degrees clockwise from twelve, `avstaand` pixels from
// the centre, rounded as the dial is drawn.
QPoint klockpunkt(QPoint centrum, int vinkel, int avstaand);

// Whether the typed time is the item's (field 1 or one of its alternatives),
// compared exactly except that a capital first letter counts as its small
// letter: a sentence-like "Kvart över tre" is right.
bool klocksvarRaett(const QString &svar, const Postdelar &post);
