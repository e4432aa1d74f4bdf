#pragma once
// Reading comprehension: a short text to read, then questions about it, each
// with two or three alternatives in a random order, chosen by a click or a
// digit key. "Förklarat ord" asks its questions without a text.
#include "core/tillstaand.h"
#include "exercises/frame/ovningsram.h"
#include "platform/ui/valpanel.h"

#include <array>

class QPlainTextEdit;

class TInseTxt : public Ovningsram {
    Q_OBJECT
public:
    explicit TInseTxt(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QLabel *FrageLabel1 = nullptr;             // the second line, or the only one
    QLabel *FrageLabel2 = nullptr;             // the first of two lines
    std::array<plattform::Valpanel *, 3> NrPanel{};
    std::array<plattform::Valpanel *, 3> AlternativPanel{};
    std::array<QLabel *, 3> AltLabel{};
    QLabel *RattSvarLabel = nullptr;
    QPushButton *SeTextButton = nullptr;
    QFrame *TextPanel1 = nullptr;
    QFrame *TextPanel2 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    std::array<int, 4> Svarsordning{};         // panel k shows field Svarsordning[k] + 1
    int AntalVal = 0;
    int RaettPlats = 0;
    bool TextVisas = false;
    bool VaentarEfterFel = false;
    int Kolumnenhet = 1;
    std::array<QString, 3> SparadRubrik;

    void NyPost() override;
    void slump(int lo, int hi);
    void Paneler(int laege);
    void RaettTest(int panel, int slag);       // slag 0 judges, 1 opens the button panel
    void Enabla(bool paa);
    void SeTextButtonClick();
    void PanelMouseMove(int rad);
    bool HaemtaText();
    void Avslutning() override;
    void RitaOverskriften(const QString &rad1, const QString &rad2, const QString &rad3) override;

protected:
    void rensa() override {}
    void vidRundansSlut() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    void escape() override { Enabla(false); }
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void efterSkapande() override;
    void laggUt();
};

// A praise line that tells the pupil to correct the mistakes ("Rätta
// felet ..."): this window has no correction round to offer.
bool LovordLovarRaettning(const QString &postrad);

void VisaInseTxt();
