#pragma once
// The 28 sub-menus of the tree and their launchers. Each class is the
// common sub-menu window with its table; a few add what their entries do
// beyond the common kinds.
#include "menus/undermeny.h"

extern const Menydef menyTF1, menyTF2, menyTF21, menyTF22, menyTF23, menyTF24, menyTF25, menyTF3,
    menyTF31, menyTF311, menyTF32, menyTF321, menyTF322, menyTF33, menyTF34, menyTF36, menyTF37,
    menyTF38, menyTF39, menyTF4, menyTF41, menyTF43, menyTF46, menyTF461, menyTF47, menyTF5,
    menyTF54, menyTF56;

#define MORV_UNDERMENY(T)                                                                      \
    class T : public Undermeny {                                                               \
    public:                                                                                    \
        explicit T(QWidget *parent = nullptr) : Undermeny(meny##T, parent) {}                  \
    };

// Sverige: its entries open the Sweden pages without a data file.
MORV_UNDERMENY(TF1)
MORV_UNDERMENY(TF2)

// Vokalen: every exercise entry sets practice mode unless worksheet mode is on.
class TF21 : public Undermeny {
public:
    explicit TF21(QWidget *parent = nullptr) : Undermeny(menyTF21, parent) {}
protected:
    void foereOevning(const Menypost &) override;
};

MORV_UNDERMENY(TF22)
MORV_UNDERMENY(TF23)
MORV_UNDERMENY(TF24)
MORV_UNDERMENY(TF25)
MORV_UNDERMENY(TF3)
MORV_UNDERMENY(TF31)
MORV_UNDERMENY(TF311)
MORV_UNDERMENY(TF32)
MORV_UNDERMENY(TF321)

// Katt bland hermeliner: the player names are asked before the game.
class TF322 : public Undermeny {
public:
    explicit TF322(QWidget *parent = nullptr) : Undermeny(menyTF322, parent) {}
protected:
    void oeppnaOevning(const Menypost &post) override;
};

MORV_UNDERMENY(TF33)
MORV_UNDERMENY(TF34)
MORV_UNDERMENY(TF36)
MORV_UNDERMENY(TF37)

// Du själv: each entry names the picture the questions are about.
class TF38 : public Undermeny {
public:
    explicit TF38(QWidget *parent = nullptr) : Undermeny(menyTF38, parent) {}
protected:
    void efterDatfil(const Menypost &post) override;
};

MORV_UNDERMENY(TF39)
MORV_UNDERMENY(TF4)
MORV_UNDERMENY(TF41)
MORV_UNDERMENY(TF43)
MORV_UNDERMENY(TF46)
MORV_UNDERMENY(TF461)
MORV_UNDERMENY(TF47)
MORV_UNDERMENY(TF5)
MORV_UNDERMENY(TF54)
MORV_UNDERMENY(TF56)

#undef MORV_UNDERMENY

void VisaF1();
void VisaF2();
void VisaF21();
void VisaF22();
void VisaF23();
void VisaF24();
void VisaF25();
void VisaF3();
void VisaF31();
void VisaF311();
void VisaF32();
void VisaF321();
void VisaF322();
void VisaF33();
void VisaF34();
void VisaF36();
void VisaF37();
void VisaF38();
void VisaF39();
void VisaF4();
void VisaF41();
void VisaF43();
void VisaF46();
void VisaF461();
void VisaF47();
void VisaF5();
void VisaF54();
void VisaF56();
