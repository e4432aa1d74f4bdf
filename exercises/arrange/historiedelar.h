#pragma once
// What the three story windows share: a heading in yellow on navy, and the
// printout of a story (inside a margin of the sheet, the heading set apart,
// and a new page whenever the next line would pass the foot of the area, so
// no line is lost).
#include <QColor>
#include <QRect>
#include <QStringList>
#include <functional>

class QLabel;
class QWidget;
namespace plattform { class Foenster; class Skrivare; }

// The heading text in bold yellow, centred on the shape it fills.
QLabel *rubriktext(QWidget *yta, const QString &namn, const QString &text);

// Runs the print dialog; when it is confirmed, prints one document with
// `skriv` and says so when no document can be started.
void skrivHistoria(const std::function<void(plattform::Skrivare &)> &skriv);

// The margin kept from every edge of the sheet, in millimetres.
inline constexpr double Utskriftsmarginal = 20;
// Where a story is printed: the sheet less the margin, within what the
// printer can print (printer pixels of its printable area).
QRect utskriftsyta(const plattform::Skrivare &p);

// A story on paper: the heading in bold Arial of `rubrikPunkter` at the
// area's top-left corner, one empty line, then the lines in Arial of
// `punkter`, each followed by `mellanrum` pixels. A line wider than the area
// breaks at a blank; one that would pass the area's foot begins a new page.
void skrivBeraettelse(plattform::Skrivare &p, const QString &rubrik, int rubrikPunkter, const QStringList &rader,
                      int punkter, int mellanrum);
