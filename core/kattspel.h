#pragma once
// The turns of the odd-one-out game, without display: one to three players
// in turn, a point for each right answer, the first to five ends the game
// once the later players at four have had their last turn.
#include <QString>
#include <QStringList>

#include <array>

inline constexpr int KattMaal = 5;

// What the window does after an answer.
enum class Kattsteg { NyPost, Vaenta, Slut };

class Kattspel {
public:
    explicit Kattspel(int antalSpelare = 1) { nyttSpel(antalSpelare); }

    void nyttSpel(int antalSpelare);
    // The next player's turn (1 after the last player); returns the player.
    int naestaSpelare();
    Kattsteg raett();
    Kattsteg fel();

    // The players whose done flag is set, in turn order.
    QList<int> vinnare() const;
    int antal() const { return m_antal; }
    int aktuell() const { return m_aktuell; }
    int poaeng(int spelare) const { return m_poaeng[std::size_t(spelare)]; }
    bool klar(int spelare) const { return m_klar[std::size_t(spelare)]; }
    bool sistaTur(int spelare) const { return m_sistaTur[std::size_t(spelare)]; }
    bool avslutning() const { return m_avslutning; }
    bool spelSlut() const { return m_spelSlut; }
    // "&Fortsätta" after a pause keeps the ending phase; after the end a new
    // game starts with the same players.

private:
    bool sistaTurKvar() const;

    int m_antal = 1;
    int m_aktuell = 0;
    std::array<int, 4> m_poaeng{};
    std::array<bool, 4> m_klar{};
    std::array<bool, 4> m_sistaTur{};
    bool m_avslutning = false;
    bool m_spelSlut = false;
};

// The winners' names: "A", "A och B", "A, B och C".
QString Vinnartext(const QStringList &namn);
