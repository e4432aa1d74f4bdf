#pragma once
// Data files and item lines: fetching the n-th item of a file, splitting an
// item line into its fields, splitting a text at its "<" ">" marks, and the
// line scrambling in which item lines may be stored.
#include "core/innehaall.h"

#include <QByteArray>
#include <QString>
#include <optional>

#include "core/typer.h"

// "\DATA\DAT\" for a ".DAT" name, else "\DATA\LOV\".
QString DataUnderkatalog(const QString &namn);

// An item line split into its fields: 1..10 the text fields ("#" between
// them, leading blanks off), the field count and the count of alternative
// answers (the fields from the first one marked "&" on).
struct Postdelar {
    Arr<QString, 1, 10> faelt;
    Word antalFaelt = 0;
    Word antalAlternativ = 0;
};

// The n-th item line of a data or praise file (comments and header lines
// skipped); nullopt when the file cannot be opened. A file with fewer items
// gives its last one.
std::optional<QString> laesPostrad(const QString &namn, int n);
// The fields of an item line; a scrambled line is unscrambled first.
Postdelar delaPostrad(const QString &rad);
// A text split at its "<" and ">" marks: 1 before, 2 the marked part, 3 after...
// Text after a fourth mark joins part 5, so a line with too many marks still
// shows all its words.
Arr<QString, 1, 5> delaVidMarkeringar(const QString &text);
// The number of the first empty field, 11 when all ten are filled.
int foerstaTommaFaelt(const Arr<QString, 1, 10> &faelt);

// The same, into the shared state the windows read (HaemtadRad, Postfaelt,
// AntalFaelt, AntalAlternativ, LetaPrepDelar). haemtaord empties HaemtadRad
// when the file cannot be opened, so no earlier item shows again; it then
// returns false.
bool haemtaord(const QString &namn, int n);
void str_postarray(const QString &rad);
void LetaPrep(const QString &text);

// True when the sentence has a gap word (LetaPrep's second part) that is not
// empty or blank. A gap item without one cannot be answered and is passed
// over like a comment.
bool harLuckord(const QString &mening);

QByteArray kryptrad(const QByteArray &rad);
QByteArray dekryptrad(const QByteArray &rad);
QString kryptrad(const QString &rad);
QString dekryptrad(const QString &rad);
