#pragma once
// The player-names window: how many play the odd-one-out game (one to
// three) and their names. It leaves AntalSpelare and Spelarnamn in the
// shared state and SpelnamnAvbrutet = 1 when it was cancelled.
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace plattform { class Klickpanel; }

class TSpelNam : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TSpelNam(QWidget *parent = nullptr);

    QFrame *NamnPanelen = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Panel1 = nullptr;
    plattform::Klickpanel *Panel2 = nullptr;
    plattform::Klickpanel *Panel3 = nullptr;
    plattform::Klickpanel *Panel4 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    void Klar();
    void Panel2Click();
    void Panel3Click();
    void Panel4Click();
    void Button2Click();

    int misslyckanden() const { return m_misslyckanden; }
    bool foerifyllt() const { return m_foerifyllt; }

protected:
    bool keyPress(QChar tecken) override;
    void escape() override;

private:
    void FormCreate();
    void vaeljAntal(plattform::Klickpanel *vald, const QString &instruktion, int antal);
    // The key handler of the name fields; true when the key is discarded.
    bool namnfaeltTangent(int faelt, QChar tecken);

    int m_misslyckanden = 0;
    bool m_klar = false;
    bool m_foerifyllt = false;
};

// Shows the window modally and frees it.
void VisaSpelNam();
