#pragma once
// Story revealing: a short story with every word hidden behind stars. The
// pupil drags the given words onto their places, or guesses them by typing,
// and three boxes count right answers, the share revealed and the attempts.
#include "core/historier.h"
#include "core/oevningsstart.h"
#include "platform/ui/foenster.h"

#include <QList>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
namespace plattform { class Dragkaella; class Ritruta; }

class Tavsloj : public plattform::Foenster {
    Q_OBJECT
public:
    explicit Tavsloj(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // The story list.
    QFrame *Panel4 = nullptr;
    QLabel *Label51 = nullptr;         // "Välj en text."
    QLabel *Label52 = nullptr;         // "Klicka på ett nummer."
    QListWidget *ListBox2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;    // "Välj träningstyp"
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QPushButton *Button2 = nullptr;
    // The story.
    QFrame *Panel1 = nullptr;
    QList<QLabel *> Slotetiketter;     // Label1..Label49, slot s at index s - 1
    QList<QLabel *> Namnetiketter;     // namn1..namn7
    QListWidget *ListBox1 = nullptr;
    QFrame *Panel7 = nullptr;
    QLabel *Label60 = nullptr;         // "Gissa ett ord"
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Panel5 = nullptr;          // right answers
    QLabel *Panel6 = nullptr;          // share revealed
    QLabel *Panel8 = nullptr;          // attempts
    QList<QWidget *> Rutdelar;         // the boxes' frames and captions

    plattform::Dragkaella *Ordkaella = nullptr;
    Avslojning Historia;
    int ValdHistoria = 0;

    QLabel *slot(int s) const { return Slotetiketter.value(s - 1); }
    void Resett();
    void ValjHistoria(int n);
    void utruta(int s, const QString &ord, int rad);
    void Textkoll();
    void Button1Click();

protected:
    bool keyDown(QKeyEvent *e) override;
    void escape() override;

private:
    void FormCreate();
    void letastorys();
    void HideStory();
    void VisaStory();
    void OrdnaLabels();
    void UpdateInfo();
    void visaSlot(int s, const QString &text);
    QStringList m_rader;
    bool m_tillFoersta = false;   // a right drop: the list's selection goes to its first word
};

void VisaAvsloj();
