#pragma once
// Files that hold what the users made (pupil records, the teacher password,
// record tables) are replaced whole or not at all: the new content goes to a
// scratch file, which is written completely, checked, flushed to the disk
// and then renamed onto the real name in one step. Whatever fails, the old
// file stays as it was and the scratch file is removed.
//
// A lock file beside the data keeps two running copies of the program from
// interleaving their read-modify-write cycles. Readers take no lock.
//
// Why not QSaveFile: the callers tell the user which step failed (the
// Skrivutfall below: a scratch file that cannot be created has a message of
// its own), which QSaveFile's one true or false does not say; the directory
// is synced after the rename, so the new name itself is on the disk when the
// call returns; tests make a write fail partway (saettSkrivgraens); and
// archiving a protocol and moving results over need a rename that never
// replaces an existing file (bytNamnUtanErsaettning), which Qt does not
// offer. The lock (Skrivlaas) spans the whole read-modify-write cycle,
// which no single file write can.
#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace plattform {

enum class Skrivutfall {
    Klart,                  // the real file now holds the new content
    SkraepKundeInteSkapas,  // the scratch file could not be created
    Skrivfel,               // writing, flushing or closing the scratch file failed
    NamnbyteMisslyckades,   // the scratch file could not take the real name
};

// Replaces (or creates) the file at the real path `maal` with `innehaall`.
// `skraep` is the scratch file's real path; empty: `maal` + ".ny". The old
// file's permissions carry over to the new one.
Skrivutfall skrivHelFil(const QString &maal, const QByteArray &innehaall,
                        const QString &skraep = QString());

// Renames `fraan` to `till` only when `till` does not exist; an existing
// file of that name is never replaced. Both are real paths.
bool bytNamnUtanErsaettning(const QString &fraan, const QString &till);

// For tests: every later write of `skrivHelFil` fails once this many bytes of
// the scratch file are written (the bytes before the limit do reach the
// scratch file). Negative: no limit.
qint64 saettSkrivgraens(qint64 antalBytes);   // returns the limit replaced

// Holds the lock file at the real path `laasfil` for its lifetime, waiting at
// most the set time for another copy of the program to let it go. A lock
// left behind by a copy that died is taken over, an empty or unreadable one
// as soon as it is a few seconds old.
class Skrivlaas {
public:
    explicit Skrivlaas(const QString &laasfil);
    ~Skrivlaas();
    Skrivlaas(const Skrivlaas &) = delete;
    Skrivlaas &operator=(const Skrivlaas &) = delete;
    bool haalls() const { return m_haalls; }

    // How long a lock waits, in milliseconds (15000 at start).
    static int saettVaentetid(int ms);   // returns the time replaced
private:
    QLockFile m_fil;
    bool m_haalls = false;
};

} // namespace plattform
