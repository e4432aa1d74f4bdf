#include "platform/seams.h"

#include <QElapsedTimer>
#include <chrono>
#include <cstdio>

namespace plattform {

namespace {
// Without a window system the messages go to standard error.
class StandardMeddelanden : public Meddelanden {
public:
    void visa(Rutetyp, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(Programtitel), qPrintable(text));
    }
    bool fraaga(const QString &text) override
    {
        visa(Rutetyp::Fraaga, text);
        return false;
    }
};

StandardMeddelanden standardMeddelanden;
Meddelanden *aktuellaMeddelanden = &standardMeddelanden;
Klocka standardKlocka;
Klocka *aktuellKlocka = &standardKlocka;
Slumpkaella standardSlump;
Slumpkaella *aktuellSlump = &standardSlump;
std::function<QSize()> skaermKaella;
} // namespace

Meddelanden &meddelanden() { return *aktuellaMeddelanden; }
Meddelanden *saettMeddelanden(Meddelanden *m)
{
    Meddelanden *foerra = aktuellaMeddelanden == &standardMeddelanden ? nullptr : aktuellaMeddelanden;
    aktuellaMeddelanden = m ? m : &standardMeddelanden;
    return foerra;
}

void visaMeddelande(const QString &text) { meddelanden().visa(Rutetyp::Vanlig, text); }
void visaInformation(const QString &text) { meddelanden().visa(Rutetyp::Information, text); }
void visaVarning(const QString &text) { meddelanden().visa(Rutetyp::Varning, text); }
void visaFel(const QString &text) { meddelanden().visa(Rutetyp::Fel, text); }
bool fraagaJaNej(const QString &text) { return meddelanden().fraaga(text); }

// Wall time in nanoseconds: it differs between starts of the program and,
// at this resolution, between calls in quick succession.
qint64 Klocka::nanosekunder() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch()).count();
}

Klocka &klocka() { return *aktuellKlocka; }
Klocka *saettKlocka(Klocka *k)
{
    Klocka *foerra = aktuellKlocka == &standardKlocka ? nullptr : aktuellKlocka;
    aktuellKlocka = k ? k : &standardKlocka;
    return foerra;
}

void Slumpkaella::randomize()
{
    // Seeded from a high-resolution clock, so that calls in quick
    // succession still give different orders.
    static quint64 raeknare = 0;
    m_motor.seed(quint64(klocka().nanosekunder()) + 0x9E3779B97F4A7C15ull * ++raeknare);
}

int Slumpkaella::slump(int n)
{
    if (n <= 0)
        return 0;
    return int(std::uniform_int_distribution<int>(0, n - 1)(m_motor));
}

Slumpkaella &slumpkaella() { return *aktuellSlump; }
Slumpkaella *saettSlumpkaella(Slumpkaella *s)
{
    Slumpkaella *foerra = aktuellSlump == &standardSlump ? nullptr : aktuellSlump;
    aktuellSlump = s ? s : &standardSlump;
    return foerra;
}

QSize skaermstorlek() { return skaermKaella ? skaermKaella() : QSize(640, 480); }
std::function<QSize()> saettSkaermstorlek(std::function<QSize()> kaella)
{
    std::swap(skaermKaella, kaella);
    return kaella;
}

Rutnaet rutnaet(int marginal)
{
    const QSize s = skaermstorlek();
    return {s.width() / 64, s.height() / 48, marginal};
}

} // namespace plattform
