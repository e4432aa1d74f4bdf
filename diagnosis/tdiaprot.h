#pragma once
// The diagnosis protocol: the signed-in pupil's 17 tests in a grid (area,
// result, time, status). From here a test or its practice starts in the
// window its program opens, the results come back through the bookkeeping,
// the record is saved, a new password set and the protocol printed.
#include "core/diagnos.h"
#include "platform/ui/foenster.h"

#include <QList>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
namespace plattform { class Straengrutnaet; }

class Tdiaprot : public plattform::Foenster, public Diagnosprotokoll {
    Q_OBJECT
public:
    explicit Tdiaprot(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    plattform::Straengrutnaet *StringGrid1 = nullptr;
    QFrame *EscapePanel = nullptr;
    QPushButton *AvbrytButton = nullptr;
    QPushButton *LosenButton = nullptr;
    QPushButton *HjalpButton = nullptr;
    QPushButton *SkrivutButton = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *TestLabel = nullptr;

    // Diagnosprotokoll
    void aktivera() override { setEnabled(true); }
    void rita_prot() override;
    void maalaNu() override { repaint(); }
    void oevningGodkaend(int test) override;

    void UtseDiagProgram(int n);
    void UtseOvaProgram(int n, int status);
    void InfoText();
    void HjalpText();
    void StringGrid1KeyPress(QChar tecken);
    void StringGrid1DblClick();
    void StringGrid1SelectCell(int rad);
    void StringGrid1MouseUp(QPoint punkt);
    void AvbrytButtonClick();
    void LosenButtonClick();
    void HjalpButtonClick();
    void SkrivutButtonClick();

    // The grid's cells, row by row.
    QList<QStringList> celler() const;

protected:
    void escape() override { AvbrytButtonClick(); }
    // Alt+F4 and the window manager's close sign out as "&Avbryt" does: the
    // protocol (and a new password) is saved and the pupil's protocol closed.
    void stangBegaert() override { AvbrytButtonClick(); }
    bool keyDown(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void FormCreate();
    void startaValt();
    void visaSumma();
    // Opens the window of the program of G.oevning.DatFilNamn through the registry.
    void koerFoenster();
    Protokollregistrering m_registrering{this};
};

void Visadiaprot();
