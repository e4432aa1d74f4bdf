#pragma once
// What the three Sweden pages (flag, anthem, map) share: a maximised white
// window without a frame that lays itself out from the screen size, the
// blue heading Label1, the close button "&Avbryt" (a yellow panel inside a
// blue one), and pictures looked for under the PC path first, the CD path
// second.
#include "platform/ui/foenster.h"

#include <QSize>

class QFrame;
class QLabel;
namespace plattform { class Klickpanel; }

class Sverigesida : public plattform::Foenster {
    Q_OBJECT
public:
    Sverigesida(const QString &namn, const QString &rubrik, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QFrame *AvbrytPanel1 = nullptr;
    plattform::Klickpanel *AvbrytPanel2 = nullptr;

    virtual void AvbrytPanel2Click() { stang(); }

protected:
    // A button made like "&Avbryt": a yellow panel with blue bold text in a
    // blue panel. Returns the inner, clickable panel.
    plattform::Klickpanel *knappanel(const QString &yttre, const QString &inre, const QString &caption,
                                      QFrame **yttrePanel = nullptr);
    // The outer panel placed with its top-left corner at `plats`.
    static void placeraKnapp(QFrame *yttre, QPoint plats);
    static QSize knappstorlek();
    // Loads "\BILD\" + namn into the label; false (and the label hidden)
    // when the picture is under neither base path or is no picture. With
    // `saegFel` the missing or broken file is named in a message first, and
    // the page goes on without the picture.
    static bool laddaBild(QLabel *bild, const QString &namn, bool saegFel = false);
    // The picture scaled to fit `ram` (its proportions kept), centred there.
    static void passaIn(QLabel *bild, const QRect &ram);
    // Alt+A, the close key of the flag and anthem pages (AltGr is not Alt).
    static bool aerAltA(const QKeyEvent *e);
    bool tarTangent(QKeyEvent *e) override;
    // Esc as a character closes the flag and map pages.
    bool escStaenger(QChar tecken);

    QSize skaerm;
};

