#pragma once
// The word-choice window: a sentence with a gap and a row of up to eight
// word panels. Pointing at a panel shows its word in the gap, a left click
// chooses it, a right click skips the item. Sound exercises speak each item.
#include "core/tillstaand.h"
#include "core/typer.h"
#include "exercises/frame/ovningsram.h"
#include "platform/ui/valpanel.h"

#include <QFont>
#include <QLabel>
#include <QStringList>
#include <array>

using plattform::Valpanel;

class TFLERBAR : public Ovningsram {
    Q_OBJECT
public:
    explicit TFLERBAR(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    QFrame *Escapepanel = nullptr;       // the frame's end and Esc panel
    QLabel *FrageLabel1 = nullptr;
    QLabel *FrageLabel2 = nullptr;
    QLabel *Label1 = nullptr;            // measuring labels
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;            // text before the gap
    QLabel *Label5 = nullptr;            // the gap: "?" or the previewed word
    QLabel *Label6 = nullptr;            // text after the gap
    QLabel *Label8 = nullptr;            // the other line of a two-line sentence
    QLabel *KorrektSvarLabel = nullptr;
    QLabel *EfterdelLabel = nullptr;
    QLabel *TestLabel = nullptr;
    QLabel *EngLabel = nullptr;
    QFrame *Panel1 = nullptr;            // holds the choice panels
    std::array<Valpanel *, 8> Valpaneler{};   // Panel2 .. Panel6, Panel8 .. Panel10
    QFrame *VisaRegelVidFelPanel1 = nullptr;

    // Window state.
    std::array<QString, 21> Preppar;     // 1..10 the words, 11..20 capitalised
    int AntalPreppar = 0;
    int Storforskjutning = 0;
    Byte FaeltVal = 0;
    Byte VisatFel = 0;
    Byte LjudOvning = 0;                 // the items are spoken
    QString Fraageord;
    QStringList Valord;                  // the words on the shown panels, in order
    QFont m_valtypsnitt;                 // the choices' font before any fitting
    bool m_harValtypsnitt = false;
    QFont m_meningstypsnitt;             // the sentence's font before any fitting
    bool m_harMeningstypsnitt = false;

    void Hittapreppar();
    static bool FinnsPrep(const QString &text);
    void NyPost() override;
    Arbetsbladsrader arbetsbladsrader(bool fraanKlart) override;
    void RaettTest(int val, int slag);   // val 1..8; slag 0 judges, 1 skips
    void PanelMouseMove(int val);
    void PanelMouseDown(int val, Qt::MouseButton knapp);
    void FormMouseDown(Qt::MouseButton knapp);
    void BitBtn1Click() override;
    void BitBtn2Click() override;
    void Avslutning() override;

    // The programs whose choices are the item's own fields.
    static bool EgnaVal(Word programtal);
    static bool HarRegelsida(Word programtal);
    static bool HarOeversaettning(Word programtal);

protected:
    void NollaLabeller() override;
    void rensa() override {}
    bool ljudOevning() const override { return LjudOvning == 1; }
    void foerAvslutningEfterVaentan() override;
    void vidRundansSlut() override;
    void foerberedRaettning() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    void mellanslagUnderVaentan() override;
    bool harRegelsida() const override { return HarRegelsida(programtal()); }
    void escape() override { escTvaaSteg(); }
    void mousePressEvent(QMouseEvent *e) override;

private:
    void efterSkapande() override;
    void laggUtMening();
    void valFraanFaelten();
    void laggUtPaneler();
    void visaOeversaettning();
    void oeppnaEscapepanel();
    QFont meningsfont() const;
    int hoegerkant() const;
    void foeljGapet();

    bool m_upprepaSynligFoere = false;   // UpprepaButton before the settings window
};

// Opens the word-choice window for the current data file; returns when it
// has closed.
int VisaFLERBAR();
