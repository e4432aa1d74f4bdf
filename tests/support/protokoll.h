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
    void saettStatuscell(int test, const QString &text) override
    {
        anrop << QStringLiteral("cell %1 [%2]").arg(test).arg(text);
    }
    void doljPanel2() override { anrop << QStringLiteral("doljPanel2"); }
    QStringList anrop;
};
