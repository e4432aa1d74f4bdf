#pragma once
// The frame every exercise window is built on: the heading, the progress
// squares, the end-of-round panel with its correction round, the praise
// text and reward picture, the diagnosis panel and pass rule, the waits,
// the error lamp, the "ß" paste and the sound buttons. An exercise window
// fills in its settings (Ramval), shows its own items (NyPost), judges its
// own answers and calls the frame's bookkeeping; where it differs from the
// frame it overrides one of the hooks below.
#include "exercises/frame/rundregler.h"
#include "platform/ui/foenster.h"

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TAster;
class Arbetsbladspanel;
namespace plattform { class Timer; class Klickpanel; }

// What differs between the windows at frame level.
struct Ramval {
    QString slutpanelNamn = QStringLiteral("Panel1");   // "Escapepanel" in some windows
    Passregel passregel = Passregel::TvaaRundor;
    bool diagnosbokfoering = true;   // reports tests, applies the pass rule
    bool beroem = true;              // praise at the end of a practice round
    bool beroemFramfoer = false;     // the praise panel is raised after drawing
    bool beloeningsbild = true;
    bool bildIAllaLaegen = false;    // the picture also in the test mode
    bool dolDiagMedAster = true;     // showing the squares hides the diagnosis panel
    bool tiondelsVaentan = true;     // waits count to ten times the seconds
    bool vaentanKraeverUppgift = false;   // the wait ends only inside the round
    bool mellanslag = true;          // Space ends a running wait
    bool svarsfaelt = true;          // Edit1
    bool lampa = true;               // lampknapp and LampShape
    bool klistra = true;             // "ß", "Ü", "ü" paste
    bool merHjaelp = true;           // BitBtn3
    bool raettning = true;           // correction rounds are offered
    bool luckord = false;            // items without a gap word are passed over
    int ljudtimerIntervall = 0;      // the first-sound timer's interval; 0: none
};

class Ovningsram : public plattform::Foenster {
    Q_OBJECT
public:
    explicit Ovningsram(const Ramval &val, QWidget *parent = nullptr);
    ~Ovningsram() override;

    // ---- the frame's controls
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
    plattform::Timer *Timer3 = nullptr;        // end delay after a wrong last answer
    plattform::Timer *Timer5 = nullptr;        // delayed item sound
    QFrame *SkrivutOverskriftShape1 = nullptr;
    QFrame *SkrivutOverskriftShape2 = nullptr;
    QLabel *SkrivutOverskriftLabel = nullptr;
    Arbetsbladspanel *Arbetsblad = nullptr;    // only in worksheet mode, when the module exists

    // ---- window state
    Byte LampaPaa = 0;
    Byte HjaelpAnvaend = 0;
    int AntalHjaelp = 0;
    Byte ForstaPosten = 1;
    Byte LjudOvning = 0;
    int Motorsort = 0;

    // ---- members
    virtual void NyPost() = 0;
    void Inled();
    void RitaOverskriften(const QString &rad1, const QString &rad2, const QString &rad3);
    void RitaLovord(const QString &del1, const QString &del2, const QString &del3);
    void RitaUtskriftOverskriftRuta(bool visa);
    void NyStartaAster(bool visa);
    void UppDateraDiagnosResultatet();
    void TestOverSkrift();
    virtual void Avslutning();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();
    virtual void BitBtn2Click();
    void BitBtn3Click();
    void Timer1Timer();
    void Timer3Timer();
    void Timer5Timer();
    void Ljudet();
    virtual void UpprepaButtonClick();
    void LampknappClick();
    void LampShapeMouseDown();
    void Edit1Change();
    void Klistrain1Click(const QString &caption);

    const Ramval &ramval() const { return m_val; }
    bool rundanPaagaar() const;

protected:
    // Creation steps every window shares, after its own flags are set:
    // counters, heading, mode colour, squares or diagnosis panel, worksheet
    // heading. The window then shows its first item.
    void ramSkapa();
    void ramSkala();

    // The frame's steps of NyPost: timers stopped, item fetched (from the
    // random order or, in a correction round, the wrong-answer list), fields
    // split, counters for the help and lamp.
    void haemtaPost();
    void nollstaellVaentan();

    // Bookkeeping of an answer (right or wrong) and what follows it:
    // squares, wrong-answer list, diagnosis panel, the wait, the next item
    // or the end of the round. Returns at once when the window has closed.
    void svarsboekfoering(bool raett);
    // `direkt`: the flow goes on at once as after a right answer (a skipped item).
    void efterSvar(bool direkt = false);
    void stegaAster(bool raett);

    // End-of-round pieces.
    void visaBeloeningsbild();
    void visaBeroem();
    bool tillaempaPassregel();          // true: the window has closed
    void erbjudRaettning();             // "&Rätta felen" or "&Fortsätta" takes the focus
    void visaSlutpanelVidEsc();

    // Hooks: the frame's behaviour by default.
    virtual QString vaentatSvar() const { return {}; }   // for the lamp
    virtual void NollaLabeller();
    virtual void rensa();                    // lamp button back
    virtual void efterNyPost() {}            // after an item shown by the flow (sounds)
    virtual void foerAvslutningEfterVaentan();   // the end delay is over
    virtual void vidRundansSlut();           // after Avslutning, the round over
    virtual void foerberedRaettning();       // "&Rätta felen" after the counters
    virtual void efterFortsaett();           // "&Fortsätta" after the counters
    virtual void efterInstaellningar();
    virtual void mellanslagUnderVaentan() {}
    virtual void visaHjaelp(int /*steg*/) {}
    virtual bool harRegelsida() const { return false; }

    void startaLjudtimer();
    bool ljudPaa() const;
    bool upprepaSynligFoere = false;   // UpprepaButton before the settings window

    bool keyDown(QKeyEvent *e) override;
    void escape() override;

private:
    void byggKontroller();
    QPushButton *slutknapp(const QString &namn, const QString &text, int nummer);
    void faergaLampa();

    Ramval m_val;
};

// The mode colour of the heading box.
QColor Rubrikfaerg(int laege);
