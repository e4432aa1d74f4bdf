#pragma once
// Judging typed and chosen answers.
#include "core/datafiler.h"
#include "core/typer.h"

#include <QString>

// Results of svarstest besides 11..15 (right but for 1..5 missing capitals).
inline constexpr Word SvarRaett = 0;
inline constexpr Word SvarTomt = 6000;
inline constexpr Word SvarFel = 60000;

// Compares the answer with the expected text, both in composed Unicode form,
// under a mode (0 exact,
// 1 exact without outer punctuation, 2 letter case ignored, 3 both,
// 4 as 3 but counting missing word-initial capitals), then with the item's
// alternatives, from its last non-empty field backwards.
Word svarstest(const QString &vaentat, const QString &svar, int laege, const Postdelar &post);

// Leading and trailing blanks removed; in a text of more than 3 characters
// no two blanks left side by side.
QString MellanslagBort(const QString &text);

// 1 (green) while the partly typed answer is still the start of the expected
// text or of one of the item's alternatives, else 2 (red).
Byte GreenRedTest(const QString &delsvar, const QString &vaentat, const Postdelar &post);

// Upper case by the Windows-1252 letter pairs: every character keeps its
// place and the length never changes ("ß" and "µ" stay as they are).
QChar SvVersal(QChar c);
QString SvVersaler(const QString &text);

// The word with its first letter in upper case; whether it begins with an
// upper-case letter A..Z, Å, Ä or Ö.
QString medVersal(const QString &ord);
bool boerjarMedVersal(const QString &ord);
