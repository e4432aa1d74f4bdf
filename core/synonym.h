#pragma once
// The word-collection game without its display: a word with its hidden list
// of accepted words, points per found word, the bonus for the last one, the
// tries, the halving for every look at the list and the time penalty.
#include <QString>
#include <QStringList>

// The time of day in milliseconds, by the clock seam.
qint64 millisekunderSedanMidnatt();

// An item line split at every "#": the shown word, then the accepted words
// in the list's sorted order (empty fields stay).
struct Synonymrad {
    QString ord;
    QStringList svar;
};
Synonymrad delaSynonymrad(const QString &rad);

class Synonymspel {
public:
    int S = 0;      // the round's score
    int P = 1000;   // points per found word
    int B = 100;    // bonus for the last answer
    int T = 0;      // tries used on this word
    int A = 0;      // tries allowed
    int N = 0;      // answers still hidden
    QString ord;
    QStringList kvar;   // the remaining answers, sorted

    void nyRunda() { S = 0; P = 1000; }
    // Shows the word of an item line and starts its stop-watch.
    void nyttOrd(const QString &rad);

    struct Utfall {
        bool hittat = false;    // the text was one of the remaining answers
        bool ordSlut = false;   // the word is over; the time penalty is taken
    };
    // One Enter: an empty text gives up the word.
    Utfall svara(const QString &text);
    // Every look at the remaining words halves what is still to be won.
    void oeppnaLista();

    // The stop-watch: mode 0 starts (returns 0), mode 1 stops and returns the
    // time since the start in unit 0 ms, 1 hundredths, 2 tenths, 3 seconds.
    int TidMatning(int mode, int enhet);

private:
    qint64 m_start = 0;
    qint64 m_stopp = 0;
};
