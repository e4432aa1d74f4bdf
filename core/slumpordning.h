#pragma once
// The shared random order of items and the wrong-answer list.
#include <QList>
#include <QString>

// 1..n in a random order, each drawn uniformly from those left.
QList<int> slumpadOrdning(int n);

// Draws positions lo..hi of the shared order anew and resets every file's
// cursor and item count, the praise and picture cursors and the list.
void SkapaSlumpordning(int lo, int hi);

// The next item number of data file `fil` (its index in the file table);
// callers pass the file's own cursor. 0 when `fil` is no file or has no items.
int haemta_slumptal(int cursor, int fil);

// The n-th entry (from 1) of the shared order that lies in 1..antal, looked
// for among the order's first `plaster` positions; 0 when there is none.
int nteIOrdningen(int n, int antal, int plaster);

// The list's operations by name.
enum Felfunktion : int { FelHaemta = 0, FelTaBort = 1, FelFlyttaSist = 2, FelLaeggTill = 3 };

// The wrong-answer list of the current file (`DatFilIndex`): FelHaemta
// fetches its first entry into `HaemtadRad` (`namn` is the data file),
// FelTaBort removes that entry, FelFlyttaSist moves it to the end,
// FelLaeggTill appends the current item (`PostNummer`).
void haemtafel(const QString &namn, Felfunktion operation);
// The item number of the current file's first entry (FelPostNummer, and
// KlockPost in the clock window), 0 when the list has none for it.
int foerstaFelpost();
