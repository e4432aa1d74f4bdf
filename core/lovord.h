#pragma once
// Praise texts and reward pictures at the end of a round: which praise file
// fits the result, a praise line from it with its placeholders filled, and
// the next picture number with its caption.
#include <QString>

// Sets LovordFilNamn from the round's result and the current pupil record;
// empty when the result earns no praise.
void HaemtaLovordFilNamn();

// Finds the praise file in the table (LovordIndex), counts its lines once,
// and tells whether it has any. A name not in the table gives false.
bool KollaLovOrd(const QString &namn);

// The next line number of praise file `index`, from the shared random order.
int haemta_Lovordslumptal(int markoer, int index);

// The field with "<namn>", "<diagnos>" and "<res>" filled in.
QString LovordMen(const QString &faelt);

// The next picture number 1..40 in the run's picture order; sets BildText.
int haemta_Bildslumptal(int markoer);

// Caption n (1..40) of the start pictures while MusOverText is 1, else of
// the reward pictures (those begin with "1"); also stored in BildText.
// Other n leave BildText as it was and give it back.
QString GeBildText(int n);

// The caption lists themselves, for the picture generator and the windows.
constexpr int AntalBilder = 40;
const QString &StartbildText(int n);       // list A, n in 1..40, else empty
const QString &BeloeningsbildText(int n);  // list B, with its leading "1"

// The reward picture's caption as shown: without the leading "1".
QString VisadBildText(const QString &bildText);
