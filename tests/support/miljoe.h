#pragma once
// Test surroundings: a fresh shared state, recorded message boxes, a fixed
// clock and random source, and a throw-away content tree on disk.
#include "dubbler.h"
#include "saett.h"

#include <QByteArray>
#include <initializer_list>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

#include "core/typer.h"
#include "core/uppstart.h"

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray &b, std::ostream *os) { *os << '"' << b.toHex(' ').toStdString() << '"'; }
template <int N>
void PrintTo(const TextN<N> &s, std::ostream *os) { PrintTo(s.str(), os); }

// Writes text as Windows-1252 with CR LF line ends; directories are made.
void skrivFil1252(const QString &riktigSoekvaeg, const QStringList &rader);
void skrivBytes(const QString &riktigSoekvaeg, const QByteArray &bytes);

class Miljoe : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A real path inside the temporary tree.
    QString i(const QString &relativ) const { return m_katalog.path() + QLatin1Char('/') + relativ; }
    QString rot() const { return m_katalog.path(); }
    // The data folder the program takes for its results ("data" in the tree).
    QString data() const { return i(QStringLiteral("data")); }
    // Base paths pointing into the tree ("pc" and "cd" below it).
    void anvaendTraed();

    plattform::InspeladeMeddelanden meddelanden;
    plattform::FastKlocka klocka;
    plattform::FastSlump slump;
private:
    QTemporaryDir m_katalog;
    Saett<plattform::Meddelanden> m_meddelanden{&meddelanden};
    Saett<plattform::Klocka> m_klocka{&klocka};
    Saett<plattform::Slumpkaella> m_slump{&slump};
    Saett<Skaerm> m_skaerm{[] { return QSize(640, 480); }};
    Saett<Ankare> m_ankare{m_katalog.path()};
    // Never the user's own results: the data folder lies in the tree too.
    Saett<Datakatalog> m_data{m_katalog.path() + QStringLiteral("/data")};
    // Nothing missing in the configuration until the test reads one.
    Byt<QString> m_konfigurationsbrist{konfigurationsbrist, QString()};
};

// The shared state of a started program on the tree: scaled at 100 % with
// the margin measured, every random order the identity, the default
// seconds, sound and pictures.
class StartatProgram : public Miljoe {
protected:
    void SetUp() override;
    // A data file in the content tree, entered in the table, made current
    // and checked.
    void datafil(const QString &namn, const QStringList &rader);
    // Praise files ("SVOM9001.LOV" ...) in the content tree and the table,
    // each with one line "Bra gjort#<its number>#!".
    void lovordsfiler(std::initializer_list<const char *> namn);
};

// The bundled content as the built program sees it: the configuration
// beside the executable in the build tree.
class ByggdMiljoe : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        qputenv("WINDIR", MORV_BUILD_DIR);
    }
    void TearDown() override
    {
        qunsetenv("WINDIR");
        Miljoe::TearDown();
    }
};
