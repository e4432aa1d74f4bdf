#include "miljoe.h"

#include "core/skaermskala.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void skrivBytes(const QString &riktigSoekvaeg, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(riktigSoekvaeg).absolutePath());
    QFile f(riktigSoekvaeg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(riktigSoekvaeg);
    f.write(bytes);
}

void skrivFil1252(const QString &riktigSoekvaeg, const QStringList &rader)
{
    QByteArray b;
    for (const QString &r : rader)
        b += plattform::till1252(r) + "\r\n";
    skrivBytes(riktigSoekvaeg, b);
}

void Miljoe::SetUp()
{
    ASSERT_TRUE(m_katalog.isValid());
    aaterstaellTillstaand();
}

void Miljoe::TearDown() { aaterstaellTillstaand(); }

void Miljoe::anvaendTraed()
{
    QDir().mkpath(i(QStringLiteral("pc")));
    QDir().mkpath(i(QStringLiteral("cd")));
    G.start.PcSoekvaeg = QStringLiteral("pc");
    G.start.CdSoekvaeg = QStringLiteral("cd");
}

void StartatProgram::SetUp()
{
    Miljoe::SetUp();
    anvaendTraed();
    for (int p = 1; p <= 900; ++p)
        G.fel.SlumpOrdning[p] = p;
    for (int f = 1; f <= 140; ++f)
        G.fel.FilSlumpMarkoer[f] = 1;
    G.val.SekunderRaettSvar = 3;
    G.val.LjudLaege = 1;
    G.val.BildLaege = 1;
    Skaltest();
    G.skaerm.Skalprocent = 100;
}

void StartatProgram::datafil(const QString &namn, const QStringList &rader)
{
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/") + namn), rader);
    G.start.DatFilTabell[++G.start.AntalDatFiler] = namn;
    G.oevning.DatFilNamn = namn;
    ASSERT_TRUE(Kolla(namn));
}

void StartatProgram::lovordsfiler(std::initializer_list<const char *> namn)
{
    for (const char *n : namn) {
        const QString fil = QString::fromLatin1(n);
        skrivFil1252(i(QStringLiteral("cd/DATA/LOV/") + fil),
                     {QStringLiteral("Bra gjort#") + fil.mid(4, 4) + QStringLiteral("#!")});
        G.start.LovordFilTabell[++G.start.AntalLovordFiler] = fil;
    }
}
