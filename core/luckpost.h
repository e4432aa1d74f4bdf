#pragma once
// The item of the gap-sentence exercise read from its fields, and what an
// answered gap books. Plain functions: the window shows what they decide,
// the worksheet and the content checks read items the same way.
#include "core/typer.h"

#include <QString>

// The number of gaps ("<") in a sentence.
int AntalLuckor(const QString &text);

// What the word-choice window shows in its gap until a choice is pointed
// at: "?", or a line where the sentence goes on with its own "?" or "!",
// which a "?" would run into ("men ??").
QString Luckmarke(const QString &efterLuckan);

struct Luckpost {
    QString moenster;      // the model sentence above the gap sentence; empty: none shown
    QString mening;        // the gap sentence
    int luckor = 0;        // its gaps
    QString svar1, svar2;  // the answers of gap 1 and gap 2
    int antalHjaelp = 0;   // help texts; only 1 or 2 offer the help button
    QString hjaelp1, hjaelp2;
};

// Field 1 is the gap sentence and the help texts follow from field 2, or
// (moensterFoerst) field 1 is a model sentence, field 2 the gap sentence and
// the help texts follow from field 3; an empty field 2 then makes field 1
// the gap sentence without a model. The alternatives close the line.
Luckpost delaLuckpost(const Arr<QString, 1, 10> &faelt, int antalAlternativ, bool moensterFoerst);

// What an answer to a gap books. A two-gap item is booked once: a wrong
// first gap at once, a right one only with the second gap's answer.
enum class Luckbokning { Ingen, Raett, Fel };
Luckbokning bokaLucka(int lucka, int luckor, bool raett, bool lucka1Raett);
