#pragma once
// The keyboard focus made visible. Whichever control has the focus carries a
// ring along its edge (round the text of a check box or radio button, whose
// mark sits at the edge), drawn over it by one small transparent widget that
// follows the focus through every window of the program. The ring adds
// nothing else: no control changes its size, margins, face or text colour.
//
// The ring is two lines: the outer one (1 px) stands against the ground
// around the control, the inner one (2 px; 1 px in text fields and lists,
// whose text comes close to the edge) against the control's own face.
// Each is black or white, whichever stands out more from the colour it
// borders, and so reads at 4.5:1 or better on any colour.
#include <QColor>

class QWidget;

namespace plattform {

inline constexpr int FokusringYttre = 1;
inline constexpr int FokusringInre = 2;
inline constexpr int FokusringInreITextfaelt = 1;

// Follows the focus from now on; the application object calls it once.
void installeraFokusram();

// Black or white, whichever contrasts more with `yta`.
QColor fokuston(const QColor &yta);
// The contrast ratio of two colours (1 to 21) as the accessibility
// guidelines measure it.
double kontrast(const QColor &a, const QColor &b);

// The colours the ring is drawn in around `kontroll`: the outer line against
// the ground it stands on, the inner line against its face.
struct Fokusringfaerger {
    QColor yttre;
    QColor inre;
};
Fokusringfaerger fokusringfaerger(const QWidget *kontroll);

// The control that shows the ring for the focus widget `w` (a spin box for
// its text field), or nothing when the focus is parked on a window or on a
// widget that takes no focus of its own.
QWidget *fokusringensKontroll(QWidget *w);

} // namespace plattform
