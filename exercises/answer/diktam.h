#pragma once
// The dictation window: one word at a time is spoken, flashed for a moment
// or both, and the pupil types it. The way of presenting is the pupil's
// choice and is kept between openings; the flash time is set while the
// window is open.
#include "exercises/frame/ovningsram.h"

class QLabel;
class QPushButton;
namespace plattform { class Spinknapp; class Timer; }

class TDiktam : public Ovningsram {
    Q_OBJECT
public:
    explicit TDiktam(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    QLabel *FrageLabel1 = nullptr;       // empty in this window
    QLabel *FrageLabel2 = nullptr;
    QLabel *BlinkLabel = nullptr;        // the flashed word, above the box
    QLabel *Label5 = nullptr;            // the right word, below the box
    QLabel *Label6 = nullptr;            // the hint
    QLabel *EngLabel = nullptr;          // the translation
    QPushButton *BaraHoraButton = nullptr;
    QPushButton *BaraseordetButton = nullptr;
    QPushButton *SeochHoraButton = nullptr;
    QLabel *SeIntervalLabel = nullptr;   // "Visningstid:"
    QLabel *SeTidPanel = nullptr;        // the flash time in tenths
    plattform::Spinknapp *TidSpinButton = nullptr;
    plattform::Timer *Timer3 = nullptr;  // the end of a flash

    // Window state.
    int Visningstid = 100;               // ms a flashed word stays
    QString DiktatOrd;
    bool HarLjud = false;                // the items are spoken
    bool UtanLjudutgaang = false;        // ... but the computer has no sound output

    void NyPost() override;
    void Timer3Timer();
    void UpprepaButtonClick() override;
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void TidSpinButtonUpClick();
    void TidSpinButtonDownClick();
    void BitBtn2Click() override;

protected:
    QString vaentatSvar(const QLineEdit *) const override;
    void svarInmatat(QLineEdit *) override;
    void escISvarsfaelt(QLineEdit *) override;
    void NollaLabeller() override;
    void vidRundansSlut() override;
    void foerberedRaettning() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    bool ljudOevning() const override { return HarLjud; }
    // The presentation after the 2 ms ticks, which count to SekunderRaettSvar
    // itself: the word comes a few milliseconds after the item.
    void ljudtimerKlar() override { presentera(); }
    bool keyDown(QKeyEvent *e) override;

private:
    void efterSkapande() override;
    void placera();
    void blinka();
    void presentera();
    void oeppnaSvarsrutan();
    bool vaentarSvar() const;
    void valjLaege(int laege);
    bool kanHoeras() const { return HarLjud && !UtanLjudutgaang; }
    void visaTid();
    void visaGlosa();
    void placeraGlosa();

    int m_minstaBredd = 0;               // the box at its narrowest
};

// Opens the dictation window for the current data file; returns when it
// has closed.
int VisaDiktam();
