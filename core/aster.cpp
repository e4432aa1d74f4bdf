#include "core/aster.h"

#include "platform/seams.h"

#include <cmath>

namespace {
// Colours as the window library writes them, $BBGGRR.
constexpr std::array<quint32, 10> Faergtabell = {0x008000, 0x800000, 0x800080, 0x808000, 0x0000FF,
                                                 0x00FF00, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFF0000};
constexpr std::array<int, 6> Vinkelsteg = {45, 36, 30, 26, 20, 18};
constexpr double Pi = 3.14159265358979323846;

int avrunda(double v) { return int(std::nearbyint(v)); }   // halves to even
} // namespace

AsterModell::AsterModell()
{
    allaRaett();
    SlumpaFigurer();
}

void AsterModell::allaRaett() { m_raett.fill(true); }

void AsterModell::saettRutNummer(Byte n)
{
    if (n == m_rutNummer)
        return;
    if (m_maxAntal > 0 && m_rutNummer == m_maxAntal) {
        allaRaett();
        SlumpaFigurer();
    }
    m_rutNummer = n;
}

void AsterModell::saettRatt(bool raett)
{
    if (!raett && m_rutNummer < AntalFigurer)
        m_raett[m_rutNummer] = false;
}

bool AsterModell::Ratt(int ruta) const
{
    return ruta >= 0 && ruta < AntalFigurer && m_raett[std::size_t(ruta)];
}

void AsterModell::saettStarta(bool v)
{
    if (v)
        allaRaett();
    SlumpaFigurer();
}

void AsterModell::SlumpaFigurer()
{
    plattform::Randomize();
    for (Figur &f : m_figurer) {
        f.penna = plattform::Random(9);
        f.vinkel = plattform::Random(6);
        f.pensel1 = plattform::Random(10);
        f.pensel2 = plattform::Random(10);
    }
}

int AsterModell::rutstorlek(int h)
{
    if (h < 600) return 38;
    if (h < 768) return 50;
    if (h < 864) return 62;
    if (h < 1024) return 70;
    if (h < 1050) return 78;
    return 85;
}

quint32 AsterModell::faerg(int index)
{
    const quint32 v = Faergtabell[std::size_t(std::clamp(index, 0, 9))];
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

int AsterModell::vinkelsteg(int index) { return Vinkelsteg[std::size_t(std::clamp(index, 0, 5))]; }

QList<AsterModell::Ritsteg> AsterModell::ritning(int W, int q) const
{
    QList<Ritsteg> steg;
    if (!m_visa)
        return steg;
    const int M = m_maxAntal;
    // Rectangles from corner to corner, the far edges not included.
    auto fyll = [&steg](int x1, int y1, int x2, int y2, quint32 faerg) {
        Ritsteg r;
        r.slag = Ritsteg::Fyll;
        r.rekt = QRect(x1, y1, x2 - x1, y2 - y1);
        r.faerg = faerg;
        steg.append(r);
    };
    if (m_rutNummer == 0) {
        fyll(0, 0, W, M * q, m_bakgrund);
    } else {
        // Squares past the last figure keep only their frame.
        const int antal = std::min<int>(m_rutNummer, AntalFigurer - 1);
        for (int j = 1; j <= antal; ++j) {
            const int Y = (M - j) * q;
            if (!m_raett[std::size_t(j)]) {
                fyll(4, Y + 4, W - 4, Y + q - 4, Vit);
                continue;
            }
            fyll(0, 0, W, Y + W, m_bakgrund);
            const Figur &f = m_figurer[std::size_t(j)];
            const QPoint c(W / 2, Y + W / 2 - 2);
            const int R = W / 2 - 8;
            const int r = f.vinkel >= 2 ? R / 2 : R / 3;
            const int s = vinkelsteg(f.vinkel);
            auto P = [&c](int grader, int radie) {
                const double t = grader * Pi / 180.0;
                return QPoint(avrunda(c.x() - std::cos(t) * radie), avrunda(c.y() - std::sin(t) * radie));
            };
            int t = 1;
            for (int a = 0; a <= 360; a += s, ++t) {
                Ritsteg tr;
                tr.slag = Ritsteg::Triangel;
                tr.penna = faerg(f.penna);
                const bool udda = t % 2 == 1;
                tr.punkter = {c, P(a, udda ? r : R), P(a + s, udda ? R : r)};
                tr.faerg = faerg(udda ? f.pensel1 : f.pensel2);
                steg.append(tr);
            }
        }
    }
    for (int j = 1; j <= M; ++j) {
        Ritsteg ram;
        ram.slag = Ritsteg::Ram;
        ram.rekt = QRect(0, (j - 1) * q, W, q);
        ram.penna = Svart;
        steg.append(ram);
    }
    return steg;
}
