#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/diagnosfil.h"
#include "core/innehaall.h"
#include "core/rekord.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QByteArray laes(const QString &fil)
{
    QFile f(fil);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<saknas>");
}
} // namespace

class Start : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        qputenv("WINDIR", rot().toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("WINDIR");
        Miljoe::TearDown();
    }
    void ini(const QStringList &rader) { skrivFil1252(i("MORV2010.INI"), rader); }
};

TEST_F(Start, ConfigurationRules)
{
    ini({"[Path]", "Morv2010CDPath=" + QString(80, 'c'), "morv2010pcpath=C:\\MORV",
         "MORV2010ScoreDirectory=C:\\MORV\\POANG", "MORV2010DiagnosPath=C:\\MORV\\DIAG\\"});
    EXPECT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(G.start.CdSoekvaeg.length(), 80);
    EXPECT_EQ(G.start.PcSoekvaeg, "C:\\MORV");
    EXPECT_EQ(G.start.ResultatKatalog, "C:\\MORV\\POANG\\");
    EXPECT_EQ(G.start.DiagnosKatalog, "C:\\MORV\\DIAG");
    // Relative base paths are taken from the configuration file's directory.
    EXPECT_EQ(plattform::ankare(), rot());

    ini({"[Path]", "Morv2010PCPath=pc"});
    HaemtaSoekvaegar();
    EXPECT_EQ(G.start.ResultatKatalog, data() + "/");
    EXPECT_EQ(G.start.DiagnosKatalog, data());
    EXPECT_EQ(G.start.CdSoekvaeg, "");
}

TEST_F(Start, EmptyResultKeysMeanTheUsersDataFolder)
{
    // However long the home directory, it is no configured path.
    const QString hem = i("hem/" + QString(90, 'h') + "/.local/share/Morvika");
    Saett<Datakatalog> d(hem);
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc", "MORV2010ScoreDirectory=", "MORV2010DiagnosPath="});
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_TRUE(meddelanden.poster.isEmpty());
    EXPECT_EQ(G.start.DiagnosKatalog, hem);
    EXPECT_EQ(G.start.ResultatKatalog, hem + "/");
    EXPECT_TRUE(QFileInfo(hem).isDir()) << "made on the first start";
    // The names the program composes on it land inside it.
    G.diagnos.Diagnostabell.namn = QStringLiteral("Bo");
    ASSERT_TRUE(SparaProtokoll());
    EXPECT_TRUE(QFileInfo(hem + "/SDIAG.DIA").isFile());
    G.spelare.RekordFilNamn = rekordfilFoer("SVE32110.DAT");
    EXPECT_EQ(plattform::riktigSoekvaeg(G.spelare.RekordFilNamn), hem + "/SVE32110.SVR");
    EXPECT_TRUE(rekordkatalogMeddelande().startsWith("Katalogen " + hem + ", "));

    // A folder the class shares, named in the configuration, is taken as it
    // stands; the data folder is then neither used nor made.
    Saett<Datakatalog> annan(i("annan"));
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc", "MORV2010ScoreDirectory=delad",
         "MORV2010DiagnosPath=delad"});
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(G.start.ResultatKatalog, "delad\\");
    EXPECT_EQ(G.start.DiagnosKatalog, "delad");
    EXPECT_FALSE(QFileInfo::exists(i("annan")));
}

