#pragma once
// The word-class game against the computer, without display: the class a
// program asks for, the score of each answer, who reached 20 first, and the
// texts of the name prompt and of the end.
#include <QString>
#include <QStringList>

// "SUBSTANTIV", "ADJEKTIV" or "VERB" for the three games; empty otherwise.
QString Ordkampsklass(int programtal);

// True when a word's class field names the game's class (case ignored).
bool iOrdklassen(const QString &klassfaelt, const QString &klass);

// The prompt after the n-th Enter in an empty name field; n is capped at
// 100, so the prompt no longer changes after that.
QString Namnuppmaning(int n);

// The end text's three parts, joined by blanks in the praise panel.
QStringList Ordkampslut(bool elevenVann, const QString &namn);

inline constexpr int OrdkampMaal = 20;

class Ordkamp {
public:
    struct Svar {
        bool raett = false;
        int foersta = 0, sista = -1;   // the squares (Tag 1..40) that turn yellow
    };
    // The pupil answers `svar` where `antal` words were of the class.
    Svar svara(int svar, int antal);
    void nollstaell() { *this = Ordkamp(); }

    int elev = 0;        // P
    int dator = 0;       // D
    bool slut = false;
    bool elevenVann = false;
};
