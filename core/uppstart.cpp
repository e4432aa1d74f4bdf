#include "core/uppstart.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/resultatflytt.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/ini.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace plattform;

std::function<void()> HuvudfoensterAktiveras;
QString konfigurationsbrist;

namespace {
bool byteOrdning(const QString &a, const QString &b) { return till1252(a) < till1252(b); }

template <typename Tabell>
void sortera(Tabell &t, int antal)
{
    QStringList l;
    for (int i = 1; i <= antal; ++i)
        l << t[i].str();
    std::sort(l.begin(), l.end(), byteOrdning);
    for (int i = 1; i <= antal; ++i)
        t[i] = l.at(i - 1);
}

// The configuration's base paths and directories are at most this long.
constexpr int SoekvaegGraens = 80;
// The sign-in's password field takes no more.
constexpr int LoesenGraens = 10;
const QString IniNamn = QStringLiteral("Morv2010.Ini");

QString saknadData()
{
    QString text = QStringLiteral("Kan inte hitta katalogen ") + G.start.CdSoekvaeg + QStringLiteral("\\DATA");
    if (!konfigurationsbrist.isEmpty())
        text += QStringLiteral("\n\n") + konfigurationsbrist;
    return text;
}

QString brist(const QString &ini, const IniFil &fil, bool laest, const QString &sektion,
              const QStringList &baskycklar)
{
    if (!laest)
        return QStringLiteral("Inställningsfilen ") + ini + QStringLiteral(" finns inte.");
    if (!fil.harSektion(sektion))
        return QStringLiteral("I inställningsfilen ") + ini + QStringLiteral(" saknas avsnittet [")
               + sektion + QStringLiteral("].");
    QStringList saknade;
    for (const QString &n : baskycklar)
        if (!fil.harNyckel(sektion, n))
            saknade << n;
    if (saknade.isEmpty())
        return {};
    return QStringLiteral("I inställningsfilen ") + ini + QStringLiteral(" saknas under [") + sektion
           + (saknade.size() == 1 ? QStringLiteral("] nyckeln ") : QStringLiteral("] nycklarna "))
           + saknade.join(QStringLiteral(" och ")) + QLatin1Char('.');
}
} // namespace

QString Installningsfil() { return iniSoekvaeg(IniNamn); }

bool HaemtaSoekvaegar()
{
    const QString ini = Installningsfil();
    saettAnkare(QFileInfo(ini).absolutePath());
    IniFil fil;
    const bool laest = fil.laes(ini);
    const QString sektion = QStringLiteral("Path");
    const QStringList nycklar{QStringLiteral("Morv2010CDPath"), QStringLiteral("Morv2010PCPath"),
                              QStringLiteral("MORV2010ScoreDirectory"), QStringLiteral("MORV2010DiagnosPath")};
    konfigurationsbrist = brist(ini, fil, laest, sektion, nycklar.mid(0, 2));

    // A longer path would be cut to one nobody configured: it is refused whole.
    QStringList vaerden;
    QStringList foerLaanga;
    for (const QString &n : nycklar) {
        QString v = fil.vaerde(sektion, n);
        if (v.size() > SoekvaegGraens) {
            foerLaanga << QStringLiteral("Sökvägen %1 i %2 är %3 tecken lång, men får vara högst %4 tecken:\n%5")
                              .arg(n, IniNamn)
                              .arg(v.size())
                              .arg(SoekvaegGraens)
                              .arg(v);
            v.clear();
        }
        vaerden << v;
    }
    G.start.CdSoekvaeg = vaerden[0];
    G.start.PcSoekvaeg = vaerden[1];
    G.start.ResultatKatalog = vaerden[2];
    if (!G.start.ResultatKatalog.isEmpty() && !G.start.ResultatKatalog.endsWith(QLatin1Char('\\')))
        G.start.ResultatKatalog += QLatin1Char('\\');
    G.start.DiagnosKatalog = vaerden[3];
    if (G.start.DiagnosKatalog.endsWith(QLatin1Char('\\')))
        G.start.DiagnosKatalog.chop(1);
    // Unless the configuration names a folder (one a class shares, say), the
    // results go to the user's data folder, outside the build, so a rebuild
    // or a fresh checkout leaves them. Its path is the system's: the length
    // limit is for what someone configured.
    const QString data = datakatalog();
    const bool rekordIData = G.start.ResultatKatalog.isEmpty() && !data.isEmpty() && foerLaanga.isEmpty();
    const bool diagnoserIData = G.start.DiagnosKatalog.isEmpty() && !data.isEmpty() && foerLaanga.isEmpty();
    if (rekordIData)
        G.start.ResultatKatalog = data + QLatin1Char('/');
    if (diagnoserIData)
        G.start.DiagnosKatalog = data;
    else if (G.start.DiagnosKatalog.isEmpty())
        G.start.DiagnosKatalog = (G.start.PcSoekvaeg + QStringLiteral("\\RESULTAT")).left(89);
    G.start.ReservLaerarLoesen = fil.vaerde(ReservLoesenSektion, ReservLoesenNyckel);
    if (G.start.ReservLaerarLoesen.size() > LoesenGraens) {
        visaVarning(QStringLiteral("Reservlösenordet %1 under [%2] i %3 är %4 tecken långt, men ett lösenord får "
                                   "vara högst %5 tecken. Det gäller inte.")
                        .arg(ReservLoesenNyckel, ReservLoesenSektion, ini)
                        .arg(G.start.ReservLaerarLoesen.size())
                        .arg(LoesenGraens));
        G.start.ReservLaerarLoesen.clear();
    }
    if (foerLaanga.isEmpty()) {
        if (rekordIData || diagnoserIData) {
            QDir().mkpath(data);
            // What a class saved where the results lay before.
            if (!G.start.PcSoekvaeg.isEmpty())
                FlyttaInTidigareResultat(G.start.PcSoekvaeg + QStringLiteral("\\RESULTAT"), data, diagnoserIData,
                                         rekordIData);
        }
        return true;
    }
    visaVarning(foerLaanga.join(QStringLiteral("\n\n")) + QStringLiteral("\n\nRätta inställningsfilen ") + ini
                + QStringLiteral(" och starta Morvika igen."));
    return false;
}

