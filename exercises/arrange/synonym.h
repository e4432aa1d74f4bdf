#pragma once
// The word-collection game: a word is shown and the pupil types the words
// that belong with it, six words a round, against the clock; the round's
// score may go to the program's record table. It composes the frame's
// heading and reward picture on a plain window; it has no round machine.
#include "core/datafiler.h"
#include "core/oevningsstart.h"
#include "core/runda.h"
#include "core/synonym.h"
#include "exercises/frame/ramdelar.h"
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace plattform { class Klickpanel; }

class TSynon : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TSynon(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    Rubrikruta Rubrik;
    Beloeningsbild Bild;
    Slutknappar Escape;
    QLabel *FrageLabel = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Instruktionslabel = nullptr;
    QFrame *KvarPanel2 = nullptr;
    QLabel *KvarLabel = nullptr;
    QFrame *UppgiftPanel2 = nullptr;
    QLabel *UppgiftLabel = nullptr;
    QFrame *PoengPanel2 = nullptr;
    QLabel *PoengLabel = nullptr;
    QFrame *SeListanPanel2 = nullptr;
    plattform::Klickpanel *SeListanLabel1 = nullptr;
    plattform::Klickpanel *SeListanLabel2 = nullptr;
    QFrame *ListPanel2 = nullptr;
    QLabel *ListLabel = nullptr;
    QListWidget *ListBox1 = nullptr;
    QFrame *EscapePanelen = nullptr;
    QPushButton *FortsattaButton = nullptr;   // "&Fortsätta"
    QPushButton *SparaButton = nullptr;       // "&Resultattabell"
    QPushButton *AvslutaButton = nullptr;     // "&Avbryta"
    QFrame *NamnPanelen = nullptr;
    QFrame *namnruta = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button1 = nullptr;           // answers Esc

    Synonymspel spel;

    void Nypost();
    void Edit1Enter();
    void VisaListan();   // F3 and the show-list button: open or close
    void Avslutning();
    void FortsattaButtonClick();
    void SparaButtonClick();
    void AvslutaButtonClick() { stang(); }
    void Button1Click();
    void Edit2Enter();

    void UppGraderaKvarRutan(int n);
    void UppGraderaUppgiftRutan(int n);
    void UppGraderaPoengRutan(int s);

    bool keyDown(QKeyEvent *e) override;
    bool tarTangent(QKeyEvent *e) override;
    void escape() override { Button1Click(); }

private:
    // The round's counters and the data file, read once for the window's life.
    Runda runda{Rundval{.diagnosbokfoering = false, .felLista = false, .laengd = 6}};   // six words a round
    void placera();
    void placeraInstruktionen();
    void VisaListanRutan(const QString &caption, const QString &tangent);
    void rutorSynliga(bool paa);
    bool foersta = true;   // the first word takes no focus call
};

int VisaSynon();
