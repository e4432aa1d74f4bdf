#include "platform/saekerskrivning.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plattform {

namespace {
qint64 skrivgraens = -1;
int laasVaentetid = 15000;
// Waiting copies look again at a short fixed interval, so that under
// contention each gets its turn soon after the holder lets go.
constexpr int laasIntervallMs = 20;
// A lock file that names no holder is either being written this very moment
// or was left by a copy that died in between; after this long it is the latter.
constexpr qint64 tomLaasGraensMs = 3000;

QByteArray systemnamn(const QString &s) { return QFile::encodeName(s); }

// Writes all of `data` to `fd`, honouring the test limit; false on any
// short or failed write.
bool skrivAllt(int fd, const QByteArray &data)
{
    qint64 kvar = data.size();
    bool begraensad = false;
    if (skrivgraens >= 0 && skrivgraens < kvar) {
        kvar = skrivgraens;
        begraensad = true;
    }
    const char *p = data.constData();
    while (kvar > 0) {
        const ssize_t n = ::write(fd, p, size_t(kvar));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        p += n;
        kvar -= n;
    }
    return !begraensad;
}

// The directory entry of a rename reaches the disk only with the directory.
void synkaKatalog(const QString &fil)
{
    const int fd = ::open(systemnamn(QFileInfo(fil).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The lock file names no holder (empty, unreadable or not a lock) and is
// more than a few seconds old.
bool laasUtanInnehaavare(const QString &laasfil)
{
    const QFileInfo info(laasfil);
    if (!info.isFile())
        return false;
    const qint64 aalder = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (qAbs(aalder) < tomLaasGraensMs)
        return false;
    QFile f(laasfil);
    if (!f.open(QIODevice::ReadOnly))
        return true;
    bool ok = false;
    const qint64 pid = f.readLine(32).trimmed().toLongLong(&ok);
    return !ok || pid <= 0;
}
} // namespace

Skrivutfall skrivHelFil(const QString &maal, const QByteArray &innehaall, const QString &skraep)
{
    const QString skraepfil = skraep.isEmpty() ? maal + QStringLiteral(".ny") : skraep;
    const QByteArray skraepNamn = systemnamn(skraepfil);

    mode_t laege = 0666;   // a new file: as the umask allows
    bool harGammal = false;
    struct stat gammal {};
    if (::stat(systemnamn(maal).constData(), &gammal) == 0 && S_ISREG(gammal.st_mode)) {
        laege = gammal.st_mode & 07777;
        harGammal = true;
    }

    const int fd = ::open(skraepNamn.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, laege);
    if (fd < 0)
        return Skrivutfall::SkraepKundeInteSkapas;
    bool ok = skrivAllt(fd, innehaall);
    if (harGammal)
        ok = ok && ::fchmod(fd, laege) == 0;
    ok = ok && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (!ok) {
        ::unlink(skraepNamn.constData());
        return Skrivutfall::Skrivfel;
    }
    if (::rename(skraepNamn.constData(), systemnamn(maal).constData()) != 0) {
        ::unlink(skraepNamn.constData());
        return Skrivutfall::NamnbyteMisslyckades;
    }
    synkaKatalog(maal);
    return Skrivutfall::Klart;
}

bool bytNamnUtanErsaettning(const QString &fraan, const QString &till)
{
    const QByteArray f = systemnamn(fraan);
    const QByteArray t = systemnamn(till);
    // A hard link is made only when the new name is free, in one step.
    if (::link(f.constData(), t.constData()) == 0) {
        if (::unlink(f.constData()) != 0) {
            ::unlink(t.constData());
            return false;
        }
        synkaKatalog(till);
        return true;
    }
    if (errno == EEXIST)
        return false;
    // File systems without hard links: test, then rename (the caller holds
    // the directory's lock, so no copy of the program comes in between).
    struct stat st {};
    if (::lstat(t.constData(), &st) == 0 || errno != ENOENT)
        return false;
    if (::rename(f.constData(), t.constData()) != 0)
        return false;
    synkaKatalog(till);
    return true;
}

qint64 saettSkrivgraens(qint64 antalBytes) { return std::exchange(skrivgraens, antalBytes); }

Skrivlaas::Skrivlaas(const QString &laasfil) : m_fil(laasfil)
{
    // A holder that is alive keeps its lock; one that died is seen by its
    // process id, and a lock file without one by its age.
    m_fil.setStaleLockTime(30000);
    const QDeadlineTimer frist(laasVaentetid);
    for (;;) {
        if (m_fil.tryLock(0)) {
            m_haalls = true;
            return;
        }
        if (m_fil.error() != QLockFile::LockFailedError)
            return;
        if (laasUtanInnehaavare(laasfil)) {
            // Two waiting copies must not both remove it: the second would
            // remove the lock the first has just taken.
            QLockFile borttagning(laasfil + QStringLiteral(".rmlock"));
            if (borttagning.tryLock(0) && laasUtanInnehaavare(laasfil)) {
                QFile::remove(laasfil);
                continue;
            }
        }
        const qint64 kvar = frist.remainingTime();
        if (kvar <= 0)
            return;
        QThread::msleep(unsigned(qMin<qint64>(kvar, laasIntervallMs)));
    }
}

Skrivlaas::~Skrivlaas()
{
    if (m_haalls)
        m_fil.unlock();
}

int Skrivlaas::saettVaentetid(int ms) { return std::exchange(laasVaentetid, ms); }

} // namespace plattform