bool HaemtaDatFiler()
{
    G.start.AntalDatFiler = 0;
    G.start.AntalLovordFiler = 0;
    const QString lista = SoekInnehaall(QStringLiteral("\\DATA\\datfiler.sve"));
    RadLaesare fil;
    if (fil.oeppna(riktigSoekvaeg(lista))) {
        while (!fil.slut()) {
            const QString namn = fil.laesRad().trimmed().left(12);
            const QString ext = versalExt(namn);
            // Names past the table's end are ignored.
            if (ext == QLatin1String(".DAT") && G.start.AntalDatFiler < 140)
                G.start.DatFilTabell[++G.start.AntalDatFiler] = namn;
            else if (ext == QLatin1String(".LOV") && G.start.AntalLovordFiler < 20)
                G.start.LovordFilTabell[++G.start.AntalLovordFiler] = namn;
        }
        return true;
    }
    const QString katalog = HittaKatalog(QStringLiteral("\\DATA"));
    if (katalog.isEmpty()) {
        visaVarning(saknadData());
        return false;
    }
    QStringList namn = listaFiler(katalog, QStringLiteral("SV*.DAT"));
    for (const QString &n : namn) {
        if (G.start.AntalDatFiler >= 140)
            break;
        G.start.DatFilTabell[++G.start.AntalDatFiler] = n;
    }
    sortera(G.start.DatFilTabell, G.start.AntalDatFiler);
    return true;
}

void HaemtaLovordFiler()
{
    if (G.start.AntalLovordFiler != 0)
        return;
    const QString katalog = HittaKatalog(QStringLiteral("\\DATA"));
    if (katalog.isEmpty()) {
        visaVarning(saknadData());
        return;
    }
    for (const QString &n : listaFiler(katalog, QStringLiteral("SVOM*.LOV"))) {
        if (G.start.AntalLovordFiler >= 20)
            break;
        G.start.LovordFilTabell[++G.start.AntalLovordFiler] = n;
    }
    sortera(G.start.LovordFilTabell, G.start.AntalLovordFiler);
}

