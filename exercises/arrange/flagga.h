#pragma once
// The flag page "Sveriges flagga": the flag, the three crowns and Moder
// Svea with a few lines about each.
#include "exercises/arrange/sverigesida.h"

class TFlagga : public Sverigesida {
    Q_OBJECT
public:
    explicit TFlagga(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;   // the flag
    QLabel *Image2 = nullptr;   // Moder Svea
    QLabel *Image3 = nullptr;   // the three crowns
    QLabel *FlagLabel1 = nullptr, *Flaglabel2 = nullptr, *Flaglabel3 = nullptr;
    QLabel *FlagLabel4 = nullptr, *FlagLabel5 = nullptr, *FlagLabel6 = nullptr;

protected:
    bool keyDown(QKeyEvent *e) override;
    bool keyPress(QChar tecken) override;

private:
    void FormCreate();
};

void VisaFlagga();
