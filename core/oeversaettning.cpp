#include "core/oeversaettning.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/text1252.h"

using namespace plattform;

void FyllEngListan()
{
    QString fil;
    if (G.val.Oeversaettning == 1)
        fil = QStringLiteral("MORVENG.DAT");
    else if (G.val.Oeversaettning == 2)
        fil = QStringLiteral("MORVTYS.DAT");
    else
        return;
    const QString soekvaeg = HittaInnehaall(QStringLiteral("\\DATA\\DAT\\") + fil);
    RadLaesare laesare;
    if (soekvaeg.isEmpty() || !laesare.oeppna(riktigSoekvaeg(soekvaeg)))
        return;
    G.ordlistor.ListBox1.clear();
    G.ordlistor.ListBox2.clear();
    for (int rader = 0; rader < 3000 && !laesare.slut(); ++rader) {
        const QString rad = laesare.laesRad().left(220);
        const qsizetype hash = rad.left(219).indexOf(QLatin1Char('#'));
        // Position 2..189 counted from 1.
        if (hash >= 1 && hash <= 188) {
            G.ordlistor.ListBox1 << rad.left(hash);
            G.ordlistor.ListBox2 << rad.mid(hash + 1);
        }
    }
}
