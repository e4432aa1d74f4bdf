#include "miljoe.h"

#include "core/tillstaand.h"
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
    plattform::saettMeddelanden(&meddelanden);
    plattform::saettKlocka(&klocka);
    plattform::saettSlumpkaella(&slump);
    plattform::saettSkaermstorlek([] { return QSize(640, 480); });
    plattform::saettAnkare(m_katalog.path());
}

void Miljoe::TearDown()
{
    plattform::saettMeddelanden(nullptr);
    plattform::saettKlocka(nullptr);
    plattform::saettSlumpkaella(nullptr);
    plattform::saettAnkare(QString());
    aaterstaellTillstaand();
}

void Miljoe::anvaendTraed()
{
    QDir().mkpath(i(QStringLiteral("pc")));
    QDir().mkpath(i(QStringLiteral("cd")));
    G.PcSoekvaeg = QStringLiteral("pc");
    G.CdSoekvaeg = QStringLiteral("cd");
}
