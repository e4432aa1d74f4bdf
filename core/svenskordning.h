#pragma once
// Swedish alphabetical order, the one rule every sorted list of names and
// letters follows: a..z, then å, ä, ö; a capital stands beside its small
// letter (before it when the names differ in nothing else); accented letters
// go with their plain letter; digits and signs before the letters.
#include <QString>
#include <QStringList>

// <0, 0 or >0 as a comes before, with or after b.
int svenskJaemfoer(const QString &a, const QString &b);
inline bool svenskFoere(const QString &a, const QString &b) { return svenskJaemfoer(a, b) < 0; }
void svenskSortera(QStringList &lista);
