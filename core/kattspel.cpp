#include "core/kattspel.h"

#include <algorithm>

void Kattspel::nyttSpel(int antalSpelare)
{
    m_antal = std::clamp(antalSpelare, 1, 3);
    m_aktuell = 0;
    m_poaeng.fill(0);
    m_klar.fill(false);
    m_sistaTur.fill(false);
    m_avslutning = false;
    m_spelSlut = false;
}

int Kattspel::naestaSpelare()
{
    m_aktuell = m_aktuell < m_antal ? m_aktuell + 1 : 1;
    return m_aktuell;
}

bool Kattspel::sistaTurKvar() const
{
    return m_sistaTur[2] || m_sistaTur[3];
}

Kattsteg Kattspel::raett()
{
    const auto a = std::size_t(m_aktuell);
    if (a == 0)
        return Kattsteg::NyPost;
    ++m_poaeng[a];
    if (m_poaeng[a] >= KattMaal) {
        m_avslutning = true;
        m_klar[a] = true;
        // Later players in the turn order at one point from the goal get
        // one more turn; a player who finishes in his last turn uses it up.
        m_sistaTur[a] = false;
        for (int s = m_aktuell + 1; s <= m_antal; ++s)
            if (m_poaeng[std::size_t(s)] == KattMaal - 1)
                m_sistaTur[std::size_t(s)] = true;
    }
    if (!m_klar[a] || sistaTurKvar())
        return Kattsteg::NyPost;
    m_spelSlut = true;
    return Kattsteg::Slut;
}

Kattsteg Kattspel::fel()
{
    if (m_avslutning) {
        m_sistaTur[std::size_t(m_aktuell)] = false;
        if (!sistaTurKvar()) {
            m_spelSlut = true;
            return Kattsteg::Slut;
        }
    }
    return Kattsteg::Vaenta;
}

QList<int> Kattspel::vinnare() const
{
    QList<int> v;
    for (int s = 1; s <= m_antal; ++s)
        if (m_klar[std::size_t(s)])
            v << s;
    return v;
}

QString Vinnartext(const QStringList &namn)
{
    if (namn.size() <= 1)
        return namn.value(0);
    return QStringList(namn.mid(0, namn.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" och ")
        + namn.last();
}
