#pragma once
// Every process-wide global the program has belongs to the test that runs:
// the harness notes each one when a test starts, puts it back when the test
// ends and fails the test that left one changed, naming it. A test sets a
// global for a scope only (saett.h), so an early ASSERT leaves nothing behind.

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Whether a test left a global as it found it. A hook or launcher counts as
// the same when it is as empty, or holds a callable of the same type.
template <class T>
bool somFoere(const T &a, const T &b)
{
    return a == b;
}
template <class R, class... A>
bool somFoere(const std::function<R(A...)> &a, const std::function<R(A...)> &b)
{
    return bool(a) == bool(b) && (!a || a.target_type() == b.target_type());
}

class Globalvakt {
public:
    // Notes a global as it stands; the function returned puts it back and
    // says what had changed (empty when nothing).
    using Notering = std::function<std::string()>;
    void bevaka(std::function<Notering()> notera) { m_globaler.push_back(std::move(notera)); }

    // A global read by `las` and set by `saett`.
    template <class T>
    void bevaka(std::string namn, std::function<T()> las, std::function<void(T)> saett)
    {
        bevaka([namn = std::move(namn), las, saett]() -> Notering {
            return [namn, las, saett, foere = las()] {
                const bool aendrad = !somFoere(las(), foere);
                saett(foere);
                return aendrad ? namn : std::string();
            };
        });
    }
    // A global variable.
    template <class T>
    void variabel(std::string namn, T &var)
    {
        bevaka<T>(std::move(namn), [&var] { return var; }, [&var](T v) { var = std::move(v); });
    }
    // A global behind a setter that returns the value it replaced (a seam),
    // read by setting it and setting it back.
    template <class V, class P>
    void saettare(std::string namn, V (*saett)(P))
    {
        bevaka<V>(
            std::move(namn),
            [saett] {
                V v = saett(V{});
                saett(v);
                return v;
            },
            [saett](V v) { saett(std::move(v)); });
    }

    // Every global noted, as when a test starts.
    std::vector<Notering> notera() const;
    // Puts back what `notera` noted, as when a test ends, and fails the
    // running test for each global that had changed, naming it.
    static void aaterstaell(std::vector<Notering> &noterat);

private:
    std::vector<std::function<Notering()>> m_globaler;
};

// Installs the listener with the globals below the widgets (the state
// object `G` is not among them: every test fixture starts it afresh); the
// window tests' main adds theirs to the returned watch.
Globalvakt &installeraGlobalvakt();
// The watch installed.
Globalvakt &globalvakten();
