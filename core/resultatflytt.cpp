#include "core/resultatflytt.h"

#include "core/diagnosfil.h"
#include "platform/filer.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace plattform;

namespace {
const QStringList Diagnosfiler{QStringLiteral("SDIAG.DIA"), QStringLiteral("SVE45444.DOT"),
                               QStringLiteral("SV*.DIS")};
const QStringList Rekordfiler{QStringLiteral("*.SVR")};
// The scratch folder inside the data folder, and the note in it that says
// every file reached it whole.
const QString Skede = QStringLiteral(".inflyttning");
const QString Klart = QStringLiteral("KLART");

QStringList resultatfiler(const QString &katalog, const QStringList &moenster)
{
    QStringList ut;
    for (const QString &m : moenster)
        for (const QString &n : listaFiler(katalog, m))
            if (!ut.contains(n))
                ut << n;
    return ut;
}

bool laesHel(const QString &fil, QByteArray &innehaall)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    innehaall = f.readAll();
    return f.error() == QFileDevice::NoError;
}

// Every file whole into the scratch folder, then the note that they are.
// Pupils' results without a teacher-password file get one with the initial
// password: the program made it at the teacher's first sign-in, so where
// the teacher never signed in that password was in effect, and stays so.
bool kopiera(const QString &fraan, const QString &skede, const QStringList &filer)
{
    if (!QDir().mkpath(skede))
        return false;
    bool elevdata = false;
    bool loesen = false;
    for (const QString &n : filer) {
        QByteArray b;
        if (!laesHel(fraan + QLatin1Char('/') + n, b)
            || skrivHelFil(skede + QLatin1Char('/') + n, b) != Skrivutfall::Klart)
            return false;
        const QString namn = n.toUpper();
        loesen = loesen || namn == QLatin1String("SVE45444.DOT");
        elevdata = elevdata || namn == QLatin1String("SDIAG.DIA") || namn.endsWith(QLatin1String(".DIS"));
    }
    if (elevdata && !loesen
        && skrivHelFil(skede + QStringLiteral("/SVE45444.DOT"), LaerarfilMed(InitialtLaerarLoesen))
               != Skrivutfall::Klart)
        return false;
    return skrivHelFil(skede + QLatin1Char('/') + Klart, QByteArray()) == Skrivutfall::Klart;
}

// The copies from the scratch folder into the data folder, none replacing a
// file there (a file the data folder has meanwhile wins; the old one stays
// where it came from); the folder goes when it is empty.
bool flyttaIn(const QString &skede, const QString &till)
{
    bool allt = true;
    for (const QString &n : QDir(skede).entryList(QDir::Files | QDir::Hidden)) {
        if (n == Klart)
            continue;
        const QString kopia = skede + QLatin1Char('/') + n;
        if (QFileInfo::exists(riktigSoekvaeg(till + QLatin1Char('\\') + n)))
            QFile::remove(kopia);
        else if (!bytNamnUtanErsaettning(kopia, till + QLatin1Char('/') + n))
            allt = false;
    }
    if (allt)
        QDir(skede).removeRecursively();
    return allt;
}

void markera(const QString &gammal, const QString &ny)
{
    const QString text = QStringLiteral("Morvika kopierade ")
                         + klocka().nu().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                         + QStringLiteral(" resultaten i den här katalogen till\n") + ny
                         + QStringLiteral("\noch sparar nya resultat där. Filerna här används inte längre.\n");
    skrivHelFil(gammal + QLatin1Char('/') + FlyttMarkering, text.toUtf8());
}

enum class Utfall { Inget, Flyttat, KopieringFel, InflyttningFel };

// The carry-over itself, under the diagnosis files' lock: a second copy of
// the program starting at the same moment waits and then finds the results
// in place.
Utfall flytta(const QString &gammal, const QString &ny, const QString &skede, const QStringList &moenster)
{
    Skrivlaas laas(ny + QStringLiteral("/SDIAG.LCK"));
    if (!laas.haalls())
        return Utfall::Inget;
    if (!QFileInfo(skede + QLatin1Char('/') + Klart).isFile()) {
        QDir(skede).removeRecursively();   // a copy cut short is begun again
        if (QFileInfo::exists(gammal + QLatin1Char('/') + FlyttMarkering)
            || !resultatfiler(ny, Diagnosfiler + Rekordfiler).isEmpty())
            return Utfall::Inget;
        const QStringList filer = resultatfiler(gammal, moenster);
        if (filer.isEmpty())
            return Utfall::Inget;
        if (!kopiera(gammal, skede, filer)) {
            QDir(skede).removeRecursively();
            return Utfall::KopieringFel;
        }
    }
    if (!flyttaIn(skede, ny))
        return Utfall::InflyttningFel;
    markera(gammal, ny);
    return Utfall::Flyttat;
}
} // namespace

void FlyttaInTidigareResultat(const QString &tidigare, const QString &datakatalog, bool diagnoser, bool rekord)
{
    QStringList moenster;
    if (diagnoser)
        moenster << Diagnosfiler;
    if (rekord)
        moenster << Rekordfiler;
    const QString gammal = riktigSoekvaeg(tidigare);
    const QFileInfo g(gammal);
    const QFileInfo d(datakatalog);
    if (moenster.isEmpty() || datakatalog.isEmpty() || !g.isDir() || !d.isDir()
        || g.canonicalFilePath() == d.canonicalFilePath())
        return;
    const QString ny = d.canonicalFilePath();
    const QString skede = ny + QLatin1Char('/') + Skede;
    // Told with the lock let go, so no other copy waits on the message.
    switch (flytta(gammal, ny, skede, moenster)) {
    case Utfall::Inget:
        break;
    case Utfall::Flyttat:
        visaInformation(QStringLiteral("Klassens resultat är kopierade från\n") + gammal
                        + QStringLiteral("\ntill Morvikas datakatalog\n") + ny
                        + QStringLiteral("\nDär finns de kvar när programmet byggs om. De gamla filerna ligger "
                                         "kvar orörda."));
        break;
    case Utfall::KopieringFel:
        visaVarning(QStringLiteral("Morvika kunde inte kopiera klassens resultat från\n") + gammal
                    + QStringLiteral("\ntill\n") + ny + QStringLiteral("\nDe ligger kvar i ") + gammal
                    + QLatin1Char('.'));
        break;
    case Utfall::InflyttningFel:
        visaVarning(QStringLiteral("Morvika kunde inte flytta in alla kopierade resultat i\n") + ny
                    + QStringLiteral("\nDe som saknas ligger i ") + skede + QStringLiteral(" och i ") + gammal
                    + QLatin1Char('.'));
        break;
    }
}
