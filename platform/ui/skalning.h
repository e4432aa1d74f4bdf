#pragma once
// Scaling a window and everything on it by a percentage: positions, sizes
// and fonts of the window and of every control on it, recursively. The
// windows place their controls themselves (no layouts), so this is the
// whole of adapting them to the screen.
class QWidget;

namespace plattform {

// Nothing happens at 100 % or below 1 %. Controls inside Qt layouts and
// Qt's own inner parts of composite controls are left to their owners.
void skalaFoenster(QWidget *foenster, int procent);

// As skalaFoenster, but the window keeps the size it had before scaling:
// for windows that were set to the screen's size, which stays their size.
void skalaInomSkaermen(QWidget *foenster, int procent);

// v × procent / 100, rounded, halves away from zero.
int skala(int v, int procent);

} // namespace plattform
