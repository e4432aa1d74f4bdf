#include "../support/miljoe.h"

#include "platform/saekerskrivning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QLockFile>

#include <csignal>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

using namespace plattform;

namespace {
QByteArray laes(const QString &fil)
{
    QFile f(fil);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<saknas>");
}

using Graens = Saett<Skrivgraens>;
} // namespace

using Saekerskrivning = Miljoe;

TEST_F(Saekerskrivning, ReplacesWholeAndLeavesNoScratch)
{
    const QString maal = i("data.bin");
    skrivBytes(maal, "gammalt");
    EXPECT_EQ(skrivHelFil(maal, "nytt innehåll"), Skrivutfall::Klart);
    EXPECT_EQ(laes(maal), QByteArray("nytt innehåll"));
    EXPECT_EQ(QDir(rot()).entryList(QDir::Files), QStringList{"data.bin"});
    // A file that is not there yet is created.
    EXPECT_EQ(skrivHelFil(i("ny.bin"), QByteArray()), Skrivutfall::Klart);
    EXPECT_TRUE(QFileInfo(i("ny.bin")).isFile());
}

TEST_F(Saekerskrivning, FailureAtAnyByteKeepsTheOldFile)
{
    const QString maal = i("data.bin");
    const QString skraep = i("Slask.DI2");
    const QByteArray gammalt(700, 'g');
    const QByteArray nytt(1000, 'n');
    skrivBytes(maal, gammalt);
    for (qint64 n : {0, 1, 335, 336, 999}) {
        Graens g(n);
        EXPECT_EQ(skrivHelFil(maal, nytt, skraep), Skrivutfall::Skrivfel) << n;
        EXPECT_EQ(laes(maal), gammalt) << n;
        EXPECT_FALSE(QFileInfo::exists(skraep)) << n;
    }
    // The limit at the very size lets the write through.
    Graens g(1000);
    EXPECT_EQ(skrivHelFil(maal, nytt, skraep), Skrivutfall::Klart);
    EXPECT_EQ(laes(maal), nytt);
}

TEST_F(Saekerskrivning, ScratchThatCannotBeMadeOrRenamed)
{
    const QString maal = i("data.bin");
    skrivBytes(maal, "gammalt");
    // The scratch name taken by a directory.
    QDir().mkpath(i("skraep"));
    EXPECT_EQ(skrivHelFil(maal, "x", i("skraep")), Skrivutfall::SkraepKundeInteSkapas);
    EXPECT_EQ(laes(maal), QByteArray("gammalt"));
    // The real name taken by a non-empty directory: the rename fails.
    QDir().mkpath(i("mapp/inne"));
    EXPECT_EQ(skrivHelFil(i("mapp"), "x", i("s.tmp")), Skrivutfall::NamnbyteMisslyckades);
    EXPECT_FALSE(QFileInfo::exists(i("s.tmp")));
    EXPECT_TRUE(QFileInfo(i("mapp/inne")).isDir());
}

TEST_F(Saekerskrivning, KeepsThePermissionsOfTheOldFile)
{
    const QString maal = i("data.bin");
    skrivBytes(maal, "a");
    QFile::setPermissions(maal, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(skrivHelFil(maal, "b"), Skrivutfall::Klart);
    const auto ut = QFileInfo(maal).permissions();
    EXPECT_TRUE(ut.testFlag(QFileDevice::WriteOwner));
    EXPECT_FALSE(ut & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther));
}

TEST_F(Saekerskrivning, RenameNeverReplaces)
{
    skrivBytes(i("a"), "A");
    skrivBytes(i("b"), "B");
    EXPECT_FALSE(bytNamnUtanErsaettning(i("a"), i("b")));
    EXPECT_EQ(laes(i("a")), QByteArray("A"));
    EXPECT_EQ(laes(i("b")), QByteArray("B"));
    EXPECT_TRUE(bytNamnUtanErsaettning(i("a"), i("c")));
    EXPECT_FALSE(QFileInfo::exists(i("a")));
    EXPECT_EQ(laes(i("c")), QByteArray("A"));
    EXPECT_FALSE(bytNamnUtanErsaettning(i("saknas"), i("d")));
}

TEST_F(Saekerskrivning, LockIsExclusiveAndReleased)
{
    Saett<Laasvaentan> kort(50);
    const QString fil = i("SDIAG.LCK");
    {
        QLockFile annan(fil);
        ASSERT_TRUE(annan.tryLock(0));
        Skrivlaas l(fil);
        EXPECT_FALSE(l.haalls());
    }
    {
        Skrivlaas l(fil);
        EXPECT_TRUE(l.haalls());
    }
    EXPECT_FALSE(QFileInfo::exists(fil));
}

TEST_F(Saekerskrivning, LockOfAnotherLiveCopyIsWaitedFor)
{
    const QString fil = i("SDIAG.LCK");
    // What a copy of this program writes into its lock, for another process.
    QByteArray mall;
    {
        QLockFile egen(i("mall.lck"));
        ASSERT_TRUE(egen.tryLock(0));
        mall = laes(i("mall.lck"));
    }
    const QByteArray namn = QFile::encodeName(fil);
    const pid_t barn = ::fork();
    ASSERT_GE(barn, 0);
    if (barn == 0) {
        // Holds the lock for a while, then lets go as a copy does.
        const timespec paus{0, 800 * 1000 * 1000};
        ::nanosleep(&paus, nullptr);
        ::unlink(namn.constData());
        ::_exit(0);
    }
    skrivBytes(fil, QByteArray::number(qint64(barn)) + mall.mid(mall.indexOf('\n')));
    QElapsedTimer tid;
    tid.start();
    {
        Skrivlaas l(fil);
        EXPECT_TRUE(l.haalls());
        EXPECT_GE(tid.elapsed(), 500);
        EXPECT_LT(tid.elapsed(), 5000);
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
}
