#pragma once
// The printout of a story, shared by the silly-story and story-writing
// windows: lines at printer-pixel positions, and a new page whenever the
// next line would pass the page's lower edge, so no line of a long story
// is lost.
#include <QStringList>
#include <functional>

namespace plattform { class Skrivare; }

// Runs the print dialog; when it is confirmed, prints one document with
// `skriv` and says so when no document can be started.
void skrivHistoria(const std::function<void(plattform::Skrivare &)> &skriv);

// The lines in the printer's font at x, the first one at y; after each line
// y grows by its height and the gap (the first line's own gap after it). A
// line that would not fit on the page begins a new page at `topp`.
void skrivRader(plattform::Skrivare &p, const QStringList &rader, int x, int y, int foerstaMellanrum,
                int mellanrum, int topp);
