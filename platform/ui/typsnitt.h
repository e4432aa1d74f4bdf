#pragma once
// Arial, the one font family of the windows, at a size in points or in
// pixels as each window is described.
#include <QFont>

namespace plattform {

struct Punkter { int n; };   // a point size: follows the screen's dots per inch
struct Pixlar { int n; };    // a character height in pixels

QFont arial(Punkter storlek, bool fet = false);
QFont arial(Pixlar storlek, bool fet = false);

} // namespace plattform
