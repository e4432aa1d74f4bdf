#include "platform/ui/dialogstart.h"

#include "platform/ui/faerger.h"

namespace plattform {

void foerberedDialog(Foenster *foenster, const QString &namn, QSize fast, const QString &titel)
{
    foenster->setObjectName(namn);
    foenster->setWindowTitle(titel);
    foenster->saettRamloes(true);
    foenster->saettKeyPreview(true);
    if (fast.isValid()) {
        const QSize skaerm = skaermstorlek();
        foenster->setGeometry((skaerm.width() - fast.width()) / 2, (skaerm.height() - fast.height()) / 2,
                              fast.width(), fast.height());
        foenster->setFixedSize(fast);
    }
}

QSize helskaerm(Foenster *foenster, const QString &namn, const QColor &bakgrund, bool keyPreview)
{
    if (!namn.isEmpty())
        foenster->setObjectName(namn);
    foenster->saettRamloes(true);
    foenster->saettKeyPreview(keyPreview);
    foenster->setWindowTitle(Programtitel);
    const QSize s = skaermstorlek();
    foenster->setGeometry(0, 0, s.width(), s.height());
    saettBakgrund(foenster, bakgrund);
    return s;
}

} // namespace plattform
