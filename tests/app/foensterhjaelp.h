#pragma once
// Driving windows in tests: the modal helper, and launchers that record
// instead of opening.
#include "../support/ui/modal.h"

#include "core/foensterregister.h"

#include <functional>
#include <map>
#include <vector>

// Launchers that record what was opened, for every window of the registry
// (or only the given ones); the real ones come back at the end.
class FalskaStartare {
public:
    explicit FalskaStartare(std::vector<Foenstertyp> typer = {})
    {
        if (typer.empty())
            for (int t = 0; t < int(Foenstertyp::Ingen); ++t)
                typer.push_back(Foenstertyp(t));
        for (Foenstertyp t : typer)
            registreraFoenster(t, [this, t] {
                oeppnade.push_back(t);
                if (vid.count(t))
                    vid[t]();
            });
    }
    ~FalskaStartare() { aaterstaellFoenstertabell(std::move(m_foerra)); }
    std::vector<Foenstertyp> oeppnade;
    std::map<Foenstertyp, std::function<void()>> vid;   // what a window does when it opens
private:
    std::vector<Startare> m_foerra = foenstertabell();
};

// The launchers of the windows built so far, for the scope; the registry
// is put back after, so a later test sees what it saw before.
class ByggdaFoenster {
public:
    ByggdaFoenster()
    {
        aaterstaellFoenstertabell({});
        registreraByggdaFoenster();
    }
    ~ByggdaFoenster() { aaterstaellFoenstertabell(std::move(m_foerra)); }
private:
    std::vector<Startare> m_foerra = foenstertabell();
};

// A window without its launcher for the scope (its menu entry disabled).
class UtanStartare {
public:
    explicit UtanStartare(Foenstertyp t) : m_typ(t), m_foerra(registreraFoenster(t, {})) {}
    ~UtanStartare() { registreraFoenster(m_typ, m_foerra); }
private:
    Foenstertyp m_typ;
    Startare m_foerra;
};
