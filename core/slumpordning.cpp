#include "core/slumpordning.h"

#include "core/tillstaand.h"
#include "platform/seams.h"

#include <QList>

void SkapaSlumpordning(int lo, int hi)
{
    for (int i = 1; i <= 20; ++i) {
        G.LovordMarkoer[i] = 1;
        G.LovordAntalRader[i] = 0;
    }
    G.BildMarkoer = 1;
    for (int i = 1; i <= 140; ++i) {
        G.FilSlumpMarkoer[i] = 1;
        G.FilAntalPoster[i] = 0;
    }
    plattform::Randomize();
    lo = std::max(lo, 1);
    hi = std::min(hi, 900);
    const int n = hi - lo + 1;
    QList<int> pool;
    for (int i = 1; i <= n; ++i)
        pool << i;
    for (int p = lo; !pool.isEmpty(); ++p) {
        const int r = plattform::Random(int(pool.size()));
        G.SlumpOrdning[p] = pool.takeAt(r) + lo - 1;
    }
    for (auto &f : G.Fellista)
        f = Felpost{};
    G.DatFilIndex = 0;
    for (int i = 1; i <= 140; ++i)
        G.FelAntal[i] = 0;
}
