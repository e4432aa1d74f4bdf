#pragma once
// The map page "Sverige": the map on one side, a column of facts on the other.
#include "exercises/arrange/sverigesida.h"

class TKarta : public Sverigesida {
    Q_OBJECT
public:
    explicit TKarta(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;   // the map
    QList<QLabel *> texter;     // Label2 .. Label12

protected:
    bool keyPress(QChar tecken) override;

private:
    void FormCreate();
};

void VisaKarta();
