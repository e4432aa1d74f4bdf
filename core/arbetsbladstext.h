#pragma once
// The worksheet as text: the item numbers, the answer with its alternatives
// and the line classes that the printout paginates by. No widgets.
#include "core/datafiler.h"

#include <QString>
#include <QStringList>

// The question and answer lines of one item, without the item number; the
// panel puts the number before the first line and 7 blanks before the rest.
struct Arbetsbladsrader {
    QStringList fraaga;
    QStringList svar;
};

// The typing windows: the question (field 1 of the item) and a rule to
// write on; the key gives the answer (field 2) with its alternatives.
Arbetsbladsrader SkrivRader(const Postdelar &post);
// The sentence in its one or two display lines, a rule for the term; the key
// names the term.
Arbetsbladsrader PassAktRader(const QString &rad1, const QString &rad2, const QString &term);
// The sentence and, per marked part, its label; the key gives the part's words.
struct Satsdel {
    QString etikett;
    QString ord;
};
Arbetsbladsrader SatsRader(const QString &mening, const QList<Satsdel> &delar);
// The word-choice sentence in one or two display lines with its gap "<...>"
// drawn as a rule twice as long as the longest choice word; with `ledtraad`
// the item's own words (2 to 4) are named in a line before it.
Arbetsbladsrader FlerbarRader(const QString &rad1, const QString &rad2, const QStringList &valord, bool ledtraad);
// The gap-sentence window: the lead text's display lines (both lists; empty
// when the item has none), then the gap sentence's. A gap is a rule of the
// answer's length (at least 4) plus 2; "&Klart" draws two gaps on the first
// line as blanks of twice that length and on the second as rules of twice it
// plus 2. The key gives the sentence lines as they stand.
Arbetsbladsrader SkrivinfRader(const QString &led1, const QString &led2, const QString &rad1,
                               const QString &rad2, bool fraanKlart);

// "   1. " for 1..9, " 10. " for 10..99, "100. " from 100 on.
QString Nummerprefix(int n);
// The answer followed by " eller " and the alternatives of the item
// (fields before the last filled one of 3..10), a leading "&" taken off each.
QString UtSkriftSvar(const QString &svar, const Postdelar &post);

// The text with the blanks before "?", "!" and ":" taken out, as Swedish
// sets them ("Fem eller säng ?" becomes "Fem eller säng?").
QString utanBlanktFoereTecken(const QString &text);

// 10 empty, 1 section heading (or item 100 and up), 2 item line, 0 other.
int RadTyp(const QString &s);
// Room the block at line i needs: 3 for a heading, else its continuation lines.
int UppgiftTillNySida(const QStringList &lista, int i);
// A heading at line i is followed by its question line; a heading among the
// list's last three lines takes none (the next line prints as an ordinary one).
bool InstruktionFinns(const QStringList &lista, int i);
