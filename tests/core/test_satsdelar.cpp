// The sentence-parts logic: pieces, boxes, rows, the help line and levels.
#include "../support/miljoe.h"

#include "core/satsdelar.h"

namespace {
QStringList koder(std::initializer_list<const char *> k)
{
    QStringList ut;
    for (const char *s : k)
        ut << QString::fromUtf8(s);
    return ut;
}
} // namespace

TEST(Satsdelar, PiecesAroundTheMarksAndAtMostFiveParts)
{
    const Satsbitar b = delaSats(QStringLiteral("<Morfar> byggde <barnbarnen> <en trädkoja>."));
    ASSERT_TRUE(b.giltig);
    EXPECT_EQ(b.mell[0], QString());
    EXPECT_EQ(b.men[0], QStringLiteral("Morfar"));
    EXPECT_EQ(b.mell[1], QStringLiteral(" byggde "));
    EXPECT_EQ(b.men[2], QStringLiteral("en trädkoja"));
    EXPECT_EQ(b.mell[3], QStringLiteral("."));
    EXPECT_EQ(b.antalDelar(), 3);

    // A sixth part joins the last plain piece, without its marks.
    const Satsbitar sex = delaSats(QStringLiteral("<a> <b> <c> <d> <e> <f> g"));
    ASSERT_TRUE(sex.giltig);
    EXPECT_EQ(sex.men[4], QStringLiteral("e"));
    EXPECT_EQ(sex.mell[5], QStringLiteral(" f g"));

    // Marks that do not pair up give nothing to show.
    EXPECT_FALSE(delaSats(QStringLiteral("<Hunden skäller.")).giltig);
    EXPECT_FALSE(delaSats(QStringLiteral(">Hunden< skäller.")).giltig);
    EXPECT_FALSE(delaSats(QStringLiteral("<Hunden <skäller>>.")).giltig);
}

TEST(Satsdelar, BoxesInCodeOrderOnlyForPartsWithText)
{
    const Satsbitar b = delaSats(QStringLiteral("<Hunden> <skäller>."));
    // S then P in the sentence: box 1 "Predikat", box 2 "Subjekt".
    const QList<Satsruta> r = tilldelaRutor(b, koder({"S", "p"}));
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0), (Satsruta{2, 3}));
    EXPECT_EQ(r.at(1), (Satsruta{1, 5}));
    EXPECT_EQ(SatsdelNamn(3)[0], QStringLiteral("Predikat"));
    EXPECT_EQ(SatsdelNamn(1)[1], QStringLiteral("objekt"));

    // Two subjects give two boxes; "NN", unknown codes and empty parts none.
    const Satsbitar tvaa = delaSats(QStringLiteral("<Ali> och <Bo> <leker> <> <här>."));
    EXPECT_EQ(tilldelaRutor(tvaa, koder({"S", "S", "P", "AO", "NN"})),
              (QList<Satsruta>{{3, 3}, {1, 5}, {2, 5}}));
    EXPECT_TRUE(tilldelaRutor(delaSats(QStringLiteral("Inget alls.")), koder({"S"})).isEmpty());
    EXPECT_TRUE(tilldelaRutor(delaSats(QStringLiteral("<Hunden skäller.")), koder({"S"})).isEmpty());
    EXPECT_EQ(delensKod(koder({"S", "X"}), 2), 0);
}

TEST(Satsdelar, RowsWrapAtFiveHundredSixtyPixelsAndStopOnTheThird)
{
    FastTextmaetare m;   // every character 10 pixels
    Saett<const Textmaetare> g(&m);
    Satsbitar b;
    b.giltig = true;
    b.mell[0] = QString(30, QLatin1Char('a'));   // 20..320
    b.men[0] = QString(25, QLatin1Char('b'));    // 320..570: reaches the limit
    b.mell[1] = QStringLiteral(" och");          // row 2, its blank in the margin
    b.men[1] = QString(60, QLatin1Char('c'));    // 50..650
    b.mell[2] = QStringLiteral(" x");            // row 3
    b.men[2] = QString(60, QLatin1Char('d'));
    b.mell[3] = QStringLiteral("!");              // stays on row 3
    const auto p = radbryt(b, Typsnitt{}, 20);
    EXPECT_EQ(p[0].vaenster, 20);
    EXPECT_EQ(p[1].vaenster, 320);
    EXPECT_EQ(p[1].rad, 1);
    EXPECT_EQ(p[2].rad, 2);
    EXPECT_EQ(p[2].vaenster, 10);
    EXPECT_EQ(p[3].vaenster, 50);
    EXPECT_EQ(p[4].rad, 3);
    EXPECT_EQ(p[5].vaenster, 30);
    EXPECT_EQ(p[6].rad, 3);
    EXPECT_EQ(p[6].vaenster, 630);
    // A part that starts a row stands at the margin itself.
    b.mell[1].clear();
    const auto q = radbryt(b, Typsnitt{}, 20);
    EXPECT_EQ(q[2].bredd, 0);
    EXPECT_EQ(q[2].rad, 2);
}

