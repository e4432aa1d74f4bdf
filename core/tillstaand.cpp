#include "core/tillstaand.h"

Tillstaand G;

void aaterstaellTillstaand() { G = Tillstaand{}; }

const QString &Statustexter(int status)
{
    static const QString texter[4] = {QStringLiteral("Börja"), QStringLiteral("Vänta"),
                                      QStringLiteral("Testa"), QStringLiteral("Öva")};
    static const QString tom;
    return status >= 0 && status <= 3 ? texter[status] : tom;
}

Laege laege() { return static_cast<Laege>(G.oevning.Arbetsbladslaege); }

void saettLaege(Laege l) { G.oevning.Arbetsbladslaege = static_cast<Byte>(l); }

bool aerArbetsblad(Laege l) { return l == Laege::Arbetsblad; }

bool aerDiagnoslaege(Laege l)
{
    return l == Laege::Diagnostest || l == Laege::Diagnosoevning || l == Laege::OevningGodkaend;
}

bool aerOevningslaege(Laege l)
{
    return l == Laege::Oevning || l == Laege::Diagnosoevning || l == Laege::OevningGodkaend
           || l == Laege::OevningRaettning;
}

bool aerDiagnosomraade(Laege l)
{
    return l >= Laege::Diagnostest && l <= Laege::OevningRaettning;
}

void oevningUtomArbetsblad()
{
    if (!aerArbetsblad(laege()))
        saettLaege(Laege::Oevning);
}

bool ljudPaa() { return G.val.LjudLaege == 1 || G.val.LjudLaege == 3; }
bool bildPaa() { return G.val.BildLaege == 1 || G.val.BildLaege == 3; }
