#pragma once
// The sentence-parts exercise without its window: a sentence with up to five
// marked parts split into its pieces, the boxes the parts go to, the three
// rows the pieces wrap over, the help line under the mouse, and the level
// files of the level mode with their rise and fall.
#include "core/textmaett.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int AntalSatsdelar = 5;

// Code 1..6 ("AO", "DO", "P", "PF", "S", "NN") and the two caption lines of
// the box for it. Only 1..5 get a box.
const QString &SatsdelKod(int index);
const std::array<QString, 2> &SatsdelNamn(int index);
// The code index of a field (upper-cased first), 0 for none of 1..5.
int satsdelIndex(const QString &kod);

// The sentence in pieces: mell[0] before the first part ... mell[5] after
// the fifth, men[0..4] the parts. Text after the fifth part, marks and all,
// joins the last plain piece without its marks. A sentence whose "<" and ">"
// do not pair up gives no pieces at all.
struct Satsbitar {
    std::array<QString, AntalSatsdelar + 1> mell;
    std::array<QString, AntalSatsdelar> men;
    bool giltig = false;
    int antalDelar() const;
};
Satsbitar delaSats(const QString &mening);

// One box: the part it is made for (1..5) and its code index (1..5).
struct Satsruta {
    int del = 0;
    int kod = 0;
    bool operator==(const Satsruta &) const = default;
};
// The boxes of an item, in code order ("AO", "DO", "P", "PF", "S"), one for
// each part whose code has a box and whose text is not empty. `koder` are
// the item's fields 2..6.
QList<Satsruta> tilldelaRutor(const Satsbitar &bitar, const QStringList &koder);
// The code index of part `del` (1..5), 0 when it has none with a box.
int delensKod(const QStringList &koder, int del);

// Where the eleven pieces stand (mell1, men1, mell2, ..., men5, mell6): each
// follows the one before on its row until that one's right edge reaches
// `graens`; then the next row starts (a plain piece one blank further left,
// so its leading blank hangs in the margin). The third row does not wrap.
struct Bitplats {
    int vaenster = 0;
    int rad = 1;     // 1..3
    int bredd = 0;
};
constexpr int Radgraens = 560;
std::array<Bitplats, 2 * AntalSatsdelar + 1> radbryt(const Satsbitar &bitar, const Typsnitt &typsnitt,
                                                   int marginal, int graens = Radgraens);

// The help line under the sentence. A line is shown only when it differs
// from the one shown last and no latch holds; line 2 sets latch A, line 3
// latch B.
class Hjaelplinje {
public:
    static const QString &text(int n);   // 0..3
    // The text to show, or nothing.
    std::optional<QString> visa(int n);
    void slaeppA() { m_a = false; }
    void slaeppB() { m_b = false; }
    void nollstaell() { m_senast = -1; m_a = m_b = false; }
    bool a() const { return m_a; }
    bool b() const { return m_b; }
private:
    int m_senast = -1;
    bool m_a = false;
    bool m_b = false;
};

// ---- the level mode ------------------------------------------------------------

constexpr int FlestNivaaer = 20;
constexpr int FlestPerNivaa = 100;

// The level a line begins with: a run of one or two digits (a third digit
// rejects the line) naming 1..20; 0 when there is none. `rest` gets the
// item text after the digits.
int nivaaAvRad(const QString &rad, QString *rest = nullptr);

// A level file read once: the item lines of each level (at most 100, only
// those that have a part to place) and the number of levels, counted from 1
// up to the first level without lines. `oeppnad` is false when the file
// could not be read.
struct Nivaafil {
    std::array<QStringList, FlestNivaaer + 1> rader;
    int antalNivaaer = 0;
    bool oeppnad = false;
};
Nivaafil laesNivaafil(const QString &datFilNamn);

// One item of the level mode judged: clean items count toward a rise (three
// raise the level), an unclean one lowers it from level 2 on. `topp` when
// the top level was passed; `raett` is the count of clean items since the
// last rise.
struct Nivaalaege {
    int nivaa = 1;
    int antalNivaaer = 0;
    int raett = 0;
    bool topp = false;
};
void nivaaEfterPost(Nivaalaege &l, bool ren);
// The level number's size by the clean items since the last rise: 0 → 18,
// 1 → 24, 2 → 30 points; 0 for other counts (the size stays).
int nivaaPunkter(int raett);
