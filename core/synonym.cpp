#include "core/synonym.h"

#include "core/svarstest.h"
#include "core/svenskordning.h"
#include "platform/seams.h"

qint64 millisekunderSedanMidnatt()
{
    return plattform::klocka().nu().time().msecsSinceStartOfDay();
}

Synonymrad delaSynonymrad(const QString &rad)
{
    QStringList faelt = rad.split(QLatin1Char('#'));
    Synonymrad r;
    r.ord = faelt.takeFirst();
    sorteraSvenskt(faelt);
    r.svar = faelt;
    return r;
}

void Synonymspel::nyttOrd(const QString &rad)
{
    const Synonymrad r = delaSynonymrad(rad);
    ord = r.ord;
    kvar = r.svar;
    N = int(kvar.size());
    // An item without answers wins nothing; it ends by its tries or an
    // empty Enter like any other.
    P = N > 0 ? 1000 / N : 0;
    B = 100;
    T = 0;
    A = N + 2;
    TidMatning(0, 0);
}

Synonymspel::Utfall Synonymspel::svara(const QString &text)
{
    Utfall u;
    if (!text.isEmpty()) {
        const QString versaler = SvVersaler(text);
        for (int k = 0; k < kvar.size();) {
            if (SvVersaler(kvar.at(k)) != versaler) {
                ++k;
                continue;
            }
            u.hittat = true;
            --N;
            S += P;
            if (N == 0)
                S += B;
            S += int(text.size());
            kvar.removeAt(k);
        }
        ++T;
    }
    u.ordSlut = text.isEmpty() || N == 0 || T > A;
    if (u.ordSlut) {
        // The penalty never takes the whole score.
        const int s = TidMatning(1, 1) / 100;
        if (s < S)
            S -= s;
    }
    return u;
}

void Synonymspel::oeppnaLista()
{
    P /= 2;
    B /= 2;
}

int Synonymspel::TidMatning(int mode, int enhet)
{
    const qint64 nu = millisekunderSedanMidnatt();
    if (mode == 0) {
        m_start = nu;
        return 0;
    }
    m_stopp = nu;
    qint64 d = m_stopp - m_start;
    // A word timed across midnight.
    if (d < 0)
        d += qint64(86400) * 1000;
    switch (enhet) {
    case 0: return int(d);
    case 1: return int(d / 10);
    case 2: return int(d / 100);
    case 3: return int(d / 1000);
    default: return 0;
    }
}
