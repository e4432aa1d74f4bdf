#pragma once
// The category-choice window: a word or a sentence (often with a marked
// part) and a row of up to seven category panels. A wrong choice lights the
// right panel and shows a sentence that explains it.
#include "core/typer.h"
#include "exercises/frame/ovningsram.h"
#include "platform/ui/valpanel.h"

#include <QStringList>
#include <array>

class TPassAkt : public Ovningsram {
    Q_OBJECT
public:
    explicit TPassAkt(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    QFrame *EscapePanel = nullptr;      // the frame's end and Esc panel
    QFrame *Panel1 = nullptr;           // holds the category panels
    std::array<plattform::Valpanel *, 7> Paneler{};   // Panel2 .. Panel8
    QLabel *Label3 = nullptr;           // a sentence line without the mark
    QLabel *Label4 = nullptr;           // before the mark (or the first line)
    QLabel *Label5 = nullptr;           // the marked part
    QLabel *Label6 = nullptr;           // after the mark
    QLabel *Label7 = nullptr;           // the explanation
    QLabel *templabel = nullptr;        // measures the alternatives
    QLabel *EngLabel = nullptr;         // the translation

    // Window state. Alternativ keeps each alternative whole; the panels
    // show at most ValVisningsLaengd characters of it.
    QStringList Alternativ;
    int AntalVal = 0;
    Byte LjudPost = 0;

    void NyPost() override;
    Arbetsbladsrader arbetsbladsrader(bool fraanKlart) override;
    // k: panel number 2..8; slag 0 chooses it, 1 opens the end panel.
    void RaettTest(int k, int slag);
    void PanelMouseMove(int k);
    void PanelMouseDown(int k, Qt::MouseButton knapp);
    void FormMouseDown(Qt::MouseButton knapp);

protected:
    void rensa() override {}
    bool ljudOevning() const override { return LjudPost == 1; }
    bool harRegelsida() const override;
    void foerAvslutningEfterVaentan() override;
    void vidRundansSlut() override;
    void foerberedRaettning() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    bool keyDown(QKeyEvent *e) override;
    void escape() override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    void efterSkapande() override;
    bool laggUtMening();                 // true when the item takes two lines
    void laggUtPaneler(bool tvaaRader);
    void visaOeversaettning();
    void visaRegelknapp();
    int vaensterkant() const;   // the left edge of the item and the panels
    plattform::Valpanel *panel(int k) const { return Paneler[std::size_t(k - 2)]; }
};

// Opens the category-choice window for the current data file; returns when
// it has closed.
int VisaPassAkt();
