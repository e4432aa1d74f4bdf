#pragma once
// The bookkeeping between the exercises and the diagnosis module: which
// diagnosis item a program belongs to, the status a result gives, and the
// storing of a test round's result in the current pupil record.
#include "core/typer.h"

#include <QString>

// The protocol window as the bookkeeping sees it. The window registers itself
// in `diaprot` while it is open and removes itself when it closes.
class Diagnosprotokoll {
public:
    virtual ~Diagnosprotokoll() = default;
    virtual void aktivera() = 0;       // enable the window again after a test
    virtual void rita_prot() = 0;      // redraw the grid from the pupil record (saves when changed)
    virtual void maalaNu() = 0;        // repaint at once
    // The practice of `test` was passed (booked already): the window shows
    // the new status and takes the pupil back.
    virtual void oevningGodkaend(int test) = 0;
};

// The open protocol window; null while there is none. The window registers
// through a Protokollregistrering for as long as it lives, so the pointer
// never outlives it.
extern Diagnosprotokoll *diaprot;

class Protokollregistrering {
public:
    explicit Protokollregistrering(Diagnosprotokoll *p) : m_foere(diaprot) { diaprot = p; }
    ~Protokollregistrering() { diaprot = m_foere; }
    Protokollregistrering(const Protokollregistrering &) = delete;
    Protokollregistrering &operator=(const Protokollregistrering &) = delete;
private:
    Diagnosprotokoll *m_foere;
};

// The diagnosis item 1..17 of an exercise program, 0 when it has none.
int GeDiagnosNummer(Word program);

// The status for the stored result of test 1..20: 0 for result 0, 3 ("Öva")
// below the pass mark, else 2 ("Testa"). 0 for a test outside 1..20.
Byte GeStatusTal(int test);

// Stores a test round's result, status and time for test DiagnosNummer and
// has the protocol window redraw. A test number outside 1..20 stores nothing.
void diagnosback(int resultat);

// A passed diagnosis practice: test DiagnosNummer gets status 2 ("Testa"),
// the practice count starts again, the mode returns to the test and the
// round's count is cleared; the protocol window is told.
void bokaGodkaendOevning();
