// Sound directories, the search for an item sound, playback through the
// media seam, and the translation lists.
#include "../support/miljoe.h"

#include "core/ljud.h"
#include "core/oeversaettning.h"
#include "core/tillstaand.h"
#include "platform/media.h"

#include <QFile>
#include <QtEndian>

class Ljud : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
        G.oevning.DatFilIndex = 1;
    }
    void program(Word p, int antalPoster, int post)
    {
        G.oevning.Programtal = p;
        GeLjudDirectory();
        G.start.FilAntalPoster[1] = antalPoster;
        G.post.PostNummer = Word(post);
    }
    // The file the item sound was played from, below the tree.
    QString spelad() const
    {
        if (spelare.spelade.isEmpty())
            return {};
        return spelare.spelade.last().fil.mid(rot().size() + 1);
    }
    plattform::InspeladMediaspelare spelare;
    Saett<plattform::Mediaspelare> m_spelare{&spelare};
};

TEST_F(Ljud, SoundDirectoryOfAProgram)
{
    const std::pair<Word, const char *> fall[] = {
        {23100, "S231"}, {23101, "S2310"}, {12, "S12"}, {11, "S111"}, {112, "S112"},
        {24100, "S241"}, {11500, "S115"}, {1, "S1"}, {0, "S0"}};
    for (auto [p, k] : fall) {
        G.oevning.Programtal = p;
        GeLjudDirectory();
        EXPECT_EQ(G.ljud.LjudKatalog, QString::fromUtf8(k)) << p;
    }
    EXPECT_EQ(PostLjudNamn("S241", 5), "S241005.WAV");
    EXPECT_EQ(PostLjudNamn("S231", 153), "S231153.WAV");
    EXPECT_EQ(PostLjudNamn("S231", 1000), "");
}

TEST_F(Ljud, LargeFilesKeepTheirSoundsInLevelDirectories)
{
    skrivBytes(i("pc/LJUD/S231/L1/S231153.WAV"), "RIFF");
    program(23100, 250, 153);
    SpelaUppWavLjud(PostLjudNamn(G.ljud.LjudKatalog, 153));
    EXPECT_EQ(spelad(), "pc/LJUD/S231/L1/S231153.WAV");
    EXPECT_TRUE(meddelanden.poster.isEmpty());

    // 99 items: no level directory.
    skrivBytes(i("pc/LJUD/S231/S231053.WAV"), "RIFF");
    program(23100, 99, 53);
    SpelaUppWavLjud("S231053.WAV");
    EXPECT_EQ(spelad(), "pc/LJUD/S231/S231053.WAV");
}

TEST_F(Ljud, SixProgramsKeepAllSoundsInTheirDirectory)
{
    for (Word p : {22300, 23500, 23800, 23900, 24300, 25600}) {
        program(p, 250, 153);
        const QString namn = PostLjudNamn(G.ljud.LjudKatalog, 153);
        skrivBytes(i("pc/LJUD/" + G.ljud.LjudKatalog + "/" + namn), "RIFF");
        SpelaUppWavLjud(namn);
        EXPECT_EQ(spelad(), "pc/LJUD/" + G.ljud.LjudKatalog + "/" + namn) << p;
        EXPECT_EQ(LjudUnderkatalog(p, 250, 153), G.ljud.LjudKatalog) << p;
    }
    EXPECT_EQ(LjudUnderkatalog(23100, 250, 153), "S231\\L1");
    EXPECT_EQ(LjudUnderkatalog(23100, 250, 99), "S231\\L0");
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Ljud, CorrectionRoundFollowsTheWrongAnswerItem)
{
    skrivBytes(i("cd/LJUD/S231/L2/S231205.WAV"), "RIFF");
    program(23100, 250, 3);
    G.runda.RaettaFel = 1;
    G.fel.FelPostNummer = 205;
    SpelaUppWavLjud("S231205.WAV");
    EXPECT_EQ(spelad(), "cd/LJUD/S231/L2/S231205.WAV");
}

TEST_F(Ljud, PcCopyBeforeCdCopyAndAMissingSoundIsSaid)
{
    skrivBytes(i("cd/LJUD/S241/S241005.WAV"), "RIFF");
    program(24100, 12, 5);
    SpelaUppWavLjud("S241005.WAV");
    EXPECT_EQ(spelad(), "cd/LJUD/S241/S241005.WAV");
    skrivBytes(i("pc/LJUD/S241/S241005.WAV"), "RIFF");
    SpelaUppWavLjud("S241005.WAV");
    EXPECT_EQ(spelad(), "pc/LJUD/S241/S241005.WAV");
    EXPECT_FALSE(spelare.spelade.last().vaentade);

    spelare.spelade.clear();
    SpelaUppWavLjud("S241006.WAV");
    EXPECT_TRUE(spelare.spelade.isEmpty());
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Information);
    EXPECT_EQ(meddelanden.poster[0].text,
              QString::fromUtf8("Ljudfilen  CD\\LJUD\\S241\\S241006.WAV  finns inte eller är felaktig."));
}

TEST_F(Ljud, SoundsBeforeAnyExerciseAndWithoutACountedFile)
{
    skrivBytes(i("pc/LJUD/START.WAV"), "RIFF");
    G.oevning.DatFilIndex = 0;                  // no file counted yet
    SpelaUppWavLjud("START.WAV");       // no sound directory yet
    EXPECT_EQ(spelad(), "pc/LJUD/START.WAV");
}

