#include "platform/media.h"

#include <QFile>
#include <QtEndian>

namespace plattform {

namespace {
class TystSpelare : public Mediaspelare {
public:
    bool spela(const QString &, bool) override { return true; }
    void stoppa() override {}
    QString felText() const override { return {}; }
    bool harLjudutgaang() const override { return true; }
};

TystSpelare tyst;
Mediaspelare *aktuell = &tyst;
} // namespace

Mediaspelare &mediaspelare() { return *aktuell; }
Mediaspelare *saettMediaspelare(Mediaspelare *m)
{
    Mediaspelare *foerra = aktuell == &tyst ? nullptr : aktuell;
    aktuell = m ? m : &tyst;
    return foerra;
}

qint64 wavLaengdMs(const QString &riktigSoekvaeg)
{
    QFile f(riktigSoekvaeg);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray huvud = f.read(12);
    if (huvud.size() < 12 || !huvud.startsWith("RIFF") || huvud.mid(8, 4) != "WAVE")
        return -1;
    quint32 bytePerSek = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    while (!f.atEnd()) {
        const QByteArray bit = f.read(8);
        if (bit.size() < 8)
            return -1;
        const quint32 storlek = qFromLittleEndian<quint32>(bit.constData() + 4);
        if (bit.startsWith("fmt ")) {
            const QByteArray fmt = f.read(qMin<quint32>(storlek, 16));
            if (fmt.size() < 12)
                return -1;
            bytePerSek = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (storlek > 16)
                f.skip(storlek - 16);
        } else if (bit.startsWith("data")) {
            if (bytePerSek == 0)
                return -1;
            return qint64(storlek) * 1000 / bytePerSek;
        } else {
            f.skip(storlek + (storlek & 1));
        }
        if (storlek % 2 == 1 && bit.startsWith("fmt "))
            f.skip(1);
    }
    return -1;
}

} // namespace plattform
