#include "core/foensterregister.h"

#include <algorithm>
#include <array>

namespace {
constexpr int antal = int(Foenstertyp::Ingen);
std::array<Startare, antal> &tabell()
{
    static std::array<Startare, antal> t;
    return t;
}
bool giltig(Foenstertyp typ) { return int(typ) >= 0 && int(typ) < antal; }
} // namespace

Startare registreraFoenster(Foenstertyp typ, Startare startare)
{
    if (!giltig(typ))
        return {};
    Startare foerra = std::move(tabell()[std::size_t(typ)]);
    tabell()[std::size_t(typ)] = std::move(startare);
    return foerra;
}

std::vector<Startare> foenstertabell() { return {tabell().begin(), tabell().end()}; }

void aaterstaellFoenstertabell(std::vector<Startare> startare)
{
    startare.resize(std::size_t(antal));
    std::move(startare.begin(), startare.end(), tabell().begin());
}

bool finnsStartare(Foenstertyp typ) { return giltig(typ) && bool(tabell()[std::size_t(typ)]); }

bool starta(Foenstertyp typ)
{
    if (!finnsStartare(typ))
        return false;
    // A copy: the window may re-register while it runs.
    Startare s = tabell()[std::size_t(typ)];
    s();
    return true;
}

const char *startarnamn(Foenstertyp typ)
{
    static const char *const namn[] = {
#define MORV_NAMN(typ, startare) #startare,
        MORV_FOENSTERTYPER(MORV_NAMN)
#undef MORV_NAMN
    };
    static_assert(sizeof(namn) / sizeof(namn[0]) == std::size_t(antal));
    return giltig(typ) ? namn[int(typ)] : "";
}
