#pragma once
// The verb-form window: a verb in parentheses, the pupil types its tense
// form after "Jag", and each right answer climbs one row of a six-row
// ladder. A wrong answer shows the right form and asks the same verb again.
// In worksheet mode the items go to the worksheet panel instead.
#include "core/typer.h"
#include "exercises/frame/ovningsram.h"

#include <QString>
#include <array>

class TSKRIVHI : public Ovningsram {
    Q_OBJECT
public:
    explicit TSKRIVHI(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QLabel *FrageLabel1 = nullptr;   // "(" + verb + ")"
    QLabel *Label1 = nullptr;        // "Jag"
    QLabel *Label2 = nullptr;        // the right form after a wrong answer
    QLabel *SvarsLabel = nullptr;    // the expected form, hidden
    QLabel *SlutLabel = nullptr;     // the last answer, at the top of the ladder
    QFrame *Panel1 = nullptr;        // the end panel
    QFrame *Panel2 = nullptr;        // the answer square
    // Rows 1..6 (index 0 unused): the finished verb and form, and the square.
    std::array<QLabel *, 7> Verbetikett{};
    std::array<QLabel *, 7> Formetikett{};
    std::array<QFrame *, 7> Radruta{};
    // The same controls under their own names, row 1 first.
    QLabel *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr,
           *Label17 = nullptr, *Label19 = nullptr;
    QLabel *Label3 = nullptr, *Label6 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr, *Label18 = nullptr;
    QFrame *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr, *Panel6 = nullptr,
           *Panel7 = nullptr, *Panel8 = nullptr;

    int Radnummer = 0;
    int Radhoejd = 0;
    int Radbas = 0;
    Byte NyttVerb = 1;
    int RaettIRad = 0;

    void FCreate(int flagga);
    void NyPost() override;
    void AllaPanelerSynliga();
    void Timer1Timer() override;
    void Button2Click() override;
    void BitBtn2Click() override;
    void LampknappClick() override;

    // The worksheet side.
    bool avsnittMedRubrikOchKolon() const override { return true; }
    void postSkickad() override;

protected:
    QString vaentatSvar(const QLineEdit *) const override;
    void svarInmatat(QLineEdit *faelt) override;
    void escISvarsfaelt(QLineEdit *) override { avbrytRundan(false); }
    void efterInstaellningar() override;
    bool harRegelsida() const override { return true; }
    bool keyDown(QKeyEvent *e) override;

private:
    void efterSkapande() override;
    void foerstaPost() override { FCreate(0); }
    int radTopp(int rad) const { return Radbas - rad * Radhoejd; }
    void flyttaTillRad();
    void visaRad(int rad, const QString &verb, const QString &form);
    // Esc in the box (slut false) or the ladder climbed (slut true).
    void avbrytRundan(bool slut);

    bool m_lampaVidEnter = false;   // the lamp was lit at the last Enter
    bool m_skickad = false;         // the item on screen went to the worksheet
    QString m_skickatVerb;
    QString m_skickadForm;
};

// "Du gjorde n fel." with the encouragement that fits the number.
QString SkrivhiBeroem(int antalFel);

int VisaSKRIVHI();
