#pragma once
// What the program asks of the world, behind replaceable seams: message
// boxes, the clock, the random source and the screen size. The program
// installs the real ones at start; tests install doubles (tests/support).
#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QList>
#include <functional>
#include <memory>
#include <random>

namespace plattform {

inline const QString Programtitel = QStringLiteral("Morvika");

// ---- message boxes -------------------------------------------------------
enum class Rutetyp { Vanlig, Information, Varning, Fel, Fraaga };

class Meddelanden {
public:
    virtual ~Meddelanden() = default;
    virtual void visa(Rutetyp typ, const QString &text) = 0;
    virtual bool fraaga(const QString &text) = 0;   // Yes = true
};

Meddelanden &meddelanden();
// Each setter returns the one it replaced (nullptr: the default), so that a
// caller can put it back.
Meddelanden *saettMeddelanden(Meddelanden *m);      // nullptr: the default

// Short forms.
void visaMeddelande(const QString &text);       // plain message box
void visaInformation(const QString &text);      // information dialog, OK
void visaVarning(const QString &text);          // warning dialog, OK
void visaFel(const QString &text);              // error dialog, OK
bool fraagaJaNej(const QString &text);          // confirmation, Yes and No

// ---- clock ---------------------------------------------------------------
class Klocka {
public:
    virtual ~Klocka() = default;
    virtual QDateTime nu() const { return QDateTime::currentDateTime(); }
    virtual qint64 nanosekunder() const;           // a high-resolution count
};
Klocka &klocka();
Klocka *saettKlocka(Klocka *k);

// ---- random source -------------------------------------------------------
class Slumpkaella {
public:
    virtual ~Slumpkaella() = default;
    virtual void randomize();                       // reseed from the clock
    virtual void saa(quint64 froe) { m_motor.seed(froe); }
    virtual int slump(int n);                       // 0 .. n-1 (0 when n <= 0)
private:
    std::mt19937_64 m_motor{1};
};
Slumpkaella &slumpkaella();
Slumpkaella *saettSlumpkaella(Slumpkaella *s);
inline void Randomize() { slumpkaella().randomize(); }
inline int Random(int n) { return slumpkaella().slump(n); }

// ---- screen --------------------------------------------------------------
QSize skaermstorlek();
std::function<QSize()> saettSkaermstorlek(std::function<QSize()> kaella);

// The grid the full-screen windows are laid out on: a 64th of the screen's
// width, a 48th of its height, and the margin the caller keeps.
struct Rutnaet {
    int W, H, M;
};
Rutnaet rutnaet(int marginal = 0);

} // namespace plattform
