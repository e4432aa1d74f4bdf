#pragma once
// One round of an exercise, without its display: the counters, the
// bookkeeping of each answer, the waits after a wrong answer and before the
// end, the correction round, the pass rule of diagnosis practice and the
// praise threshold. It owns the round's counters and writes them to `G`
// (Uppgiftsnummer, AntalRaett, AntalFel) where praise, the diagnosis and the
// windows' displays read them; it tells the window what to show next, and the
// window draws and runs its timers.
#include "core/datafiler.h"
#include "core/rundregler.h"
#include "core/typer.h"

#include <QString>
#include <optional>

// Where a round stands.
enum class Rundlaege {
    VaentarSvar,         // an item is shown, no answer yet
    Vaentan,             // the right answer stays after a wrong one
    Slutfoerdroejning,   // the same after a wrong last answer, before the end
    Slut                 // the round is over
};

// What the window does after a step of the round.
enum class Naesta {
    Inget,               // nothing changes
    NyPost,              // show the next item
    Vaenta,              // start the wait (the right answer stays)
    Slutfoerdroejning,   // start the end delay
    Avsluta              // end the round (Avslutning)
};

// What the end of a round (or "&Avbryta") led to.
enum class Rundslut {
    Slutpanel,           // the end panel follows
    EjGodkaend,          // the pass rule ran without passing; the end panel follows
    Stang                // reported or passed: the window closes
};

// What differs between the windows' rounds.
struct Rundval {
    Passregel passregel = Passregel::TvaaRundor;
    bool diagnosbokfoering = true;       // reports tests, applies the pass rule
    bool tiondelsVaentan = true;         // waits count to ten times the seconds
    bool vaentanKraeverUppgift = false;  // the wait ends only inside the round
    bool vaentanEfterFel = true;         // false: the next item at once, a delay only at the end
    bool felLista = true;                // wrong answers go to the wrong-answer list
    // "&Fortsätta" in the middle of a round starts the right and wrong counts
    // again (practice and worksheet mode). False: the round goes on with its
    // counts, which only a new round starts again.
    bool fortsaettNollarMittIRundan = true;
    int laengd = 0;                      // items of a round; 0: by the mode
};

class Runda {
public:
    explicit Runda(const Rundval &val = {}) : m_val(val) {}
    const Rundval &val() const { return m_val; }

    // Creation: counters from the start, the round length by the mode.
    void starta();

    // The next item: from the file's random order, or in a correction round
    // the first recorded wrong answer. Nothing when the data file cannot be
    // read (see naestaPost). The file is read once for the round's life.
    std::optional<Postdelar> haemtaRad();
    Postfil &datafil() { return m_fil; }
    // Every item: the waits end, the help counter starts (the lamp counts as
    // help in diagnosis practice).
    void foerberedPost(bool lampaPaa);

    // An answer: counters, wrong-answer list. Then the flow: the item number
    // goes on and the result says what follows. A skipped item only calls
    // efterSvar, so it follows the answer before it.
    void boka(bool raett);
    Naesta efterSvar();

    // One tick of the wait after a wrong answer, or of the end delay.
    Naesta vaentTick();
    Naesta slutTick();
    // Space: a running wait ends at the next tick. False when none runs.
    bool mellanslag();
    // A running wait ended at once: what its last tick would do.
    Naesta avslutaVaentan();

    // The end of the round: reward picture and praise are the window's; this
    // reports a test, applies the pass rule of a practice.
    Rundslut avsluta();
    // "&Avbryta": the result so far is reported; the window then closes.
    void avbryt();

    // "&Rätta felen": false when no correction round can run.
    bool startaRaettning();
    // "&Fortsätta": true when a new round starts (else the round goes on).
    bool fortsaett();
    // The end panel offers "&Rätta felen".
    bool raettningFinns() const;

    bool faarBeroem() const;
    bool rutorFoeljer() const;   // the squares follow the answers (practice)
    bool paagaar() const;        // the item number is inside the round
    bool vaentarKoer() const
    {
        return m_laege == Rundlaege::Vaentan || m_laege == Rundlaege::Slutfoerdroejning;
    }
    Rundlaege rundlaege() const { return m_laege; }

    int uppgiftsnummer() const { return m_uppgift; }
    int antalRaett() const { return m_raett; }
    int antalFel() const { return m_fel; }
    // Windows whose steps are not answered items: the item number goes on.
    void stega();
    // A window that keeps its own lists: only the count of right or wrong.
    void raekna(bool raett);
    // The item number starts at 1 and the counts at 0 (the wrong count
    // stays when `felenStaar`); the round's length and mode are untouched.
    void boerjaOm(bool felenStaar = false);
    // A window that scores its items itself (sentence levels) sets the count.
    void saettRaett(int antal);
    // The right and wrong counts start again; the item number stays.
    void nollaRaekning();

    // Help used on the current item; a right answer then does not count.
    void hjaelp() { hjaelpAnvaend = OekaHjaelp(hjaelpAnvaend); }
    Byte hjaelpAnvaend = 0;

private:
    Oevningsutfall passregel();

    Rundval m_val;
    Postfil m_fil;
    int m_uppgift = 1;
    int m_raett = 0;
    int m_fel = 0;
    void publicera();
    Rundlaege m_laege = Rundlaege::VaentarSvar;
};
