#pragma once
// Arial, the one font family of the windows, at a size in points or in
// pixels as each window is described.
#include <QFont>
#include <QStringList>

namespace plattform {

struct Punkter { int n; };   // a point size: follows the screen's dots per inch
struct Pixlar { int n; };    // a character height in pixels

QFont arial(Punkter storlek, bool fet = false);
QFont arial(Pixlar storlek, bool fet = false);

// `fraan` as large as its size allows, down to `golv` (in its own unit:
// pixels or points), with every one of `texter` on one line within `bredd`,
// as the program's text measure measures them.
QFont passandeTypsnitt(const QStringList &texter, int bredd, const QFont &fraan, int golv);

} // namespace plattform
