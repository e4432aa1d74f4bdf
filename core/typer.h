#pragma once
// Small types the shared state is made of: bounded texts and arrays with
// the index ranges the program declares.
#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdint>

using Byte = std::uint8_t;
using Word = std::uint16_t;

// A text of at most N characters; a longer text assigned to it is cut.
template <int N>
class TextN {
public:
    TextN() = default;
    TextN(const QString &s) : m_s(s.left(N)) {}
    TextN(const char *s) : m_s(QString::fromUtf8(s).left(N)) {}
    TextN &operator=(const QString &s) { m_s = s.left(N); return *this; }
    TextN &operator=(const char *s) { m_s = QString::fromUtf8(s).left(N); return *this; }
    operator const QString &() const { return m_s; }
    const QString &str() const { return m_s; }
    qsizetype length() const { return m_s.length(); }
    bool isEmpty() const { return m_s.isEmpty(); }
    void clear() { m_s.clear(); }
    bool operator==(const QString &o) const { return m_s == o; }
    bool operator==(const TextN &o) const { return m_s == o.m_s; }
    bool operator==(const char *o) const { return m_s == QString::fromUtf8(o); }
    static constexpr int max = N;
private:
    QString m_s;
};

template <int N>
inline QString operator+(const QString &a, const TextN<N> &b) { return a + b.str(); }
template <int N>
inline QString operator+(const TextN<N> &a, const QString &b) { return a.str() + b; }
template <int N>
inline QString operator+(const char *a, const TextN<N> &b) { return QString::fromUtf8(a) + b.str(); }

// array[Lo..Hi] of T. An index outside the range does not touch the array:
// it reads a default value and writes go nowhere, with a warning, so bad
// content can never corrupt memory. Services check their ranges themselves.
template <typename T, int Lo, int Hi>
class Arr {
public:
    static constexpr int laag = Lo;
    static constexpr int hoeg = Hi;
    static constexpr bool inom(long long i) { return i >= Lo && i <= Hi; }
    T &operator[](long long i)
    {
        if (!inom(i)) return utanfoer(i);
        return m_d[std::size_t(i - Lo)];
    }
    const T &operator[](long long i) const
    {
        if (!inom(i)) return const_cast<Arr *>(this)->utanfoer(i);
        return m_d[std::size_t(i - Lo)];
    }
    void fyll(const T &v) { m_d.fill(v); }
    auto begin() { return m_d.begin(); }
    auto end() { return m_d.end(); }
    auto begin() const { return m_d.begin(); }
    auto end() const { return m_d.end(); }
private:
    T &utanfoer(long long i)
    {
        qWarning("index %lld outside %d..%d", i, Lo, Hi);
        m_skraep = T{};
        return m_skraep;
    }
    std::array<T, std::size_t(Hi - Lo + 1)> m_d{};
    T m_skraep{};
};
