#pragma once
// Sorting words as a Swedish reader expects: å, ä, ö after z, letter case
// only deciding between otherwise equal words. Every sorted list a pupil
// sees goes through here, so lists agree with each other.
#include <QString>
#include <QStringList>

// Whether a comes before b.
bool foereSvenskt(const QString &a, const QString &b);
void sorteraSvenskt(QStringList &lista);
