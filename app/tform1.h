#pragma once
// The main window. It lives for the whole run and fills the screen: the
// main menu on a centred panel, six Sweden pictures beside it with a caption
// under the mouse, the worksheet-mode toggle, and the way into the five
// sub-menus, the diagnosis, the manual and the about window. Closing it ends
// the program.
#include "platform/ui/foenster.h"

class QLabel;
class QPushButton;
class QFrame;

namespace plattform {
class Bildruta;
class Figur;
class Timer;
} // namespace plattform

class TForm1 : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button[11] = {};            // Button[1] .. Button[10]
    QLabel *Panel9 = nullptr;
    plattform::Bildruta *BildImage[6] = {};  // BildImage11, 12, 13, 21, 22, 23
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    plattform::Figur *Shape1 = nullptr;
    QLabel *Label2 = nullptr;
    plattform::Bildruta *Image1 = nullptr;
    plattform::Timer *Timer1 = nullptr;
    plattform::Timer *Timer2 = nullptr;
    // The sound player (MediaPlayer1) and the translation lists live with
    // the sound services; the player is closed when this window goes.

    // The caption of start picture k (0..5) while the mouse is over it.
    void BildImageMouseMove(int k);
    void Button7Click();                     // worksheet mode on and off

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void escape() override;

private:
    void FormCreate();
    void Startbilder();
    void aktiveraKnappar();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Timer1Timer();
    void Timer2Timer();
};

// The one main window of the run (null before it is made and after it goes).
extern TForm1 *Form1;
