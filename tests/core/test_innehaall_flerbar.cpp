// The bundled content of the word-choice exercise: every file opens, every
// item has one gap whose word the window can offer, and the choices fit the
// eight panels. The category-choice files: their alternatives fit the seven
// panels and their right answers follow the rule each program teaches. The facts of each program come from the program table, so
// a wrong row shows up as content that does not fit it.
#include "../support/innehaallskontroll.h"
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/oeversaettning.h"
#include "core/passakt.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"

#include <QDir>
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
    {"SVE23800.DAT", 12, "KS-'ljudet'"},
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
                                "NG-ljudet", "J-ljudet", "KS-'ljudet'", "S-ljudet", "Dubbelskrivning"};

// A translation list as the program loads it.
QHash<QString, QString> laesOrdlista(Byte spraak)
{
    G.val.Oeversaettning = spraak;
    G.ordlistor.ListBox1.clear();
    G.ordlistor.ListBox2.clear();
    FyllEngListan();
    QHash<QString, QString> lista;
    for (qsizetype k = 0; k < G.ordlistor.ListBox1.size() && k < G.ordlistor.ListBox2.size(); ++k)
        lista.insert(G.ordlistor.ListBox1.at(k), G.ordlistor.ListBox2.at(k));
    return lista;
}

class InnehaallFlerbar : public ByggdMiljoe {
protected:
    void SetUp() override
    {
        ByggdMiljoe::SetUp();
        ASSERT_TRUE(Uppstart());
        eng = laesOrdlista(1);
        tys = laesOrdlista(2);
    }
    void TearDown() override
    {
        ByggdMiljoe::TearDown();
    }

    void granska(const QString &namn, int minst, const QString &rubrik2, const QString &rubrik1 = QString());

    QHash<QString, QString> eng, tys;
    QSet<QString> oeversatta;   // the sentences of the translated items checked so far
};

