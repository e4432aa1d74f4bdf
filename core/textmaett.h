#pragma once
// Measuring text in pixels, behind a replaceable seam: the program installs
// one that uses the real font metrics (platform/ui/qttextmaetare.h); the
// logic tests install one with fixed character widths.
#include <QSize>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

struct Typsnitt {
    QString familj = QStringLiteral("Arial");
    int punkter = 14;       // point size at 96 dots per inch
    bool fet = false;
    int pixlar = 0;         // above 0: the character height in pixels, over `punkter`

    // The height in pixels the font is drawn at.
    int pixelhoejd() const;
};

// Points at 96 dots per inch, rounded as the window system rounds (14 → 19).
int pixlarFoerPunkter(int punkter);

class Textmaetare {
public:
    virtual ~Textmaetare() = default;
    // Width and height in pixels of the text on one line.
    virtual QSize storlek(const QString &text, const Typsnitt &typsnitt) const = 0;
    int bredd(const QString &text, const Typsnitt &t) const { return storlek(text, t).width(); }
    int hoejd(const QString &text, const Typsnitt &t) const { return storlek(text, t).height(); }
};

// The one in use. Before one is installed: a rough estimate from the
// character count, so that logic without a window system still runs.
const Textmaetare &textmaetare();
const Textmaetare *saettTextmaetare(const Textmaetare *m);   // nullptr: the estimate; returns the one replaced

// The size from `fraan` down (pixels when it has them, else points) at which
// every one of `texter` fits `bredd` on one line; never below `golv`.
Typsnitt passandeTypsnitt(const QStringList &texter, int bredd, Typsnitt fraan, int golv);
