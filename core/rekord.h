#pragma once
// The record tables of the word-collection games: one file of 36-byte
// records per program, best result first, at most 100 rows. Saving reads
// the file again under its lock and replaces it whole, so a result saved
// meanwhile by another copy of the program is kept.
#include "core/tillstaand.h"

#include <QByteArray>
#include <QList>
#include <QString>

inline constexpr int RekordpostStorlek = 36;
inline constexpr int Rekordrader = 100;

QByteArray kodaRekordpost(const Rekordpost &post);
Rekordpost avkodaRekordpost(const QByteArray &bytes);   // shorter arrays read as zeros

// "yymmdd hh:nn" of a record.
QString RekordTidText(const Rekordpost &post);
// The result cell: right-aligned by leading blanks; empty outside 1..30000.
QString rekordResultatText(std::int32_t resultat);
// The program's name in the heading ("Poet", "Skarva", "Synonym 1", "Synonym 2").
QString rekordProgramnamn(int programtal);
// Sets the date and time of a record to the clock's present minute.
void Datumet(Rekordpost &post);

// The table with the new result ranked in: rows 1..antal filled, the new
// result in row `nyRad` (101 when it has no place among the 100).
struct Rekordtabell {
    Arr<Rekordpost, 0, 101> rader;
    int antal = 0;
    int nyRad = 0;
};
// The new result goes before the first strictly lower one, so a tie keeps
// the older entry first.
Rekordtabell rangordna(const QList<Rekordpost> &lagrade, const Rekordpost &ny);

// The record file of a data file: the score directory (or the PC path's
// "\RESULTAT\") + the name up to its first "." + ".SVR".
QString rekordfilFoer(const QString &datfil);

// "Katalogen <dir>, där resultaten ska sparas, finns inte eller ..."
QString rekordkatalogMeddelande();
// The table G.spelare.RekordFilNamn could not be written: because the disk is full,
// or for a reason the system does not name.
QString rekordDiskFullMeddelande();
QString rekordSkrivfelMeddelande();

enum class Rekordlaesning { Laest, Skapad, Misslyckad };
// Reads G.spelare.RekordFilNamn (at most 100 records); a missing file is created
// empty. When it fails, `fel` (if given) gets the message that says why.
Rekordlaesning laesRekordfil(QList<Rekordpost> &poster, QString *fel = nullptr);
// Ranks `ny` into the table on disk as it stands now and writes it back:
// every filled row, whatever the names. False when the file cannot be read
// or written; the table on disk is then as it was, and `fel` (if given)
// gets the message that says why: a missing or write-protected directory,
// a full disk where the system tells, or a table that could not be written.
bool sparaRekord(const Rekordpost &ny, QString *fel = nullptr);
