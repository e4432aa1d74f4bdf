#include "core/diagnosfil.h"

#include "core/svarstest.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"
#include "platform/text1252.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

using plattform::Skrivutfall;

namespace {
// Offsets of the pupil record.
constexpr int NamnPos = 0, NamnLaengd = 21;
constexpr int LoesenPos = 22, LoesenLaengd = 10;
constexpr int ResultatPos = 36, StatusPos = 116;
constexpr int AarPos = 136, MaanadPos = 176, DagPos = 216, TimmePos = 256, MinutPos = 296;
// Offsets of the teacher-password record.
constexpr int AnvaendarePos = 0, LoesenfaeltPos = 27, LoesenfaeltLaengd = 26;

const QString Diagnosfil = QStringLiteral("SDIAG.DIA");
const QString Slaskfil = QStringLiteral("Slask.DI2");
const QString Laerarfil = QStringLiteral("SVE45444.DOT");
const QString Laasfil = QStringLiteral("SDIAG.LCK");

// ---- bytes -----------------------------------------------------------------
void skrivText(QByteArray &b, int pos, int n, const QString &text)
{
    const QByteArray t = plattform::till1252(text).left(n);
    b[pos] = char(t.size());
    std::memcpy(b.data() + pos + 1, t.constData(), size_t(t.size()));
}

QString laesText(const QByteArray &b, int pos, int n)
{
    const int laengd = std::min<int>(static_cast<unsigned char>(b.at(pos)), n);
    return plattform::fraan1252(b.mid(pos + 1, laengd));
}

void skrivOrd(QByteArray &b, int pos, Word v)
{
    b[pos] = char(v & 0xFF);
    b[pos + 1] = char(v >> 8);
}

Word laesOrd(const QByteArray &b, int pos)
{
    return Word(static_cast<unsigned char>(b.at(pos)) | (static_cast<unsigned char>(b.at(pos + 1)) << 8));
}

void skrivHeltal(QByteArray &b, int pos, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        b[pos + k] = char((u >> (8 * k)) & 0xFF);
}

std::int32_t laesHeltal(const QByteArray &b, int pos)
{
    std::uint32_t u = 0;
    for (int k = 0; k < 4; ++k)
        u |= std::uint32_t(static_cast<unsigned char>(b.at(pos + k))) << (8 * k);
    return static_cast<std::int32_t>(u);
}

QByteArray fylltTill(const QByteArray &bytes, int storlek)
{
    QByteArray b = bytes.left(storlek);
    if (b.size() < storlek)
        b.append(QByteArray(storlek - b.size(), '\0'));
    return b;
}

// ---- the directory ---------------------------------------------------------
// The directory as the user finds it on this system ("/" between the names).
QString katalogText() { return plattform::riktigSoekvaeg(G.start.DiagnosKatalog); }

QString kundeInteSparas()
{
    return QStringLiteral("Diagnosfilen ") + katalogText() + QStringLiteral("/SDIAG.DIA kunde inte sparas");
}

QString saknasEllerFelaktig()
{
    return QStringLiteral("Diagnosfilen ") + katalogText()
           + QStringLiteral("/SDIAG.DIA saknas eller är felaktig");
}

bool laesHelFil(const QString &riktig, QByteArray &innehaall)
{
    if (!QFileInfo(riktig).isFile())
        return false;
    QFile f(riktig);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    innehaall = f.readAll();
    return f.error() == QFileDevice::NoError;
}

// The rewrite of SDIAG.DIA with the given records; false after telling the
// user why.
bool skrivDiagnosfil(const QList<QByteArray> &poster, bool nySkraepfilMeddelande)
{
    QByteArray allt;
    allt.reserve(poster.size() * DiagnospostStorlek);
    for (const QByteArray &p : poster)
        allt += p;
    const Skrivutfall utfall = plattform::skrivHelFil(diagnosSoekvaeg(Diagnosfil), allt,
                                                     diagnosSoekvaeg(Slaskfil));
    if (utfall == Skrivutfall::Klart)
        return true;
    if (utfall == Skrivutfall::SkraepKundeInteSkapas && nySkraepfilMeddelande)
        plattform::visaInformation(QStringLiteral("Ny fil i katalogen ") + katalogText()
                                   + QStringLiteral(" kunde inte skapas"));
    else
        plattform::visaInformation(kundeInteSparas());
    return false;
}

QString tvaaSiffror(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

// ---- the teacher password ----------------------------------------------------
// The password is always scrambled: "#" in front, then the per-position
// transformation, so the stored text begins with ")" whatever the first
// letter. The line scrambling alone would leave a password that begins with
// ")", ";", "$" or "#" as it stands; ")" + the unscrambling of ")" + password
// is that same transformation for every first letter. Reading unscrambles
// what begins with ")" and takes anything else as it stands, so a password
// an older copy stored in clear (";..." and the like) still reads.
QString krypteraLoesen(const QString &loesen)
{
    return QLatin1Char(')') + dekryptrad(QLatin1Char(')') + loesen);
}

// The password of a readable, whole, non-empty teacher-password file.
bool laesLaerarfil(QString &loesen)
{
    QByteArray b;
    if (!laesHelFil(diagnosSoekvaeg(Laerarfil), b) || b.size() < LararlosenpostStorlek)
        return false;
    loesen = dekryptrad(avkodaLararlosenpost(b).loesen.str());
    return !loesen.isEmpty();
}

// Pupils' results in the diagnosis directory: a pupil record, or an archive.
bool elevdataFinns()
{
    QList<QByteArray> poster;
    return (laesDiagnosposter(poster) && !poster.isEmpty())
           || !plattform::listaFiler(G.start.DiagnosKatalog, QStringLiteral("SV*.DIS")).isEmpty();
}

bool skrivLaerarfil(const QString &loesen)
{
    return plattform::skrivHelFil(diagnosSoekvaeg(Laerarfil), LaerarfilMed(loesen)) == Skrivutfall::Klart;
}
} // namespace

// ---- layouts -----------------------------------------------------------------
QByteArray kodaDiagnospost(const Diagnospost &post)
{
    QByteArray b(DiagnospostStorlek, '\0');
    skrivText(b, NamnPos, NamnLaengd, post.namn);
    skrivText(b, LoesenPos, LoesenLaengd, post.loesen);
    for (int n = 1; n <= 20; ++n) {
        const int i = n - 1;
        skrivHeltal(b, ResultatPos + 4 * i, post.resultat[n]);
        b[StatusPos + i] = char(post.status[n]);
        skrivOrd(b, AarPos + 2 * i, post.aar[n]);
        skrivOrd(b, MaanadPos + 2 * i, post.maanad[n]);
        skrivOrd(b, DagPos + 2 * i, post.dag[n]);
        skrivOrd(b, TimmePos + 2 * i, post.timme[n]);
        skrivOrd(b, MinutPos + 2 * i, post.minut[n]);
    }
    return b;
}

Diagnospost avkodaDiagnospost(const QByteArray &bytes)
{
    const QByteArray b = fylltTill(bytes, DiagnospostStorlek);
    Diagnospost post;
    post.namn = laesText(b, NamnPos, NamnLaengd);
    post.loesen = laesText(b, LoesenPos, LoesenLaengd);
    for (int n = 1; n <= 20; ++n) {
        const int i = n - 1;
        post.resultat[n] = laesHeltal(b, ResultatPos + 4 * i);
        post.status[n] = static_cast<unsigned char>(b.at(StatusPos + i));
        post.aar[n] = laesOrd(b, AarPos + 2 * i);
        post.maanad[n] = laesOrd(b, MaanadPos + 2 * i);
        post.dag[n] = laesOrd(b, DagPos + 2 * i);
        post.timme[n] = laesOrd(b, TimmePos + 2 * i);
        post.minut[n] = laesOrd(b, MinutPos + 2 * i);
    }
    return post;
}

QByteArray kodaLararlosenpost(const Lararlosenpost &post)
{
    QByteArray b(LararlosenpostStorlek, '\0');
    skrivText(b, AnvaendarePos, LoesenfaeltLaengd, post.anvaendare);
    skrivText(b, LoesenfaeltPos, LoesenfaeltLaengd, post.loesen);
    return b;
}

Lararlosenpost avkodaLararlosenpost(const QByteArray &bytes)
{
    const QByteArray b = fylltTill(bytes, LararlosenpostStorlek);
    Lararlosenpost post;
    post.anvaendare = laesText(b, AnvaendarePos, LoesenfaeltLaengd);
    post.loesen = laesText(b, LoesenfaeltPos, LoesenfaeltLaengd);
    return post;
}

QByteArray LaerarfilMed(const QString &loesen)
{
    Lararlosenpost post;
    post.anvaendare = kryptrad(QStringLiteral("LÄRARE"));
    post.loesen = krypteraLoesen(loesen);
    return kodaLararlosenpost(post);
}

QString lagratNamn(const QByteArray &post)
{
    return laesText(fylltTill(post, NamnLaengd + 1), NamnPos, NamnLaengd);
}

// ---- operations ----------------------------------------------------------------
QString diagnosSoekvaeg(const QString &namn)
{
    return plattform::riktigSoekvaeg(G.start.DiagnosKatalog + QLatin1Char('\\') + namn);
}

bool laesDiagnosposter(QList<QByteArray> &poster)
{
    poster.clear();
    QByteArray allt;
    if (!laesHelFil(diagnosSoekvaeg(Diagnosfil), allt))
        return false;
    for (qsizetype p = 0; p + DiagnospostStorlek <= allt.size(); p += DiagnospostStorlek)
        poster.append(allt.mid(p, DiagnospostStorlek));
    return true;
}

void NyDiagnospost()
{
    Diagnospost &d = G.diagnos.Diagnostabell;
    d.namn.clear();
    d.loesen.clear();
    d.resultat.fyll(0);
    for (int n = 1; n <= 20; ++n)
        d.status[n] = GeStatusTal(n);
}

QString HaemtaDiagnospost(const QString &namn)
{
    QString loesen;
    QList<QByteArray> poster;
    bool hittad = false;
    if (laesDiagnosposter(poster)) {
        const QString nyckel = SvVersaler(namn);
        for (const QByteArray &p : poster) {
            if (SvVersaler(lagratNamn(p)) == nyckel) {
                G.diagnos.Diagnostabell = avkodaDiagnospost(p);
                loesen = G.diagnos.Diagnostabell.loesen;
                hittad = true;
                break;
            }
        }
    }
    if (!hittad)
        NyDiagnospost();
    G.diagnos.Diagnostabell.namn = namn;
    return loesen;
}

bool DiagnosNamnFinns(const QString &namn)
{
    QList<QByteArray> poster;
    bool finns = false;
    if (laesDiagnosposter(poster)) {
        const QString nyckel = SvVersaler(namn);
        for (const QByteArray &p : poster)
            if (SvVersaler(lagratNamn(p)) == nyckel) {
                finns = true;
                break;
            }
    }
    if (!finns)
        NyDiagnospost();
    G.diagnos.Diagnostabell.namn = namn;
    return finns;
}

bool DiagnosNamnlista(QStringList &namn)
{
    namn.clear();
    QList<QByteArray> poster;
    if (!laesDiagnosposter(poster))
        return false;
    for (const QByteArray &p : poster)
        namn << lagratNamn(p);
    return true;
}

bool SparaProtokoll()
{
    plattform::Skrivlaas laas(diagnosSoekvaeg(Laasfil));
    if (!laas.haalls()) {
        plattform::visaInformation(kundeInteSparas());
        return false;
    }
    const QByteArray egen = kodaDiagnospost(G.diagnos.Diagnostabell);
    QList<QByteArray> poster;
    if (!QFileInfo::exists(diagnosSoekvaeg(Diagnosfil))) {
        // A new class: the teacher password comes with its first record, so
        // that a file missing later beside the records was removed.
        QString loesen;
        if (!elevdataFinns() && !laesLaerarfil(loesen))
            skrivLaerarfil(InitialtLaerarLoesen);
        poster << egen;
        return skrivDiagnosfil(poster, false);
    }
    if (!laesDiagnosposter(poster)) {
        plattform::visaInformation(kundeInteSparas());
        return false;
    }
    const QString nyckel = SvVersaler(G.diagnos.Diagnostabell.namn.str());
    bool ersatt = false;
    for (QByteArray &p : poster)
        if (SvVersaler(lagratNamn(p)) == nyckel) {
            p = egen;
            ersatt = true;
        }
    if (!ersatt)
        poster << egen;
    return skrivDiagnosfil(poster, false);
}

bool SparaRaderaProt(const QString &namnAttRadera)
{
    const QString namn = namnAttRadera.left(25);
    auto avbryt = [] {
        G.diagnos.Raderingslaege = 0;
        return false;
    };
    QList<QByteArray> poster;
    if (!laesDiagnosposter(poster)) {
        plattform::visaInformation(saknasEllerFelaktig());
        return avbryt();
    }
    if (G.diagnos.Raderingslaege == 1) {
        const QString fraaga = QStringLiteral("Vill du verkligen ta bort diagnosen \"")
                               + G.diagnos.Diagnostabell.namn + QStringLiteral("\"?");
        if (!plattform::fraagaJaNej(fraaga))
            return avbryt();
    }

    plattform::Skrivlaas laas(diagnosSoekvaeg(Laasfil));
    if (!laas.haalls()) {
        plattform::visaInformation(kundeInteSparas());
        return avbryt();
    }
    // Read again under the lock: another copy may have saved meanwhile.
    if (!laesDiagnosposter(poster)) {
        plattform::visaInformation(saknasEllerFelaktig());
        return avbryt();
    }
    QList<QByteArray> kvar;
    int borttagna = 0;
    for (const QByteArray &p : poster) {
        const QString lagrat = lagratNamn(p);
        if (lagrat == namn)
            ++borttagna;
        else if (!lagrat.isEmpty())
            kvar << p;
    }
    if (kvar.size() != poster.size() && !skrivDiagnosfil(kvar, true))
        return avbryt();
    if (borttagna == 0)
        return avbryt();
    plattform::visaInformation(QStringLiteral("Diagnosen \"") + namn + QStringLiteral("\" är borttagen."));
    return true;
}

QString TidsstampelText(bool goera)
{
    if (!goera)
        return QString();
    const QDateTime nu = plattform::klocka().nu();
    const QDate d = nu.date();
    const QTime t = nu.time();
    return QString::number(d.year()).mid(2, 2) + tvaaSiffror(d.month()) + tvaaSiffror(d.day())
           + tvaaSiffror(t.hour()) + tvaaSiffror(t.minute());
}

bool SparaUndanDiagnosfil(const QString &staempel)
{
    const QString fil = diagnosSoekvaeg(Diagnosfil);
    QFile test(fil);
    if (!QFileInfo(fil).isFile() || !test.open(QIODevice::ReadOnly)) {
        plattform::visaInformation(saknasEllerFelaktig());
        return false;
    }
    test.close();
    plattform::Skrivlaas laas(diagnosSoekvaeg(Laasfil));
    const QString arkivnamn = QStringLiteral("SV") + staempel + QStringLiteral(".DIS");
    const QString arkiv = diagnosSoekvaeg(arkivnamn);
    if (QFileInfo::exists(arkiv)) {
        plattform::visaInformation(QStringLiteral("Filen ") + arkiv
                                   + QStringLiteral(" finns redan. Diagnoserna är inte borttagna."));
        return false;
    }
    if (!laas.haalls() || !plattform::bytNamnUtanErsaettning(fil, arkiv)) {
        plattform::visaInformation(QStringLiteral("Diagnosfilen ") + katalogText()
                                   + QStringLiteral("/SDIAG.DIA kunde inte sparas undan. Diagnoserna är inte borttagna."));
        return false;
    }
    return true;
}

namespace {
enum class Laerarloesen {
    Laest,       // the file's password, or the initial one in a file just made
    Borttaget,   // no whole file beside pupils' results: nothing is in effect
    Fel,         // the file could not be made
};

Laerarloesen laesLaerarloesen()
{
    QString loesen;
    if (laesLaerarfil(loesen)) {
        G.diagnos.LaerarLoesen = loesen;
        return Laerarloesen::Laest;
    }
    plattform::Skrivlaas laas(diagnosSoekvaeg(Laasfil));
    if (laas.haalls() && laesLaerarfil(loesen)) {   // made meanwhile by another copy
        G.diagnos.LaerarLoesen = loesen;
        return Laerarloesen::Laest;
    }
    // Only a new, empty directory starts with the initial password. Where
    // pupils' results lie, the file was there and someone removed or spoilt
    // it: the pupils can write here, so that must not open the panel.
    if (elevdataFinns()) {
        G.diagnos.LaerarLoesen.clear();
        return Laerarloesen::Borttaget;
    }
    if (!laas.haalls() || !skrivLaerarfil(InitialtLaerarLoesen)) {
        plattform::visaMeddelande(QStringLiteral("Kunde inte skapa lärarlösenfilen."));
        return Laerarloesen::Fel;
    }
    G.diagnos.LaerarLoesen = InitialtLaerarLoesen;
    return Laerarloesen::Laest;
}

QString borttagetLoesen()
{
    const QString foerst
        = QStringLiteral("Lärarlösenordet saknas: filen SVE45444.DOT är borttagen eller skadad i katalogen ")
          + katalogText()
          + QStringLiteral(", där det redan finns elevers diagnoser. Därför gäller inte heller startlösenordet.\n\n");
    const QString sedan = QStringLiteral(" och byt lösenord: tryck på bokstaven Ä när knappen Info är markerad.");
    const QString plats = Installningsfil() + QStringLiteral(", under [") + ReservLoesenSektion
                          + QStringLiteral("] på raden ") + ReservLoesenNyckel + QLatin1Char('=');
    if (!G.start.ReservLaerarLoesen.isEmpty())
        return foerst + QStringLiteral("Logga in som Lärare med reservlösenordet i inställningsfilen ") + plats + sedan;
    return foerst + QStringLiteral("Be den som installerade Morvika att skriva ett reservlösenord i "
                                   "inställningsfilen ")
           + plats + QStringLiteral(". Logga sedan in som Lärare med reservlösenordet") + sedan;
}
} // namespace

void LararLosenFil(int typ)
{
    if (typ == 1) {
        laesLaerarloesen();
    } else if (typ == 2) {
        const QString nytt = G.diagnos.Diagnostabell.loesen;
        // A confirmed change is written even when the file has gone since
        // the sign-in, so it is never dropped without a word.
        if (nytt.isEmpty())
            return;
        const bool fanns = QFileInfo(diagnosSoekvaeg(Laerarfil)).isFile();
        plattform::Skrivlaas laas(diagnosSoekvaeg(Laasfil));
        if (!laas.haalls() || !skrivLaerarfil(nytt)) {
            plattform::visaMeddelande(fanns ? QStringLiteral("Lösenordet är inte ändrat. Det gamla lösenordet "
                                                             "gäller fortfarande.")
                                            : QStringLiteral("Kunde inte skapa lärarlösenfilen. Lösenordet är "
                                                             "inte ändrat."));
            return;
        }
        plattform::visaInformation(QStringLiteral("Lösenordet är ändrat."));
    }
}

bool LaerarLoesenGodkaent(const QString &skrivet)
{
    if (skrivet.isEmpty())
        return false;
    const Laerarloesen l = laesLaerarloesen();
    if (!G.start.ReservLaerarLoesen.isEmpty() && skrivet == G.start.ReservLaerarLoesen)
        return true;
    if (l == Laerarloesen::Borttaget) {
        plattform::visaVarning(borttagetLoesen());
        return false;
    }
    return !G.diagnos.LaerarLoesen.isEmpty() && skrivet == G.diagnos.LaerarLoesen;
}
