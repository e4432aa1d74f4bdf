#include "core/ljud.h"

#include "core/innehaall.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/media.h"
#include "platform/seams.h"

using namespace plattform;

const QString IngenLjudutgaangText =
    QStringLiteral("Datorn har ingen ljudutgång. Ljuden kan inte spelas upp.\n"
                   "I Diktamen kan du öva ändå: välj \"Bara se ordet\" och öka \"Visningstid\" "
                   "med pilen upp tills du hinner läsa ordet.");

void SaegIngenLjudutgaang()
{
    if (G.ljud.LjudutgaangSaknasSagt)
        return;
    G.ljud.LjudutgaangSaknasSagt = true;
    visaInformation(IngenLjudutgaangText);
}

namespace {
const QString ljud = QStringLiteral("\\LJUD\\");

bool ljudIKatalogenSjaelv(Word p) { return program(p).ljudUtanNivaaer; }

QString saknasText(const QString &foere, const QString &soekvaeg)
{
    return foere + soekvaeg.toUpper() + QStringLiteral("  finns inte eller är felaktig.");
}

void spela(const QString &soekvaeg, bool vaenta)
{
    Mediaspelare &spelare = mediaspelare();
    if (!spelare.harLjudutgaang()) {
        SaegIngenLjudutgaang();
        return;
    }
    if (!spelare.spela(riktigSoekvaeg(soekvaeg), vaenta))
        visaFel(spelare.felText());
}
} // namespace

QString LjudKatalogFoer(Word programtal)
{
    const QString siffror = QString::number(programtal);
    QString k = QStringLiteral("S") + siffror.left(program(programtal).ljudFyraSiffror ? 4 : 3);
    if (k == QLatin1String("S11"))
        k = QStringLiteral("S111");
    return k;
}

QString LjudUnderkatalog(Word programtal, int antalPoster, int postnummer)
{
    const QString k = LjudKatalogFoer(programtal);
    if (antalPoster > 99 && !ljudIKatalogenSjaelv(programtal))
        return k + QStringLiteral("\\L") + QString::number(postnummer / 100);
    return k;
}

QString PostLjudNamn(const QString &ljudKatalog, int postnummer)
{
    if (postnummer < 0 || postnummer > 999)
        return {};
    return ljudKatalog + QStringLiteral("%1").arg(postnummer, 3, 10, QLatin1Char('0'))
           + QStringLiteral(".WAV");
}

bool SpelasTillSlut(Word p) { return program(p).spelasTillSlut; }

namespace {
// The sound under the PC path, else under the CD path; a sound under
// neither is reported with the CD path's name.
void spelaUnderBaserna(const QString &rest, const QString &foereText, bool vaenta)
{
    const QString fil = HittaInnehaall(rest);
    if (fil.isEmpty())
        visaInformation(saknasText(foereText, G.start.CdSoekvaeg + rest));
    else
        spela(fil, vaenta);
}
} // namespace

void GeLjudDirectory() { G.ljud.LjudKatalog = LjudKatalogFoer(G.oevning.Programtal); }

void SpelaUppWavLjud(const QString &namn)
{
    if (G.ljud.RaktLjud == 1) {
        G.ljud.RaktLjud = 0;
        // A sound straight from "\LJUD\" (the anthem) never holds the
        // window up, whatever the last exercise's program number says.
        spelaUnderBaserna(ljud + namn, QStringLiteral("Ljudfilen "), false);
        return;
    }
    QString under = G.ljud.LjudKatalog;
    const int index = G.oevning.DatFilIndex;
    const int antal = decltype(G.start.FilAntalPoster)::inom(index) ? G.start.FilAntalPoster[index] : 0;
    if (antal > 99 && !ljudIKatalogenSjaelv(G.oevning.Programtal)) {
        const int n = G.runda.RaettaFel == 1 ? G.fel.FelPostNummer : G.post.PostNummer;
        under += QStringLiteral("\\L") + QString::number(n / 100);
    }
    const QString rest = G.ljud.LjudKatalog.isEmpty() ? ljud + namn : ljud + under + QLatin1Char('\\') + namn;
    spelaUnderBaserna(rest, QStringLiteral("Ljudfilen  "), SpelasTillSlut(G.oevning.Programtal));
    G.ljud.RaktLjud = 0;
}