TEST_F(Start, ResultsSavedInTheOldPlaceAreCarriedOverOnce)
{
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc"});
    const QByteArray dia(336, 'd'), dot(54, 't'), dis(672, 'a'), svr(36, 'r');
    const QStringList sparat{"SDIAG.DIA", "SV2601020830.DIS", "SVE45444.DOT", "sve32110.svr"};
    skrivBytes(i("pc/RESULTAT/SDIAG.DIA"), dia);
    skrivBytes(i("pc/RESULTAT/SVE45444.DOT"), dot);
    skrivBytes(i("pc/RESULTAT/SV2601020830.DIS"), dis);
    skrivBytes(i("pc/RESULTAT/sve32110.svr"), svr);
    skrivBytes(i("pc/RESULTAT/Slask.DI2"), "skräp");   // a scratch file is no result
    ASSERT_TRUE(HaemtaSoekvaegar());
    auto iData = [&] {
        return QDir(data()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    };
    EXPECT_EQ(iData(), sparat);
    EXPECT_EQ(laes(data() + "/SDIAG.DIA"), dia);
    EXPECT_EQ(laes(data() + "/SVE45444.DOT"), dot);
    EXPECT_EQ(laes(data() + "/SV2601020830.DIS"), dis);
    EXPECT_EQ(laes(data() + "/sve32110.svr"), svr);
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Information);
    EXPECT_TRUE(meddelanden.poster[0].text.contains(i("pc/RESULTAT")));
    EXPECT_TRUE(meddelanden.poster[0].text.contains(data()));
    EXPECT_EQ(laes(i("pc/RESULTAT/SDIAG.DIA")), dia);   // the old files stay
    EXPECT_TRUE(QFileInfo(i("pc/RESULTAT/FLYTTAT.TXT")).isFile());

    // Once: the class goes on in the data folder and the old place is not
    // read again, even when the data folder is emptied.
    meddelanden.poster.clear();
    skrivBytes(data() + "/SDIAG.DIA", dia + dia);
    skrivBytes(i("pc/RESULTAT/SDIAG.DIA"), QByteArray(336, 'x'));
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(laes(data() + "/SDIAG.DIA"), dia + dia);
    QDir(data()).removeRecursively();
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_TRUE(iData().isEmpty());
    EXPECT_TRUE(meddelanden.poster.isEmpty());

    // Without the note, results of the data folder's own are never overwritten.
    QFile::remove(i("pc/RESULTAT/FLYTTAT.TXT"));
    skrivBytes(data() + "/SV2601020830.DIS", "egen");
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(iData(), QStringList{"SV2601020830.DIS"});
    EXPECT_EQ(laes(data() + "/SV2601020830.DIS"), "egen");
    EXPECT_TRUE(meddelanden.poster.isEmpty());

    // A start cut short while copying begins again; one cut short after
    // every file was copied whole is finished.
    QDir(data()).removeRecursively();
    skrivBytes(data() + "/.inflyttning/SDIAG.DIA", "halv");
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(iData(), sparat);
    EXPECT_EQ(laes(data() + "/SDIAG.DIA"), QByteArray(336, 'x'));
    QDir(data()).removeRecursively();
    skrivBytes(data() + "/.inflyttning/SDIAG.DIA", dia);
    skrivBytes(data() + "/.inflyttning/KLART", {});
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(iData(), QStringList{"SDIAG.DIA"});
    EXPECT_EQ(laes(data() + "/SDIAG.DIA"), dia);

    // A class whose teacher never signed in had the initial password, and keeps it.
    QDir(data()).removeRecursively();
    QFile::remove(i("pc/RESULTAT/FLYTTAT.TXT"));
    QFile::remove(i("pc/RESULTAT/SVE45444.DOT"));
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_EQ(iData(), sparat);
    EXPECT_TRUE(LaerarLoesenGodkaent(InitialtLaerarLoesen));
}

TEST_F(Start, TheReservePasswordComesFromTheConfigurationOnly)
{
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc"});
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_TRUE(G.start.ReservLaerarLoesen.isEmpty());
    EXPECT_FALSE(LaerarLoesenGodkaent("Eva Tolk")) << "no password is written into the program";
    EXPECT_TRUE(LaerarLoesenGodkaent(InitialtLaerarLoesen));   // a new, empty folder

    // Set by whoever installed the program, in an editor of this system (UTF-8).
    skrivBytes(i("MORV2010.INI"), QString::fromUtf8("[Path]\nMorv2010CDPath=cd\nMorv2010PCPath=pc\n"
                                                    "[Diagnos]\nMORV2010ReservePassword = Åsa Berg\n")
                                      .toUtf8());
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_TRUE(LaerarLoesenGodkaent(QString::fromUtf8("Åsa Berg")));
    EXPECT_TRUE(meddelanden.poster.isEmpty());

    // One the password field cannot take is said and not used.
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc", "[Diagnos]",
         "MORV2010ReservePassword=" + QString(11, 'x')});
    ASSERT_TRUE(HaemtaSoekvaegar());
    EXPECT_TRUE(G.start.ReservLaerarLoesen.isEmpty());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_TRUE(meddelanden.poster[0].text.contains("MORV2010ReservePassword"));
}

