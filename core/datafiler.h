#pragma once
// Data files and item lines: fetching the n-th item of a file, splitting an
// item line into its fields, splitting a text at its "<" ">" marks, and the
// line scrambling in which item lines may be stored.
#include "core/innehaall.h"

#include <QByteArray>
#include <QString>

// "\DATA\DAT\" for a ".DAT" name, else "\DATA\LOV\".
QString DataUnderkatalog(const QString &namn);

void haemtaord(const QString &namn, int n);
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
