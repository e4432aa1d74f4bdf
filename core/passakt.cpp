#include "core/passakt.h"

#include "core/datafiler.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "platform/text1252.h"

#include <algorithm>

void SorteraAlternativ(QStringList &alternativ, int lo, int hi)
{
    lo = std::max(lo, 1);
    hi = std::min(hi, int(alternativ.size()));
    if (lo >= hi)
        return;
    std::sort(alternativ.begin() + (lo - 1), alternativ.begin() + hi,
              [](const QString &a, const QString &b) { return plattform::till1252(a) < plattform::till1252(b); });
}

QStringList PassAktAlternativ(const Arr<QString, 1, 10> &faelt)
{
    QStringList val;
    for (int f = 2; f <= MaxAntalVal + 1 && !faelt[f].isEmpty(); ++f)
        val << faelt[f];
    SorteraAlternativ(val, 1, int(val.size()));
    return val;
}

QString PassAktFoerklaring(Word programtal, const QString &f1, const QString &f2)
{
    using K = Kategorifoerklaring;
    // An item without a mark names its whole text.
    auto markerat = [&f1] {
        LetaPrep(f1);
        return G.post.LetaPrepDelar[2].isEmpty() ? f1 : G.post.LetaPrepDelar[2];
    };
    switch (program(programtal).foerklaring) {
    case K::Ingen:
        return {};
    case K::Aer:
        return f1 + QStringLiteral(" är ") + f2.toLower() + QLatin1Char('.');
    case K::Vokaler:
        return QStringLiteral("Det finns ") + f2
               + (f2 == QStringLiteral("1") ? QStringLiteral(" vokal.") : QStringLiteral(" vokaler."));
    case K::HaardMjuk:
        return f1 + QStringLiteral(" är en ") + f2.toLower() + QStringLiteral(" vokal.");
    case K::KortLaang:
        return f1 + QStringLiteral(" har en ") + f2.toLower() + QStringLiteral(" vokal.");
    case K::Uttal:
        return markerat() + QStringLiteral(" uttalas här med ") + f2.toLower() + QLatin1Char('.');
    case K::Alfabetisk:
        return QStringLiteral("Bokstäverna i ") + f1
               + (f2 == QStringLiteral("Ja") ? QStringLiteral(" står i alfabetisk ordning.")
                                             : QStringLiteral(" står inte i alfabetisk ordning."));
    case K::Satsdel: {
        const QString namn = Satsdelsnamn(f2);
        return markerat() + QStringLiteral(" är ") + namn
               + (namn.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."));
    }
    }
    return {};
}

QString Satsdelsnamn(const QString &kod)
{
    // Compared without case, blanks and full stops: "Ack. obj." is "ackobj".
    QString k;
    for (QChar c : kod.toLower())
        if (c != QLatin1Char(' ') && c != QLatin1Char('.'))
            k.append(c);
    static const struct { const char *kort; const char *namn; } namn[] = {
        {"ackobj", "ackusativobjekt"}, {"datobj", "dativobjekt"}, {"predf", "predikatsfyllnad"},
        {"subj", "subjekt"},           {"pred", "predikat"},      {"adv", "adverbial"},
        {"attr", "attribut"},
    };
    for (const auto &n : namn)
        if (k == QLatin1String(n.kort))
            return QString::fromUtf8(n.namn);
    return kod;
}

QString GrammatikTerm(const QString &kod, int flagga)
{
    QString t = kod;
    const QString stor = kod.toUpper();
    if (stor.left(3) == QStringLiteral("ACK"))
        t = QStringLiteral("ackusativ");
    if (stor.left(3) == QStringLiteral("DAT"))
        t = QStringLiteral("dativ");
    if (stor == QStringLiteral("PRED.F."))
        t = QStringLiteral("predikatsfyllnad");
    if (stor.left(4) == QStringLiteral("SUBJ"))
        t = QStringLiteral("subjekt");
    if (stor.left(3) == QStringLiteral("AKT"))
        t = QStringLiteral("aktiv");
    if (stor.left(4) == QStringLiteral("SUBS"))
        t = QStringLiteral("substantiv");
    if (stor.left(4) == QStringLiteral("PASS"))
        t = QStringLiteral("passiv");
    if (stor.left(5) == QStringLiteral("PREDI"))
        t = QStringLiteral("predikat");
    // The full word names the part of the sentence it is, not the predicate.
    if (stor == QStringLiteral("PREDIKATSFYLLNAD"))
        t = QStringLiteral("predikatsfyllnad");
    if (flagga == 1 && !t.isEmpty())
        t[0] = t.at(0).toUpper();
    return t;
}