void InnehaallFlerbar::granska(const QString &namn, int minst, const QString &rubrik2, const QString &rubrik1)
{
    SCOPED_TRACE(namn.toStdString());
    G.oevning.DatFilNamn = namn;
    ASSERT_TRUE(Kolla(namn));
    const int antal = G.start.FilAntalPoster[G.oevning.DatFilIndex];
    EXPECT_GE(antal, minst);
    EXPECT_EQ(G.oevning.Rubrikrader[2].str(), rubrik2);
    if (!rubrik1.isEmpty()) {
        EXPECT_EQ(G.oevning.Rubrikrader[1].str(), rubrik1);
    }
    EXPECT_FALSE(G.oevning.Instruktion.str().isEmpty());
    EXPECT_FALSE(G.oevning.Fraagerad.str().isEmpty());

    const Programdata &rad = program(GeProgramtal(namn));
    EXPECT_EQ(rad.foenster, Foenstertyp::TFLERBAR);
    const bool egna = rad.egnaVal;

    // First pass: the gap words in file order, as the window collects them.
    QStringList fil10;
    QSet<QString> allaOrd;
    QStringList rader;
    for (int n = 1; n <= antal; ++n) {
        haemtaord(namn, n);
        rader << G.post.HaemtadRad;
        const Postdelar post = str_postarray(G.post.HaemtadRad);
        LetaPrep(post.faelt[1]);
        const QString ord = G.post.LetaPrepDelar[2].toLower();
        allaOrd.insert(ord);
        if (!ord.isEmpty() && !fil10.contains(ord) && fil10.size() < 10)
            fil10 << ord;
    }
    if (!egna) {
        EXPECT_LE(allaOrd.size(), 8) << fil10.join(QLatin1String(", ")).toStdString();
    }

    for (int n = 1; n <= antal; ++n) {
        SCOPED_TRACE(rader[n - 1].toStdString());
        const Postdelar post = str_postarray(rader[n - 1]);
        const QString mening = post.faelt[1];
        EXPECT_EQ(mening.count(QLatin1Char('<')), 1);
        EXPECT_EQ(mening.count(QLatin1Char('>')), 1);
        EXPECT_LT(mening.indexOf(QLatin1Char('<')), mening.indexOf(QLatin1Char('>')));
        EXPECT_LE(mening.size(), 70);
        EXPECT_EQ(post.antalAlternativ, 0);
        LetaPrep(mening);
        const QString ord = G.post.LetaPrepDelar[2];
        EXPECT_FALSE(ord.isEmpty());
        EXPECT_FALSE(ord.contains(QLatin1Char(' ')));
        EXPECT_LE(ord.size(), 10);

        if (egna) {
            QStringList val{ord};
            for (int k = 2; k <= 8 && !post.faelt[k].isEmpty(); ++k)
                val << post.faelt[k];
            EXPECT_GE(val.size(), 2);
            EXPECT_LE(int(post.antalFaelt), 8);
            EXPECT_EQ(QSet<QString>(val.begin(), val.end()).size(), val.size()) << "a choice twice";
            for (const QString &v : val)
                EXPECT_LE(v.size(), 10) << v.toStdString();
        } else {
            EXPECT_EQ(int(post.antalFaelt), 1) << "choices come from the whole file";
            EXPECT_TRUE(fil10.contains(ord.toLower()));
        }

        if (rad.oeversaettning) {
            EXPECT_TRUE(eng.contains(mening)) << "no English line";
            EXPECT_TRUE(tys.contains(mening)) << "no German line";
            oeversatta.insert(mening);
        }
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

} // namespace

TEST_F(InnehaallFlerbar, MenuFilesHaveGapsTheWindowCanOffer)
{
    for (const Fil &f : menyfiler)
        granska(QString::fromUtf8(f.namn), f.minst, QString::fromUtf8(f.rubrik2));
    // Every item of the translated gap-sentence exercise has both lines.
    int antalRader = 0;
    const Programdata *rader = programrader(antalRader);
    for (int r = 0; r < antalRader; ++r) {
        if (rader[r].foenster != Foenstertyp::TSkrivinf || !rader[r].oeversaettning)
            continue;
        const QString namn = QStringLiteral("SVE%1.DAT").arg(rader[r].fraan);
        ASSERT_TRUE(Kolla(namn)) << namn.toStdString();
        for (int n = 1; n <= G.start.FilAntalPoster[G.oevning.DatFilIndex]; ++n) {
            haemtaord(namn, n);
            const Postdelar post = str_postarray(G.post.HaemtadRad);
            EXPECT_TRUE(eng.contains(post.faelt[1])) << "no English line: " << post.faelt[1].toStdString();
            EXPECT_TRUE(tys.contains(post.faelt[1])) << "no German line: " << post.faelt[1].toStdString();
            oeversatta.insert(post.faelt[1]);
        }
    }
}

namespace {
// Letters in the order of the Swedish alphabet.
bool iAlfabetiskOrdning(const QString &ord)
{
    const QString alfabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzåäö");
    for (qsizetype k = 1; k < ord.size(); ++k)
        if (alfabet.indexOf(ord.at(k - 1).toLower()) >= alfabet.indexOf(ord.at(k).toLower()))
            return false;
    return true;
}
} // namespace

TEST_F(InnehaallFlerbar, CategoryChoiceFilesFitTheirPanelsAndExplanations)
{
    const QStringList filer = QStringList{QStringLiteral("SVDI17.DAT")} + menyfilerFoer(Foenstertyp::TPassAkt);
    EXPECT_EQ(filer.size(), 9);
    QSet<QString> menyord;
    for (const QString &namn : filer) {
        SCOPED_TRACE(namn.toStdString());
        G.oevning.DatFilNamn = namn;
        ASSERT_TRUE(Kolla(namn));
        const int poster = G.start.FilAntalPoster[G.oevning.DatFilIndex];
        EXPECT_GE(poster, 40);
        EXPECT_FALSE(G.oevning.Instruktion.str().isEmpty());
        const Word p = GeProgramtal(namn);
        const Programdata &d = program(p);
        const bool markerat = d.foerklaring == Kategorifoerklaring::Uttal
                              || d.foerklaring == Kategorifoerklaring::Satsdel;
        QSet<QString> sedda;
        for (int n = 1; n <= poster; ++n) {
            haemtaord(namn, n);
            SCOPED_TRACE(G.post.HaemtadRad.toStdString());
            const Postdelar post = str_postarray(G.post.HaemtadRad);
            const QString f1 = post.faelt[1];
            const QString f2 = post.faelt[2];
            EXPECT_FALSE(sedda.contains(f1)) << "an item twice";
            sedda.insert(f1);
            if (p == 17)
                EXPECT_FALSE(menyord.contains(f1)) << "the test shares an item with the menus";
            else if (d.foerklaring == Kategorifoerklaring::Alfabetisk)
                menyord.insert(f1);
            const QStringList val = PassAktAlternativ(post.faelt);
            EXPECT_GE(val.size(), 2);
            EXPECT_TRUE(post.faelt[9].isEmpty()) << "more than seven alternatives";
            EXPECT_EQ(QSet<QString>(val.begin(), val.end()).size(), val.size()) << "an alternative twice";
            for (const QString &v : val)
                EXPECT_LE(v.size(), ValVisningsLaengd) << v.toStdString();
            EXPECT_EQ(f1.count(QLatin1Char('<')), markerat ? 1 : 0);
            EXPECT_EQ(f1.count(QLatin1Char('>')), markerat ? 1 : 0);
            EXPECT_FALSE(PassAktFoerklaring(p, f1, f2).isEmpty());
            if (d.foerklaring == Kategorifoerklaring::Vokaler) {
                int vokaler = 0;
                for (QChar c : f1)
                    vokaler += QStringLiteral("aeiouyåäö").contains(c.toLower()) ? 1 : 0;
                EXPECT_EQ(f2, QString::number(vokaler));
            }
            if (d.foerklaring == Kategorifoerklaring::Alfabetisk) {
                EXPECT_EQ(f2, iAlfabetiskOrdning(f1) ? QStringLiteral("Ja") : QStringLiteral("Nej"));
            }
            if (d.oeversaettning) {
                EXPECT_TRUE(eng.contains(f1)) << "no English line";
                EXPECT_TRUE(tys.contains(f1)) << "no German line";
            }
        }
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

TEST_F(InnehaallFlerbar, RulePagesAndSoundsOfTheTableAreInTheContent)
{
    QSet<QString> sidor;
    for (const QString &s : QDir(QStringLiteral(MORV_CONTENT_DIR "/regler")).entryList(QDir::Files))
        sidor.insert(s);
    QSet<QString> anvaenda;
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        const Programdata &d = rader[r];
        const QString sida = QString::fromLatin1(d.regelsida);
        EXPECT_EQ(d.regelknapp != Regelknapp::Ingen, !sida.isEmpty() && d.foenster != Foenstertyp::Ingen) << d.fraan;
        if (!sida.isEmpty()) {
            EXPECT_TRUE(sidor.contains(sida)) << d.fraan << " " << d.regelsida;
            anvaenda.insert(sida);
        }
        // A sound exercise of the word-choice, category-choice or dictation
        // window with its data file has its sounds made; the other windows
        // add their spoken field as they are built.
        const bool harData = plattform::filFinns(
            SoekInnehaall(QStringLiteral("\\DATA\\DAT\\SVE%1.DAT").arg(d.fraan)));
        if (d.ljudOevning && harData
            && (d.foenster == Foenstertyp::TFLERBAR || d.foenster == Foenstertyp::TPassAkt
                || d.foenster == Foenstertyp::TDiktam || d.foenster == Foenstertyp::TSkrivinf)) {
            EXPECT_GT(d.ljudfaelt, 0) << d.fraan;
        }
    }
    EXPECT_EQ(sidor - anvaenda, QSet<QString>()) << "a rule page no program shows";
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
    // Every key is field 1 of an item of a translated program, as the
    // windows look it up: a sentence with its gap, or a dictation word.
    QSet<QString> faelt1;
    int antal = 0;
    const Programdata *rader = programrader(antal);
    for (int r = 0; r < antal; ++r) {
        const QString namn = QStringLiteral("SVE%1.DAT").arg(rader[r].fraan);
        if (!rader[r].oeversaettning || rader[r].fraan != rader[r].till
            || !plattform::filFinns(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn)))
            continue;
        ASSERT_TRUE(Kolla(namn)) << namn.toStdString();
        for (int n = 1; n <= G.start.FilAntalPoster[G.oevning.DatFilIndex]; ++n) {
            haemtaord(namn, n);
            const Postdelar post = str_postarray(G.post.HaemtadRad);
            faelt1.insert(post.faelt[1]);
        }
    }
    for (auto it = eng.cbegin(); it != eng.cend(); ++it) {
        EXPECT_TRUE(faelt1.contains(it.key())) << it.key().toStdString();
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
        EXPECT_FALSE(tys.value(it.key()).isEmpty()) << it.key().toStdString();
    }
}
