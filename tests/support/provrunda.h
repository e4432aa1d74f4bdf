#pragma once
// Surroundings for a round over one data file in the temporary content tree:
// the random order is 1, 2, 3 ..., the wait is 3 seconds, and the file is the
// checked current one (index 1).
#include "miljoe.h"

#include "core/tillstaand.h"
#include "core/uppstart.h"

class Provrunda : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
        for (int p = 1; p <= 900; ++p)
            G.fel.SlumpOrdning[p] = p;
        G.fel.FilSlumpMarkoer[1] = 1;
        G.val.SekunderRaettSvar = 3;
    }
    void datafil(const QString &namn, const QStringList &rader)
    {
        skrivFil1252(i(QStringLiteral("cd/DATA/DAT/") + namn), rader);
        G.start.DatFilTabell[1] = namn;
        G.start.AntalDatFiler = 1;
        G.oevning.DatFilNamn = namn;
        ASSERT_TRUE(Kolla(G.oevning.DatFilNamn));
    }
};
