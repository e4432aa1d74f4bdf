#pragma once
// The word-class game "Ordkamp": five words a question, the pupil says how
// many belong to the game's class; right earns the pupil that many points,
// wrong gives them to the computer; first to 20 wins. It composes the
// frame's heading, praise panel and Esc panel without the round.
#include "core/datafiler.h"
#include "core/oevningsstart.h"
#include "core/runda.h"
#include "core/ordkamp.h"
#include "exercises/frame/ramdelar.h"
#include "platform/ui/foenster.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace plattform { class Timer; }

class TFalska : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TFalska(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    Rubrikruta Rubrik;
    Lovordsruta Lovord;
    Beloeningsbild Bild;
    Slutknappar Slut;
    QFrame *Escapepanel = nullptr;
    QPushButton *Button3 = nullptr;   // "&Fortsätta"
    QPushButton *Button4 = nullptr;   // "&Avbryta"
    QPushButton *BitBtn1 = nullptr;   // "&Inställningar"

    std::array<QLabel *, 6> sv{};     // 1..5, the words
    std::array<QLabel *, 6> ord{};    // 1..5, their classes
    QLabel *InstruktionsLabel = nullptr;
    QLabel *InstruktionsLabel2 = nullptr;
    QFrame *AntalPanel = nullptr;
    std::array<QPushButton *, 7> SpeedButton{};   // 1..6: "0".."5"
    QLabel *SpeedPanel1 = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *Panel4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *MellanPanel = nullptr;
    QFrame *Panel2 = nullptr;
    std::array<QFrame *, 41> Shape{};   // Tag 1..40
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    plattform::Timer *Timer1 = nullptr;
    plattform::Timer *Timer2 = nullptr;

    Ordkamp kamp;
    QString klass;
    int antalIKlassen = 0;                 // C
    std::array<bool, 6> utanfoer{};        // 1..5: the word is not of the class

    void NyPost();
    void Kollasvar(int svar);
    void Avslutning();
    void Edit1Enter();
    void SpeedButtonClick(int k) { svara(k - 1); }
    void Timer1Timer();
    void Timer2Timer();
    void Button3Click();
    void Button4Click() { stang(); }
    void BitBtn1Click();
    bool siffrorPaa() const;
    bool gul(int tag) const;

    bool keyPress(QChar tecken) override;
    void escape() override;

private:
    // The round's counters and the data file, read once for the window's life.
    Runda runda{Rundval{.diagnosbokfoering = false, .felLista = false}};
    void Inled();
    void PlaceraPoangRutor();
    void NollstallPoangRutor();
    void FargaPoangRutor(int foersta, int sista);
    void maalaPoangRutor();
    void EnablaSiffror(bool paa);
    void VisTexterna(bool paa);
    void SvarsTexterna(bool paa);
    void svara(int svar);
    bool vaentanKoer() const;

    Laege m_laege;                 // the start's mode
    int m_uppmaningar = 0;
    bool m_fraagaOeppen = false;   // a question waits for its answer
    std::array<bool, 41> m_gula{};
    int m_ruta = 0, m_steg = 0, m_rad1 = 0, m_rad2 = 0;
};

int VisaFalska();
