// One start of a program under X, measured from outside: the time from its
// start to the first pixels it changes on the screen, and its resident memory
// once it has settled. Prints "<milliseconds> <kilobytes>". Used by
// tools/startmaett.sh, which runs it many times and takes the medians.
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {
constexpr int gransMs = 20000;      // a program that shows nothing in this time fails
constexpr int stillaMs = 2000;      // from the first pixels until memory is read

QImage skaermen(QScreen *s) { return s->grabWindow(0).toImage(); }

qint64 residentKb(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &rad : f.readAll().split('\n'))
        if (rad.startsWith("VmRSS:"))
            return rad.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arg = QCoreApplication::arguments().mid(1);
    QScreen *skaerm = QGuiApplication::primaryScreen();
    if (arg.isEmpty() || !skaerm) {
        std::fprintf(stderr, "startmaett PROGRAM [ARGUMENT...]   (under X)\n");
        return 2;
    }
    const QImage foere = skaermen(skaerm);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setProgram(arg.first());
    program.setArguments(arg.mid(1));
    QElapsedTimer tid;
    tid.start();
    program.start();
    if (!program.waitForStarted())
        return 1;
    qint64 ms = -1;
    while (tid.elapsed() < gransMs) {
        if (skaermen(skaerm) != foere) {
            ms = tid.elapsed();
            break;
        }
        QThread::msleep(1);
    }
    qint64 kb = -1;
    if (ms >= 0) {
        QThread::msleep(stillaMs);
        kb = residentKb(program.processId());
    }
    program.terminate();
    if (!program.waitForFinished(3000)) {
        program.kill();
        program.waitForFinished(3000);
    }
    if (ms < 0 || kb < 0)
        return 1;
    std::printf("%lld %lld\n", ms, kb);
    return 0;
}
