#pragma once
// The progress squares of a round: what each square shows and the drawing
// that shows it. The control (exercises/frame/taster.h) paints this drawing
// and holds no state of its own.
#include "core/typer.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <array>

class AsterModell {
public:
    static constexpr int AntalFigurer = 11;   // squares 0..10 carry a figure
    static constexpr quint32 Svart = 0x000000;
    static constexpr quint32 Vit = 0xFFFFFF;

    struct Figur {
        int penna = 0;      // pen colour index 0..8
        int vinkel = 0;     // angle-step index 0..5
        int pensel1 = 0;    // brush colour indices 0..9
        int pensel2 = 0;
    };

    // One step of the drawing; colours are 0xRRGGBB.
    struct Ritsteg {
        enum Slag { Fyll, Triangel, Ram } slag = Fyll;
        QRect rekt;                     // Fyll, Ram: the rectangle
        std::array<QPoint, 3> punkter;  // Triangel
        quint32 faerg = 0;              // the fill colour (Fyll, Triangel)
        quint32 penna = 0;              // the outline colour (Triangel, Ram)
    };

    AsterModell();   // every square right, shown, new figures

    Byte RutNummer() const { return m_rutNummer; }
    // Writing a new square number after a completed round first readies the
    // squares for the next round: all right again and new figures.
    void saettRutNummer(Byte n);

    // false marks the current square wrong; true does nothing.
    void saettRatt(bool raett);
    bool Ratt(int ruta) const;          // false outside 0..10

    bool Visa() const { return m_visa; }
    void saettVisa(bool v) { m_visa = v; }

    // true marks every square right again; any write draws new figures.
    void saettStarta(bool v);

    Byte MaxAntalRutor() const { return m_maxAntal; }
    void saettMaxAntalRutor(Byte n) { m_maxAntal = n; }

    quint32 AsterColor() const { return m_bakgrund; }
    void saettAsterColor(quint32 rgb) { m_bakgrund = rgb; }

    // Reseeds the random source and draws the four figure values of every square.
    void SlumpaFigurer();
    const Figur &figur(int ruta) const { return m_figurer[std::size_t(std::clamp(ruta, 0, 10))]; }

    // The height of a square for a screen height.
    static int rutstorlek(int skaermhoejd);
    // Colour index 0..9 as 0xRRGGBB; angle step of index 0..5 in degrees.
    static quint32 faerg(int index);
    static int vinkelsteg(int index);

    // The drawing for a control `bredd` wide with squares `q` high. Empty
    // when the squares are not shown. Drawing changes nothing.
    QList<Ritsteg> ritning(int bredd, int q) const;

private:
    void allaRaett();

    Byte m_rutNummer = 0;
    Byte m_maxAntal = 0;
    bool m_visa = true;
    quint32 m_bakgrund = 0xF0F0F0;
    std::array<bool, AntalFigurer> m_raett{};
    std::array<Figur, AntalFigurer> m_figurer{};
};
