#pragma once
// The Sweden pages' logic without windows: the anthem's verses and the
// text size that fits a column.
#include <QString>
#include <QStringList>

// The verses of the national anthem the anthem page shows, five lines each.
// Only the two verses of 1844 are in the table; "&Ny vers" goes round them.
int antalVerser();
QStringList versrader(int vers);          // vers 1..antalVerser()
QString versnamn(int vers);               // "Första versen", ...
int naestaVers(int vers);                 // after the last, the first again

// The largest pixel height from `stoerst` down to `golv` at which every
// text fits in `bredd`; `golv` when none does (the text may then overrun).
int passandePixelstorlek(const QStringList &texter, bool fet, int bredd, int stoerst, int golv);
