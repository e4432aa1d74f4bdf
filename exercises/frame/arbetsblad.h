#pragma once
// The worksheet-selection panel as an exercise window sees it, and the
// window as the panel sees it. The panel is made by the worksheet module for
// a window that opens in worksheet mode; while that module is not in the
// program the window shows no panel.
#include "core/arbetsbladstext.h"

#include <QRect>
#include <QStringList>
#include <functional>

class QWidget;
class Ovningsram;

class Arbetsbladspanel {
public:
    virtual ~Arbetsbladspanel() = default;
    virtual QWidget *widget() = 0;                 // SkrivutHelaPanelen
    virtual bool antalPanelSynlig() const = 0;     // SkrivutAntalPanel shown
    virtual void antalUpp() = 0;                   // Up: one item more
    virtual void antalNer() = 0;                   // Down: one item less
};


class Arbetsbladsfoenster {
public:
    virtual ~Arbetsbladsfoenster() = default;
    // The lines of the item on screen. `fraanKlart` is true when "&Klart"
    // adds items, false for "Skickas &till utskrift" (some windows differ).
    virtual Arbetsbladsrader arbetsbladsrader(bool fraanKlart) = 0;
    // The next item of the window's order is shown.
    virtual void naestaArbetsbladspost() = 0;
    // A new section: the heading is taken from the title lines and the
    // question line ends in ":" (the typing windows).
    virtual bool avsnittMedRubrikOchKolon() const { return false; }
    // The item on screen went to the worksheet.
    virtual void postSkickad() {}
    // Where the panel stands on the window.
    virtual QRect arbetsbladspanelensPlats() const { return {}; }
};

// Makes the panel on a window (the window owns the widget). Empty until the
// worksheet module installs it.
extern std::function<Arbetsbladspanel *(Ovningsram &)> SkapaArbetsbladspanel;

// Empties the worksheet printout window's two lists when worksheet mode is
// switched (the main window calls it); the worksheet module installs it.
extern std::function<void()> TomUtskriftslistorna;
