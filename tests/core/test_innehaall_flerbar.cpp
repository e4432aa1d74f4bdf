// The bundled content of the word-choice exercise: every file opens, every
// item has one gap whose word the window can offer, and the choices fit the
// eight panels.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace {

struct Fil {
    const char *namn;
    int minst;            // fewest items
    const char *rubrik2;  // the second title line, as the menus call it
};

// Menu files: the second title line is the caption of the menu entry.
const Fil menyfiler[] = {
    {"SVE22200.DAT", 12, "Dubbelskrivning 1"},
    {"SVE22300.DAT", 12, "Dubbelskrivning 2"},
    {"SVE23100.DAT", 12, "Ä-ljudet"},
    {"SVE23200.DAT", 12, "Å-ljudet"},
    {"SVE23300.DAT", 12, "TJ-ljudet"},
    {"SVE23400.DAT", 12, "SJ-ljudet - sj, sk, skj, stj"},
    {"SVE23500.DAT", 12, "SJ-ljudet - alla varianter"},
    {"SVE23600.DAT", 12, "NG-ljudet"},
    {"SVE23700.DAT", 12, "J-ljudet"},
    {"SVE23800.DAT", 12, "KS-\"ljudet\""},
    {"SVE23900.DAT", 12, "S-ljudet"},
    {"SVE23101.DAT", 12, "Homonymer"},
    {"SVE25100.DAT", 12, "B - P"},
    {"SVE25200.DAT", 12, "D - T"},
    {"SVE25300.DAT", 12, "F - V"},
    {"SVE25400.DAT", 12, "G - K"},
    {"SVE25600.DAT", 12, "U - Y - Ö"},
    {"SVE25700.DAT", 12, "Bokstäverna b och d"},
    {"SVE31010.DAT", 12, "Stor eller liten"},
    {"SVE39100.DAT", 12, "Före - för"},
    {"SVE39200.DAT", 12, "Var - vart"},
    {"SVE44000.DAT", 12, "Genus"},
    {"SVE46400.DAT", 12, "Transitiva - intransitiva"},
};

// Diagnosis tests 1..10 and their practice; the second title line is the
// area of the test.
const char *const omraaden[] = {"Ä-ljudet", "Å-ljudet", "TJ-ljudet", "SJ-ljudet 1", "SJ-ljudet 2",
                                "NG-ljudet", "J-ljudet", "KS-\"ljudet\"", "S-ljudet", "Dubbelskrivning"};

bool egnaVal(Word programtal)
{
    switch (programtal) {
    case 10: case 110: case 22200: case 22300: case 23101: case 31010: case 46400:
        return true;
    default:
        return false;
    }
}

bool oeversatt(Word p)
{
    return p == 22200 || p == 22300 || (p >= 23100 && p <= 23900) || (p >= 25100 && p <= 25700);
}

// A translation list read as the main window loads it: the text before the
// first "#" (at position 2..189) is the key.
QHash<QString, QString> laesOrdlista(const QString &namn)
{
    QHash<QString, QString> lista;
    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn))))
        return lista;
    for (int n = 0; n < 3000 && !fil.slut(); ++n) {
        const QString rad = fil.laesRad();
        const qsizetype brak = rad.left(219).indexOf(QLatin1Char('#'));
        if (brak >= 1 && brak <= 188)
            lista.insert(rad.left(brak), rad.mid(brak + 1));
    }
    return lista;
}

class InnehaallFlerbar : public ByggdMiljoe {
protected:
    void SetUp() override
    {
        ByggdMiljoe::SetUp();
        ASSERT_TRUE(Uppstart());
        eng = laesOrdlista(QStringLiteral("MORVENG.DAT"));
        tys = laesOrdlista(QStringLiteral("MORVTYS.DAT"));
    }
    void TearDown() override
    {
        ByggdMiljoe::TearDown();
    }

    void granska(const QString &namn, int minst, const QString &rubrik2, const QString &rubrik1 = QString());

    QHash<QString, QString> eng, tys;
};

