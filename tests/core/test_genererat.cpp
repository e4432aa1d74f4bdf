// The content the build makes under the PC path, as the program finds it.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/ljud.h"
#include "core/lovord.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/media.h"

#include <QFile>
#include <QStandardPaths>

class Genererat : public ByggdMiljoe {
protected:
    plattform::InspeladMediaspelare spelare;
    Saett<plattform::Mediaspelare> m_spelare{&spelare};
};

TEST_F(Genererat, RewardPicturesAreBitmaps)
{
    for (int n = 1; n <= AntalBilder; ++n) {
        const QString fil = QStringLiteral(MORV_PC_DIR "/BILD/SVE%1.BMP").arg(n, 3, 10, QLatin1Char('0'));
        QFile f(fil);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(fil);
        EXPECT_EQ(f.read(2), QByteArray("BM")) << qPrintable(fil);
        EXPECT_GT(f.size(), 10000) << qPrintable(fil);
    }
    // The about window's picture is found through the built configuration.
    ASSERT_TRUE(Uppstart());
    EXPECT_TRUE(plattform::filFinns(G.start.PcSoekvaeg + QStringLiteral("\\bild\\MORV97.bmp")));
}

TEST_F(Genererat, EveryItemOfTheSampleAndDictationExercisesHasItsSound)
{
    if (QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
        GTEST_SKIP() << "espeak-ng is not installed, so the build made no sounds";
    ASSERT_TRUE(Uppstart());
    for (const char *namn : {"SVE23100.DAT", "SVE24100.DAT", "SVE24200.DAT", "SVE54100.DAT", "SVE54200.DAT"}) {
        SCOPED_TRACE(namn);
        spelare.spelade.clear();
        G.oevning.DatFilNamn = namn;
        ASSERT_TRUE(Kolla(G.oevning.DatFilNamn));
        G.oevning.Programtal = GeProgramtal(G.oevning.DatFilNamn);
        GeLjudDirectory();
        const QString katalog = QStringLiteral(MORV_PC_DIR "/LJUD/") + G.ljud.LjudKatalog + QLatin1Char('/');
        const int antal = G.start.FilAntalPoster[G.oevning.DatFilIndex];
        ASSERT_GE(antal, 12);
        for (int n = 1; n <= antal; ++n) {
            G.post.PostNummer = Word(n);
            SpelaUppWavLjud(PostLjudNamn(G.ljud.LjudKatalog, n));
            ASSERT_EQ(spelare.spelade.size(), n);
            const QString fil = spelare.spelade.last().fil;
            EXPECT_TRUE(fil.startsWith(katalog)) << qPrintable(fil);
            EXPECT_GT(plattform::wavLaengdMs(fil), 300) << qPrintable(fil);
        }
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

TEST_F(Genererat, BundledPraiseIsFoundAndFilled)
{
    ASSERT_TRUE(Uppstart());
    G.oevning.Programtal = 23100;
    G.runda.AntalIRunda = 10;
    G.runda.AntalRaett = 10;
    G.diagnos.Diagnostabell.namn = "Lisa";
    G.diagnos.Diagnostabell.resultat[1] = 12;
    HaemtaLovordFilNamn();
    ASSERT_EQ(G.beroem.LovordFilNamn, "SVOM9009.LOV");
    ASSERT_TRUE(KollaLovOrd(G.beroem.LovordFilNamn));
    const int n = haemta_Lovordslumptal(G.beroem.LovordMarkoer[G.beroem.LovordIndex], G.beroem.LovordIndex);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, G.start.LovordAntalRader[G.beroem.LovordIndex]);
    haemtaord(G.beroem.LovordFilNamn, n);
    const Postdelar post = str_postarray(G.post.HaemtadRad);
    const QString text = LovordMen(post.faelt[1]) + ' ' + LovordMen(post.faelt[2]) + ' ' + LovordMen(post.faelt[3]);
    EXPECT_FALSE(text.contains('<')) << text.toStdString();
    EXPECT_GT(text.size(), 10);
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