TEST(Satsdelar, HelpLineLatches)
{
    Hjaelplinje h;
    EXPECT_EQ(h.visa(1), Hjaelplinje::text(1));
    EXPECT_FALSE(h.visa(1));                     // shown last
    EXPECT_EQ(h.visa(2), Hjaelplinje::text(2));  // latch A
    EXPECT_FALSE(h.visa(3));
    h.slaeppA();
    EXPECT_EQ(h.visa(3), QStringLiteral("Här kan du släppa upp knappen."));
    EXPECT_FALSE(h.visa(0));                     // latch B
    h.slaeppB();
    EXPECT_EQ(h.visa(0), QStringLiteral("Styr musen till meningen!"));
}

TEST(Satsdelar, LevelNumberAndLevelsRiseAndFall)
{
    QString rest;
    EXPECT_EQ(nivaaAvRad(QStringLiteral("12<Vi> <åker>.#S#P"), &rest), 12);
    EXPECT_EQ(rest, QStringLiteral("<Vi> <åker>.#S#P"));
    EXPECT_EQ(nivaaAvRad(QStringLiteral("1x<Vi> <åker>.#S#P"), &rest), 1);
    EXPECT_EQ(rest, QStringLiteral("x<Vi> <åker>.#S#P"));
    EXPECT_EQ(nivaaAvRad(QStringLiteral("123<a>#S")), 0);   // a third digit
    EXPECT_EQ(nivaaAvRad(QStringLiteral("21<a>#S")), 0);
    EXPECT_EQ(nivaaAvRad(QStringLiteral("0<a>#S")), 0);
    EXPECT_EQ(nivaaAvRad(QStringLiteral("<a>#S")), 0);

    Nivaalaege l{1, 2, 0, false};
    nivaaEfterPost(l, false);                    // level 1 stays
    EXPECT_EQ(l.nivaa, 1);
    nivaaEfterPost(l, true);
    nivaaEfterPost(l, true);
    EXPECT_EQ(l.raett, 2);
    EXPECT_EQ(nivaaPunkter(l.raett), 30);
    nivaaEfterPost(l, true);
    EXPECT_EQ(l.nivaa, 2);
    EXPECT_EQ(l.raett, 0);
    nivaaEfterPost(l, true);
    nivaaEfterPost(l, false);                    // falls, and counts again
    EXPECT_EQ(l.nivaa, 1);
    EXPECT_EQ(l.raett, 0);
    for (int i = 0; i < 6; ++i)
        nivaaEfterPost(l, true);
    EXPECT_EQ(l.nivaa, 3);
    EXPECT_TRUE(l.topp);
}

class Nivaafiler : public Miljoe {};

TEST_F(Nivaafiler, LevelsFromOneWithoutGapsAndOnlyPlaceableLines)
{
    anvaendTraed();
    QStringList rader = {QStringLiteral("$Satsdelar"), QStringLiteral("; 1<Kommentar> <här>.#S#P"),
                         QStringLiteral("1<Hunden> <skäller>.#S#P"), QStringLiteral("1x<Katten> <jamar>.#S#P"),
                         QStringLiteral("12<Tolv> <står>.#S#P"), QStringLiteral("2<Vi> <badar>.#S#P"),
                         QStringLiteral("2Inget att dra.#S#P"), QStringLiteral("4<Fyra> <står>.#S#P"),
                         QStringLiteral("123<Fel> <nivå>.#S#P"), QStringLiteral("1 utan fält")};
    for (int i = 0; i < 105; ++i)
        rader << QStringLiteral("3<Ord%1> <går>.#S#P").arg(i);
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/SVE47100.DAT")), rader);
    const Nivaafil f = laesNivaafil(QStringLiteral("SVE47100.DAT"));
    ASSERT_TRUE(f.oeppnad);
    EXPECT_EQ(f.rader[1], (QStringList{QStringLiteral("<Hunden> <skäller>.#S#P"),
                                       QStringLiteral("x<Katten> <jamar>.#S#P")}));
    EXPECT_EQ(f.rader[12], QStringList{QStringLiteral("<Tolv> <står>.#S#P")});
    EXPECT_EQ(f.rader[2].size(), 1);
    EXPECT_EQ(f.rader[3].size(), FlestPerNivaa);
    EXPECT_EQ(f.antalNivaaer, 4);

    // Levels 1, 2 and 4: two levels.
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/SVE47200.DAT")),
                 {QStringLiteral("1<a> <b>#S#P"), QStringLiteral("2<a> <b>#S#P"), QStringLiteral("4<a> <b>#S#P")});
    EXPECT_EQ(laesNivaafil(QStringLiteral("SVE47200.DAT")).antalNivaaer, 2);
    // No level 1: none.
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/SVE47300.DAT")), {QStringLiteral("2<a> <b>#S#P")});
    EXPECT_EQ(laesNivaafil(QStringLiteral("SVE47300.DAT")).antalNivaaer, 0);
    EXPECT_FALSE(laesNivaafil(QStringLiteral("SVE47900.DAT")).oeppnad);
}
