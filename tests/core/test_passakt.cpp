// The category choice's decisions: the alternatives of an item and the
// sentence after a wrong choice, per program.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/passakt.h"

class PassAktBeslut : public Miljoe {};

TEST_F(PassAktBeslut, AtMostSevenAlternativesInByteOrderAndWhole)
{
    const QString laang = QStringLiteral("En mycket lång kategori med fler än trettio tecken");
    const QStringList val =
        PassAktAlternativ(str_postarray(QStringLiteral("ord#Åsna#Ärt#ärt#b#") + laang + QStringLiteral("#c#d#e#f")).faelt);
    // Fields 2..8 only; capitals before small letters, Ä before Å.
    EXPECT_EQ(val, (QStringList{laang, QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                QStringLiteral("Ärt"), QStringLiteral("Åsna"), QStringLiteral("ärt")}));
    EXPECT_EQ(PassAktAlternativ(str_postarray(QStringLiteral("ord#Nej#Ja##Kanske")).faelt),
              (QStringList{QStringLiteral("Ja"), QStringLiteral("Nej")}));
}

TEST_F(PassAktBeslut, ExplanationPerProgram)
{
    auto f = [](Word p, const char *f1, const char *f2) {
        return PassAktFoerklaring(p, QString::fromUtf8(f1), QString::fromUtf8(f2));
    };
    EXPECT_EQ(f(21100, "B som i Bertil", "En konsonant"), QStringLiteral("B som i Bertil är en konsonant."));
    EXPECT_EQ(f(21200, "potatis", "3"), QStringLiteral("Det finns 3 vokaler."));
    EXPECT_EQ(f(21200, "knä", "1"), QStringLiteral("Det finns 1 vokal."));
    EXPECT_EQ(f(21300, "a som i katt", "Hård"), QStringLiteral("a som i katt är en hård vokal."));
    EXPECT_EQ(f(22100, "glass", "Kort"), QStringLiteral("glass har en kort vokal."));
    EXPECT_EQ(f(25500, "Solen <sk>iner.", "SJ-ljud"), QStringLiteral("sk uttalas här med sj-ljud."));
    EXPECT_EQ(f(34200, "bil", "Ja"), QStringLiteral("Bokstäverna i bil står i alfabetisk ordning."));
    EXPECT_EQ(f(17, "mus", "Nej"), QStringLiteral("Bokstäverna i mus står inte i alfabetisk ordning."));
    EXPECT_EQ(f(46300, "hoppa", "Ett regelbundet verb"), QStringLiteral("hoppa är ett regelbundet verb."));
    // The sentence part is written out: a pupil cannot be expected to read "dat.obj.".
    EXPECT_EQ(f(47400, "Mamma gav <mig> en ny tröja.", "dat.obj."), QStringLiteral("mig är dativobjekt."));
    EXPECT_EQ(f(47400, "Katten jagar <en mus>.", "ack.obj."), QStringLiteral("en mus är ackusativobjekt."));
    EXPECT_EQ(f(47400, "Valen är <ett däggdjur>.", "pred.f."), QStringLiteral("ett däggdjur är predikatsfyllnad."));
    // Without a mark the whole text is named.
    EXPECT_EQ(f(47400, "Himlen blev mörk.", "pred.f."), QStringLiteral("Himlen blev mörk. är predikatsfyllnad."));
}

TEST_F(PassAktBeslut, GrammatikTermLaterMatchesWin)
{
    EXPECT_EQ(GrammatikTerm(QStringLiteral("ack.obj."), 0), QStringLiteral("ackusativ"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("dat.obj."), 1), QStringLiteral("Dativ"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("Pred.f."), 0), QStringLiteral("predikatsfyllnad"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("predikat"), 0), QStringLiteral("predikat"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("predikatsfyllnad"), 1), QStringLiteral("Predikatsfyllnad"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("passiv"), 1), QStringLiteral("Passiv"));
    EXPECT_EQ(GrammatikTerm(QStringLiteral("okänd"), 1), QStringLiteral("Okänd"));
}
