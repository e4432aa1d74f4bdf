#include "core/rekord.h"

#include "core/program.h"
#include "platform/filer.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStorageInfo>

#include <cerrno>

using namespace plattform;

QByteArray kodaRekordpost(const Rekordpost &post)
{
    QByteArray b(22, '\0');
    const QByteArray namn = till1252(post.namn.str()).left(21);
    b[0] = char(namn.size());
    b.replace(1, namn.size(), namn);
    QByteArray tal;
    QDataStream ut(&tal, QIODevice::WriteOnly);
    ut.setByteOrder(QDataStream::LittleEndian);
    ut << quint16(post.aar) << quint16(post.maanad) << quint16(post.dag) << quint16(post.timme)
       << quint16(post.minut) << qint32(post.resultat);
    return b + tal;
}

Rekordpost avkodaRekordpost(const QByteArray &bytes)
{
    QByteArray b = bytes.left(RekordpostStorlek);
    b.append(QByteArray(RekordpostStorlek - b.size(), '\0'));
    Rekordpost p;
    const int laengd = std::min<int>(static_cast<unsigned char>(b.at(0)), 21);
    p.namn = fraan1252(b.mid(1, laengd));
    QDataStream in(b);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(22);
    quint16 aar, maanad, dag, timme, minut;
    qint32 resultat;
    in >> aar >> maanad >> dag >> timme >> minut >> resultat;
    p.aar = aar;
    p.maanad = maanad;
    p.dag = dag;
    p.timme = timme;
    p.minut = minut;
    p.resultat = resultat;
    return p;
}

