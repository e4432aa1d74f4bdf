#pragma once
// The shared random order of items and the wrong-answer list.
#include <QString>

// Draws positions lo..hi of the shared order anew and resets every file's
// cursor and item count, the praise and picture cursors and the list.
void SkapaSlumpordning(int lo, int hi);

// The next item number of data file `fil` (its index in the file table);
// callers pass the file's own cursor. 0 when `fil` is no file or has no items.
int haemta_slumptal(int cursor, int fil);

// The wrong-answer list of the current file (`DatFilIndex`): 0 fetches its
// first entry into `HaemtadRad` (`namn` is the data file), 1 removes that
// entry, 2 moves it to the end, 3 appends the current item (`PostNummer`).
void haemtafel(const QString &namn, int operation);

// The list's operations by name.
enum Felfunktion { FelHaemta = 0, FelTaBort = 1, FelFlyttaSist = 2, FelLaeggTill = 3 };
