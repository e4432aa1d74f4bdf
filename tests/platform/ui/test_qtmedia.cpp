// The real player: it must come back in time whatever the machine has.
#include "../../support/miljoe.h"
#include "../../support/varningar.h"

#include "platform/ui/ljudmodul/qtmedia.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QtEndian>

// The real backend tells through Qt's warnings what the machine's sound
// system lacks (no server, no device); that is the machine's, not ours.
class QtMediaspelare : public ::testing::Test {
    VaentadVarning m_ljudsystemet;
};

namespace {
// A PCM WAV of silence, 8 kHz mono 16 bit.
QByteArray tystWav(int ms)
{
    const quint32 data = quint32(8000 * 2 * ms / 1000);
    QByteArray b;
    auto le32 = [&](quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
    auto le16 = [&](quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
    b += "RIFF"; le32(36 + data); b += "WAVE";
    b += "fmt "; le32(16); le16(1); le16(1); le32(8000); le32(16000); le16(2); le16(16);
    b += "data"; le32(data); b += QByteArray(int(data), 0);
    return b;
}
} // namespace

TEST_F(QtMediaspelare, WaitingReturnsWhenTheSoundEndsOrFails)
{
    QTemporaryDir katalog;
    const QString fil = katalog.filePath("tyst.wav");
    skrivBytes(fil, tystWav(400));
    plattform::QtMediaspelare spelare;
    QElapsedTimer tid;
    tid.start();
    const bool ok = spelare.spela(fil, true);
    // Played to the end, or the machine cannot play it; either way in time
    // and, on failure, with the player's reason.
    EXPECT_LT(tid.elapsed(), 400 + 3000 + 1000);
    if (!ok) {
        EXPECT_FALSE(spelare.felText().isEmpty());
    } else {
        EXPECT_GE(tid.elapsed(), 200);
    }
}

TEST_F(QtMediaspelare, MissingFileFailsWithAReason)
{
    plattform::QtMediaspelare spelare;
    // The media backend is set up with the first sound, not at start.
    spelare.stoppa();
    EXPECT_TRUE(spelare.findChildren<QMediaPlayer *>().isEmpty());
    QElapsedTimer tid;
    tid.start();
    EXPECT_FALSE(spelare.spela("/nonexistent/dir/none.wav", true));
    EXPECT_FALSE(spelare.felText().isEmpty());
    EXPECT_LT(tid.elapsed(), 10000);
    EXPECT_EQ(spelare.findChildren<QMediaPlayer *>().size(), 1);
    spelare.stoppa();
}

TEST_F(QtMediaspelare, InstalledPlayerLeavesTheSeamWhenDestroyed)
{
    auto *spelare = new plattform::QtMediaspelare;
    plattform::saettMediaspelare(spelare);
    EXPECT_EQ(&plattform::mediaspelare(), spelare);
    delete spelare;
    EXPECT_NE(&plattform::mediaspelare(), static_cast<plattform::Mediaspelare *>(spelare));
}

TEST_F(QtMediaspelare, UnwaitedSoundThatFailsLaterIsReportedOnce)
{
    plattform::InspeladeMeddelanden meddelanden;
    Saett<plattform::Meddelanden> g(&meddelanden);
    {
        plattform::QtMediaspelare spelare;
        const bool ok = spelare.spela("/nonexistent/dir/none.wav", false);
        QElapsedTimer tid;
        tid.start();
        while (tid.elapsed() < 3000 && meddelanden.poster.isEmpty())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        // Either spela() said it at once (and the caller reports it) or the
        // player reported it itself, never both.
        EXPECT_EQ(meddelanden.poster.size() + (ok ? 0 : 1), 1);
        if (!meddelanden.poster.isEmpty()) {
            EXPECT_EQ(meddelanden.poster[0].typ, plattform::Rutetyp::Fel);
        }
    }
}
