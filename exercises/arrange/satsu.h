#pragma once
// The sentence-parts window: a sentence with up to five blue parts that the
// pupil drags onto the boxes of their kinds. A wrong drop is refused and
// marks the item; the item is done when every box holds its part. Two
// programs run in levels instead of rounds: three clean items raise the
// level, an unclean one lowers it, and passing the top ends with a
// congratulation.
#include "core/satsdelar.h"
#include "exercises/frame/ovningsram.h"

#include <array>

namespace plattform { class Dragkaella; class Figur; class Klickpanel; class Maetare; class Slaeppmaal; }

class TSats : public Ovningsram {
    Q_OBJECT
public:
    explicit TSats(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    QFrame *Panel1 = nullptr;                  // the frame's end panel
    std::array<QLabel *, 6> Mell{};            // Mell1..Mell6: the plain text
    std::array<QLabel *, 5> Men{};             // Men1..Men5: the parts, draggable
    std::array<QLabel *, 5> Kopia{};           // Men6..Men10: the parts as they stood
    std::array<QLabel *, 5> Memo{};            // Memo1..Memo5: the boxes
    plattform::Figur *Shape1 = nullptr;        // the lamp: green, red after a wrong drop
    plattform::Klickpanel *FelPanel = nullptr;
    QLabel *Label1 = nullptr;                  // measures one blank
    QLabel *Label3 = nullptr;                  // the help line
    QFrame *NivPanel = nullptr;
    QFrame *NivYtterShape = nullptr;
    QFrame *NivInnerShape = nullptr;
    QLabel *NivLabel1 = nullptr;
    QLabel *NivLabel2 = nullptr;
    plattform::Maetare *Gauge1 = nullptr;

    // Item state.
    Satsbitar Bitar;
    QStringList Koder;                         // fields 2..6
    QList<Satsruta> Rutor;                     // box k-1 of the item
    std::array<bool, 5> Fylld{};               // per box
    std::array<bool, 5> Placerad{};            // per part (Tag 1)
    int RaettaSlaepp = 0;
    Byte Ren = 1;                              // no wrong drop yet
    int AktuellDel = 0;                        // the part under the mouse
    Hjaelplinje Hjaelp;
    std::array<int, 4> RadTopp{};              // rows 1..3

    // Level mode.
    bool NivaaPaa = false;                     // the level mode runs
    Nivaafil Nivaaer;
    Nivaalaege Nivaa;
    std::array<QList<int>, FlestNivaaer + 1> NivaaOrdning;   // 1-based line numbers
    std::array<int, FlestNivaaer + 1> NivaaMarkoer{};        // 0-based

    void NyPost() override;
    void Inled() override;
    void Avslutning() override;
    void Button1Click() override;
    void Button2Click() override;
    void Avklarad();
    void Hjalptext(int n);
    void Menfarg(int n);
    void memosenabled(bool paa);
    void RitaNivRutan(bool visa);
    void UppgraderaNivRutan(int nivaa, int raett);

    // A part (1..5) dropped on box k (1..5); true when the box took it.
    bool MemoDragDrop(int ruta, int del);
    // The mouse down on a part: false when it may not be dragged.
    bool MenMouseDown(int del);
    void FormMouseDown(Qt::MouseButton knapp);

    Arbetsbladsrader arbetsbladsrader(bool fraanKlart) override;

    // The answer line of the worksheet for code index 1..5.
    static QString ArbetsbladsSvar(int kod);

protected:
    void NollaLabeller() override;
    void rensa() override {}
    void efterInstaellningar() override;
    void escape() override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void efterSkapande() override;
    void nivaaStart();
    void laggUt();
    bool laesPost();
    int delAv(const QWidget *w) const;
    Typsnitt meningstypsnitt() const;

    std::array<plattform::Dragkaella *, 5> m_kaellor{};
    bool m_raettaFelenDold = false;            // a right click hid "&Rätta felen"
};

int VisaSats();