bool Uppstart()
{
    G.start.CdSoekvaeg.clear();
    G.start.AntalLovordFiler = 0;
    G.oevning.DatFilIndex = 1;
    G.post.PostNummer = 1;
    G.beroem.BildNummer = 1;
    G.diagnos.ValtTest = 1;
    G.arbetsblad.NySida = 0;
    saettLaege(Laege::Oevning);
    if (!HaemtaSoekvaegar())
        return false;
    if (!HaemtaDatFiler())
        return false;
    HaemtaLovordFiler();
    SkapaSlumpordning(1, 900);
    return true;
}

bool Kolla(const QString &namn)
{
    G.oevning.DatFilIndex = 1;
    for (auto &r : G.oevning.Rubrikrader)
        r.clear();
    G.oevning.Instruktion.clear();
    G.oevning.Fraagerad.clear();
    // A name that is not in the table is refused; it never shares an index
    // with another file.
    int index = 0;
    for (int i = 1; i <= G.start.AntalDatFiler; ++i)
        if (G.start.DatFilTabell[i] == namn) {
            index = i;
            break;
        }
    const QString fel = saknadFil(namn);
    if (index == 0) {
        G.oevning.DatFilIndex = 0;
        visaMeddelande(fel);
        if (HuvudfoensterAktiveras)
            HuvudfoensterAktiveras();
        return false;
    }
    G.oevning.DatFilIndex = index;
    if (G.start.FilAntalPoster[index] != 0) {
        // Counted before in this run: only the headings are read, unless the
        // file has changed its items since (emptied, shortened, grown or
        // gone while the program runs); then it is counted again.
        const QStringList *poster = Postfil().poster(namn);
        if (poster && poster->size() == G.start.FilAntalPoster[index]) {
            ordantal(namn, index, false);
            return true;
        }
        G.start.FilAntalPoster[index] = 0;
    }
    ordantal(namn, index, true);
    if (G.start.FilAntalPoster[index] == 0) {
        visaMeddelande(fel);
        if (HuvudfoensterAktiveras)
            HuvudfoensterAktiveras();
        return false;
    }
    return true;
}

void ordantal(const QString &namn, int index, bool raekna)
{
    const QString ext = versalExt(namn);
    QString under;
    if (ext == QLatin1String(".DAT"))
        under = QStringLiteral("\\DATA\\DAT\\");
    else if (ext == QLatin1String(".LOV"))
        under = QStringLiteral("\\DATA\\LOV\\");
    RadLaesare fil;
    if (namn.isEmpty() || !fil.oeppna(riktigSoekvaeg(SoekInnehaall(under + namn)))) {
        visaMeddelande(saknadFil(under + namn));
        return;
    }
    int rubrik = 0;
    auto rubrikrad = [&](const QString &rad) {
        if (rad.startsWith(QStringLiteral("$§")))
            G.oevning.Instruktion = rad.mid(2);
        else if (rad.startsWith(QStringLiteral("$%")))
            G.oevning.Fraagerad = rad.mid(2);
        else {
            rubrik = std::min(rubrik + 1, 3);
            G.oevning.Rubrikrader[rubrik] = rad.mid(1);
        }
    };
    if (raekna) {
        int antal = 0;
        while (!fil.slut()) {
            const QString rad = fil.laesRad();
            if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')))
                continue;
            if (rad.startsWith(QLatin1Char('$')))
                rubrikrad(rad);
            else
                ++antal;
        }
        if (ext == QLatin1String(".DAT"))
            G.start.FilAntalPoster[index] += antal;
        else if (ext == QLatin1String(".LOV"))
            G.start.LovordAntalRader[index] += antal;
    } else {
        for (int i = 0; i < 6 && !fil.slut(); ++i) {
            const QString rad = fil.laesRad();
            if (rad.isEmpty())
                break;
            if (rad.startsWith(QLatin1Char('$')))
                rubrikrad(rad);
        }
    }
}

Word GeProgramtal(const QString &namn)
{
    const qsizetype punkt = namn.indexOf(QLatin1Char('.'));
    const QString stam = punkt < 0 ? namn : namn.left(punkt);
    qsizetype b = stam.size();
    while (b > 0 && stam.at(b - 1).isDigit() && stam.at(b - 1).unicode() < 128)
        --b;
    // No digits give 0; a number past the word's range saturates.
    quint64 tal = 0;
    for (qsizetype i = b; i < stam.size(); ++i) {
        tal = tal * 10 + quint64(stam.at(i).unicode() - '0');
        if (tal > 65535)
            return 65535;
    }
    return Word(tal);
}