TEST_F(Start, OverlongPathsAreRefusedByName)
{
    const QString pc = "C:\\" + QString(117, 'p');
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=" + pc, "MORV2010DiagnosPath=" + QString(81, 'd')});
    skrivFil1252(i("cd/DATA/datfiler.sve"), {"SVE23100.DAT"});
    EXPECT_FALSE(Uppstart());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    const QString text = meddelanden.poster[0].text;
    EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Varning);
    for (const QString &del : {QString("Morv2010PCPath"), QString("Morv2010.Ini"), pc, QString("80 tecken"),
                               QString("MORV2010DiagnosPath"), QString(81, 'd')})
        EXPECT_TRUE(text.contains(del)) << del.toStdString();
    EXPECT_TRUE(G.start.PcSoekvaeg.isEmpty()) << "never cut to a path nobody configured";
}

TEST_F(Start, MissingSectionOrKeyIsNamedWhenNoDataIsFound)
{
    ini({"[Sökväg]", "Morv2010CDPath=cd"});
    EXPECT_FALSE(Uppstart());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_TRUE(meddelanden.poster[0].text.startsWith("Kan inte hitta katalogen \\DATA\n"));
    EXPECT_TRUE(meddelanden.poster[0].text.contains("saknas avsnittet [Path]"));
    EXPECT_TRUE(meddelanden.poster[0].text.contains(i("MORV2010.INI")));

    meddelanden.poster.clear();
    ini({"[Path]", "Morv2010PCPath=pc"});
    EXPECT_FALSE(Uppstart());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_TRUE(meddelanden.poster[0].text.endsWith("saknas under [Path] nyckeln Morv2010CDPath."));
}

TEST_F(Start, ListFileFillsBothTablesInItsOrder)
{
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc"});
    QStringList lista{"SVE23100.DAT", "svom9001.lov", "README.TXT", "sve23200.dat", "SVDI01.DAT"};
    for (int n = 0; n < 150; ++n)
        lista << QString("SVX%1.DAT").arg(n, 5, 10, QChar('0'));
    for (int n = 0; n < 25; ++n)
        lista << QString("SVOM%1.LOV").arg(9100 + n);
    skrivFil1252(i("cd/DATA/datfiler.sve"), lista);
    ASSERT_TRUE(Uppstart());
    EXPECT_EQ(G.start.AntalDatFiler, 140);
    EXPECT_EQ(G.start.DatFilTabell[1], "SVE23100.DAT");
    EXPECT_EQ(G.start.DatFilTabell[2], "sve23200.dat");
    EXPECT_EQ(G.start.DatFilTabell[3], "SVDI01.DAT");
    EXPECT_EQ(G.start.AntalLovordFiler, 20);
    EXPECT_EQ(G.start.LovordFilTabell[1], "svom9001.lov");
    EXPECT_EQ(G.oevning.DatFilIndex, 0);
    EXPECT_EQ(G.post.PostNummer, 1);
    EXPECT_EQ(G.diagnos.ValtTest, 1);
    EXPECT_EQ(slump.antalRandomize, 1);

    // The PC path's list wins when it is there.
    skrivFil1252(i("pc/data/DATFILER.SVE"), {"SVE55000.DAT"});
    ASSERT_TRUE(Uppstart());
    EXPECT_EQ(G.start.AntalDatFiler, 1);
    EXPECT_EQ(G.start.DatFilTabell[1], "SVE55000.DAT");
}

TEST_F(Start, WithoutListFileTheDataDirectoryIsListedAndSorted)
{
    ini({"[Path]", "Morv2010CDPath=cd", "Morv2010PCPath=pc"});
    for (const char *n : {"SVE31000.DAT", "SVE23100.DAT", "SVDI01.DAT", "ANNAT.DAT", "SVOM9002.LOV",
                          "SVOM9001.LOV"})
        skrivFil1252(i(QString("cd/DATA/") + n), {"x"});
    skrivFil1252(i("cd/DATA/DAT/SVE99999.DAT"), {"x"});   // sub-directories are not listed
    ASSERT_TRUE(Uppstart());
    ASSERT_EQ(G.start.AntalDatFiler, 3);
    EXPECT_EQ(G.start.DatFilTabell[1], "SVDI01.DAT");
    EXPECT_EQ(G.start.DatFilTabell[2], "SVE23100.DAT");
    EXPECT_EQ(G.start.DatFilTabell[3], "SVE31000.DAT");
    ASSERT_EQ(G.start.AntalLovordFiler, 2);
    EXPECT_EQ(G.start.LovordFilTabell[1], "SVOM9001.LOV");
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Start, NoListAndNoDataDirectoryEndsTheProgram)
{
    ini({"[Path]", "Morv2010CDPath=D:\\CD", "Morv2010PCPath=pc"});
    EXPECT_FALSE(Uppstart());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Varning);
    EXPECT_EQ(meddelanden.poster[0].text, "Kan inte hitta katalogen D:\\CD\\DATA");
}

