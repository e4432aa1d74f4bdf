#pragma once
// The vowel examination: four questions on the Swedish vowels answered with
// single keys, every wrong key counted, then a table of answers given
// against the ideal and a grade. It has the frame's heading, an end panel
// and a step timer, but no round.
#include "core/oevningsstart.h"
#include "core/runda.h"
#include "core/vokalexamen.h"
#include "exercises/frame/ramdelar.h"
#include "platform/ui/foenster.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
namespace plattform { class Timer; }

class TVokalex : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TVokalex(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    Rubrikruta Rubrik;
    Slutknappar Slut;
    QFrame *Panel1 = nullptr;
    QPushButton *Button2 = nullptr;      // "&Fortsätta"
    QPushButton *Button3 = nullptr;      // "&Avbryta"
    plattform::Timer *Timer1 = nullptr;  // the pause after a step's last key
    QLabel *InstruktionsLabel1 = nullptr;
    QLabel *InstruktionsLabel2 = nullptr;
    QLabel *KommentarLabel = nullptr;
    std::array<QLabel *, 10> SPanel{};   // 1..9
    QFrame *ResultatPanelen = nullptr;
    QFrame *ResultatPanel1 = nullptr;
    QFrame *ResultatPanel2 = nullptr;
    QLabel *ResultatOverLabel = nullptr;
    QLabel *AntalLabel = nullptr;
    QLabel *DuSvaradeLabel = nullptr;
    QLabel *IdealResultatLabel = nullptr;
    std::array<QLabel *, 5> TextLabel{};     // 1..4
    std::array<QLabel *, 5> DuSvarLabel{};   // 1..4
    std::array<QLabel *, 5> IdealLabel{};    // 1..4
    QLabel *SummaLabel = nullptr;
    QLabel *DuSummaLabel = nullptr;
    QLabel *IdealSummaLabel = nullptr;
    QLabel *MaxBetygLabel = nullptr;
    QLabel *Maxbetyg = nullptr;
    QLabel *DittBetygLabel = nullptr;
    QLabel *Dittbetyg = nullptr;
    QLabel *Lovordlabel = nullptr;

    Vokalexamen examen;

    void Nypost();
    void SynligaPaneler(int n);
    void Enabla(bool paa);
    void Resultat();
    void Timer1Timer();
    void Button2Click();
    void Button3Click() { stang(); }

    bool keyDown(QKeyEvent *e) override;
    void escape() override { visaPanel1VidEsc(); }

private:
    // Four steps a round; the counters are the round's.
    Runda runda{Rundval{.diagnosbokfoering = false, .felLista = false, .laengd = 4}};
    void Inled();
    void FormKeyPress(QChar c);
    void visaPanel1VidEsc();
    void laggUtResultat();
};

int VisaVokalex();
