#pragma once
// A protocol window that records the calls the bookkeeping makes. Register
// it for a scope with Byt(diaprot, &protokoll).
#include "core/diagnos.h"

#include <QStringList>

class InspeladProtokoll : public Diagnosprotokoll {
public:
    void aktivera() override { anrop << QStringLiteral("aktivera"); }
    void rita_prot() override { anrop << QStringLiteral("rita_prot"); }
    void maalaNu() override { anrop << QStringLiteral("maalaNu"); }
    void oevningGodkaend(int test) override { anrop << QStringLiteral("godkaend %1").arg(test); }
    QStringList anrop;
};
