// Speaks the item sounds of the content with espeak-ng's Swedish voice into
// <pc>/LJUD, where the program looks for them: for every program whose row
// in the program table names the field of the item line that is spoken. A
// sound that is newer than its data file is kept; without espeak-ng nothing
// is made.
//
//   ljudgen <content directory (the CD path)> <pc directory>
#include "core/datafiler.h"
#include "core/ljud.h"
#include "core/program.h"
#include "platform/text1252.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <deque>
#include <memory>

namespace {

// What is said: the field without its "<" ">" marks.
QString talbarText(QString t)
{
    t.remove(QLatin1Char('<'));
    t.remove(QLatin1Char('>'));
    return t.simplified();
}

struct Uppdrag {
    QString fil;
    QString text;
};

// The item lines of a data file, as the program counts them.
QStringList postrader(const QString &soekvaeg, bool &finns)
{
    QStringList rader;
    plattform::RadLaesare laesare;
    finns = laesare.oeppna(soekvaeg);
    while (!laesare.slut()) {
        const QString rad = laesare.laesRad();
        if (!rad.isEmpty() && !rad.startsWith(QLatin1Char(';')) && !rad.startsWith(QLatin1Char('$')))
            rader << rad;
    }
    return rader;
}

QString riktigUnder(const QString &rot, const QString &winDel)
{
    QString s = winDel;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rot + s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ljudgen <content directory> <pc directory>\n");
        return 2;
    }
    const QString innehaall = QString::fromLocal8Bit(argv[1]);
    const QString pc = QString::fromLocal8Bit(argv[2]);
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (espeak.isEmpty()) {
        std::printf("ljudgen: espeak-ng is not installed; the item sounds are not made\n");
        return 0;
    }

    QList<Uppdrag> uppdrag;
    QHash<QString, QString> gjorda;   // sound file: what it says
    int kvar = 0;
    int antalRader = 0;
    const Programdata *rader = programrader(antalRader);
    for (int r = 0; r < antalRader; ++r) {
        const Programdata &rad = rader[r];
        if (rad.ljudfaelt == 0)
            continue;
        // A data file that is not there yet is skipped. Diagnosis tests and
        // their practice have files of their own names.
        QString namn = QStringLiteral("SVE%1.DAT").arg(rad.fraan);
        if (rad.fraan <= 20)
            namn = QStringLiteral("SVDI%1.DAT").arg(rad.fraan, 2, 10, QLatin1Char('0'));
        else if (rad.fraan <= 120)
            namn = QStringLiteral("SVOVN%1.DAT").arg(rad.fraan);
        const QString data = innehaall + QStringLiteral("/DATA/DAT/") + namn;
        bool finns = false;
        const QStringList rader = postrader(data, finns);
        if (!finns) {
            std::printf("ljudgen: %s is missing; skipped\n", qPrintable(data));
            continue;
        }
        const QDateTime dataTid = QFileInfo(data).lastModified();
        const int antal = int(rader.size());
        const QString katalog = LjudKatalogFoer(rad.fraan);
        for (int n = 1; n <= antal && n <= 999; ++n) {
            const QString faelt = str_postarray(rader.at(n - 1)).faelt[rad.ljudfaelt];
            const QString text = talbarText(rad.ljudOrdet ? delaVidMarkeringar(faelt)[2] : faelt);
            const QString fil = riktigUnder(pc, QStringLiteral("\\LJUD\\")
                                                    + LjudUnderkatalog(rad.fraan, antal, n)
                                                    + QLatin1Char('\\') + PostLjudNamn(katalog, n));
            // A test and its practice may share a sound directory: the
            // first file to name a sound says it.
            if (gjorda.contains(fil)) {
                if (gjorda.value(fil) != text)
                    std::fprintf(stderr, "ljudgen: %s says \"%s\" and \"%s\"\n", qPrintable(fil),
                                 qPrintable(gjorda.value(fil)), qPrintable(text));
                continue;
            }
            gjorda.insert(fil, text);
            const QFileInfo info(fil);
            if (text.isEmpty() || (info.isFile() && info.size() > 44 && info.lastModified() >= dataTid)) {
                ++kvar;
                continue;
            }
            uppdrag.append({fil, text});
        }
    }

    // Up to eight voices at a time; each writes a scratch file that is
    // renamed when it is complete, so a broken run leaves no half sound.
    int fel = 0;
    std::deque<std::pair<std::unique_ptr<QProcess>, Uppdrag>> igaang;
    auto avsluta = [&](std::pair<std::unique_ptr<QProcess>, Uppdrag> &p) {
        p.first->waitForFinished(60000);
        const QString tmp = p.second.fil + QStringLiteral(".tmp");
        if (p.first->exitStatus() == QProcess::NormalExit && p.first->exitCode() == 0
            && QFileInfo(tmp).size() > 44) {
            QFile::remove(p.second.fil);
            if (!QFile::rename(tmp, p.second.fil))
                ++fel;
        } else {
            QFile::remove(tmp);
            ++fel;
            std::fprintf(stderr, "ljudgen: espeak-ng failed for %s\n", qPrintable(p.second.fil));
        }
    };
    for (const Uppdrag &u : uppdrag) {
        if (igaang.size() >= 8) {
            avsluta(igaang.front());
            igaang.pop_front();
        }
        QDir().mkpath(QFileInfo(u.fil).absolutePath());
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(espeak, {QStringLiteral("-v"), QStringLiteral("sv"), QStringLiteral("-w"),
                          u.fil + QStringLiteral(".tmp"), u.text});
        igaang.emplace_back(std::move(p), u);
    }
    while (!igaang.empty()) {
        avsluta(igaang.front());
        igaang.pop_front();
    }
    std::printf("ljudgen: %d sounds made, %d kept, %d failed\n", int(uppdrag.size()) - fel, kvar, fel);
    return 0;
}
