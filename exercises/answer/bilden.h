#pragma once
// Picture questions: a large picture (the body or the head) with numbered
// parts, and questions about it one at a time; the pupil types the name of
// the part asked for. Practice only; no help, lamp or sound, praise but no
// reward picture.
#include "exercises/frame/ovningsram.h"

namespace plattform { class Bildruta; }

class TBilden : public Ovningsram {
    Q_OBJECT
public:
    explicit TBilden(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's. The picture is this window's Image1; the
    // frame's reward picture is not used.
    plattform::Bildruta *Image1 = nullptr;
    QLabel *FrageLabel1 = nullptr;
    QLabel *FrageLabel2 = nullptr;
    QLabel *SvarsLabel = nullptr;
    QLabel *Testlabel = nullptr;
    QFrame *Panel1 = nullptr;               // the frame's end panel
    QFrame *Bildpanelen = nullptr;          // covers the questions at the end of a round

    void NyPost() override;

protected:
    void Inled() override;
    void svarInmatat(QLineEdit *faelt) override;
    void efterInstaellningar() override;

private:
    void efterSkapande() override;
    void laddaBilden();
};

// Opens the picture questions for the current data file and picture
// (`BildNamn`); returns when the window has closed.
int VisaBilden();