TEST_F(Start, ProgramNumbers)
{
    EXPECT_EQ(GeProgramtal("SVE23100.DAT"), 23100);
    EXPECT_EQ(GeProgramtal("SVE23101.DAT"), 23101);
    EXPECT_EQ(GeProgramtal("SVDI12.DAT"), 12);
    EXPECT_EQ(GeProgramtal("SVOVN117.DAT"), 117);
    EXPECT_EQ(GeProgramtal("SVE23100"), 23100);
    EXPECT_EQ(GeProgramtal("SVE.DAT"), 0);
    EXPECT_EQ(GeProgramtal("SVE1234567.DAT"), 65535);
    EXPECT_EQ(GeProgramtal("SVE99999.DAT"), 65535);
    EXPECT_EQ(GeProgramtal("SV12E5.DAT"), 5);
}

class Kollen : public Start {
protected:
    void SetUp() override
    {
        Start::SetUp();
        anvaendTraed();
        G.start.AntalDatFiler = 3;
        G.start.DatFilTabell[1] = "SVE23100.DAT";
        G.start.DatFilTabell[2] = "SVE23200.DAT";
        G.start.DatFilTabell[3] = "SVE23300.DAT";
    }
    bool kolla(const QString &namn)
    {
        G.oevning.DatFilNamn = namn;
        return Kolla(namn);
    }
};

TEST_F(Kollen, CountsOnceThenReadsHeadersOnly)
{
    skrivFil1252(i("cd/DATA/DAT/SVE23200.DAT"),
                 {"$Stava rätt", QString::fromUtf8("$§Välj rätt ord"), "$%Fyll i", "ett", "två", "tre",
                  "$Sen rubrik"});
    ASSERT_TRUE(kolla("SVE23200.DAT"));
    EXPECT_EQ(G.oevning.DatFilIndex, 2);
    EXPECT_EQ(G.start.FilAntalPoster[2], 3);
    EXPECT_EQ(G.oevning.Rubrikrader[1], QString::fromUtf8("Stava rätt"));
    EXPECT_EQ(G.oevning.Rubrikrader[2], "Sen rubrik");        // count mode reads them all
    EXPECT_EQ(G.oevning.Instruktion, QString::fromUtf8("Välj rätt ord"));
    EXPECT_EQ(G.oevning.Fraagerad, "Fyll i");

    ASSERT_TRUE(kolla("SVE23200.DAT"));
    EXPECT_EQ(G.start.FilAntalPoster[2], 3);                // not counted again
    EXPECT_EQ(G.oevning.Rubrikrader[2], "");                  // the late title is past line 6
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Kollen, FileWithTheUtf8MarkIsReadAsUtf8)
{
    skrivBytes(i("cd/DATA/DAT/SVE23100.DAT"),
               QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("$Å-ljudet\r\n$§Välj\r\nHan bor <på> ön\r\n").toUtf8());
    skrivBytes(i("cd/DATA/DAT/SVE23200.DAT"), QByteArray("$\xC5-ljudet\r\nHan bor <p\xE5> \xF6n\r\n"));
    for (const char *namn : {"SVE23100.DAT", "SVE23200.DAT"}) {
        ASSERT_TRUE(kolla(namn)) << namn;
        EXPECT_EQ(G.start.FilAntalPoster[G.oevning.DatFilIndex], 1);
        EXPECT_EQ(G.oevning.Rubrikrader[1], QString::fromUtf8("Å-ljudet"));
        haemtaord(namn, 1);
        EXPECT_EQ(G.post.HaemtadRad, QString::fromUtf8("Han bor <på> ön"));
    }
}

TEST_F(Kollen, HeaderModeKeepsTheLastOfManyTitlesAndStopsAtAnEmptyLine)
{
    skrivFil1252(i("cd/DATA/DAT/SVE23100.DAT"), {"$A", "$B", "$C", "$D", "x", "y", "$E"});
    G.start.FilAntalPoster[1] = 2;
    ASSERT_TRUE(kolla("SVE23100.DAT"));
    EXPECT_EQ(G.oevning.Rubrikrader[1], "A");
    EXPECT_EQ(G.oevning.Rubrikrader[2], "B");
    EXPECT_EQ(G.oevning.Rubrikrader[3], "D");

    skrivFil1252(i("cd/DATA/DAT/SVE23100.DAT"), {"$A", "", "$B", "x", "y"});
    ASSERT_TRUE(kolla("SVE23100.DAT"));
    EXPECT_EQ(G.oevning.Rubrikrader[1], "A");
    EXPECT_EQ(G.oevning.Rubrikrader[2], "");
}

