#pragma once
// The reading comprehension's decisions without display: the name of a
// fable's reading text, its clean-up, and the alternatives of a question.
#include <QString>
#include <QStringList>

// The reading text of a data file: its name before the first ".", at most
// nine characters, + ".LAS" ("SVE56300.DAT" gives "SVE56300.LAS").
QString LasfilNamn(const QString &datFilNamn);

// Cleans the lines of a reading text: a line beginning with "$" goes; a
// short line (under 15 characters) that does not end a sentence is joined
// to the next one with a blank. The last line is never examined.
QStringList JusteraMemoText(QStringList rader);

// The number of alternatives of an item: the consecutive filled fields from
// field 2 on, at most three (fields 2..4). Below 2 the item cannot be asked.
int AntalAlternativIPost(const QString &f2, const QString &f3, const QString &f4);
