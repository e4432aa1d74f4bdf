#pragma once
// Story writing: the pupil pages through story openings, takes one, writes
// the story on line by line below it, reads it and can print it. Nothing
// is judged or counted.
#include "core/historier.h"
#include "core/oevningsstart.h"
#include "platform/ui/foenster.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class Tberaetta : public plattform::Foenster {
    Q_OBJECT
public:
    explicit Tberaetta(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QFrame *Panel2 = nullptr;            // the silver panel with the three lines
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *Panel4 = nullptr;            // choosing an opening
    QToolButton *SpeedButton1 = nullptr; // previous
    QToolButton *SpeedButton2 = nullptr; // next
    QLabel *Label8 = nullptr;            // "k of N"
    QPushButton *Button1 = nullptr;      // "&Avbryta"
    QPushButton *BitBtn1 = nullptr;      // "OK"
    QFrame *Panel5 = nullptr;            // the writing hints
    QLineEdit *Edit1 = nullptr;
    QFrame *Panel6 = nullptr;            // the finished story
    QPlainTextEdit *Memo2 = nullptr;
    QPushButton *BitBtn2 = nullptr;      // "&Skriv ut"
    QPushButton *Button2 = nullptr;      // "&Ny historia"
    QPushButton *Button3 = nullptr;      // "&Avbryta"

    Inledningar Inledningsrader;
    int AktuellInledning = 1;
    QStringList Beraettelse;             // the story: the opening, then the pupil's lines

    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void Edit1Enter();
    void Button2Click();
    void BitBtn2Click();
    // The width a written line may take on the panel.
    int radbredd() const;

protected:
    bool keyDown(QKeyEvent *e) override;

private:
    void FormCreate(const Oevningsstart &start);
    void visaInledning();
    void VisaStory();
};

void VisaBeraetta();
