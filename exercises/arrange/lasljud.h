#pragma once
// The reading gym: five short words, one under the other, to be read aloud;
// "&Höra orden" plays their recorded sounds in turn so that the pupil can
// check the reading. Nothing is judged or counted.
#include "core/datafiler.h"
#include "core/oevningsstart.h"
#include "core/runda.h"
#include "core/tillstaand.h"
#include "platform/ui/foenster.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

class TLasLjud : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TLasLjud(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    std::array<QLabel *, 5> OrdPanel{};       // OrdPanel1..OrdPanel5
    QLabel *InstruktionsLabel = nullptr;
    QFrame *OverskriftPanel2 = nullptr;
    QLabel *OverskriftLabel1 = nullptr;
    QLabel *OverskriftLabel2 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *AvbrytButton = nullptr;
    QPushButton *FlerordButton = nullptr;
    QPushButton *LyssnaButton = nullptr;

    // The five shown lines and their item numbers, in panel order.
    std::array<QString, 5> Orden;
    std::array<int, 5> Nummer{};

    void NyPost();
    void Ljudet();
    void RitaOverskriften();
    void FlerordButtonClick() { NyPost(); }
    void LyssnaButtonClick();
    void AvbrytButtonClick() { stang(); }

private:
    // The round's counters and the data file, read once for the window's life.
    Runda runda{Rundval{.diagnosbokfoering = false, .felLista = false, .laengd = Tillstaand::Runddata::AntalPerRunda}};
    void FormCreate(const Oevningsstart &start);
    void laasKnappar(bool laast);
};

void VisaLasLjud();
