// Renders the national anthem's melody ("Du gamla, du fria", a traditional
// tune) from the note table below into <pc>/LJUD/SVERIGE.WAV, which the
// anthem page plays: a soft organ-like tone over the chord's root, 16-bit
// mono PCM at 22050 Hz.
//
//   melodigen <pc directory>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Takt = 22050;          // samples a second
constexpr double Fjaerdedel = 0.62;  // seconds a quarter note

struct Not {
    int midi;      // 0: a rest
    double slag;   // length in quarter notes
    int bas;       // the root under it (MIDI), 0: none
};

// G major, 4/4 with a quarter upbeat. D4 = 62, G4 = 67, A4 = 69, B4 = 71,
// C5 = 72, D5 = 74, E5 = 76, F#5 = 78, G5 = 79.
const Not melodi[] = {
    // Du gamla, du fria, du fjällhöga nord,
    {62, 1, 0}, {67, 2, 43}, {67, 1, 43}, {69, 1, 43}, {71, 2, 43}, {71, 1, 43}, {72, 1, 48},
    {74, 2, 43}, {72, 1, 48}, {71, 1, 43}, {69, 3, 50},
    // du tysta, du glädjerika sköna!
    {74, 1, 50}, {76, 2, 48}, {74, 1, 43}, {72, 1, 48}, {71, 1, 43}, {72, 1, 48}, {74, 1, 43},
    {71, 1, 43}, {69, 3, 50},
    // Jag hälsar dig, vänaste land uppå jord,
    {62, 1, 50}, {67, 2, 43}, {67, 1, 43}, {69, 1, 43}, {71, 2, 43}, {71, 1, 43}, {72, 1, 48},
    {74, 2, 43}, {72, 1, 48}, {71, 1, 43}, {69, 3, 50},
    // din sol, din himmel, dina ängder gröna,
    {74, 1, 50}, {79, 3, 48}, {76, 1, 48}, {74, 2, 43}, {71, 2, 43}, {72, 1, 48}, {72, 1, 48},
    {71, 1, 43}, {69, 1, 50}, {71, 2, 43}, {69, 1, 50}, {66, 1, 50}, {67, 3, 43},
    // din sol, din himmel, dina ängder gröna.
    {74, 1, 50}, {79, 3, 48}, {76, 1, 48}, {74, 2, 43}, {71, 2, 43}, {72, 1, 48}, {72, 1, 48},
    {71, 1, 43}, {69, 1, 50}, {71, 2, 43}, {69, 1, 50}, {66, 1, 50}, {67, 4, 43},
};

double frekvens(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// One tone: a few harmonics, a quick rise, a slow fall and a short release
// so that repeated notes are heard apart.
void ton(std::vector<double> &ut, std::size_t start, std::size_t laengd, double f, double styrka)
{
    const double overton[] = {1.0, 0.45, 0.22, 0.10};
    const double pi2 = 2 * M_PI;
    for (std::size_t n = 0; n < laengd && start + n < ut.size(); ++n) {
        const double t = double(n) / Takt;
        const double kvar = double(laengd - n) / Takt;
        double env = std::min(1.0, t / 0.02) * std::exp(-t * 0.9) * std::min(1.0, kvar / 0.06);
        double s = 0;
        for (int k = 0; k < 4; ++k)
            s += overton[k] * std::sin(pi2 * f * (k + 1) * t);
        ut[start + n] += styrka * env * s;
    }
}

void skrivLE(QByteArray &b, quint32 v, int byte)
{
    for (int i = 0; i < byte; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: melodigen <pc directory>\n");
        return 2;
    }
    double slag = 0;
    for (const Not &n : melodi)
        slag += n.slag;
    std::vector<double> ljud(std::size_t((slag * Fjaerdedel + 1.0) * Takt), 0.0);
    double tid = 0;
    for (const Not &n : melodi) {
        const std::size_t start = std::size_t(tid * Takt);
        const std::size_t laengd = std::size_t(n.slag * Fjaerdedel * Takt);
        if (n.midi)
            ton(ljud, start, laengd, frekvens(n.midi), 0.30);
        if (n.bas)
            ton(ljud, start, laengd, frekvens(n.bas), 0.16);
        tid += n.slag * Fjaerdedel;
    }

    QByteArray data;
    for (double s : ljud)
        skrivLE(data, quint32(quint16(qint16(std::lround(std::clamp(s, -1.0, 1.0) * 30000)))), 2);
    QByteArray wav("RIFF");
    skrivLE(wav, quint32(36 + data.size()), 4);
    wav += "WAVEfmt ";
    skrivLE(wav, 16, 4);
    skrivLE(wav, 1, 2);             // PCM
    skrivLE(wav, 1, 2);             // mono
    skrivLE(wav, Takt, 4);
    skrivLE(wav, Takt * 2, 4);
    skrivLE(wav, 2, 2);
    skrivLE(wav, 16, 2);
    wav += "data";
    skrivLE(wav, quint32(data.size()), 4);
    wav += data;

    const QDir katalog(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/LJUD"));
    QDir().mkpath(katalog.path());
    const QString fil = katalog.filePath(QStringLiteral("SVERIGE.WAV"));
    QFile tmp(fil + QStringLiteral(".tmp"));
    if (!tmp.open(QIODevice::WriteOnly) || tmp.write(wav) != wav.size() || !tmp.flush()) {
        std::fprintf(stderr, "melodigen: cannot write %s\n", qPrintable(tmp.fileName()));
        return 1;
    }
    tmp.close();
    QFile::remove(fil);
    if (!QFile::rename(tmp.fileName(), fil)) {
        std::fprintf(stderr, "melodigen: cannot write %s\n", qPrintable(fil));
        return 1;
    }
    std::printf("melodigen: %s, %.1f s\n", qPrintable(fil), double(ljud.size()) / Takt);
    return 0;
}
