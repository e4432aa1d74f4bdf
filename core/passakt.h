#pragma once
// The category choice without its display: which alternatives an item
// offers, in which order, and what the window says after a wrong choice.
#include "core/typer.h"

#include <QString>
#include <QStringList>

// The window has seven panels.
inline constexpr int MaxAntalVal = 7;
// A panel shows at most this many characters of its alternative.
inline constexpr int ValVisningsLaengd = 30;

// Sorts elements lo..hi (from 1) of the list by their Windows-1252 codes,
// so capitals come before small letters and "Ä" before "Å".
void SorteraAlternativ(QStringList &alternativ, int lo, int hi);

// The alternatives of an item with the fields given: fields 2, 3, ... up
// to the first empty field and at most seven, in their whole length and
// byte order. Field 2 is the right one.
QStringList PassAktAlternativ(const Arr<QString, 1, 10> &faelt);

// The sentence after a wrong choice on the item with fields f1 and f2.
QString PassAktFoerklaring(Word programtal, const QString &f1, const QString &f2);

// A sentence part's abbreviation written out for the explanation sentence
// ("pred.f." -> "predikatsfyllnad", "dat.obj." -> "dativobjekt"); a name
// already written out, or one it does not know, comes back as it stands.
QString Satsdelsnamn(const QString &kod);

// The full name of a sentence-part or voice code of the answer key
// ("ack.obj." -> "ackusativ"); with flagga 1 capitalised.
QString GrammatikTerm(const QString &kod, int flagga);
