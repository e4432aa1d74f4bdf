#pragma once
// The diagnosis sign-in: a pupil picks his or her name (or registers a new
// one), gives the password when the record has one, and works in the
// protocol window; the teacher signs in as "LÄRARE" and may archive all
// diagnoses, remove single pupils and change the teacher password. TNLOS
// takes a new password, for a pupil or for the teacher.
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TDiag : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TDiag(QWidget *parent = nullptr);

    QLabel *Rubrik = nullptr;
    QLabel *ListOverskriftLabel = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *SkrivDittNamnLabel = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *SkrivLosenLabel = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QLabel *FelLosenLabel = nullptr;
    QPushButton *NyAnvandareButton = nullptr;
    QPushButton *AvbrytButton = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *LararLabel = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QFrame *Regelpanel = nullptr;
    QPushButton *Button5 = nullptr;

    void Edit1KeyPress(QChar tecken);
    void ListBox1KeyPress(QChar tecken);
    void ListBox1DblClick();
    void MaskEdit1KeyPress(QChar tecken);
    void NyAnvandareButtonClick();
    void AvbrytButtonClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button2KeyPress(QChar tecken);
    void VisaListbox();

    int felLoesen() const { return m_felLoesen; }
    int raderingstyp() const { return m_raderingstyp; }

protected:
    bool keyPress(QChar tecken) override;
    void escape() override;

private:
    void FormCreate();
    void laggUt();
    void loesenordsinmatning();
    void valtNamn(bool dubbelklick);
    void protokoll();
    void misslyckat();
    QString valtNamnText() const;

    int m_felLoesen = 0;
    bool m_laerare = false;
    bool m_laerarkontroll = true;
    int m_raderingstyp = 0;
};

// Opens the sign-in window while the diagnosis is not closed; the mode is
// back at practice afterwards, however the window closed.
void VisaDiag();

class TNLOS : public plattform::Foenster {
    Q_OBJECT
public:
    // `gammalt`: the password the new one must differ from.
    explicit TNLOS(const QString &gammalt, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *maskedit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void maskedit1KeyPress(QChar tecken);
    void maskedit1Change();
    void BitBtn1Click();

    bool bekraeftat() const { return m_bekraeftat; }
    QString nytt() const { return m_nytt; }

protected:
    bool keyPress(QChar tecken) override;
    void escape() override { BitBtn1Click(); }

private:
    void meddelande(const QString &text, int vaenster = 15);
    QString m_gammalt;
    QString m_foersta;
    QString m_nytt;
    int m_meddelandelaege = 0;
    bool m_bekraeftat = false;
};

// Runs TNLOS; true with the confirmed new password (at most 10 characters).
bool nyttLoesen(const QString &gammalt, QString &nytt);

// Keeps a field to what Windows-1252 can store: the record file would
// store anything else as "?" and lock the pupil out.
void bara1252(QLineEdit *faelt);