void InnehaallFlerbar::granska(const QString &namn, int minst, const QString &rubrik2, const QString &rubrik1)
{
    SCOPED_TRACE(namn.toStdString());
    G.DatFilNamn = namn;
    ASSERT_TRUE(Kolla(namn));
    const int antal = G.FilAntalPoster[G.DatFilIndex];
    EXPECT_GE(antal, minst);
    EXPECT_EQ(G.Rubrikrader[2].str(), rubrik2);
    if (!rubrik1.isEmpty()) {
        EXPECT_EQ(G.Rubrikrader[1].str(), rubrik1);
    }
    EXPECT_FALSE(G.Instruktion.str().isEmpty());
    EXPECT_FALSE(G.Fraagerad.str().isEmpty());

    const Word programtal = GeProgramtal(namn);
    const bool egna = egnaVal(programtal);

    // First pass: the gap words in file order, as the window collects them.
    QStringList fil10;
    QSet<QString> allaOrd;
    QStringList rader;
    for (int n = 1; n <= antal; ++n) {
        haemtaord(namn, n);
        rader << G.HaemtadRad;
        str_postarray(G.HaemtadRad);
        LetaPrep(G.Postfaelt[1]);
        const QString ord = G.LetaPrepDelar[2].toLower();
        allaOrd.insert(ord);
        if (!ord.isEmpty() && !fil10.contains(ord) && fil10.size() < 10)
            fil10 << ord;
    }
    if (!egna) {
        EXPECT_LE(allaOrd.size(), 8) << fil10.join(QLatin1String(", ")).toStdString();
    }

    for (int n = 1; n <= antal; ++n) {
        SCOPED_TRACE(rader[n - 1].toStdString());
        str_postarray(rader[n - 1]);
        const QString mening = G.Postfaelt[1];
        EXPECT_EQ(mening.count(QLatin1Char('<')), 1);
        EXPECT_EQ(mening.count(QLatin1Char('>')), 1);
        EXPECT_LT(mening.indexOf(QLatin1Char('<')), mening.indexOf(QLatin1Char('>')));
        EXPECT_LE(mening.size(), 70);
        EXPECT_EQ(G.AntalAlternativ, 0);
        LetaPrep(mening);
        const QString ord = G.LetaPrepDelar[2];
        EXPECT_FALSE(ord.isEmpty());
        EXPECT_FALSE(ord.contains(QLatin1Char(' ')));
        EXPECT_LE(ord.size(), 10);

        if (egna) {
            QStringList val{ord};
            for (int k = 2; k <= 8 && !G.Postfaelt[k].isEmpty(); ++k)
                val << G.Postfaelt[k];
            EXPECT_GE(val.size(), 2);
            EXPECT_LE(int(G.AntalFaelt), 8);
            EXPECT_EQ(QSet<QString>(val.begin(), val.end()).size(), val.size()) << "a choice twice";
            for (const QString &v : val)
                EXPECT_LE(v.size(), 10) << v.toStdString();
        } else {
            EXPECT_EQ(int(G.AntalFaelt), 1) << "choices come from the whole file";
            EXPECT_TRUE(fil10.contains(ord.toLower()));
        }

        if (oeversatt(programtal)) {
            EXPECT_TRUE(eng.contains(mening)) << "no English line";
            EXPECT_TRUE(tys.contains(mening)) << "no German line";
        }
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

} // namespace

TEST_F(InnehaallFlerbar, MenuFilesHaveGapsTheWindowCanOffer)
{
    for (const Fil &f : menyfiler)
        granska(QString::fromUtf8(f.namn), f.minst, QString::fromUtf8(f.rubrik2));
}

TEST_F(InnehaallFlerbar, DiagnosisTestsAndPracticeFollowTheirAreas)
{
    for (int n = 1; n <= 10; ++n) {
        const QString omraade = QString::fromUtf8(omraaden[n - 1]);
        granska(QStringLiteral("SVDI%1.DAT").arg(n, 2, 10, QLatin1Char('0')), 20, omraade,
                QStringLiteral("Diagnos"));
        granska(QStringLiteral("SVOVN1%1.DAT").arg(n, 2, 10, QLatin1Char('0')), 20, omraade,
                QString::fromUtf8("Övning"));
    }
}

TEST_F(InnehaallFlerbar, TranslationListsFitTheLoader)
{
    // Every line is an entry; none is lost to the 3000-line bound; both
    // languages cover the same sentences.
    EXPECT_GE(eng.size(), 200);
    EXPECT_LT(eng.size(), 3000);
    EXPECT_EQ(QSet<QString>(eng.keyBegin(), eng.keyEnd()), QSet<QString>(tys.keyBegin(), tys.keyEnd()));
    for (auto it = eng.cbegin(); it != eng.cend(); ++it) {
        EXPECT_TRUE(it.key().contains(QLatin1Char('<'))) << it.key().toStdString();
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
    }
}
