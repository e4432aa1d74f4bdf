#pragma once
// The odd-one-out game "Katt bland hermeliner": four words, one of which
// does not belong with the others; one to three players take turns to pick
// it, and the first to five points wins. It composes the frame's praise
// panel and button panel on a plain window; the turns are a Kattspel.
#include "core/datafiler.h"
#include "core/runda.h"
#include "core/kattspel.h"
#include "core/oevningsstart.h"
#include "exercises/frame/ramdelar.h"
#include "platform/ui/foenster.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
namespace plattform { class Timer; }

class Tkatten : public plattform::Foenster {
    Q_OBJECT
public:
    explicit Tkatten(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    Lovordsruta Lovord;
    Slutknappar Knappar;
    QFrame *Overskriftpanel = nullptr;
    QLabel *Overskriftlabel = nullptr;
    QLabel *InstruktionsLabel = nullptr;
    std::array<QFrame *, 5> KattPanel{};   // 1..4
    std::array<QLabel *, 5> KattLabel{};   // 1..4
    std::array<QLabel *, 5> NrLabel{};     // 1..4
    QLabel *Kommentarlabel = nullptr;
    QFrame *NamnPanel = nullptr;
    std::array<QLabel *, 4> NamnLabel{};        // 1..3
    std::array<QFrame *, 4> ResultatPanel{};    // 1..3
    std::array<QFrame *, 4> PoengPanel{};       // 1..3
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;   // "&Fortsätta"
    QPushButton *Button2 = nullptr;   // "&Nya namn"
    QPushButton *Button3 = nullptr;   // "&Avbryta"
    QFrame *BildPanelen = nullptr;
    QLabel *TestLabel = nullptr;
    plattform::Timer *Timer1 = nullptr;

    Kattspel spel;
    QString raettSvar;
    int raettPanel = 0;   // the panel that shows the odd word
    bool spelSlut = false;

    void NyPost();
    void RaettTest(int panel, int laege);
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button3Click() { stang(); }

    bool keyPress(QChar tecken) override;
    void escape() override;

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // The round's counters and the data file, read once for the window's life.
    Runda runda{Rundval{.diagnosbokfoering = false, .felLista = false}};
    Postdelar m_post;    // the item on show
    void RitaOverskriften();
    void RitaKattpaneler(const std::array<QString, 5> &ord);
    void RitaNamnPanelen(bool helt);
    void nyttSpel();
    void slut();
    void paneler(bool paa);

    int m_gw = 1, m_gh = 1;
};

int VisaKatten();
