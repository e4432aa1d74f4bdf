#pragma once
// Seams set for a scope: the guard installs a double and puts back what was
// there before when it goes, so an early ASSERT never leaves a global
// pointing into a finished test.
//
//   plattform::InspeladMediaspelare media;
//   Saett<plattform::Mediaspelare> g(&media);          // an interface seam
//   Saett<Skaerm> s([] { return QSize(800, 600); });   // a value seam
//   Byt b(TomUtskriftslistorna, [&] { ++n; });         // any global variable
#include "core/textmaett.h"
#include "platform/filer.h"
#include "platform/media.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"

#include <functional>
#include <type_traits>
#include <utility>

// How a seam is set: Seam<T>::saett(v) installs v and returns the one it
// replaced. The interface seams take a pointer (nullptr: the default).
template <class T> struct Seam;

#define MORV_PEKARSEAM(T, saettare)                                                \
    template <> struct Seam<T> {                                                   \
        using Vaerde = T *;                                                        \
        static Vaerde saett(Vaerde v) { return saettare(v); }                      \
    }

MORV_PEKARSEAM(plattform::Meddelanden, plattform::saettMeddelanden);
MORV_PEKARSEAM(plattform::Klocka, plattform::saettKlocka);
MORV_PEKARSEAM(plattform::Slumpkaella, plattform::saettSlumpkaella);
MORV_PEKARSEAM(plattform::Mediaspelare, plattform::saettMediaspelare);
MORV_PEKARSEAM(const Textmaetare, saettTextmaetare);

// Value seams, named by a tag.
struct Skaerm {};          // the screen size
struct Skrivgraens {};     // bytes a write may take before it fails (-1: no limit)
struct Ankare {};          // the directory relative paths start in
struct Datakatalog {};     // the user's data folder
struct Laasvaentan {};     // ms to wait for the write lock

template <> struct Seam<Skaerm> {
    using Vaerde = std::function<QSize()>;
    static Vaerde saett(Vaerde v) { return plattform::saettSkaermstorlek(std::move(v)); }
};
template <> struct Seam<Skrivgraens> {
    using Vaerde = qint64;
    static Vaerde saett(Vaerde v) { return plattform::saettSkrivgraens(v); }
};
template <> struct Seam<Ankare> {
    using Vaerde = QString;
    static Vaerde saett(Vaerde v) { return plattform::saettAnkare(v); }
};
template <> struct Seam<Datakatalog> {
    using Vaerde = QString;
    static Vaerde saett(Vaerde v) { return plattform::saettDatakatalog(v); }
};
template <> struct Seam<Laasvaentan> {
    using Vaerde = int;
    static Vaerde saett(Vaerde v) { return plattform::Skrivlaas::saettVaentetid(v); }
};

template <class T>
class Saett {
public:
    using Vaerde = typename Seam<T>::Vaerde;
    explicit Saett(Vaerde ny) : m_foerra(Seam<T>::saett(std::move(ny))) {}
    ~Saett() { Seam<T>::saett(std::move(m_foerra)); }
    Saett(const Saett &) = delete;
    Saett &operator=(const Saett &) = delete;
private:
    Vaerde m_foerra;
};

// A global variable (a std::function hook, a registered window) given a
// value for the scope.
template <class T>
class Byt {
public:
    Byt(T &var, std::type_identity_t<T> ny) : m_var(var), m_foerra(std::exchange(var, std::move(ny))) {}
    ~Byt() { m_var = std::move(m_foerra); }
    Byt(const Byt &) = delete;
    Byt &operator=(const Byt &) = delete;
private:
    T &m_var;
    T m_foerra;
};
template <class T> Byt(T &, std::type_identity_t<T>) -> Byt<T>;
