#pragma once
// The word-translation lists: the Swedish words of the items and their
// English or German translation, shown under the item by the exercises
// whose program row says they are translated.

// Loads MORVENG.DAT or MORVTYS.DAT (by Oeversaettning) into G.ordlistor.ListBox1 and
// G.ordlistor.ListBox2; a missing list leaves them as they were.
void FyllEngListan();
