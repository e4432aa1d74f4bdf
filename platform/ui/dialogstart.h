#pragma once
// The start every dialog window makes: its name, the program's title, no
// frame, the key preview, and for a dialog of a fixed size its place in
// the middle of the screen.
#include "platform/seams.h"
#include "platform/ui/foenster.h"

#include <QSize>

namespace plattform {

// An invalid `fast` leaves the size to the window.
void foerberedDialog(Foenster *foenster, const QString &namn, QSize fast = QSize(),
                     const QString &titel = Programtitel);

} // namespace plattform
