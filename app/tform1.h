#pragma once
// The main window. It lives for the whole run; closing it ends the program.
#include "platform/ui/foenster.h"

class QLabel;
class QPushButton;
class QFrame;

class TForm1 : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button[11] = {};   // Button[1] .. Button[10]

private:
    void FormCreate();
    void Button10Click();
};

// The one main window of the run (null before it is made).
extern TForm1 *Form1;
