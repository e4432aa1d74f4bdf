#pragma once
// What the program asks of the world, behind replaceable seams: message
// boxes, the clock, the random source and the screen size. The program
// installs the real ones at start; tests install doubles.
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
void saettMeddelanden(Meddelanden *m);              // nullptr: the default

// Short forms.
void visaMeddelande(const QString &text);       // plain message box
void visaInformation(const QString &text);      // information dialog, OK
void visaVarning(const QString &text);          // warning dialog, OK
void visaFel(const QString &text);              // error dialog, OK
bool fraagaJaNej(const QString &text);          // confirmation, Yes and No

// The test double: records every text, answers from a queue (then the default).
class InspeladeMeddelanden : public Meddelanden {
public:
    struct Post { Rutetyp typ; QString text; };
    void visa(Rutetyp typ, const QString &text) override { poster.append({typ, text}); }
    bool fraaga(const QString &text) override
    {
        poster.append({Rutetyp::Fraaga, text});
        return svar.isEmpty() ? standardSvar : svar.takeFirst();
    }
    QStringList texter() const
    {
        QStringList t;
        for (const Post &p : poster) t << p.text;
        return t;
    }
    QList<Post> poster;
    QList<bool> svar;
    bool standardSvar = true;
};

// ---- clock ---------------------------------------------------------------
class Klocka {
public:
    virtual ~Klocka() = default;
    virtual QDateTime nu() const { return QDateTime::currentDateTime(); }
    virtual qint64 nanosekunder() const;           // a high-resolution count
};
Klocka &klocka();
void saettKlocka(Klocka *k);

class FastKlocka : public Klocka {
public:
    QDateTime nu() const override { return tid; }
    qint64 nanosekunder() const override { return ns; }
    QDateTime tid = QDateTime(QDate(2026, 1, 2), QTime(8, 30));
    qint64 ns = 1;
};

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
void saettSlumpkaella(Slumpkaella *s);
inline void Randomize() { slumpkaella().randomize(); }
inline int Random(int n) { return slumpkaella().slump(n); }

// A double that hands out preset values (each taken modulo n), then falls
// back to a seeded generator; it counts the reseeds.
class FastSlump : public Slumpkaella {
public:
    void randomize() override { ++antalRandomize; }
    int slump(int n) override
    {
        if (n <= 0) return 0;
        if (!vaerden.isEmpty()) return ((vaerden.takeFirst() % n) + n) % n;
        return Slumpkaella::slump(n);
    }
    QList<int> vaerden;
    int antalRandomize = 0;
};

// ---- screen --------------------------------------------------------------
QSize skaermstorlek();
void saettSkaermstorlek(std::function<QSize()> kaella);

} // namespace plattform
