// The clock: the hands follow from the item number, and every line of the
// clock file says in words the time its dial shows.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/klocka.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"

#include <QHash>
#include <optional>

TEST(Klocka, HandsFollowTheItemNumber)
{
    const Klocktid t1 = klocktid(1);
    EXPECT_EQ(t1.timme, 0);
    EXPECT_EQ(t1.minut, 0);
    EXPECT_EQ(t1.minutvinkel, 0);
    EXPECT_EQ(t1.timvinkel, 0);
    // Item 12: the minute hand at 11, the hour hand 28 degrees past twelve.
    const Klocktid t12 = klocktid(12);
    EXPECT_EQ(t12.minut, 55);
    EXPECT_EQ(t12.minutvinkel, 330);
    EXPECT_EQ(t12.timvinkel, 28);
    const Klocktid t13 = klocktid(13);
    EXPECT_EQ(t13.timme, 1);
    EXPECT_EQ(t13.minutvinkel, 0);
    EXPECT_EQ(t13.timvinkel, 30);
    const Klocktid t145 = klocktid(145);
    EXPECT_EQ(t145.minutvinkel, t1.minutvinkel);
    EXPECT_EQ(t145.timvinkel, t1.timvinkel);
    EXPECT_EQ(klocktid(144).timvinkel, 330 + 28);
    // Halves go to the even neighbour: 2, 8, 12, 18, 22, 28 past the hour.
    const int tillaegg[] = {0, 2, 5, 8, 10, 12, 15, 18, 20, 22, 25, 28};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(klocktid(25 + m).timvinkel, 60 + tillaegg[m]) << m;
}

TEST(Klocka, PointsGoClockwiseFromTwelve)
{
    const QPoint c(100, 100);
    EXPECT_EQ(klockpunkt(c, 0, 50), QPoint(100, 50));
    EXPECT_EQ(klockpunkt(c, 90, 50), QPoint(150, 100));
    EXPECT_EQ(klockpunkt(c, 180, 50), QPoint(100, 150));
    EXPECT_EQ(klockpunkt(c, 270, 50), QPoint(50, 100));
    EXPECT_EQ(klockpunkt(c, 390, 50), klockpunkt(c, 30, 50));
}

namespace {

// The time a Swedish phrase says, as (hour 0..11 with twelve as 0, minute);
// nothing when the phrase is not one a clock is read with.
std::optional<std::pair<int, int>> tidIOrd(const QString &fras)
{
    static const QHash<QString, int> timmar{
        {"ett", 1}, {"två", 2}, {"tre", 3}, {"fyra", 4}, {"fem", 5}, {"sex", 6},
        {"sju", 7}, {"åtta", 8}, {"nio", 9}, {"tio", 10}, {"elva", 11}, {"tolv", 12}};
    static const QHash<QString, int> minuter{
        {"fem", 5}, {"tio", 10}, {"kvart", 15}, {"femton", 15}, {"tjugo", 20}, {"tjugu", 20},
        {"tjugofem", 25}, {"tjugufem", 25}};
    QStringList ord = fras.split(QLatin1Char(' '));
    if (ord.size() == 2 && ord[0] == QStringLiteral("prick"))
        ord.removeFirst();
    else if (ord.size() == 2 && ord[1] == QStringLiteral("prick"))
        ord.removeLast();
    if (ord.isEmpty() || !timmar.contains(ord.last()))
        return std::nullopt;
    const int timme = timmar.value(ord.takeLast());
    int minut = 0;   // minutes after `timme` o'clock, may be negative
    if (!ord.isEmpty() && ord.last() == QStringLiteral("halv")) {
        ord.removeLast();
        minut = -30;
    }
    // "en kvart över": the article only before kvart.
    if (ord.size() == 3 && ord[0] == QStringLiteral("en") && ord[1] == QStringLiteral("kvart"))
        ord.removeFirst();
    // "fem minuter över": the word minuter only between a number and över or i.
    if (ord.size() == 3 && minuter.contains(ord[0]) && ord[0] != QStringLiteral("kvart")
        && ord[1] == QStringLiteral("minuter"))
        ord.removeAt(1);
    if (ord.size() == 2 && minuter.contains(ord[0])
        && (ord[1] == QStringLiteral("över") || ord[1] == QStringLiteral("i"))) {
        minut += ord[1] == QStringLiteral("över") ? minuter.value(ord[0]) : -minuter.value(ord[0]);
        ord.clear();
    }
    if (!ord.isEmpty())
        return std::nullopt;
    const int totalt = ((timme * 60 + minut) % 720 + 720) % 720;
    return std::make_pair(totalt / 60, totalt % 60);
}

class Klockfilen : public ByggdMiljoe {};

} // namespace

