#pragma once
// Text measured with the window system's real font metrics.
#include "core/textmaett.h"

#include <QFont>

// The font a Typsnitt describes, at its pixel height (so that sizes do not
// depend on the screen's dots per inch).
QFont typsnittTillFont(const Typsnitt &t);

class QtTextmaetare : public Textmaetare {
public:
    QSize storlek(const QString &text, const Typsnitt &t) const override;
};

// Installs the real metrics as the program's text measure. Needs a
// QGuiApplication.
void installeraTextmaetare();
