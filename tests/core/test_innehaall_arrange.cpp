// The bundled files of the sentence-parts and alphabetical-order windows,
// read through the program's own readers: every sentence has parts to place
// with a code for each, level files climb from level 1 in enough steps, and
// every list is a list the pupil can put in Swedish alphabetical order;
// the games' files hold classed words and groups of four with a reason.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/ordkamp.h"
#include "core/ordna.h"
#include "core/program.h"
#include "core/satsdelar.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QSet>

namespace {

class ByggdInnehaall : public ByggdMiljoe {};

// The item lines of a data file (comments and title lines left out), with
// their line numbers.
QList<QPair<int, QString>> poster(const QString &namn)
{
    QList<QPair<int, QString>> ut;
    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn))))
        return ut;
    for (int nr = 1; !fil.slut(); ++nr) {
        const QString rad = fil.laesRad();
        if (!rad.isEmpty() && !rad.startsWith(QLatin1Char(';')) && !rad.startsWith(QLatin1Char('$')))
            ut.append({nr, rad});
    }
    return ut;
}

// Swedish alphabetical order, letter case aside: a..z, then å, ä, ö.
QString sorteringsnyckel(const QString &ord)
{
    QString k;
    for (QChar c : ord.toLower()) {
        if (c == QChar(0xE5)) c = QChar(0x7B);
        else if (c == QChar(0xE4)) c = QChar(0x7C);
        else if (c == QChar(0xF6)) c = QChar(0x7D);
        k += c;
    }
    return k;
}

} // namespace

TEST_F(ByggdInnehaall, SentencePartsAndListsAreFitForTheirWindows)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    int sats = 0, ordna = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        const Programdata &p = program(GeProgramtal(namn));
        auto felrad = [&](int rad, const QString &vad) { fel << QStringLiteral("%1:%2: %3").arg(namn).arg(rad).arg(vad); };
        if (p.foenster == Foenstertyp::TSats) {
            ++sats;
            QSet<QString> sedda;
            for (const auto &[nr, rad] : poster(namn)) {
                QString text = rad;
                if (p.nivaaer && nivaaAvRad(rad, &text) == 0)
                    felrad(nr, QStringLiteral("no level 1..20 in front"));
                const Postdelar d = str_postarray(text);
                const Satsbitar b = delaSats(d.faelt[1]);
                QStringList koder;
                for (int k = 2; k <= 6; ++k)
                    koder << d.faelt[k];
                if (tilldelaRutor(b, koder).size() != b.antalDelar() || b.antalDelar() == 0)
                    felrad(nr, QStringLiteral("a part without a known code, or nothing to place"));
                if (int(d.antalFaelt) - 1 != b.antalDelar())
                    felrad(nr, QStringLiteral("%1 parts but %2 codes").arg(b.antalDelar()).arg(int(d.antalFaelt) - 1));
                const QString m = d.faelt[1].toLower();
                if (sedda.contains(m))
                    felrad(nr, QStringLiteral("the same sentence twice"));
                sedda.insert(m);
            }
            if (p.nivaaer) {
                const Nivaafil f = laesNivaafil(namn);
                if (f.antalNivaaer < 5)
                    felrad(0, QStringLiteral("%1 levels, fewer than 5").arg(f.antalNivaaer));
                for (int n = 1; n <= f.antalNivaaer; ++n)
                    if (f.rader[std::size_t(n)].size() < 6)
                        felrad(0, QStringLiteral("level %1 has fewer than 6 items").arg(n));
            } else if (sedda.size() < 20) {
                felrad(0, QStringLiteral("%1 sentences, fewer than 20").arg(sedda.size()));
            }
        } else if (p.foenster == Foenstertyp::TOrdna) {
            ++ordna;
            const auto rader = poster(namn);
            if (rader.size() < 15)
                felrad(0, QStringLiteral("%1 lists, fewer than 15").arg(rader.size()));
            for (const auto &[nr, rad] : rader) {
                const Postdelar d = str_postarray(rad);
                QStringList faelt;
                for (int k = 1; k <= 10; ++k)
                    faelt << d.faelt[k];
                const QStringList ord = ordAttOrdna(faelt);
                if (ord.size() < 4 || int(d.antalFaelt) != ord.size())
                    felrad(nr, QStringLiteral("not a list of 4 to 8 words"));
                for (int k = 1; k < ord.size(); ++k)
                    if (sorteringsnyckel(ord.at(k - 1)) >= sorteringsnyckel(ord.at(k)))
                        felrad(nr, QStringLiteral("\"%1\" does not come before \"%2\"").arg(ord.at(k - 1), ord.at(k)));
            }
        }
    }
    EXPECT_EQ(sats, 3);
    EXPECT_EQ(ordna, 3);
    EXPECT_TRUE(fel.isEmpty()) << fel.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ByggdInnehaall, GameFilesHoldClassedWordsAndGroupsOfFour)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    int ordkamp = 0, katt = 0;
    const QSet<QString> klasser = {QStringLiteral("substantiv"), QStringLiteral("adjektiv"), QStringLiteral("verb")};
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        const Foenstertyp typ = program(GeProgramtal(namn)).foenster;
        if (typ != Foenstertyp::TFalska && typ != Foenstertyp::Tkatten)
            continue;
        auto felrad = [&](int rad, const QString &vad) { fel << QStringLiteral("%1:%2: %3").arg(namn).arg(rad).arg(vad); };
        const auto rader = poster(namn);
        if (rader.size() < 30)
            felrad(0, QStringLiteral("%1 items, fewer than 30").arg(rader.size()));
        QSet<QString> sedda;
        int iKlassen = 0;
        for (const auto &[nr, rad] : rader) {
            const Postdelar d = str_postarray(rad);
            if (sedda.contains(d.faelt[1].toLower()))
                felrad(nr, QStringLiteral("\"%1\" twice").arg(d.faelt[1]));
            sedda.insert(d.faelt[1].toLower());
            if (typ == Foenstertyp::TFalska) {
                if (d.antalFaelt != 2 || !klasser.contains(d.faelt[2]))
                    felrad(nr, QStringLiteral("not a word and its class"));
                iKlassen += iOrdklassen(d.faelt[2], Ordkampsklass(GeProgramtal(namn))) ? 1 : 0;
                continue;
            }
            QSet<QString> grupp;
            for (int k = 1; k <= 4; ++k)
                grupp.insert(d.faelt[k].toLower());
            if (d.antalFaelt != 5 || grupp.size() != 4 || grupp.contains(QString()) || d.faelt[5].isEmpty())
                felrad(nr, QStringLiteral("not four different words and a reason"));
            // A capital letter must not point out the odd word: "månen" among
            // "Mars", "Venus" and "Jupiter" is found without knowing a planet.
            auto stor = [&](int k) { return !d.faelt[k].isEmpty() && d.faelt[k].at(0).isUpper(); };
            if (stor(2) == stor(3) && stor(3) == stor(4) && stor(1) != stor(2))
                felrad(nr, QStringLiteral("the odd word alone differs in its capital letter"));
        }
        if (typ == Foenstertyp::TFalska) {
            ++ordkamp;
            // Enough of the game's class that a question rarely has none.
            if (iKlassen * 4 < int(rader.size()))
                felrad(0, QStringLiteral("fewer than a quarter of the words in the class"));
        } else {
            ++katt;
        }
    }
    EXPECT_EQ(ordkamp, 3);
    EXPECT_EQ(katt, 2);
    EXPECT_TRUE(fel.isEmpty()) << fel.join(QLatin1Char('\n')).toStdString();
}
