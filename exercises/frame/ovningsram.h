#pragma once
// The frame every exercise window with a round is built on. The round
// itself (counters, waits, correction round, pass rule) is a `Runda`; the
// frame shows it: the heading, the progress squares, the end panel, the
// praise text and reward picture, the diagnosis panel, the error lamp, the
// "ß" paste and the sound buttons. An exercise window fills in its settings
// (Ramval), shows its own items (NyPost), judges its own answers and hands
// them to the frame's bookkeeping; where it differs from the frame it
// overrides the members below.
#include "core/oevningsstart.h"
#include "core/runda.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/frame/arbetsblad.h"
#include "exercises/frame/ramdelar.h"
#include "platform/ui/foenster.h"

#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TAster;
namespace plattform { class Timer; class Klickpanel; }

// What differs between the windows at frame level. It is fixed when the
// window is made: a window's factory of settings reads its Oevningsstart.
struct Ramval {
    Rundval runda;                   // the round's own rules
    QString slutpanelNamn = QStringLiteral("Panel1");   // "Escapepanel" in some windows
    QString slutTimerNamn = QStringLiteral("Timer3");   // the end delay: "Timer2", "Timer4" elsewhere
    bool rubrik = true;              // the frame draws the heading
    bool beroem = true;              // praise at the end of a practice round
    bool beroemFramfoer = false;     // the praise panel is raised after drawing
    bool beloeningsbild = true;
    bool bildIAllaLaegen = false;    // the picture also in the test mode
    bool dolDiagMedAster = true;     // showing the squares hides the diagnosis panel
    bool mellanslag = true;          // Space ends a running wait
    bool svarsfaelt = true;          // Edit1
    bool lampa = true;               // lampknapp and LampShape
    bool klistra = true;             // "ß", "Ü", "ü" paste
    bool merHjaelp = true;           // BitBtn3
    bool raettning = true;           // correction rounds are offered
    bool tangentfoerhandsvisning = true;   // keys reach keyDown before the focused control
    bool escBaraISvarsfaelt = false; // typing windows: Esc counts only in an answer field
    bool f2Ljud = false;             // F2 plays the item's sound
    int vaentIntervall = 100;        // ms per tick of the waits
    bool luckord = false;            // items without a gap word are passed over
    // The window's test of a split item: false for an item it cannot ask
    // (no gap, no answer, no alternative), which is then passed over like a
    // comment. None: every item is asked.
    bool (*postKanBesvaras)(const Postdelar &) = nullptr;
    int ljudtimerIntervall = 0;      // the first-sound timer's interval; 0: none
    bool skalas = true;              // the controls are scaled by Skalprocent
    bool ljudkatalog = false;        // the program's sound folder is chosen at creation
};

// The test of Ramval::postKanBesvaras for the windows whose answer is the
// item's second field: an item without one cannot be asked.
bool harSvarIFaelt2(const Postdelar &post);

class Ovningsram : public plattform::Foenster, public Arbetsbladsfoenster {
    Q_OBJECT
public:
    explicit Ovningsram(const Ramval &val, QWidget *parent = nullptr);
    ~Ovningsram() override;

    // ---- the frame's pieces, and their controls under the windows' names
    Rubrikruta Rubrik;
    Lovordsruta Lovord;
    Beloeningsbild Bild;
    Slutknappar Slut;

