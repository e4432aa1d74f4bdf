#pragma once
// The colour names the windows are described with, and $BBGGRR values.
#include <QColor>
#include <QtGlobal>

class QWidget;

namespace plattform {

inline const QColor clBlack(0, 0, 0);
inline const QColor clWhite(255, 255, 255);
inline const QColor clNavy(0, 0, 128);
inline const QColor clMaroon(128, 0, 0);
inline const QColor clGreen(0, 128, 0);
inline const QColor clLime(0, 255, 0);
inline const QColor clRed(255, 0, 0);
inline const QColor clBlue(0, 0, 255);
inline const QColor clAqua(0, 255, 255);
inline const QColor clYellow(255, 255, 0);
inline const QColor clSilver(192, 192, 192);
inline const QColor clGray(128, 128, 128);
inline const QColor clPurple(128, 0, 128);
inline const QColor clTeal(0, 128, 128);
inline const QColor clOlive(128, 128, 0);
inline const QColor clFuchsia(255, 0, 255);
inline const QColor clLjusgroen(128, 255, 0);   // the choice panels
// Red and teal for letters on a light ground.
inline const QColor clTextroed(192, 0, 0);
inline const QColor clTextteal(0, 110, 110);
// Pinned, so that pictures of windows look the same on every desktop.
inline const QColor clBtnFace(240, 240, 240);

// A $BBGGRR value: blue in the high byte, red in the low one.
inline QColor fraanBGR(quint32 bbggrr)
{
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

// The colour letters of `faerg` are drawn in on `grund`: red and teal darken
// on a light ground to stay readable.
QColor textfaerg(const QColor &faerg, const QColor &grund);

// Background (and optionally text) colour of a control. Text colours pass
// through `textfaerg` against the control's ground.
void saettBakgrund(QWidget *w, const QColor &bakgrund);
void saettTextfaerg(QWidget *w, const QColor &text);
QColor bakgrund(const QWidget *w);

} // namespace plattform
