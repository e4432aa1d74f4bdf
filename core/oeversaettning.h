#pragma once
// The word-translation lists: the Swedish words of the items and their
// English or German translation, shown under the item by the exercises
// whose program row says they are translated.

#include <QString>

// Loads MORVENG.DAT or MORVTYS.DAT (by Oeversaettning) into G.ListBox1 and
// G.ListBox2; a missing list leaves them as they were.
void FyllEngListan();

// The translation of the current item (its field 1) when a language is set
// and the program's items are translated; empty otherwise or when the loaded
// list has none.
QString PostensOeversaettning();