    TAster *Aster1 = nullptr;
    QFrame *OverskriftYtterShape = nullptr;
    QFrame *OverskriftInnerShape = nullptr;
    QLabel *Overs1Label = nullptr;
    QLabel *Overs2Label = nullptr;
    QLabel *Overs3Label = nullptr;
    QLabel *InstruktionsLabel = nullptr;
    QLineEdit *Edit1 = nullptr;                 // only with Ramval::svarsfaelt
    QFrame *LovordPanel = nullptr;
    QFrame *LovordYttershape = nullptr;
    QFrame *lovordinnershape = nullptr;
    QLabel *LovordLabel1 = nullptr;
    QFrame *BildPanelen = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *BildTextPanel = nullptr;
    QLabel *BildLabel = nullptr;
    QFrame *Slutpanel = nullptr;               // "Panel1" or the window's own name
    QPushButton *Button1 = nullptr;            // "&Rätta felen"
    QPushButton *Button2 = nullptr;            // "&Fortsätta"
    QPushButton *Button3 = nullptr;            // "&Avbryta"
    QPushButton *BitBtn1 = nullptr;            // "&Inställningar"
    QFrame *DiagPanel1 = nullptr;
    QFrame *DiagPanel2 = nullptr;
    QLabel *DiagLabel1 = nullptr;
    QLabel *DiagLabel2 = nullptr;
    QLabel *DiagLabel3 = nullptr;
    QLabel *DiagLabel4 = nullptr;
    QLabel *DiagLabel5 = nullptr;
    QFrame *DiagShape1 = nullptr;
    QFrame *DiagShape2 = nullptr;
    QFrame *DiagShape3 = nullptr;
    QFrame *DiagShape4 = nullptr;
    plattform::Klickpanel *LampShape = nullptr;   // only with Ramval::lampa
    QPushButton *lampknapp = nullptr;
    QPushButton *BitBtn2 = nullptr;            // "&Hjälp" or "&Regel"
    QPushButton *BitBtn3 = nullptr;            // "&Mer hjälp"
    QPushButton *UpprepaButton = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    plattform::Timer *Timer1 = nullptr;        // wait after a wrong answer
    plattform::Timer *Sluttimer = nullptr;     // end delay after a wrong last answer
    plattform::Timer *Timer5 = nullptr;        // delayed item sound
    QFrame *SkrivutOverskriftShape1 = nullptr;
    QFrame *SkrivutOverskriftShape2 = nullptr;
    QLabel *SkrivutOverskriftLabel = nullptr;
    Arbetsbladspanel *Arbetsblad = nullptr;    // only in worksheet mode, when the module exists

    // ---- window state
    Runda runda;
    // The item on show as NyPost fetched it; core's answer checks, hints and
    // worksheet lines take it from here.
    Postdelar postdelar;
    void saettPost(const Postdelar &post);
    Byte &HjaelpAnvaend = runda.hjaelpAnvaend;
    Byte LampaPaa = 0;
    int AntalHjaelp = 0;
    Byte ForstaPosten = 1;

    // ---- members
    virtual void NyPost() = 0;
    virtual void Inled();
    virtual void RitaOverskriften(const QString &rad1, const QString &rad2, const QString &rad3);
    void RitaLovord(const QString &del1, const QString &del2, const QString &del3);
    void RitaUtskriftOverskriftRuta(bool visa);
    void NyStartaAster(bool visa);
    void UppDateraDiagnosResultatet();
    void TestOverSkrift();
    virtual void Avslutning();

    virtual void Button1Click();
    virtual void Button2Click();
    virtual void Button3Click();
    virtual void BitBtn1Click();
    virtual void BitBtn2Click();
    virtual void BitBtn3Click();
    virtual void Timer1Timer();
    virtual void SluttimerTimer();
    virtual void Timer5Timer();
    virtual void Ljudet();
    virtual void UpprepaButtonClick();
    virtual void LampknappClick();
    void LampShapeMouseDown();
    void Klistrain1Click(const QString &caption);

    // ---- answer fields: each gets the paste menu, Ctrl/Alt+S, the lamp's
    // colouring while typing, and Enter and Esc routed to the hooks below.
    void laeggTillSvarsfaelt(QLineEdit *faelt);
    // The field the lamp and the paste serve: the last one that had the focus.
    virtual QLineEdit *aktivtSvarsfaelt() const;
    virtual void svarsfaeltAendrat(QLineEdit *faelt);
    // Enter in a field: the frame has disabled it and taken the focus to the
    // window (never to the lamp button); the window judges the answer.
    virtual void svarInmatat(QLineEdit *) {}
    // Esc in a field (the key consumed): by default the end panel.
    virtual void escISvarsfaelt(QLineEdit *) { visaSlutpanelVidEsc(); }

    // ---- the worksheet panel's questions to the window
    Arbetsbladsrader arbetsbladsrader(bool fraanKlart) override;
    void naestaArbetsbladspost() override { NyPost(); }

    const Ramval &ramval() const { return m_val; }
    // The program the window was started with: its number and its row of
    // the program table, kept by skapa.
    Word programtal() const { return m_programtal; }
    const Programdata &programdata() const { return *m_program; }
    bool rundanPaagaar() const { return runda.paagaar(); }
    bool tarTangent(QKeyEvent *e) override;

protected:
    // The creation every window runs last in its constructor, once its own
    // controls exist: the program number, the sound folder, the scaling,
    // Inled, the frame's steps (counters, heading, mode colour, squares or
    // diagnosis panel, worksheet heading), the window's efterSkapande and,
    // unless that closed the window, the first item.
    void skapa(const Oevningsstart &start);
    virtual void efterSkapande() {}
    // The first item, shown as every later one unless the window starts
    // its own way.
    virtual void foerstaPost() { visaNaestaPost(); }

