#pragma once
// Fitting the heading lines and the praise text into their boxes: font
// sizes and places, measured through the text-measuring seam.
#include "core/textmaett.h"

#include <QRect>
#include <QString>
#include <array>

struct Textplats {
    QString text;
    Typsnitt typsnitt;   // Arial bold at the fitted size
    QRect ram;           // in the coordinates the box was given in
    bool synlig = false;
};

// The up to three heading lines in the inner box `inre`; `m` is the margin.
std::array<Textplats, 3> RubrikLayout(const QString &rad1, const QString &rad2,
                                      const QString &rad3, const QRect &inre, int m);

// The praise text in an inner box of size `inre`, placed relative to it.
Textplats LovordLayout(const QString &text, const QSize &inre, int m);

// The smallest size a heading or praise line is shrunk to.
inline constexpr int MinstaRubrikPunkter = 11;
