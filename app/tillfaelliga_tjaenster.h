#pragma once
// Stand-ins for shared services that are being written elsewhere: the screen
// scale, the window scaler, the sentence layout, the start-picture order and
// captions, and the loading of the translation lists. They do the least that
// lets the windows run. Each call site names the stand-in with its namespace,
// so that replacing them with the real services is a search for
// "tillfaelligt::".
#include <QString>

class QWidget;

namespace tillfaelligt {

// Sets Skalprocent (100: no scaling) and Marginal (the width of "L" in
// 12-point bold Arial).
void Skaltest(QWidget *huvudfoenster);
// Scales a window with its controls by m/d. The stand-in leaves it as it is.
void ScaleBy(QWidget *foenster, int m, int d);
// Breaks a text into at most `rader` lines of MeningsRader by width.
void dela_mening(int vaenster, int hoeger, const QString &text, int rader);
// The next picture number 1..40 of the picture order.
int haemta_Bildslumptal(int markoer);
// Caption of picture n.
QString GeBildText(int n);
// Loads the translation list of the current setting.
void FyllEngListan();

} // namespace tillfaelligt
