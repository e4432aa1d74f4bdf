#pragma once
// The typed-answer window's decisions without display: the generated letter
// items of the alphabet exercises, and which fields of an item line are
// help texts.
#include "core/datafiler.h"
#include "core/typer.h"

#include <QList>
#include <QString>

// A random permutation of lo..hi (at most 100 values); the random source is
// reseeded first.
QList<int> slump(int lo, int hi);

// The letters in Swedish alphabetical order (svenskordning.h): A..Z, Å, Ä, Ö.
QString svenskOrdning(const QString &bokstaever);

// A generated item: `antal` different letters of the 29, never already in
// alphabetical order, and the same letters in order. The letters are
// written without separators, as the pupil types them.
struct Bokstavspost {
    QString fraaga;
    QString svar;
};
Bokstavspost bokstavspost(int antal);

// The help texts of an item line: the fields between the answer and the
// first "&" alternative, at most two. The files put them there, before the
// alternatives, because every field from the first "&" on is an accepted
// answer.
QList<QString> hjaelptexter(const Postdelar &post);
