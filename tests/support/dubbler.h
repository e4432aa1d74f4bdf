#pragma once
// The test doubles of the program's seams: recorded message boxes, a fixed
// clock, a preset random source, a recording sound player and a text
// measure with fixed character widths. Install them with Saett (saett.h).
#include "core/textmaett.h"
#include "platform/media.h"
#include "platform/seams.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace plattform {

// Records every text, answers from a queue (then the default).
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

class FastKlocka : public Klocka {
public:
    QDateTime nu() const override { return tid; }
    qint64 nanosekunder() const override { return ns; }
    QDateTime tid = QDateTime(QDate(2026, 1, 2), QTime(8, 30));
    qint64 ns = 1;
};

// Hands out preset values (each taken modulo n), then falls back to a
// seeded generator; counts the reseeds.
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

// Records what was played and answers as told.
class InspeladMediaspelare : public Mediaspelare {
public:
    struct Uppspelning { QString fil; bool vaentade; };
    bool spela(const QString &riktigSoekvaeg, bool vaenta) override
    {
        spelade.append({riktigSoekvaeg, vaenta});
        return fel.isEmpty();
    }
    void stoppa() override { ++antalStopp; }
    QString felText() const override { return fel; }
    bool harLjudutgaang() const override { return utgaang; }

    QList<Uppspelning> spelade;
    int antalStopp = 0;
    QString fel;            // not empty: every play fails with this text
    bool utgaang = true;
};

} // namespace plattform

// Every character is `tecken` pixels wide, times the pixel height divided by
// `grundhoejd` when `skalaMedStorlek` is set; characters listed in `bredder`
// have their own width.
class FastTextmaetare : public Textmaetare {
public:
    QSize storlek(const QString &text, const Typsnitt &t) const override;
    int tecken = 10;
    bool skalaMedStorlek = false;
    int grundhoejd = 19;
    QList<QPair<QChar, int>> bredder;
    mutable QList<Typsnitt> anvaendaTypsnitt;   // every font asked for
};
