#pragma once
// Data files and item lines: fetching the n-th item of a file, splitting an
// item line into its fields, splitting a text at its "<" ">" marks, and the
// line scrambling in which item lines may be stored.
#include "core/innehaall.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
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
    QString rad;   // the whole line, unscrambled
};

// The n-th item line of a data or praise file (comments and header lines
// skipped); nullopt when the file cannot be opened or holds no item. A file
// with fewer items gives its last item.
std::optional<QString> laesPostrad(const QString &namn, int n);
// The fields of an item line; a scrambled line is unscrambled first.
Postdelar str_postarray(const QString &rad);
// A text split at its "<" and ">" marks: 1 before, 2 the marked part, 3 after...
// Text after a fourth mark joins part 5, so a line with too many marks still
// shows all its words.
Arr<QString, 1, 5> delaVidMarkeringar(const QString &text);
// The number of the first empty field, 11 when all ten are filled.
int foerstaTommaFaelt(const Arr<QString, 1, 10> &faelt);

// The lines of one data file, read and decoded once and kept while the file
// stays as it was, so that a window reads its file once and not at every
// item. A window (or its round) owns one for its life.
class Postfil {
public:
    // The n-th item line of `namn`, counted as laesPostrad counts; nullopt
    // when the file cannot be read, went away or holds no item.
    std::optional<QString> rad(const QString &namn, int n);
    // Every item line of `namn` as stored; nullptr when it cannot be read.
    const QStringList *poster(const QString &namn);

private:
    bool aktuell(const QString &namn);
    QString m_namn;
    QString m_soekvaeg;
    QDateTime m_aendrad;
    qint64 m_storlek = -1;
    QStringList m_poster;
    bool m_laest = false;
};

// The next item of the current data file (DatFilNamn) in the file's random
// order: read, unscrambled and split; PostNummer and HaemtadRad follow it.
// When the file cannot be read the pupil is told ("Filen ... finns inte
// eller är felaktig"), HaemtadRad is emptied and the result is nothing: the
// window then closes. That is the one rule for every window.
std::optional<Postdelar> naestaPost(Postfil &fil);
// Item n of the current data file by the same rule (a correction round).
std::optional<Postdelar> postNummer(Postfil &fil, int n);
// The n-th item line of `namn` into the shared state (HaemtadRad), and a
// text split at its marks into LetaPrepDelar. haemtaord empties HaemtadRad
// when the file cannot be opened, so no earlier item shows again; it then
// returns false.
bool haemtaord(const QString &namn, int n);
void LetaPrep(const QString &text);

// True when the sentence has a gap word (LetaPrep's second part) that is not
// empty or blank. A gap item without one cannot be answered and is passed
// over like a comment.
bool harLuckord(const QString &mening);

QByteArray kryptrad(const QByteArray &rad);
QByteArray dekryptrad(const QByteArray &rad);
QString kryptrad(const QString &rad);
QString dekryptrad(const QString &rad);
