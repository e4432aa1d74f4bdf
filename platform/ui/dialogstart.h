#pragma once
// The start every dialog window makes: its name, the program's title, no
// frame, the key preview, and for a dialog of a fixed size its place in
// the middle of the screen.
#include "platform/seams.h"
#include "platform/ui/foenster.h"

#include <QColor>
#include <QSize>

namespace plattform {

// An invalid `fast` leaves the size to the window.
void foerberedDialog(Foenster *foenster, const QString &namn, QSize fast = QSize(),
                     const QString &titel = Programtitel);

// The start of a window that fills the screen (the exercises, the games,
// the stories, the diagnosis record): its name (an empty one is left to
// the window), no frame, the program's title, the key preview as asked,
// the screen's size and a painted background. Returns the screen size the
// window is laid out for.
QSize helskaerm(Foenster *foenster, const QString &namn, const QColor &bakgrund, bool keyPreview = true);

} // namespace plattform
