// The reading gym as a pupil uses it: five words, five more, the five
// sounds heard in turn through the player.
#include "../../support/miljoe.h"
#include "../../support/saett.h"

#include "core/tillstaand.h"
#include "exercises/arrange/lasljud.h"
#include "platform/media.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {
// Records, and after the n-th sound does what it is told (the pupil closes the window).
class AvbrytandeSpelare : public plattform::InspeladMediaspelare {
public:
    bool spela(const QString &soekvaeg, bool vaenta) override
    {
        const bool ok = InspeladMediaspelare::spela(soekvaeg, vaenta);
        if (spelade.size() == efter && vid)
            vid();
        return ok;
    }
    int efter = 0;
    std::function<void()> vid;
};
} // namespace

class LasLjud : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QStringList fil = {"$Läsgympa", "$Ord med två bokstäver", "$§Läs orden högt."};
        for (int n = 1; n <= 120; ++n)
            fil << QStringLiteral("o%1").arg(n);
        datafil("SVE54100.DAT", fil);
        G.oevning.Programtal = 54100;   // as the launcher leaves it for the sounds
        for (int n = 1; n <= 10; ++n)
            skrivBytes(i(QStringLiteral("pc/LJUD/S541/L0/S541%1.WAV").arg(n, 3, 10, QLatin1Char('0'))),
                       QByteArray(64, '\0'));
    }
    static QStringList orden(TLasLjud &f)
    {
        QStringList ut;
        for (QLabel *l : f.OrdPanel)
            ut << l->text();
        return ut;
    }
    AvbrytandeSpelare media;
    Saett<plattform::Mediaspelare> m_media{&media};
};

TEST_F(LasLjud, FiveWordsThenTheNextFiveAndTheirSoundsInTurn)
{
    TLasLjud f;
    f.show();
    EXPECT_EQ(orden(f), QStringList({"o1", "o2", "o3", "o4", "o5"}));
    EXPECT_EQ(f.InstruktionsLabel->text(), "Läs orden högt.");
    EXPECT_EQ(f.OverskriftLabel2->text(), "Ord med två bokstäver");
    QTest::mouseClick(f.FlerordButton, Qt::LeftButton);
    EXPECT_EQ(orden(f), QStringList({"o6", "o7", "o8", "o9", "o10"}));

    // The file has more than 99 items: the sounds lie one level deeper.
    QTest::mouseClick(f.LyssnaButton, Qt::LeftButton);
    ASSERT_EQ(media.spelade.size(), 5);
    EXPECT_TRUE(media.spelade[1].fil.endsWith("S541/L0/S541007.WAV")) << qPrintable(media.spelade[1].fil);
    EXPECT_TRUE(media.spelade[4].fil.endsWith("S541/L0/S541010.WAV"));
    EXPECT_TRUE(media.spelade[0].vaentade);
    EXPECT_TRUE(meddelanden.poster.isEmpty());
    EXPECT_TRUE(f.LyssnaButton->isEnabled() && f.FlerordButton->isEnabled() && f.AvbrytButton->isEnabled());
}

TEST_F(LasLjud, ButtonsAreLockedWhileTheSoundsPlayAndClosingStopsTheRest)
{
    TLasLjud f;
    f.show();
    media.efter = 2;
    media.vid = [&f] {
        EXPECT_FALSE(f.LyssnaButton->isEnabled() || f.FlerordButton->isEnabled() || f.AvbrytButton->isEnabled());
        f.stang();
    };
    f.LyssnaButtonClick();
    EXPECT_EQ(media.spelade.size(), 2);
    EXPECT_TRUE(f.aerStangd());
}

TEST_F(LasLjud, WithSoundsOffTheWordsCanStillBeReadAndRenewed)
{
    G.val.LjudLaege = 0;
    TLasLjud f;
    f.show();
    EXPECT_FALSE(f.LyssnaButton->isEnabled());
    QTest::mouseClick(f.FlerordButton, Qt::LeftButton);
    EXPECT_EQ(f.OrdPanel[0]->text(), "o6");
}
