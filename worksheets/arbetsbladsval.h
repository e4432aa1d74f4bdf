#pragma once
// The worksheet-selection panel that the exercise windows carry in worksheet
// mode: pick a number of items or item by item, preview, print. The window
// gives only its lines and its next item (Arbetsbladsfoenster).
#include "exercises/frame/arbetsblad.h"

#include <QFrame>

class QLabel;
class QPushButton;
class TUtskrift;

// Adds `antal` items of the window to the printout's lists: the section
// heading first when one is due, then each item with its number.
void laeggTillArbetsbladsposter(Arbetsbladsfoenster &f, TUtskrift &u, int antal, bool fraanKlart);

class Arbetsbladsval : public QFrame, public Arbetsbladspanel {
public:
    Arbetsbladsval(Ovningsram &foenster);

    QWidget *widget() override { return this; }
    bool antalPanelSynlig() const override;
    void antalUpp() override { SkrivutSpinButtonUpClick(); }
    void antalNer() override { SkrivutSpinButtonDownClick(); }

    QFrame *SkrivutPanel1, *SkrivutValPanel, *SkrivutAntalPanel, *SkrivutSvarPanel, *SkrivutListValPanel;
    QPushButton *SkrivutAntalButton, *ValjaUtButton, *SkrivutAvbryt1Button, *VisaUtSkriftListaButton,
        *Skrivut1Button, *RensaButton;
    QPushButton *SkrivutNextButton, *SkrivutSkickaButton, *SkrivutAvbryt2Button, *Skrivut2Button,
        *VisaUtskriftLista2Button;
    QLabel *SkrivutAntalTextLabel, *SkrivutAntalLabel;
    QPushButton *SkrivutSpinUpp, *SkrivutSpinNer;   // SkrivutSpinButton
    QPushButton *SkrivutKlartButton, *SkrivutAvbryt4Button;
    QPushButton *SkrivutUtanButton, *SkrivutMedButton, *SkrivutAvbryt3Button;
    QPushButton *SeListUtanButton, *SelistMedButton, *SkrivutAvbryt5Button;

    bool Valflagga = false;          // the pick flag
    static bool Visningsflagga;      // the preview flag, shared

    void SkrivutAntalButtonClick();
    void ValjaUtButtonClick();
    void SkrivutAvbryt1ButtonClick();
    void VisaUtSkriftListaButtonClick();
    void Skrivut1ButtonClick();
    void RensaButtonClick();
    void SkrivutNextButtonClick();
    void SkrivutSkickaButtonClick();
    void SkrivutAvbryt2ButtonClick();
    void Skrivut2ButtonClick();
    void VisaUtskriftLista2ButtonClick();
    void SkrivutUtanButtonClick();
    void SkrivutMedButtonClick();
    void SkrivutAvbryt3ButtonClick();
    void SkrivutAv(bool av);
    void SkrivutSpinButtonUpClick();
    void SkrivutSpinButtonDownClick();
    void SkrivutKlartButtonClick();
    void SkrivutAvbryt4ButtonClick();
    void SeListUtanButtonClick();
    void SelistMedButtonClick();
    void SkrivutAvbryt5ButtonClick();

private:
    void visaBara(QFrame *panel, QPushButton *fokus = nullptr);
    void saettUtskriftAktiv(bool paa);
    void skrivUt(bool medSvar);
    Ovningsram &m_f;
};

// Installs the panel for the exercise windows and the main window's hook
// that empties the lists.
void installeraArbetsblad();
