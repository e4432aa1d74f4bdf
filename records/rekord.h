#pragma once
// The record table of a word-collection game: where the new result ranks
// among the stored ones, saved on Enter or left on Esc.
#include "core/rekord.h"
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QPushButton;
namespace plattform { class Straengrutnaet; }

class TRekord : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TRekord(QWidget *parent = nullptr);

    QFrame *OverPanelen = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *RekordPanelen = nullptr;
    plattform::Straengrutnaet *StringGrid1 = nullptr;
    QFrame *NederPanelen = nullptr;
    QPushButton *Sluta = nullptr;     // "Tillbaka &utan att spara - ESC"
    QPushButton *Button1 = nullptr;   // "Tillbaka och &spara - Enter"

    Rekordtabell tabell;
    bool visad = false;   // the table could be read or created

    void Tabell();
    void IniGrid(int rad, const Rekordpost &post);
    void Button1Click();
    void SlutaClick() { stang(); }

    bool keyDown(QKeyEvent *e) override;
    void escape() override { SlutaClick(); }
};

// True when the table was shown (saved or not); false after the message
// that the score directory cannot be used.
bool VisaRekord();