namespace {

QString tvaa(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

} // namespace

QString RekordTidText(const Rekordpost &p)
{
    return QString::number(p.aar).mid(2, 2) + tvaa(p.maanad) + tvaa(p.dag) + QLatin1Char(' ') + tvaa(p.timme)
           + QLatin1Char(':') + tvaa(p.minut);
}

QString rekordResultatText(std::int32_t r)
{
    int blanka = 0;
    if (r >= 1 && r <= 9) blanka = 9;
    else if (r >= 10 && r <= 99) blanka = 8;
    else if (r >= 100 && r <= 999) blanka = 6;
    else if (r >= 1000 && r <= 9999) blanka = 4;
    else if (r >= 10000 && r <= 30000) blanka = 3;
    else return QString();
    return QString(blanka, QLatin1Char(' ')) + QString::number(r);
}

QString rekordProgramnamn(int programtal) { return QString::fromUtf8(program(Word(programtal)).rekordnamn); }

void Datumet(Rekordpost &p)
{
    const QDateTime nu = klocka().nu();
    p.aar = Word(nu.date().year());
    p.maanad = Word(nu.date().month());
    p.dag = Word(nu.date().day());
    p.timme = Word(nu.time().hour());
    p.minut = Word(nu.time().minute());
}

Rekordtabell rangordna(const QList<Rekordpost> &lagrade, const Rekordpost &ny)
{
    Rekordtabell t;
    bool placerad = false;
    int r = 0;
    for (const Rekordpost &post : lagrade) {
        if (r >= Rekordrader)
            break;
        ++r;
        if (!placerad && ny.resultat > post.resultat) {
            t.rader[r] = ny;
            t.nyRad = r;
            placerad = true;
            ++r;
        }
        if (r <= Rekordrader)
            t.rader[r] = post;
    }
    t.antal = std::min(r, Rekordrader);
    ++r;
    if (!placerad && r <= Rekordrader) {
        t.rader[r] = ny;
        t.nyRad = r;
        t.antal = r;
        placerad = true;
    }
    if (!placerad) {
        t.rader[Rekordrader + 1] = ny;
        t.nyRad = Rekordrader + 1;
    }
    return t;
}

QString rekordfilFoer(const QString &datfil)
{
    const QString stam = datfil.section(QLatin1Char('.'), 0, 0);
    const QString katalog = G.start.ResultatKatalog.isEmpty() ? G.start.PcSoekvaeg.str() + QStringLiteral("\\RESULTAT\\")
                                                        : G.start.ResultatKatalog;
    return katalog + stam + QStringLiteral(".SVR");
}

QString rekordkatalogMeddelande()
{
    const QString fil = G.spelare.RekordFilNamn;
    // The user's data folder is a path of this system, with "/".
    const qsizetype slut = std::max(fil.lastIndexOf(QLatin1Char('\\')), fil.lastIndexOf(QLatin1Char('/')));
    return QStringLiteral("Katalogen ") + fil.left(std::max<qsizetype>(0, slut))
           + QStringLiteral(", där resultaten ska sparas, finns inte eller kan vara skrivskyddad.");
}

QString rekordDiskFullMeddelande()
{
    return QStringLiteral("Disken är full, så resultattabellen ") + G.spelare.RekordFilNamn
           + QStringLiteral(" kunde inte skrivas. Resultatet är inte sparat.");
}

QString rekordSkrivfelMeddelande()
{
    return QStringLiteral("Resultattabellen ") + G.spelare.RekordFilNamn
           + QStringLiteral(" kunde inte skrivas. Resultatet är inte sparat.");
}

namespace {

// Room the file system must have beyond the table itself: its scratch copy
// and the lock take whole blocks.
constexpr qint64 Luft = 64 * 1024;

// The disk under `katalog` is full: the failed call said so, or the file
// system has no room left for `behov` bytes.
bool diskenFull(const QString &katalog, qint64 behov, int felkod)
{
    if (felkod == ENOSPC || felkod == EDQUOT)
        return true;
    const QStorageInfo disk(katalog);
    return disk.isValid() && disk.isReady() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < behov + Luft;
}

// What to say when the table under `riktig` could not be replaced.
QString skrivfel(const QString &riktig, qint64 behov, Skrivutfall utfall, int felkod)
{
    if (diskenFull(QFileInfo(riktig).absolutePath(), behov, felkod))
        return rekordDiskFullMeddelande();
    // No scratch file beside the table: the directory takes no new files.
    if (utfall == Skrivutfall::SkraepKundeInteSkapas)
        return rekordkatalogMeddelande();
    return rekordSkrivfelMeddelande();
}

bool misslyckat(QString *fel, const QString &text)
{
    if (fel)
        *fel = text;
    return false;
}

// The lock beside the table: the table's name with ".LCK".
QString laasfil(const QString &riktig)
{
    const QFileInfo i(riktig);
    return i.absolutePath() + QLatin1Char('/') + i.completeBaseName() + QStringLiteral(".LCK");
}

// False when the file exists but cannot be read; a missing file reads empty.
bool laesPoster(const QString &riktig, QList<Rekordpost> &poster, bool &fanns)
{
    poster.clear();
    fanns = QFileInfo(riktig).isFile();
    if (!fanns)
        return true;
    QFile f(riktig);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray allt = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    for (int k = 0; k + RekordpostStorlek <= allt.size() && poster.size() < Rekordrader; k += RekordpostStorlek)
        poster << avkodaRekordpost(allt.mid(k, RekordpostStorlek));
    return true;
}

} // namespace

Rekordlaesning laesRekordfil(QList<Rekordpost> &poster, QString *fel)
{
    const QString riktig = riktigSoekvaeg(G.spelare.RekordFilNamn);
    const QString katalog = QFileInfo(riktig).absolutePath();
    bool fanns = false;
    if (!laesPoster(riktig, poster, fanns)) {
        misslyckat(fel, rekordkatalogMeddelande());
        return Rekordlaesning::Misslyckad;
    }
    if (fanns)
        return Rekordlaesning::Laest;
    if (!QFileInfo(katalog).isDir()) {
        misslyckat(fel, rekordkatalogMeddelande());
        return Rekordlaesning::Misslyckad;
    }
    Skrivlaas laas(laasfil(riktig));
    if (QFileInfo(riktig).isFile())
        return Rekordlaesning::Laest;
    if (!laas.haalls()) {
        misslyckat(fel, diskenFull(katalog, 0, 0) ? rekordDiskFullMeddelande() : rekordkatalogMeddelande());
        return Rekordlaesning::Misslyckad;
    }
    errno = 0;
    const Skrivutfall utfall = skrivHelFil(riktig, QByteArray());
    const int felkod = errno;
    if (utfall != Skrivutfall::Klart) {
        misslyckat(fel, skrivfel(riktig, 0, utfall, felkod));
        return Rekordlaesning::Misslyckad;
    }
    return Rekordlaesning::Skapad;
}

bool sparaRekord(const Rekordpost &ny, QString *fel)
{
    const QString riktig = riktigSoekvaeg(G.spelare.RekordFilNamn);
    const QString katalog = QFileInfo(riktig).absolutePath();
    if (!QFileInfo(katalog).isDir())
        return misslyckat(fel, rekordkatalogMeddelande());
    Skrivlaas laas(laasfil(riktig));
    if (!laas.haalls())
        return misslyckat(fel, diskenFull(katalog, 0, 0) ? rekordDiskFullMeddelande() : rekordkatalogMeddelande());
    QList<Rekordpost> poster;
    bool fanns = false;
    if (!laesPoster(riktig, poster, fanns))
        return misslyckat(fel, rekordkatalogMeddelande());
    Rekordpost post = ny;
    Datumet(post);
    const Rekordtabell t = rangordna(poster, post);
    QByteArray allt;
    for (int r = 1; r <= t.antal; ++r)
        allt += kodaRekordpost(t.rader[r]);
    // The writer leaves the system's error of the failed call in errno.
    errno = 0;
    const Skrivutfall utfall = skrivHelFil(riktig, allt);
    const int felkod = errno;
    if (utfall == Skrivutfall::Klart)
        return true;
    return misslyckat(fel, skrivfel(riktig, allt.size(), utfall, felkod));
}
