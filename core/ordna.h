#pragma once
// The alphabetical-order exercise without its window: the words of an item,
// the scrambled order they are shown in, a move within the list and the
// judging of the pupil's list.
#include <QList>
#include <QStringList>

constexpr int FlestOrdAttOrdna = 8;

// The words of an item's fields (1..10) in the right order: the fields up
// to the first empty one, at most eight.
QStringList ordAttOrdna(const QStringList &faelt);

// A random order of lo..hi from the random source (not reseeded).
QList<int> slumpOrdning(int lo, int hi);

// The words in a scrambled order that differs from the right one in at
// least one place. The random source is reseeded once; a list that cannot
// differ (fewer than two words, or all alike) is given as first drawn.
QStringList blandaOrd(const QStringList &ord);

// The list after the entry at `fraan` is dropped on the entry at `till`: it
// takes that entry's place and the others close up.
QStringList flyttaOrd(QStringList lista, int fraan, int till);

// Exact, case-sensitive, entry by entry.
bool RattSvar(const QStringList &elevens, const QStringList &facit);
