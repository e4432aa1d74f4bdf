#pragma once
// The story files and what the three story windows decide without a
// display: the hidden-word stories (slots, masks, judging drops and
// guesses, the percentages), the silly stories (titles, gaps, filling) and
// the story openings.
#include "core/typer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A story file from "\DATA\DAT\" (PC path first), every line unscrambled;
// nullopt when it cannot be opened.
std::optional<QStringList> laesHistoriefil(const QString &namn);

// ---- hidden-word stories ------------------------------------------------

inline constexpr int Radlaengd = 7;          // slots a row
inline constexpr int AntalPlatser = 49;      // 7 rows of 7

// The number of stories: the lines that are exactly "#".
int antalBeraettelser(const QStringList &rader);

// A word's mask: one "*" per character but end marks and dashes, the end
// mark kept; a word ending in "-" is masked as "-".
QString maskera(const QString &ord);
// The word without its end mark (".", ",", "!" or "?").
QString utanSlutTecken(const QString &ord);

class Avslojning {
public:
    // Story n (from 1) of the file's lines. Words beyond the last slot are
    // not read: they could never be shown, so the story could not be finished.
    void laes(const QStringList &rader, int n);

    // Per slot 1..AntalPlatser: the word as written, what it shows now.
    Arr<QString, 1, AntalPlatser> OrdText;
    Arr<QString, 1, AntalPlatser> OrdMask;
    Arr<QString, 1, Radlaengd> Namn;           // the name before each row
    QStringList ordAttDra() const { return m_lista; }   // every word but dashes, no end marks

    int OrdAttHitta = 0;
    int Traeffar = 0;
    int Foersoek = 0;

    // A word dropped on slot s: one attempt; right when it is the slot's
    // word exactly, which is then revealed (true).
    bool slaepp(int s, const QString &ord);
    // A typed guess: tidied first; empty or "-" is no guess (nothing
    // counted). Every hidden slot whose word it is exactly is revealed; the
    // slots revealed (none: one wrong attempt).
    QList<int> gissa(const QString &text);

    int procentRaett() const;      // right answers of attempts
    int procentKlarat() const;     // revealed of the words to find
    bool klar() const { return OrdAttHitta > 0 && procentKlarat() == 100; }

private:
    void visa(int s, const QString &ord);
    // The slot's word without end mark while hidden; emptied once revealed.
    Arr<QString, 1, AntalPlatser> m_doldaOrd;
    QStringList m_lista;
};

// ---- silly stories -------------------------------------------------------

inline constexpr int FlestOrd = 10;   // words of one kind a story takes

// The titles: every line that begins with "$", without it.
QStringList prankTitlar(const QStringList &rader);
// The story from the line "$" + titel up to the next line "#"; empty when
// there is no such title.
QStringList prankBeraettelse(const QStringList &rader, const QString &titel);
// Gaps of each kind: [0] adjectives (#1), [1] singular nouns (#2), [2]
// plural nouns (#3).
std::array<int, 3> raeknaLuckor(const QStringList &beraettelse);

using Prankord = std::array<QStringList, 3>;
// Each kind's words in a random order of their own. The shared random order
// of the exercises is not touched.
Prankord blandaOrd(const Prankord &ord);
// The filled story as display lines: gaps filled in turn (past the words
// given, the first ones again), a "#" before anything else dropped, each
// line broken to two thirds of the screen width with what does not fit
// carried in front of the next line.
QStringList fyllBeraettelse(const QStringList &beraettelse, const Prankord &ord);

// ---- story openings -------------------------------------------------------

struct Inledningar {
    QStringList rader;    // all lines but the "#" lines, in file order
    int antal = 0;        // the "#" lines
    // Opening k (from 1): its three lines, empty where the file has none.
    QStringList inledning(int k) const;
};
Inledningar laesInledningar(const QStringList &rader);

// A written line split at the last blank after which its first part still
// fits in `bredd` (or, with no blank that does, at the last character that
// fits): the part that stays, and the rest without its leading blanks.
// Measured through the text-measuring seam.
struct Radklyvning { QString foersta; QString rest; };
struct Typsnitt;
Radklyvning klyvRad(const QString &text, int bredd, const Typsnitt &typsnitt);
