#pragma once
// The about window: the product's name and version over a full-screen picture.
#include "platform/ui/foenster.h"

class QLabel;
class QPushButton;

class TOmKavo : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TOmKavo(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;

    void Button1Click();
    bool harBild() const { return m_harBild; }

protected:
    bool keyPress(QChar tecken) override;

private:
    void FormCreate();
    bool m_harBild = false;
};

// Shows the window modally and frees it.
void VisaOmKavo();
