#pragma once
// Surroundings for the menu windows: the shared state of a started program
// and a content tree in which every data file the menus name exists.
#include "../app/foensterhjaelp.h"
#include "../support/miljoe.h"

#include "core/tillstaand.h"
#include "menus/undermeny.h"

#include <QSet>

class Menymiljoe : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QSet<QString> filer;
        for (const Menydef *d : allaUndermenyer())
            for (const Menypost &p : d->poster)
                if (p.datfil)
                    filer.insert(QString::fromLatin1(p.datfil));
        G.start.AntalDatFiler = 0;
        for (const QString &f : filer) {
            G.start.DatFilTabell[++G.start.AntalDatFiler] = f;
            if (f != QLatin1String("SVE23100.DAT") || skrivSVE23100)
                skrivFil1252(i("cd/DATA/DAT/" + f), {"$Rubrik " + f, "ord#svar"});
        }
    }
    bool skrivSVE23100 = true;
};
