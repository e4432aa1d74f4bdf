#pragma once
// A diagnosis round of 20 items as a pupil takes it: the first `raett`
// answered right, the others wrong with each wait ended by Space, and the
// end delay after the last one.
#include "core/tillstaand.h"
#include "core/rundregler.h"

template <typename Foenster, typename Svara>
void diagnosrunda(Foenster &f, int raett, Svara svara)
{
    for (int n = 1; n <= 20; ++n) {
        svara(n <= raett);
        if (n > raett && n < 20) {
            G.runda.Tidraeknare = MellanslagTidraeknare;
            f.Timer1Timer();
        }
    }
    G.runda.Tidraeknare = MellanslagTidraeknare;
    f.SluttimerTimer();
}
