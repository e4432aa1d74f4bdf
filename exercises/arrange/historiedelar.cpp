#include "exercises/arrange/historiedelar.h"

#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"
#include "platform/ui/utskrift.h"

#include <QLabel>

using namespace plattform;

QRect helskaermsfoenster(Foenster *foenster, const QString &namn, const QColor &bakgrund)
{
    foerberedDialog(foenster, namn);
    const QRect skaerm(QPoint(0, 0), skaermstorlek());
    foenster->setGeometry(skaerm);
    foenster->setWindowState(Qt::WindowMaximized);
    saettBakgrund(foenster, bakgrund);
    return skaerm;
}

QLabel *rubriktext(QWidget *yta, const QString &namn, const QString &text)
{
    auto *l = new QLabel(text, yta);
    l->setObjectName(namn);
    l->setFont(arial(Pixlar{40}, true));
    saettTextfaerg(l, clYellow);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(0, 0, yta->width(), yta->height());
    return l;
}

void skrivHistoria(const std::function<void(Skrivare &)> &skriv)
{
    if (!koerUtskriftsdialog())
        return;
    Skrivare &p = skrivare();
    if (!p.beginDoc()) {
        visaMeddelande(QStringLiteral("Det gick inte att skriva ut."));
        return;
    }
    skriv(p);
    p.endDoc();
}

void skrivRader(Skrivare &p, const QStringList &rader, int x, int y, int foerstaMellanrum, int mellanrum,
                int topp)
{
    for (qsizetype i = 0; i < rader.size(); ++i) {
        const int h = p.textHeight(rader.at(i));
        if (y + h > p.pageHeight() && y > topp) {
            p.newPage();
            y = topp;
        }
        p.textOut(x, y, rader.at(i));
        y += h + (i == 0 ? foerstaMellanrum : mellanrum);
    }
}