TEST_F(Ljud, PlainSoundsLieInTheSoundRoot)
{
    skrivBytes(i("cd/LJUD/SVERIGE.WAV"), "RIFF");
    program(31100, 12, 1);
    G.ljud.RaktLjud = 1;
    SpelaUppWavLjud("SVERIGE.WAV");
    EXPECT_EQ(spelad(), "cd/LJUD/SVERIGE.WAV");
    // 31100 waits for its item sounds, but a sound straight from the root
    // (the anthem) never waits.
    EXPECT_FALSE(spelare.spelade.last().vaentade);
    EXPECT_EQ(G.ljud.RaktLjud, 0);

    G.ljud.RaktLjud = 1;
    SpelaUppWavLjud("SAKNAS.WAV");
    EXPECT_EQ(G.ljud.RaktLjud, 0);
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster[0].text,
              QString::fromUtf8("Ljudfilen CD\\LJUD\\SAKNAS.WAV  finns inte eller är felaktig."));
}

TEST_F(Ljud, WaitingPrograms)
{
    for (Word p : {11500, 11600, 31100, 31250, 31400, 54100, 54200})
        EXPECT_TRUE(SpelasTillSlut(p)) << p;
    for (Word p : {11400, 31000, 31401, 23100, 54300})
        EXPECT_FALSE(SpelasTillSlut(p)) << p;
}

TEST_F(Ljud, PlayerErrorIsShownAndTheExerciseGoesOn)
{
    skrivBytes(i("pc/LJUD/S231/S231001.WAV"), "RIFF");
    program(23100, 12, 1);
    spelare.fel = "missing a plug-in";
    SpelaUppWavLjud("S231001.WAV");
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Fel);
    EXPECT_EQ(meddelanden.poster[0].text, "missing a plug-in");
    EXPECT_EQ(G.ljud.RaktLjud, 0);
}

TEST_F(Ljud, NoAudioOutputIsSaidOnceAMissingFileEveryTime)
{
    skrivBytes(i("pc/LJUD/S231/S231001.WAV"), "RIFF");
    program(23100, 12, 1);
    spelare.utgaang = false;
    SpelaUppWavLjud("S231001.WAV");
    SpelaUppWavLjud("S231001.WAV");
    SpelaUppWavLjud("S231002.WAV");
    SpelaUppWavLjud("S231002.WAV");
    EXPECT_TRUE(spelare.spelade.isEmpty());
    const QStringList t = meddelanden.texter();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0], IngenLjudutgaangText);
    EXPECT_TRUE(t[1].startsWith("Ljudfilen  "));
    EXPECT_TRUE(t[2].startsWith("Ljudfilen  "));
}

TEST_F(Ljud, TranslationListsTakeWellFormedLines)
{
    QStringList rader = {"hund#dog", "#tom", "katt#cat#x", "utan", QString(188, 'a') + "#sent",
                         QString(189, 'b') + "#late", "a#b", ""};
    skrivFil1252(i("cd/DATA/DAT/MORVENG.DAT"), rader);
    G.ordlistor.ListBox1 = QStringList{"gammalt"};
    G.val.Oeversaettning = 0;
    FyllEngListan();
    EXPECT_EQ(G.ordlistor.ListBox1, QStringList{"gammalt"});

    G.val.Oeversaettning = 1;
    FyllEngListan();
    EXPECT_EQ(G.ordlistor.ListBox1, (QStringList{"hund", "katt", QString(188, 'a'), "a"}));
    EXPECT_EQ(G.ordlistor.ListBox2, (QStringList{"dog", "cat#x", "sent", "b"}));

    // German list missing: the English words stay.
    G.val.Oeversaettning = 2;
    FyllEngListan();
    EXPECT_EQ(G.ordlistor.ListBox1.size(), 4);
    skrivFil1252(i("pc/DATA/DAT/MORVTYS.DAT"), {"hund#Hund"});
    FyllEngListan();
    EXPECT_EQ(G.ordlistor.ListBox2, QStringList{"Hund"});
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(Ljud, TranslationListStopsAfter3000Lines)
{
    QStringList rader;
    for (int n = 1; n <= 3005; ++n)
        rader << (n == 2 ? QStringLiteral("skräp") : QStringLiteral("ord%1#word%1").arg(n));
    skrivFil1252(i("pc/DATA/DAT/MORVENG.DAT"), rader);
    G.val.Oeversaettning = 1;
    FyllEngListan();
    EXPECT_EQ(G.ordlistor.ListBox1.size(), 2999);
    EXPECT_EQ(G.ordlistor.ListBox2.last(), "word3000");
}

TEST_F(Ljud, WavLengthFromTheHeader)
{
    QByteArray wav = "RIFF....WAVE";
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    wav += "LIST" + le32(3) + "abc" + QByteArray(1, 0);   // an odd chunk with its pad byte
    wav += "fmt " + le32(16) + QByteArray("\x01\x00\x01\x00", 4) + le32(22050) + le32(44100)
           + QByteArray("\x02\x00\x10\x00", 4);
    wav += "data" + le32(66150) + QByteArray(10, 0);
    skrivBytes(i("a.wav"), wav);
    EXPECT_EQ(plattform::wavLaengdMs(i("a.wav")), 1500);
    skrivBytes(i("b.wav"), "not a sound");
    EXPECT_EQ(plattform::wavLaengdMs(i("b.wav")), -1);
    EXPECT_EQ(plattform::wavLaengdMs(i("none.wav")), -1);
}
