// The program table at its boundaries: the rows, an unknown number, and
// each fact on exactly the programs that have it.
#include "../support/miljoe.h"

#include "core/program.h"

#include <functional>

namespace {
// The rows with a fact, as "fraan" or "fraan-till", in table order.
QString med(const std::function<bool(const Programdata &)> &fakta)
{
    int antal = 0;
    const Programdata *rader = programrader(antal);
    QStringList ut;
    for (int r = 0; r < antal; ++r)
        if (fakta(rader[r]))
            ut << (rader[r].fraan == rader[r].till ? QString::number(rader[r].fraan)
                                                   : QStringLiteral("%1-%2").arg(rader[r].fraan).arg(rader[r].till));
    return ut.join(QLatin1Char(' '));
}
} // namespace

TEST(Programtabell, RowsAscendAndNestOrStandApart)
{
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        ASSERT_LE(rader[r].fraan, rader[r].till) << rader[r].fraan;
        for (int s = r + 1; s < antal; ++s) {
            const Programdata &a = rader[r], &b = rader[s];
            ASSERT_LE(a.fraan, b.fraan);
            const bool isaer = b.fraan > a.till, inuti = b.till <= a.till && b.till - b.fraan < a.till - a.fraan;
            ASSERT_TRUE(isaer || inuti) << a.fraan << "-" << a.till << " and " << b.fraan << "-" << b.till;
        }
    }
}

TEST(Programtabell, UnknownNumbersGiveTheEmptyRow)
{
    for (Word p : {0, 18, 100, 118, 22150, 23102, 46160, 56950, 65535}) {
        const Programdata &d = program(p);
        EXPECT_EQ(d.foenster, Foenstertyp::Ingen) << p;
        EXPECT_EQ(d.fraan, 0) << p;
        EXPECT_STREQ(d.regelsida, "") << p;
        EXPECT_EQ(d.punkter, 14) << p;
        EXPECT_EQ(d.diagnosnummer, 0) << p;
    }
    // Inside a span the narrowest row holds.
    EXPECT_EQ(program(34200).foenster, Foenstertyp::TPassAkt);
    EXPECT_EQ(program(34250).foenster, Foenstertyp::Ingen);
    EXPECT_EQ(program(34250).diagnosnummer, 17);
    EXPECT_STREQ(program(22250).regelsida, "Dubbelskrivning1.htm");
    EXPECT_FALSE(program(22250).egnaVal);
}

TEST(Programtabell, EachFactOnItsPrograms)
{
    EXPECT_EQ(med([](auto &r) { return r.egnaVal; }), "10 110 22200 22300 23101 31010 46400");
    EXPECT_EQ(med([](auto &r) { return r.regelknapp == Regelknapp::VidStart; }),
              "22100 22200 22300 23100 23200 23300 23400 23500 23600 23700 23800 36100 36200 37100 37200 "
              "37300 46110-46150 46200 46300");
    EXPECT_EQ(med([](auto &r) { return r.regelknapp == Regelknapp::EfterPost; }), "39200 44000 46400");
    // "Homonymer" has no rule page, so no rule button.
    EXPECT_EQ(program(23101).regelknapp, Regelknapp::Ingen);
    EXPECT_EQ(med([](auto &r) { return r.oeversaettning; }),
              "21200 22100 22200 22300 23100 23101 23200 23300 23400 23500 23600 23700 23800 23900 24100 "
              "24200 24300 25100 25200 25300 25400 25500 25600 25700");
    EXPECT_EQ(med([](auto &r) { return r.ljudOevning; }),
              "11 111 21100 21200 21300 22100 22200 22300 23100 23101 23200 23300 23400 23500 23600 23700 "
              "23800 23900 24100 24200 24300 25100 25200 25300 25400 25500 25600 25700 54100 54200");
    // The sound generator speaks field 1 of the word-choice, category-choice
    // and dictation sound exercises, the gap sentence of the spoken
    // gap-sentence ones, and of "Knepiga ord" in the diagnosis only the word
    // (its test and practice share S111).
    const auto faelt1 = [](const Programdata &r) {
        return r.foenster == Foenstertyp::TFLERBAR || r.foenster == Foenstertyp::TPassAkt
               || r.foenster == Foenstertyp::TDiktam;
    };
    EXPECT_EQ(med([&](auto &r) { return r.ljudfaelt == 1 && faelt1(r); }),
              med([&](auto &r) { return r.ljudOevning && faelt1(r); }));
    EXPECT_EQ(med([](auto &r) { return r.ljudfaelt > 0 && r.foenster == Foenstertyp::TSkrivinf; }), "11 111 24300");
    EXPECT_EQ(med([](auto &r) { return r.ljudfaelt > 1; }), "111");
    EXPECT_EQ(med([](auto &r) { return r.ljudOrdet; }), "11 111");
    EXPECT_EQ(med([](auto &r) { return r.moensterFoerst; }), "11 111 46200");
    EXPECT_EQ(med([](auto &r) { return r.spelasTillSlut; }),
              "11500 11600 31100-31400 31110-31180 31210 31310 54100 54200");
    EXPECT_EQ(med([](auto &r) { return r.ljudUtanNivaaer; }), "22300 23500 23800 23900 24300 25600");
    EXPECT_EQ(med([](auto &r) { return r.ljudFyraSiffror; }), "23101");
    EXPECT_EQ(med([](auto &r) { return r.oskaladRadbredd; }), "38100 38200 51000");
    EXPECT_EQ(med([](auto &r) { return r.punkter == 22 && r.foenster == Foenstertyp::TFLERBAR; }),
              med([](auto &r) { return r.foenster == Foenstertyp::TFLERBAR; }));
    EXPECT_EQ(med([](auto &r) { return r.punkter == 22 && r.foenster != Foenstertyp::TFLERBAR; }),
              "12 15 17 112 115 117 21100 21200 21300 22100 31110-31180 31210 32300 32400 34100 34200 "
              "34300 34400 34500 35000 36100 36200 37100 37200 45000 46300 47400");
    EXPECT_EQ(med([](auto &r) { return r.meningsPunkter != 14; }),
              "17 117 21100-21300 21100 21200 21300 22100 25500 31110-31180 32300 32400 34200 39100 39200 "
              "47400 51000");
    EXPECT_EQ(program(47400).meningsPunkter, 18);
    QStringList diagnos;
    for (int n = 1; n <= 17; ++n)
        diagnos << med([n](auto &r) { return r.diagnosnummer == n; });
    EXPECT_EQ(diagnos.join(QLatin1String(" | ")),
              "23100 | 23200 | 23300 | 23400 | 23500 | 23600 | 23700 | 23800 | 23900 | 22200 22300 | 24300 | "
              "45000 | 43100-43300 | 42000 | 32400 | 33100-33300 | "
              "34100-34800 34100 34200 34300 34400 34500 34600 34700 34800");
    EXPECT_EQ(program(51000).meningsPunkter, 12);
}
