#pragma once
// The vowel examination without its window: four fixed steps answered with
// single keys, the wrong keys counted per step, and the grade they give.
#include <QChar>
#include <QString>
#include <array>

struct Vokalsteg {
    QString fraaga;        // InstruktionsLabel1
    QString instruktion;   // InstruktionsLabel2
    QString svar;          // the expected keys, in order
    int ideal = 0;         // answers a pupil without errors gives
};

// Steps 1..4.
const Vokalsteg &vokalsteg(int steg);
inline constexpr int VokalIdealsumma = 19;

// What one key did.
struct Vokalutfall {
    int panel = 0;         // 1..9: the panel that now shows `tecken`
    QChar tecken;
    bool stegKlart = false;   // the step's last right key: the step timer starts
    QString kommentar;     // step 1: shown in KommentarLabel when not empty
};

class Vokalexamen {
public:
    // Felsteg[1..4]: wrong keys per step; Vokalindex: the next vowel of steps 2..4.
    std::array<int, 5> Felsteg{};
    int Vokalindex = 1;

    // A new step; step 1 clears the counts.
    void nyttSteg(int steg);
    // A character typed in step `steg`.
    Vokalutfall tangent(int steg, QChar c);

    int felTotalt() const { return Felsteg[1] + Felsteg[2] + Felsteg[3] + Felsteg[4]; }
    // Answers given in the step: its right answers plus its wrong keys.
    int svarISteg(int steg) const { return vokalsteg(steg).ideal + Felsteg[std::size_t(steg)]; }
};

// The grade 1..10 for the wrong keys of a whole test, and its praise line
// (empty below 8).
int VokalBetyg(int fel);
QString VokalLovord(int betyg);
