#pragma once
// The protocol of the diagnosis module without its window: the 17 tests with
// their areas and files, the texts of the grid's cells, the sum and the
// column borders of the printout.
#include "core/typer.h"

#include <QString>

inline constexpr int AntalDiagnostester = 17;

struct Diagnostest {
    QString omraade;       // the area shown in the protocol
    QString testfil;       // "SVDI01.DAT"
    QString oevningsfil;   // "SVOVN101.DAT"
};

// Test 1..17; nullptr for any other number (the heading row, the sum row).
const Diagnostest *diagnostest(int n);

// The grid's cells for test n of the current pupil record.
QString resultatCell(qint64 resultat);      // right-aligned by leading blanks
QString summaCell(qint64 summa);
QString TidpunktText(int resultat, int n);  // "yymmdd hh:nn", empty without a result
QString statusCell(int status);             // empty for a status outside 0..3

// The sum of results 1..20 of the current record, in 64 bits so that the
// numbers of a damaged file cannot overflow it.
qint64 summa();

// The printout's column borders in percent of the table width (G.diagnos.Kolumnprocent
// 1..4) from the width w of a time column, the window's client width and the
// margin.
void beraeknaKolumnprocent(int w, int klientbredd, int marginal);

// True when Windows-1252 can store every character (the record file's names
// and passwords): anything else would be stored as "?".
bool kanLagras1252(const QString &text);
