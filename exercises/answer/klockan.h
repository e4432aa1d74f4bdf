#pragma once
// Clock reading: an analogue clock whose time follows from the item's
// number, and the pupil types the time in words. Practice only; a fixed
// heading of its own, praise but no reward picture, no help and no sound.
#include "exercises/frame/ovningsram.h"

class QPainter;
namespace plattform { class Figur; class Ritruta; }

class TKlockan : public Ovningsram {
    Q_OBJECT
public:
    explicit TKlockan(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    plattform::Figur *Shape1 = nullptr;     // the heading: yellow, navy inside
    plattform::Figur *Shape2 = nullptr;
    QLabel *Label1 = nullptr;               // "Hur mycket"
    QLabel *Label2 = nullptr;               // "är klockan?"
    QLabel *Label3 = nullptr;               // " Den är ..."
    plattform::Ritruta *PaintBox1 = nullptr;
    QLabel *Label4 = nullptr;               // the right answer after a wrong one
    QFrame *Panel1 = nullptr;               // the frame's end panel

    void NyPost() override;
    void PaintBox1Paint(QPainter &p);

protected:
    void Inled() override;
    void svarInmatat(QLineEdit *faelt) override;
    QString vaentatSvar(const QLineEdit *) const override;
    void vidRundansSlut() override;
    void foerberedRaettning() override;
    void efterInstaellningar() override;

private:
    void efterSkapande() override;
};

// Opens the clock for the current data file; returns when it has closed.
int VisaKlockan();
