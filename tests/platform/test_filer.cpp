#include "../support/miljoe.h"

#include "platform/filer.h"
#include "platform/ini.h"
#include "platform/text1252.h"

#include <QDir>
#include <QFile>

using namespace plattform;

using Filer = Miljoe;

TEST_F(Filer, WindowsPathsFindMixedCaseTree)
{
    skrivFil1252(i("Morv/Data/dat/Sve23100.dat"), {"x"});
    QDir().mkpath(i("Morv/Data/LOV"));
    const QString hittad = riktigSoekvaeg(rot() + "\\MORV\\DATA\\DAT\\SVE23100.DAT");
    EXPECT_EQ(hittad, i("Morv/Data/dat/Sve23100.dat"));
    EXPECT_TRUE(filFinns("MORV\\data\\DAT\\sve23100.DAT"));     // relative to the anchor
    EXPECT_FALSE(filFinns("MORV\\DATA\\LOV"));                   // a directory is no file
    EXPECT_TRUE(katalogFinns("morv\\data\\lov"));
    EXPECT_FALSE(katalogFinns("morv\\data\\saknas"));
    // A file not there yet keeps the composed spelling below the existing part.
    EXPECT_EQ(riktigSoekvaeg("morv\\DATA\\NY.DIA"), i("Morv/Data/NY.DIA"));
}

TEST_F(Filer, ListingByWildcardIgnoresCaseAndDirectories)
{
    skrivFil1252(i("d/SVE1.DAT"), {});
    skrivFil1252(i("d/sve2.dat"), {});
    skrivFil1252(i("d/SVOM9001.LOV"), {});
    skrivFil1252(i("d/XSV3.DAT"), {});
    QDir().mkpath(i("d/SVKATALOG.DAT"));
    const QString foere = QDir::currentPath();
    QStringList l = listaFiler("D", "SV*.DAT");
    l.sort();
    EXPECT_EQ(l, (QStringList{"SVE1.DAT", "sve2.dat"}));
    EXPECT_EQ(listaFiler("d", "svom*.lov"), QStringList{"SVOM9001.LOV"});
    EXPECT_EQ(QDir::currentPath(), foere);
}

TEST_F(Filer, IniReaderKeepsBackslashesAndIgnoresCase)
{
    QByteArray b = "; Morvika\r\n[PATH]\r\nmorv2010cdpath = D:\\MORV\\\r\n"
                   "Morv2010PCPath=C:\\PROGRAM\\M\xd6RV;gammal\r\n"
                   "[Annat]\r\nMorv2010CDPath=fel\r\n";
    skrivBytes(i("Morv2010.Ini"), b);
    IniFil ini;
    ASSERT_TRUE(ini.laes(i("Morv2010.Ini")));
    EXPECT_EQ(ini.vaerde("Path", "Morv2010CDPath"), "D:\\MORV\\");
    EXPECT_EQ(ini.vaerde("path", "MORV2010PCPATH"), QString::fromUtf8("C:\\PROGRAM\\MÖRV;gammal"));
    EXPECT_EQ(ini.vaerde("Path", "MORV2010ScoreDirectory", "tom"), "tom");
    EXPECT_FALSE(ini.laes(i("saknas.ini")));
}

TEST_F(Filer, IniFileFoundInWindowsDirectory)
{
    skrivBytes(i("win/MORV2010.INI"), "[Path]\r\nMorv2010CDPath=x\r\n");
    qputenv("WINDIR", i("win").toUtf8());
    EXPECT_EQ(iniSoekvaeg("Morv2010.Ini"), i("win/MORV2010.INI"));
    qunsetenv("WINDIR");
}

TEST(Text1252, EveryByteSurvivesTheRoundTrip)
{
    QByteArray alla;
    for (int b = 0; b < 256; ++b)
        alla.append(char(b));
    const QString s = fraan1252(alla);
    EXPECT_EQ(s.size(), 256);
    EXPECT_EQ(till1252(s), alla);
    EXPECT_EQ(fraan1252("\xe5\xe4\xf6\x80\x96"), QString::fromUtf8("åäö€–"));
    EXPECT_EQ(till1252(QString::fromUtf8("Å€☺")), QByteArray("\xc5\x80?"));
}

TEST_F(Filer, LineReaderTakesCrLfAndLf)
{
    skrivBytes(i("r.txt"), "ett\r\ntv\xe5\n\r\nsista");
    RadLaesare l(i("r.txt"));
    ASSERT_TRUE(l.aerOeppen());
    QStringList r;
    while (!l.slut())
        r << l.laesRad();
    EXPECT_EQ(r, (QStringList{"ett", QString::fromUtf8("två"), "", "sista"}));
    EXPECT_FALSE(RadLaesare(i("saknas.txt")).aerOeppen());
}