// Content changed while the program runs: a file counted before is counted
// again, so an emptied one is refused before its window opens and a longer
// one offers all its items.
TEST_F(Kollen, AFileChangedSinceItWasCountedIsCountedAgain)
{
    const QString fil = i("cd/DATA/DAT/SVE23100.DAT");
    skrivFil1252(fil, {"$Rubrik", "ett", "två", "tre"});
    ASSERT_TRUE(kolla("SVE23100.DAT"));
    ASSERT_EQ(G.start.FilAntalPoster[1], 3);

    skrivFil1252(fil, {"$Rubrik", "; allt bortplockat"});
    EXPECT_FALSE(kolla("SVE23100.DAT"));
    EXPECT_EQ(meddelanden.texter(), QStringList{QString::fromUtf8("Filen SVE23100.DAT finns inte eller är felaktig")});

    skrivFil1252(fil, {"$Rubrik", "ett", "två", "tre", "fyra", "fem"});
    EXPECT_TRUE(kolla("SVE23100.DAT"));
    EXPECT_EQ(G.start.FilAntalPoster[1], 5);
    EXPECT_EQ(G.oevning.Rubrikrader[1], "Rubrik");
}

TEST_F(Kollen, UnknownNamesAreRefusedEveryTime)
{
    EXPECT_FALSE(kolla("SVE99999.DAT"));
    EXPECT_FALSE(kolla("SVE88888.DAT"));
    EXPECT_EQ(G.oevning.DatFilIndex, 0);
    EXPECT_EQ(meddelanden.texter(),
              (QStringList{QString::fromUtf8("Filen SVE99999.DAT finns inte eller är felaktig"),
                           QString::fromUtf8("Filen SVE88888.DAT finns inte eller är felaktig")}));
    // The lookup is case-sensitive.
    EXPECT_FALSE(kolla("sve23100.dat"));
}

TEST_F(Kollen, MissingOrEmptyFilesAreReported)
{
    bool aktiverad = false;
    Byt aktivering(HuvudfoensterAktiveras, [&] { aktiverad = true; });
    EXPECT_FALSE(kolla("SVE23300.DAT"));
    EXPECT_EQ(meddelanden.texter(),
              (QStringList{QString::fromUtf8("Filen \\DATA\\DAT\\SVE23300.DAT finns inte eller är felaktig"),
                           QString::fromUtf8("Filen SVE23300.DAT finns inte eller är felaktig")}));
    EXPECT_TRUE(aktiverad);

    meddelanden.poster.clear();
    skrivFil1252(i("cd/DATA/DAT/SVE23300.DAT"), {"$Bara rubrik", "; och kommentar"});
    EXPECT_FALSE(kolla("SVE23300.DAT"));
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QString::fromUtf8("Filen SVE23300.DAT finns inte eller är felaktig")});
}

TEST_F(Kollen, TheMessageNamesTheFileAskedFor)
{
    G.oevning.DatFilNamn = "SVE23100.DAT";
    EXPECT_FALSE(Kolla("SVE99999.DAT"));
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QString::fromUtf8("Filen SVE99999.DAT finns inte eller är felaktig")});
}

TEST_F(Kollen, ContentIsLookedForUnderThePcPathThenTheCdPath)
{
    const QString rest = QStringLiteral("\\DATA\\DAT\\SVE23100.DAT");
    EXPECT_EQ(HittaInnehaall(rest), "");
    EXPECT_EQ(SoekInnehaall(rest), G.start.CdSoekvaeg + rest);
    skrivFil1252(i("cd/DATA/DAT/SVE23100.DAT"), {"x"});
    EXPECT_EQ(HittaInnehaall(rest), G.start.CdSoekvaeg + rest);
    skrivFil1252(i("pc/DATA/DAT/SVE23100.DAT"), {"x"});
    EXPECT_EQ(HittaInnehaall(rest), G.start.PcSoekvaeg + rest);
    EXPECT_EQ(SoekInnehaall(rest), G.start.PcSoekvaeg + rest);
    EXPECT_EQ(HittaInnehaall(rest, Basordning::CdFoerst), G.start.CdSoekvaeg + rest);
}
