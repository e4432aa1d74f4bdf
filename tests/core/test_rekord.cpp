// The record tables on disk: the 36-byte layout, the ranking and saving
// under the lock through the safe writer.
#include "../support/miljoe.h"

#include "core/rekord.h"

#include <QDir>
#include <QFile>

namespace {

Rekordpost post(const QString &namn, int resultat, int minut = 0)
{
    Rekordpost p;
    p.namn = namn;
    p.aar = 2025;
    p.maanad = 3;
    p.dag = 4;
    p.timme = 5;
    p.minut = Word(minut);
    p.resultat = resultat;
    return p;
}

class Rekordfil : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
        QDir().mkpath(i(QStringLiteral("pc/RESULTAT")));
        G.spelare.RekordFilNamn = rekordfilFoer(QStringLiteral("SVE32110.DAT"));
    }
    QString fil() const { return const_cast<Rekordfil *>(this)->i(QStringLiteral("pc/RESULTAT/SVE32110.SVR")); }
    QByteArray bytes() const
    {
        QFile f(fil());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void skriv(const QList<Rekordpost> &poster)
    {
        QByteArray b;
        for (const Rekordpost &p : poster)
            b += kodaRekordpost(p);
        skrivBytes(fil(), b);
    }
    QList<Rekordpost> hundra()
    {
        QList<Rekordpost> l;
        for (int k = 0; k < 100; ++k)
            l << post(QStringLiteral("Elev %1").arg(k + 1), 1000 - k, k % 60);
        return l;
    }
};

} // namespace

TEST_F(Rekordfil, RecordLayoutIsByteExact)
{
    Rekordpost p = post(QStringLiteral("Åsa"), 1234, 7);
    const QByteArray b = kodaRekordpost(p);
    ASSERT_EQ(b.size(), 36);
    EXPECT_EQ(b.left(4), QByteArray("\x03\xC5sa", 4));
    EXPECT_EQ(b.mid(4, 18), QByteArray(18, '\0'));
    EXPECT_EQ(b.mid(22), QByteArray::fromHex("e907" "0300" "0400" "0500" "0700" "d2040000"));
    const Rekordpost tillbaka = avkodaRekordpost(b);
    EXPECT_EQ(tillbaka.namn.str(), QStringLiteral("Åsa"));
    EXPECT_EQ(tillbaka.resultat, 1234);
    EXPECT_EQ(RekordTidText(tillbaka), QStringLiteral("250304 05:07"));
    EXPECT_EQ(rekordResultatText(7), QStringLiteral("         7"));
    EXPECT_EQ(rekordResultatText(30000), QStringLiteral("   30000"));
    EXPECT_EQ(rekordResultatText(30001), QString());
    EXPECT_EQ(G.spelare.RekordFilNamn, QStringLiteral("pc\\RESULTAT\\SVE32110.SVR"));
    G.start.ResultatKatalog = QStringLiteral("X:\\POANG\\");
    EXPECT_EQ(rekordfilFoer(QStringLiteral("SVE31310.DAT")), QStringLiteral("X:\\POANG\\SVE31310.SVR"));
}

TEST_F(Rekordfil, TiesKeepTheOlderEntryFirst)
{
    const Rekordtabell t = rangordna({post("A", 500), post("B", 300)}, post("Ny", 300));
    EXPECT_EQ(t.nyRad, 3);
    EXPECT_EQ(t.antal, 3);
    EXPECT_EQ(t.rader[2].namn.str(), QStringLiteral("B"));
    EXPECT_EQ(rangordna({post("A", 500)}, post("Ny", 501)).nyRad, 1);
    EXPECT_EQ(rangordna({}, post("Ny", 1)).nyRad, 1);
}

TEST_F(Rekordfil, FullTableLowScoreStaysOutsideAndFileUnchanged)
{
    skriv(hundra());
    const QByteArray foere = bytes();
    QList<Rekordpost> l;
    ASSERT_EQ(laesRekordfil(l), Rekordlaesning::Laest);
    const Rekordtabell t = rangordna(l, post("Ny", 901));   // equal to the last
    EXPECT_EQ(t.nyRad, 101);
    EXPECT_EQ(t.antal, 100);
    ASSERT_TRUE(sparaRekord(post("Ny", 901)));
    EXPECT_EQ(bytes(), foere);
}

TEST_F(Rekordfil, FullTableHighScoreDropsTheLastRow)
{
    skriv(hundra());
    klocka.tid = QDateTime(QDate(2026, 5, 6), QTime(14, 9));
    ASSERT_TRUE(sparaRekord(post("Ny", 995)));
    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), 3600);
    EXPECT_EQ(avkodaRekordpost(b.mid(5 * 36)).namn.str(), QStringLiteral("Elev 6"));
    const Rekordpost ny = avkodaRekordpost(b.mid(6 * 36));
    EXPECT_EQ(ny.namn.str(), QStringLiteral("Ny"));
    EXPECT_EQ(RekordTidText(ny), QStringLiteral("260506 14:09"));
    EXPECT_EQ(avkodaRekordpost(b.mid(99 * 36)).namn.str(), QStringLiteral("Elev 99"));
}

TEST_F(Rekordfil, AnEmptyNameNeverTruncatesAndADeletedTableIsMadeAgain)
{
    // A row without a name (from elsewhere) keeps the rows below it.
    skriv({post("A", 50), post("", 40), post("C", 30)});
    ASSERT_TRUE(sparaRekord(post("Ny", 45)));
    EXPECT_EQ(bytes().size(), 4 * 36);
    EXPECT_EQ(avkodaRekordpost(bytes().mid(3 * 36)).namn.str(), QStringLiteral("C"));

    QFile::remove(fil());
    ASSERT_TRUE(sparaRekord(post("Ny", 45)));
    EXPECT_EQ(bytes().size(), 36);

    // No file: the first opening makes it empty.
    QFile::remove(fil());
    QList<Rekordpost> l;
    EXPECT_EQ(laesRekordfil(l), Rekordlaesning::Skapad);
    EXPECT_TRUE(QFile::exists(fil()));
    EXPECT_TRUE(bytes().isEmpty());
}

TEST_F(Rekordfil, AMissingDirectoryFailsWithTheMessageText)
{
    G.spelare.RekordFilNamn = QStringLiteral("pc\\SAKNAS\\SVE32110.SVR");
    QList<Rekordpost> l;
    EXPECT_EQ(laesRekordfil(l), Rekordlaesning::Misslyckad);
    EXPECT_FALSE(sparaRekord(post("Ny", 45)));
    EXPECT_EQ(rekordkatalogMeddelande(),
              QStringLiteral("Katalogen pc\\SAKNAS, där resultaten ska sparas, finns inte eller kan vara skrivskyddad."));
}

// The system's own word for a full disk (here the device that is always
// full, behind the scratch file's name) reaches the message.
TEST_F(Rekordfil, AFullDiskIsNamedAndTheTableStays)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    skriv({post("A", 50)});
    const QByteArray foere = bytes();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), fil() + QStringLiteral(".ny")));
    QString fel;
    EXPECT_FALSE(sparaRekord(post("Ny", 45), &fel));
    EXPECT_EQ(fel, QStringLiteral("Disken är full, så resultattabellen pc\\RESULTAT\\SVE32110.SVR kunde inte skrivas. "
                                  "Resultatet är inte sparat."));
    EXPECT_EQ(bytes(), foere);
}
