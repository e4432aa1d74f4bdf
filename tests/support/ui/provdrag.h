#pragma once
// A drag as the window system delivers it, without QDrag::exec (which
// cannot run headless): Enter and Move at `punkt` (in the target's
// coordinates; for a list, of its entries' area), Drop only when they were
// accepted, else Leave; then the source's EndDrag. `rad` is the entry of a
// list source. True when the target took the drop.
#include "platform/ui/dragdrop.h"

bool provDrag(plattform::Dragkaella &kaella, QWidget *maal, QPoint punkt, int rad = -1);

#include "../saett.h"

// Saett<plattform::Dragkoerare> g([](QDrag &d) { ...; return Qt::MoveAction; });
template <> struct Seam<plattform::Dragkoerare> {
    using Vaerde = plattform::Dragkoerare;
    static Vaerde saett(Vaerde v) { return plattform::saettKoerDrag(std::move(v)); }
};
