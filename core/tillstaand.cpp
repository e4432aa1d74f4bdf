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
