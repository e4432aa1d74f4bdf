// The bundled files of the reading comprehension and the reading gym, read
// through the program's own readers and found through the program table.
#include "../support/innehaallskontroll.h"
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/laestext.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QRegularExpression>

namespace {
class ByggdLaesning : public ByggdMiljoe {};

QStringList postrader(const QString &namn)
{
    QStringList ut;
    plattform::RadLaesare fil;
    if (fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn))))
        while (!fil.slut()) {
            const QString rad = fil.laesRad();
            if (!rad.isEmpty() && !rad.startsWith(QLatin1Char(';')) && !rad.startsWith(QLatin1Char('$')))
                ut << rad;
        }
    return ut;
}
} // namespace

TEST_F(ByggdLaesning, QuestionFilesHaveTwoOrThreeAlternativesAndEveryFableItsText)
{
    ASSERT_TRUE(Uppstart());
    const QStringList filer = menyfilerFoer(Foenstertyp::TInseTxt);
    ASSERT_EQ(filer.size(), 10);
    QStringList fel;
    for (const QString &namn : filer) {
        const bool fabel = namn != QStringLiteral("SVE32130.DAT");
        Innehaallsregler r;
        r.lucka = false;
        r.svarIFaelt2 = true;
        r.minstPoster = fabel ? 8 : 20;
        fel << granskaDatafil(namn, r);
        for (const QString &rad : postrader(namn)) {
            const Postdelar post = str_postarray(rad);
            const int antal = AntalAlternativIPost(post.faelt[2], post.faelt[3], post.faelt[4]);
            if (antal < 2 || post.antalFaelt > 4)
                fel << namn + QStringLiteral(": not two or three alternatives: ") + rad;
            for (int f = 3; f <= 4; ++f)
                if (post.faelt[f] == post.faelt[2])
                    fel << namn + QStringLiteral(": the answer among its wrong ones: ") + rad;
        }
        if (!fabel)
            continue;
        const QString las = HittaInnehaall(QStringLiteral("\\DATA\\LAS\\") + LasfilNamn(namn));
        plattform::RadLaesare fil;
        if (las.isEmpty() || !fil.oeppna(plattform::riktigSoekvaeg(las))) {
            fel << namn + QStringLiteral(": no reading text");
            continue;
        }
        QStringList rader;
        while (!fil.slut())
            rader << fil.laesRad();
        static const QRegularExpression blanka(QStringLiteral("\\s+"));
        const int ord = int(JusteraMemoText(rader).join(QLatin1Char(' ')).split(blanka, Qt::SkipEmptyParts).size());
        if (ord < 150 || ord > 400)
            fel << namn + QStringLiteral(": a reading text of %1 words").arg(ord);
    }
    EXPECT_TRUE(fel.isEmpty()) << fel.join('\n').toStdString();
}

TEST_F(ByggdLaesning, TheReadingGymHasSixtyWordsOfItsLength)
{
    ASSERT_TRUE(Uppstart());
    const QStringList filer = menyfilerFoer(Foenstertyp::TLasLjud);
    ASSERT_EQ(filer, QStringList({"SVE54100.DAT", "SVE54200.DAT"}));
    QStringList fel;
    for (const QString &namn : filer) {
        Innehaallsregler r;
        r.lucka = false;
        r.minstPoster = 60;
        fel << granskaDatafil(namn, r);
        const int laengd = namn == QStringLiteral("SVE54100.DAT") ? 2 : 3;
        for (const QString &rad : postrader(namn))
            if (rad.size() != laengd || rad.contains(QLatin1Char(' ')))
                fel << namn + QStringLiteral(": not a word of %1 letters: ").arg(laengd) + rad;
    }
    EXPECT_TRUE(fel.isEmpty()) << fel.join('\n').toStdString();
}
