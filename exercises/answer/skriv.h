#pragma once
// The typed-answer window: a question of one or two lines and one answer
// field. A word to find or build, a heading, an opposite, a letter of the
// alphabet, letters to put in order (drawn by the window itself), a secret
// message, a hyphenation, an abbreviation or a plural.
#include "core/tillstaand.h"
#include "core/typer.h"
#include "exercises/frame/ovningsram.h"

#include <QLabel>

class TSKRIV : public Ovningsram {
    Q_OBJECT
public:
    explicit TSKRIV(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;        // the frame's end and Esc panel

    // Controls beyond the frame's.
    QLabel *FrageLabel1 = nullptr;   // the question's first line ("en" in the plural)
    QLabel *FrageLabel2 = nullptr;   // the question, or its second line
    QLabel *Label4 = nullptr;        // "flera " before the answer field (plural)
    QLabel *Label5 = nullptr;        // the right answer, shown after a wrong one
    QLabel *Label6 = nullptr;        // help text 1
    QLabel *Label7 = nullptr;        // help text 2
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Testlabel = nullptr;     // hidden copy of the answer

    // Window state.
    Byte Bokstavsuppgift = 0;        // the items are drawn letters, not file lines

    void NyPost() override;
    bool avsnittMedRubrikOchKolon() const override { return true; }
    void Edit1KeyPress();            // Enter in the answer field: the answer is judged
    // These items have no sounds: the button, shown when sounds are on, plays nothing.
    void UpprepaButtonClick() override {}

protected:
    void NollaLabeller() override;
    void svarInmatat(QLineEdit *) override { Edit1KeyPress(); }
    QString vaentatSvar(const QLineEdit *) const override { return Testlabel->text(); }
    void visaHjaelp(int steg) override;
    bool harRegelsida() const override;

private:
    void efterSkapande() override;
    void laggUtFraaga();
    void visaHjaelpknapp();
    int radhoejd() const;
};

// Opens the typed-answer window for the current data file; returns when it
// has closed.
int VisaSKRIV();
