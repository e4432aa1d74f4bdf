#pragma once
// What the three story windows share: a window over the whole screen, a
// heading in yellow on navy, and the printout of a story (lines at
// printer-pixel positions, and a new page whenever the next line would pass
// the page's lower edge, so no line of a long story is lost).
#include <QColor>
#include <QRect>
#include <QStringList>
#include <functional>

class QLabel;
class QWidget;
namespace plattform { class Foenster; class Skrivare; }

// Prepares the window with its name, maximised on the whole screen in the
// colour; the screen's rectangle.
QRect helskaermsfoenster(plattform::Foenster *foenster, const QString &namn, const QColor &bakgrund);
// The heading text in bold yellow, centred on the shape it fills.
QLabel *rubriktext(QWidget *yta, const QString &namn, const QString &text);

// Runs the print dialog; when it is confirmed, prints one document with
// `skriv` and says so when no document can be started.
void skrivHistoria(const std::function<void(plattform::Skrivare &)> &skriv);

// The lines in the printer's font at x, the first one at y; after each line
// y grows by its height and the gap (the first line's own gap after it). A
// line that would not fit on the page begins a new page at `topp`.
void skrivRader(plattform::Skrivare &p, const QStringList &rader, int x, int y, int foerstaMellanrum,
                int mellanrum, int topp);