    // The frame's steps of NyPost: the item line (from the random order or,
    // in a correction round, the wrong-answer list) split into its fields;
    // then the per-item reset: timers, labels, lamp button, help counter.
    // Windows that find their items themselves call only foerberedPost.
    // When the file cannot be read, or not one of its items can be asked,
    // the window says so and closes (aerStangd()).
    void haemtaRad();
    void foerberedPost();
    void haemtaPost() { haemtaRad(); foerberedPost(); }

    // An answer (right or wrong): counters, squares, wrong-answer list,
    // diagnosis panel. efterSvar then goes on: the wait, the next item or
    // the end of the round. A skipped item calls only efterSvar.
    void svarsboekfoering(bool raett);
    void efterSvar();
    void stegaAster(bool raett);
    // Carries out what the round says comes next. Returns at once when the
    // window has closed.
    void utfoer(Naesta steg);
    // The next item shown by the flow, and its sound when the window has one.
    void visaNaestaPost();

    // End-of-round pieces.
    void visaBeloeningsbild();
    bool raettningErbjuds() const;      // a correction round can start from the panel
    void erbjudRaettning();             // "&Rätta felen" or "&Fortsätta" takes the focus
    // Esc: a running wait ends first, then the end panel shows over the round.
    void visaSlutpanelVidEsc();
    // Esc as the word-choice windows have it: the panel, or when it is
    // open, "&Avbryta".
    void escTvaaSteg();

    // Hooks: the frame's behaviour by default.
    virtual QString vaentatSvar(const QLineEdit *) const { return {}; }   // for the lamp
    virtual void NollaLabeller();
    virtual void rensa();                    // lamp button back
    virtual void foerAvslutningEfterVaentan();   // the end delay is over
    virtual void vidRundansSlut();           // after Avslutning, the round over
    virtual void foerberedRaettning();       // "&Rätta felen" after the counters
    virtual void efterFortsaett();           // "&Fortsätta" after the counters
    virtual void efterInstaellningar();
    virtual void mellanslagUnderVaentan() {}
    virtual void visaHjaelp(int /*steg*/) {}
    virtual bool harRegelsida() const { return false; }
    // The window's items have sounds; the first-sound timer runs for each
    // new item when ljudtimerVidNyPost says so.
    virtual bool ljudOevning() const { return false; }
    virtual bool ljudtimerVidNyPost() const { return ljudOevning() && laege() == Laege::Oevning; }
    // What the first-sound timer does once it has counted: the item's sound.
    virtual void ljudtimerKlar() { Ljudet(); }

    void startaLjudtimer();
    // The item's translation (field 1 in the word list) in `etikett`, 5
    // pixels above the end panel; hidden when the list has no line for it.
    void visaPostensOeversaettning(QLabel *etikett);
    // The translation lists are loaded once, when a language is set and the
    // program's items are translated.
    void laddaOrdlistor();

    bool keyDown(QKeyEvent *e) override;
    void escape() override;
    // Any close (Alt+F4, the window manager) is "&Avbryta", so a diagnosis
    // result is never dropped.
    void stangBegaert() override { Button3Click(); }

private:
    void byggKontroller();
    void ramSkapa();
    // Scales the controls by Skalprocent; the window stays the screen's size.
    void ramSkala();
    void faergaLampa();
    void fokusTillSvarsfaelt();
    QLineEdit *svarsfaeltMedFokus() const;
    bool postKanBesvaras(const Postdelar &post) const;
    void rensaFellistan();
    bool svarsfaeltVisas() const;
    void placeraBildUnderInstruktionen();

    Ramval m_val;
    Word m_programtal = 0;
    const Programdata *m_program = &program(0);
    QList<QLineEdit *> m_svarsfaelt;
    QLineEdit *m_senastAktiva = nullptr;
    QRect m_bildRam;       // the picture's place as laid out, before it gives way
    QSize m_bildStorlek;
};

// The launcher of an exercise window: the current data file is checked
// first when the caller has not (so no other file's items appear), then the
// window is made for it and shown modally.
template <typename T>
int visaOevning()
{
    const int i = G.oevning.DatFilIndex;
    if (!decltype(G.start.DatFilTabell)::inom(i) || G.start.DatFilTabell[i] != G.oevning.DatFilNamn) {
        if (!Kolla(G.oevning.DatFilNamn))
            return QDialog::Rejected;
    }
    return plattform::visaModalt<T>(oevningsstart());
}
