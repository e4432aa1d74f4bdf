#pragma once
// The settings window: how long the right answer stays after a wrong one,
// and whether the item sounds are followed by an English or a German
// translation. The settings live in memory only.
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QPushButton;
namespace plattform { class Spinknapp; }

class TStallin : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TStallin(QWidget *parent = nullptr);

    QFrame *YtterPanel = nullptr;
    QFrame *InnerPanel = nullptr;
    QLabel *OverPanel = nullptr;
    QLabel *DroejLabel = nullptr;
    QLabel *TidLabel = nullptr;
    plattform::Spinknapp *SpinButton1 = nullptr;
    QLabel *ExtraLabel = nullptr;
    QLabel *Extra2Label = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *EngButton = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Tysbutton = nullptr;
    QPushButton *SparaButton = nullptr;
    QPushButton *AvbrytButton = nullptr;

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void EngButtonClick();
    void TysbuttonClick();
    void SparaButtonClick();
    void AvbrytButtonClick();

protected:
    bool keyPress(QChar tecken) override;   // FormKeyPress

private:
    void FormCreate();
    void visaTid();
};

void VisaStallin();
