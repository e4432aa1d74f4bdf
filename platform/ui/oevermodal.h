#pragma once
// A window that must be usable while a modal window is open (a printout
// preview over the protocol window). A parentless window shown during a
// modal loop takes no clicks, so it is put above the modal window as a
// window of its own, raised, and let go again when that window finishes or
// is destroyed. Without a modal window it is simply shown.
class QWidget;

namespace plattform {

void visaOeverModal(QWidget *foenster);

} // namespace plattform
