// The bundled files of the word-collection games: the common checks, and on
// every line 3 to 40 accepted words (every common right word is listed; more
// than 40 means two lines ran together), none empty, none twice and none the
// shown word itself (the game's split keeps every field, empty or not).
#include "../support/innehaallskontroll.h"
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/program.h"
#include "core/rekord.h"
#include "core/svarstest.h"
#include "core/synonym.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QSet>

namespace {

QStringList granskaSynonymfil(const QString &namn)
{
    QStringList fel;
    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(DataUnderkatalog(namn) + namn))))
        return {namn + QStringLiteral(":0: cannot be read")};
    for (int radnr = 1; !fil.slut(); ++radnr) {
        QString rad = fil.laesRad();
        if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')) || rad.startsWith(QLatin1Char('$')))
            continue;
        if (Tillstaand::Postdata::Radskrypterad == 1)
            rad = dekryptrad(rad);
        auto felrad = [&](const QString &vad) { fel << QStringLiteral("%1:%2: %3").arg(namn).arg(radnr).arg(vad); };
        const Synonymrad r = delaSynonymrad(rad);
        if (r.svar.size() < 3 || r.svar.size() > 40)
            felrad(QStringLiteral("%1 accepted words").arg(r.svar.size()));
        QSet<QString> sedda;
        for (const QString &s : r.svar) {
            const QString v = SvVersaler(s);
            if (s.trimmed().isEmpty() || s != s.trimmed())
                felrad(QStringLiteral("an empty or padded word"));
            else if (v == SvVersaler(r.ord))
                felrad(QStringLiteral("the shown word is its own answer"));
            else if (sedda.contains(v))
                felrad(QStringLiteral("\"%1\" twice").arg(s));
            sedda.insert(v);
        }
    }
    return fel;
}

} // namespace

class InnehaallSynonym : public ByggdMiljoe {};

TEST_F(InnehaallSynonym, EveryFileOfTheWordCollectionPasses)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    Innehaallsregler regler;
    regler.lucka = false;
    regler.minstPoster = 24;
    int granskade = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        if (program(GeProgramtal(namn)).foenster != Foenstertyp::TSynon)
            continue;
        ++granskade;
        fel << granskaDatafil(namn, regler) << granskaSynonymfil(namn);
        // The record table's heading names the game as its menu does.
        G.oevning.DatFilNamn = namn;
        if (Kolla(namn) && G.oevning.Rubrikrader[2] != rekordProgramnamn(GeProgramtal(namn)))
            fel << QStringLiteral("%1: the record table says \"%2\", the title line \"%3\"")
                       .arg(namn, rekordProgramnamn(GeProgramtal(namn)), G.oevning.Rubrikrader[2]);
    }
    EXPECT_EQ(granskade, 4);
    EXPECT_TRUE(fel.isEmpty()) << fel.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
