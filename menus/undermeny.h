#pragma once
// The sub-menu window: a heading over one column of entry buttons on a
// panel coloured by the mode. Every sub-menu of the tree is this window
// with its own table of entries (undermenyer.cpp); the classes TF1..TF56
// add only what their entries do beyond the common three kinds.
#include "core/foensterregister.h"
#include "platform/ui/foenster.h"

#include <QList>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;

struct Menypost {
    enum class Slag { Oevning, Undermeny, Tillbaka };
    int knapp;                          // the entry is Button<knapp>
    const char *text;                   // caption (UTF-8)
    Slag slag;
    const char *datfil = nullptr;       // exercise: its data file, or none
    Foenstertyp oeppnar = Foenstertyp::Ingen;   // exercise: the window it opens
    void (*undermeny)() = nullptr;      // sub-menu: its launcher
    bool avIArbetsblad = false;         // disabled in worksheet mode
    Foenstertyp foerst = Foenstertyp::Ingen;    // a dialog the entry opens before it
};

struct Menydef {
    const char *klass;                  // "TF23"
    const char *rubrik;                 // heading (UTF-8)
    int bredd;                          // design width at 100 %
    std::vector<Menypost> poster;       // from the top down; the back entry last
    int rubrikPx = 24;                  // heading character height
    int knappPx = 16;                   // entry character height
    int knappHoejd = 28;
    int foersta = 40;                   // top of the first entry
};

// The 28 sub-menus in the order of the tree.
const std::vector<const Menydef *> &allaUndermenyer();
const Menydef *undermenydef(const QString &klass);

class Undermeny : public plattform::Foenster {
    Q_OBJECT
public:
    Undermeny(const Menydef &def, QWidget *parent);

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    // Button<nr>, or null when the sub-menu has no such entry.
    QPushButton *knapp(int nr) const;
    QPushButton *tillbakaknapp() const { return m_tillbaka; }
    const Menydef &def() const { return m_def; }

    // The click of an entry (also what its button does).
    void knappKlick(const Menypost &post);

protected:
    // Hooks of the entry kinds that some sub-menus vary.
    virtual void foereOevning(const Menypost &) {}
    virtual void efterDatfil(const Menypost &) {}
    virtual void oeppnaOevning(const Menypost &post);
    void escape() override;

private:
    void FormCreate();
    static bool kanOeppnas(const Menypost &post);
    const Menydef &m_def;
    QList<QPushButton *> m_knappar;
    QPushButton *m_tillbaka = nullptr;
};
