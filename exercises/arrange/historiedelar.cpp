#include "exercises/arrange/historiedelar.h"

#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"
#include "platform/ui/utskrift.h"

#include <QLabel>
#include <cmath>

using namespace plattform;

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

QRect utskriftsyta(const Skrivare &p)
{
    const int kant = std::lround(Utskriftsmarginal * p.upploesning() / 25.4);
    const QRect ark = p.papper().adjusted(kant, kant, -kant, -kant);
    const QRect tryckbart(0, 0, p.pageWidth(), p.pageHeight());
    const QRect yta = ark.intersected(tryckbart);
    return yta.isEmpty() ? tryckbart : yta;
}

namespace {
// A line wider than the area breaks at its last blank that fits (at the
// width when there is none); nothing of it is lost.
QStringList radbryt(const Skrivare &p, const QString &rad, int bredd)
{
    QStringList delar;
    QString rest = rad;
    while (p.textWidth(rest) > bredd && rest.size() > 1) {
        qsizetype n = rest.size() - 1;
        while (n > 1 && p.textWidth(rest.left(n)) > bredd)
            --n;
        const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), n);
        if (blank > 0)
            n = blank;
        delar << rest.left(n);
        rest = rest.mid(n).trimmed();
    }
    delar << rest;
    return delar;
}
} // namespace

void skrivBeraettelse(Skrivare &p, const QString &rubrik, int rubrikPunkter, const QStringList &rader, int punkter,
                      int mellanrum)
{
    const QRect yta = utskriftsyta(p);
    p.saettTypsnitt(QStringLiteral("Arial"), rubrikPunkter, true);
    p.textOut(yta.left(), yta.top(), rubrik);
    int y = yta.top() + p.textHeight(rubrik);
    p.saettTypsnitt(QStringLiteral("Arial"), punkter);
    // One empty line of the text sets the heading apart.
    y += p.textHeight(QStringLiteral("Å"));
    for (const QString &rad : rader) {
        for (const QString &del : radbryt(p, rad, yta.width())) {
            const int h = p.textHeight(del);
            if (y + h > yta.bottom() + 1 && y > yta.top()) {
                p.newPage();
                y = yta.top();
            }
            p.textOut(yta.left(), y, del);
            y += h + mellanrum;
        }
    }
}
