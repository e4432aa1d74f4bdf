#pragma once
// The anthem page "Sveriges nationalsång": the verse shown line by line,
// "&Spela upp" playing the anthem and "&Ny vers" going on to the next verse
// with the anthem from its start. The anthem never outlives the page.
#include "exercises/arrange/sverigesida.h"

class TSvHymn : public Sverigesida {
    Q_OBJECT
public:
    explicit TSvHymn(QWidget *parent = nullptr);
    ~TSvHymn() override;

    QLabel *Label4 = nullptr;       // the verse's name
    QLabel *KompLabel2 = nullptr;
    QLabel *RadLabel1 = nullptr, *RadLabel2 = nullptr, *RadLabel3 = nullptr, *RadLabel4 = nullptr,
           *Radlabel5 = nullptr;
    QFrame *SpelaPanel1 = nullptr, *Nyverspanel1 = nullptr;
    plattform::Klickpanel *SpelaPanel2 = nullptr, *Nyverspanel2 = nullptr;

    int vers() const { return m_vers; }

    void SpelaPanel2Click();
    void NyversPanel2Click();
    void AvbrytPanel2Click() override;

protected:
    bool keyDown(QKeyEvent *e) override;
    void escape() override {}   // Esc does nothing here
    void done(int r) override;

private:
    void FormCreate();
    void SkrivHymnen2();
    void FormClose();
    QList<QLabel *> rader() const;
    int m_vers = 1;
    bool m_ljudStoppat = false;
};

void VisaSvHymn();
