// The bundled files of the typed-answer window: the common checks, an
// answer on every line that the question does not already give, help texts
// only before the "&" alternatives (a field after them would be accepted as
// an answer), and no diagnosis question in the files that train for it.
#include "../support/innehaallskontroll.h"
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/program.h"
#include "core/skrivposter.h"
#include "core/svarstest.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

namespace {

QStringList granskaSkrivfil(const QString &namn)
{
    QStringList fel;
    plattform::RadLaesare fil;
    if (!fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(DataUnderkatalog(namn) + namn))))
        return {namn + QStringLiteral(":0: cannot be read")};
    for (int radnr = 1; !fil.slut(); ++radnr) {
        const QString rad = fil.laesRad();
        if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')) || rad.startsWith(QLatin1Char('$')))
            continue;
        auto felrad = [&](const QString &vad) { fel << QStringLiteral("%1:%2: %3").arg(namn).arg(radnr).arg(vad); };
        const Postdelar post = str_postarray(rad);
        if (post.faelt[2].trimmed().isEmpty() || post.faelt[2].startsWith(QLatin1Char('&')))
            felrad(QStringLiteral("no answer"));
        else if (SvVersaler(post.faelt[1].trimmed()) == SvVersaler(post.faelt[2].trimmed()))
            felrad(QStringLiteral("the question is its own answer"));
        const QStringList faelt = rad.split(QLatin1Char('#'));
        bool alternativ = false;
        for (qsizetype f = 2; f < faelt.size(); ++f) {
            const bool amp = faelt.at(f).trimmed().startsWith(QLatin1Char('&'));
            if (alternativ && !amp)
                felrad(QStringLiteral("a help text after the alternatives"));
            alternativ = alternativ || amp;
        }
        if (int(post.antalFaelt) - int(post.antalAlternativ) - 2 > 2)
            felrad(QStringLiteral("more than two help texts"));
        for (const QString &h : hjaelptexter(post))
            if (svarstest(post.faelt[2], h, 3, post) == SvarRaett)
                felrad(QStringLiteral("a help text is accepted as the answer"));
    }
    return fel;
}

} // namespace

class InnehaallSkriv : public ByggdMiljoe {};

TEST_F(InnehaallSkriv, EveryListedFileOfTheTypedAnswerWindowPasses)
{
    ASSERT_TRUE(Uppstart());
    QStringList fel;
    QHash<QString, Meningar> meningar;
    QHash<QString, Svarspar> par;
    Innehaallsregler regler;
    regler.lucka = false;
    regler.minstPerOrd = 0;
    int granskade = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i) {
        const QString namn = G.start.DatFilTabell[i].str();
        const Word p = GeProgramtal(namn);
        if (program(p).foenster != Foenstertyp::TSKRIV)
            continue;
        ++granskade;
        fel << granskaDatafil(namn, regler, &meningar[namn], &par[namn]);
        if (program(p).bokstaever == 0)
            fel << granskaSkrivfil(namn);
    }
    EXPECT_EQ(granskade, 27);

    // A diagnosis pool shares no question with its practice or the menu files
    // of its diagnosis item, and holds none of their items turned round.
    for (auto d = meningar.cbegin(); d != meningar.cend(); ++d) {
        const Word test = GeProgramtal(d.key());
        if (!d.key().startsWith(QStringLiteral("SVDI")))
            continue;
        for (auto t = meningar.cbegin(); t != meningar.cend(); ++t) {
            const Word p = GeProgramtal(t.key());
            if (p == 100 + test || (p > 200 && GeDiagnosNummer(p) == test))
                fel << gemensammaMeningar(d.key(), d.value(), t.key(), t.value())
                    << omvaendaPar(d.key(), par.value(d.key()), t.key(), par.value(t.key()));
        }
    }
    EXPECT_TRUE(fel.isEmpty()) << fel.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
