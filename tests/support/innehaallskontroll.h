#pragma once
// The checks every bundled exercise file must pass, read through the
// program's own readers. Each fault is one line "NAME:LINE: what", so a
// failing test says where to look.
#include "core/foenstertyp.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct Innehaallsregler {
    bool lucka = true;        // every item marks its answer between "<" and ">"
    bool egnaVal = false;     // every item carries its own wrong choices after "#"
    int flestOrd = 8;         // files without own choices: distinct gap words at most
    int minstPoster = 40;     // items at least, unless a comment says why fewer
    int minstPerOrd = 0;      // files without own choices: items per gap word at least
    bool luckmening = false;  // gap sentences: one or two gaps, help texts, alternatives
    bool moensterFoerst = false;   // with luckmening: field 1 a model, field 2 the gap sentence
    bool svarIFaelt2 = false; // every item holds its answer in field 2 (a question and its form)
};

// The sentence of each item (field 1, lower case, blanks tidied) with its line.
using Meningar = QHash<QString, int>;

// Question and answer of each item ("question#answer", lower case, a
// trailing "(om …)" left off the question) with its line.
using Svarspar = QHash<QString, int>;

// One data file of the current content (G's base paths). The file must pass
// Kolla and have its two title lines. A comment line "; Färre poster: …"
// says why the file may hold fewer items than the rules ask.
QStringList granskaDatafil(const QString &namn, const Innehaallsregler &regler,
                           Meningar *meningar = nullptr, Svarspar *par = nullptr);

// The menu data files ("SVE" + program number) of the program table's rows
// that open the window.
enum class Foenstertyp;
QStringList menyfilerFoer(Foenstertyp foenster);

// Sentences that stand in both files: a diagnosis pool must share none with
// the files that train for it.
QStringList gemensammaMeningar(const QString &namnA, const Meningar &a, const QString &namnB,
                               const Meningar &b);

// Items of A that are items of B turned round (B asks "stor", A asks
// "liten"): a pupil who has done B has seen the test A.
QStringList omvaendaPar(const QString &namnA, const Svarspar &a, const QString &namnB, const Svarspar &b);

// A story file of the story windows (its window says which kind), read
// through the program's own readers: enough stories, each within what its
// window can show, comments only where the window never reads them.
QStringList granskaHistoriefil(const QString &namn, Foenstertyp foenster);