TEST(Klocka, TimeWordsAreReadAsAPupilSaysThem)
{
    using P = std::pair<int, int>;
    EXPECT_EQ(tidIOrd(QStringLiteral("tolv")), P(0, 0));
    EXPECT_EQ(tidIOrd(QStringLiteral("prick tre")), P(3, 0));
    EXPECT_EQ(tidIOrd(QStringLiteral("kvart i ett")), P(0, 45));
    EXPECT_EQ(tidIOrd(QStringLiteral("fem i halv ett")), P(0, 25));
    EXPECT_EQ(tidIOrd(QStringLiteral("tio över halv sju")), P(6, 40));
    EXPECT_EQ(tidIOrd(QStringLiteral("halv ett")), P(0, 30));
    EXPECT_EQ(tidIOrd(QStringLiteral("tjugufem i tolv")), P(11, 35));
    EXPECT_EQ(tidIOrd(QStringLiteral("fem minuter över tre")), P(3, 5));
    EXPECT_EQ(tidIOrd(QStringLiteral("kvart minuter över tre")), std::nullopt);
    EXPECT_EQ(tidIOrd(QStringLiteral("en kvart i ett")), P(0, 45));
    EXPECT_EQ(tidIOrd(QStringLiteral("en fem över tre")), std::nullopt);
    EXPECT_EQ(tidIOrd(QStringLiteral("Fem över tre")), std::nullopt);
}

TEST_F(Klockfilen, EveryLineSaysTheTimeOfItsDial)
{
    ASSERT_TRUE(Uppstart());
    G.oevning.DatFilNamn = QStringLiteral("SVE55000.DAT");
    ASSERT_TRUE(Kolla(G.oevning.DatFilNamn));
    EXPECT_EQ(G.start.FilAntalPoster[G.oevning.DatFilIndex], 144);
    QStringList fel;
    for (int k = 1; k <= 144; ++k) {
        ASSERT_TRUE(haemtaord(G.oevning.DatFilNamn, k));
        const Postdelar post = str_postarray(G.post.HaemtadRad);
        const Klocktid t = klocktid(k);
        const std::pair<int, int> urtavla(t.timme, t.minut);
        QStringList svar{post.faelt[1]};
        for (int f = 2; f <= post.antalFaelt; ++f)
            if (!post.faelt[f].isEmpty())
                svar << (post.faelt[f].startsWith(QLatin1Char('&')) ? post.faelt[f].mid(1) : post.faelt[f]);
        EXPECT_GE(post.antalAlternativ, svar.size() - 1) << k;
        for (const QString &s : svar)
            if (tidIOrd(s) != urtavla)
                fel << QStringLiteral("%1: \"%2\" is not %3.%4").arg(k).arg(s).arg(t.timme == 0 ? 12 : t.timme)
                           .arg(t.minut, 2, 10, QLatin1Char('0'));
    }
    EXPECT_TRUE(fel.isEmpty()) << fel.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

// A time that starts like a sentence is right; any other change of case,
// and a capital letter where the text has none, stays wrong.
TEST(Klocka, ACapitalFirstLetterIsTheTimeAndNothingElseIs)
{
    const Postdelar post = str_postarray(QStringLiteral("kvart över tre#&femton över tre"));
    EXPECT_TRUE(klocksvarRaett(QStringLiteral("kvart över tre"), post));
    EXPECT_TRUE(klocksvarRaett(QStringLiteral("Kvart över tre"), post));
    EXPECT_TRUE(klocksvarRaett(QStringLiteral(" Femton över tre"), post));
    EXPECT_FALSE(klocksvarRaett(QStringLiteral("kvart Över tre"), post));
    EXPECT_FALSE(klocksvarRaett(QStringLiteral("KVART ÖVER TRE"), post));
    EXPECT_FALSE(klocksvarRaett(QStringLiteral("Kvart i tre"), post));
}
