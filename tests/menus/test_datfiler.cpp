// The bundled list of data files against the menus.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "menus/undermeny.h"

#include <QSet>

#include <QFile>

TEST(Datfillistan, NamesEveryFileOfTheMenusTheDiagnosisAndThePraise)
{
    QFile fil(QString(MORV_CONTENT_DIR) + "/DATA/datfiler.sve");
    ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
    const QByteArray b = fil.readAll();
    EXPECT_EQ(b.count("\n"), b.count("\r\n"));
    QStringList namn = QString::fromLatin1(b).split("\r\n", Qt::SkipEmptyParts);
    QStringList vaentade;
    for (const Menydef *d : allaUndermenyer())
        for (const Menypost &p : d->poster)
            if (p.datfil)
                vaentade << p.datfil;
    EXPECT_EQ(vaentade.size(), 102);
    for (int n = 1; n <= 17; ++n)
        vaentade << QString("SVDI%1.DAT").arg(n, 2, 10, QChar('0'));
    for (int n = 101; n <= 117; ++n)
        vaentade << QString("SVOVN%1.DAT").arg(n);
    for (int n = 9001; n <= 9016; ++n)
        vaentade << QString("SVOM%1.LOV").arg(n);
    for (const QString &v : vaentade)
        EXPECT_TRUE(namn.contains(v)) << v.toStdString();
    EXPECT_EQ(namn.size(), vaentade.size());
    EXPECT_EQ(namn.removeDuplicates(), 0);
    for (const QString &n : namn)
        EXPECT_LE(n.size(), 12);
}

using Datfiltabell = ByggdMiljoe;

TEST_F(Datfiltabell, TheBuiltProgramReadsTheWholeListIntoItsTables)
{
    ASSERT_TRUE(Uppstart());
    EXPECT_EQ(G.start.AntalDatFiler, 136);
    EXPECT_EQ(G.start.AntalLovordFiler, 16);
    EXPECT_EQ(G.start.DatFilTabell[1], "SVE23100.DAT");
}

TEST(Programtabell, EveryMenuEntryAndDiagnosisFileOpensTheWindowOfItsRow)
{
    QSet<int> fraanMenyerna;
    for (const Menydef *d : allaUndermenyer())
        for (const Menypost &p : d->poster)
            if (p.datfil) {
                const Word programtal = GeProgramtal(QString::fromLatin1(p.datfil));
                fraanMenyerna.insert(programtal);
                EXPECT_EQ(startarnamn(program(programtal).foenster), std::string(startarnamn(p.oeppnar)))
                    << p.datfil;
            }
    QStringList diagnos;
    for (int n = 1; n <= 17; ++n)
        diagnos << QStringLiteral("%1 %2").arg(startarnamn(program(Word(n)).foenster),
                                               startarnamn(program(Word(100 + n)).foenster));
    EXPECT_EQ(diagnos.join(QLatin1String(", ")).toStdString(),
              QString("VisaFLERBAR VisaFLERBAR, ").repeated(9).toStdString()
                  + "VisaFLERBAR VisaFLERBAR, VisaSkrivinf VisaSkrivinf, VisaSKRIV VisaSKRIV, "
                    "VisaSkrivinf VisaSkrivinf, VisaSkrivinf VisaSkrivinf, VisaSKRIV VisaSKRIV, "
                    "VisaSkrivinf VisaSkrivinf, VisaPassAkt VisaSKRIV");
    // No row names a window that neither a menu nor the diagnosis opens.
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        if (rader[r].foenster == Foenstertyp::Ingen)
            continue;
        for (int p : {rader[r].fraan, rader[r].till})
            EXPECT_TRUE(p < 1000 || fraanMenyerna.contains(p)) << p;
    }
}
