#pragma once
// The diagnosis directory's files: the pupil-record file SDIAG.DIA (one
// 336-byte record per pupil), its scratch file Slask.DI2, the archives
// "SV" + stamp + ".DIS" and the teacher-password file SVE45444.DOT (one
// 54-byte record). Every operation works on G.start.DiagnosKatalog and the current
// pupil record G.diagnos.Diagnostabell, and reports through the message seam.
//
// Every rewrite goes through the safe writer (scratch file, checked, synced,
// renamed in one step) under the directory's lock file SDIAG.LCK, so a
// failure never costs a pupil's record.
#include "core/tillstaand.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// ---- record layouts --------------------------------------------------------
inline constexpr int DiagnospostStorlek = 336;
inline constexpr int LararlosenpostStorlek = 54;

// The two texts of the teacher-password record, as stored (scrambled).
struct Lararlosenpost {
    TextN<26> anvaendare;
    TextN<26> loesen;
};

// To and from the bytes on disk. Decoding takes the first record's worth of
// bytes (a shorter array reads as zeros past its end); a length byte above
// its field's size reads as the whole field.
QByteArray kodaDiagnospost(const Diagnospost &post);
Diagnospost avkodaDiagnospost(const QByteArray &bytes);
QByteArray kodaLararlosenpost(const Lararlosenpost &post);
Lararlosenpost avkodaLararlosenpost(const QByteArray &bytes);

// The whole teacher-password file holding `loesen`.
QByteArray LaerarfilMed(const QString &loesen);

// The stored name of a raw record, without unscrambling.
QString lagratNamn(const QByteArray &post);

// ---- the files -------------------------------------------------------------
// The real path of a file in the diagnosis directory ("SDIAG.DIA"), in the
// spelling on disk when a file of that name exists in any letter case.
QString diagnosSoekvaeg(const QString &namn);

// The whole records of SDIAG.DIA in file order, each 336 raw bytes; a trailing
// partial record is left out. False when the file cannot be read.
bool laesDiagnosposter(QList<QByteArray> &poster);

// Clears the current pupil record: no name, no password, every result 0 and
// every status from its result. The date fields stay as they are.
void NyDiagnospost();

// Looks the pupil up (stored name against the argument, letter case ignored)
// and makes the record current, or a fresh one. The current record then
// carries `namn` as given. Returns the stored password (empty: none).
QString HaemtaDiagnospost(const QString &namn);

// Names are stored and compared as plain text (never unscrambled), so a
// name that begins with ")" finds its own record.
// True when a stored name equals `namn` without regard to
// letter case; otherwise the current record is cleared. In every case the
// current record's name becomes `namn`.
bool DiagnosNamnFinns(const QString &namn);

// Every stored name in file order (the sign-in list sorts
// them). False when there is no pupil-record file to read.
bool DiagnosNamnlista(QStringList &namn);

// Writes the current record into SDIAG.DIA: over every record of the same
// name (letter case ignored), else at the end; creates the file when there
// is none, and in a new directory the teacher-password file with the initial
// password beside it. On failure the file stays as it was and the user is told.
bool SparaProtokoll();

// Removes the records named exactly `namnAttRadera` (cut at 25 characters)
// and every record without a name. Asks first while G.diagnos.Raderingslaege is on.
// True only when a record of that name was removed and the file rewritten;
// otherwise G.diagnos.Raderingslaege is switched off and the file is as it was.
bool SparaRaderaProt(const QString &namnAttRadera);

// The ten-digit stamp yymmddhhnn of the clock's present moment, or an empty
// text when `goera` is false.
QString TidsstampelText(bool goera);

// Renames SDIAG.DIA to "SV" + stamp + ".DIS". An archive of that name is
// never replaced: the user is told and SDIAG.DIA stays.
bool SparaUndanDiagnosfil(const QString &staempel);

// Kind 1: reads the teacher password into G.diagnos.LaerarLoesen, making the file
// with the initial password when it is missing, short or holds no password,
// but only while the directory holds no pupils' results (records in
// SDIAG.DIA, archives): there no password is in effect (G.diagnos.LaerarLoesen
// empty) until a teacher signs in with the reserve password and sets one.
// Kind 2: writes the current record's password as the new teacher password
// (making the file when it has gone) and says whether it was changed;
// G.diagnos.LaerarLoesen stays. Other kinds: nothing.
void LararLosenFil(int typ);

// The teacher's password check of the sign-in: reads the file (kind 1) and
// accepts the password in effect or the reserve password from the
// configuration (G.start.ReservLaerarLoesen; none when empty). Never an empty one.
// When no password is in effect because the file is gone from beside the
// pupils' results, it says what the teacher can do.
bool LaerarLoesenGodkaent(const QString &skrivet);

inline const QString InitialtLaerarLoesen = QStringLiteral("TOVRINGA");
