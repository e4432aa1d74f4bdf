#pragma once
// The worksheet-selection panel as an exercise window sees it. The panel is
// made by the worksheet module for a window that opens in worksheet mode;
// while that module is not in the program the window shows no panel.
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

// Makes the panel on a window (the window owns the widget). Empty until the
// worksheet module installs it.
extern std::function<Arbetsbladspanel *(Ovningsram &)> SkapaArbetsbladspanel;
