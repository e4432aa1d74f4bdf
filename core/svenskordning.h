#pragma once
// Sorting words as a Swedish reader expects: å, ä, ö after z, letter case
// only deciding between otherwise equal words. The lists a pupil reads as
// words in alphabetical order go through here, so they agree with each
// other: the names of the diagnosis, the words of Avslöja, the letters of
// the alphabet exercises and the answers of the synonym windows. Two lists
// keep the byte order of Windows-1252 instead, as the content is written:
// the choices of the category panels (core/passakt.cpp) and the choices a
// gap word offers (exercises/answer/flerbar.cpp).
#include <QString>
#include <QStringList>

// Whether a comes before b.
bool foereSvenskt(const QString &a, const QString &b);
void sorteraSvenskt(QStringList &lista);
