#include "core/svarstest.h"

#include "platform/text1252.h"

namespace {

const QChar Blank = QLatin1Char(' ');

bool aerSkiljetecken(QChar c)
{
    // "!", ",", ".", "?", the diaeresis (168) and the soft hyphen (173).
    const char16_t u = c.unicode();
    return u == u'!' || u == u',' || u == u'.' || u == u'?' || u == 0x00A8 || u == 0x00AD;
}

// One punctuation character off the start, then one off the end.
void skalaSkiljetecken(QString &t)
{
    if (!t.isEmpty() && aerSkiljetecken(t.front()))
        t.remove(0, 1);
    if (!t.isEmpty() && aerSkiljetecken(t.back()))
        t.chop(1);
}

int kod1252(QChar c) { return static_cast<unsigned char>(plattform::tecken1252(c)); }

// Capitals expected at the start of a word and typed as small letters.
int saknadeVersaler(const QString &e, const QString &a)
{
    int antal = 0;
    for (qsizetype k = 0; k < e.size() && k < a.size() && antal < 5; ++k) {
        const bool ordstart = k == 0 || e.at(k - 1) == Blank;
        if (ordstart && kod1252(e.at(k)) == kod1252(a.at(k)) - 32)
            ++antal;
    }
    return antal;
}

bool faeltnummer(int f) { return f >= 1 && f <= 10; }

} // namespace

QChar SvVersal(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= 0x00E0 && u <= 0x00FE && u != 0x00F7))
        return QChar(char16_t(u - 32));
    switch (u) {
    case 0x0161: return QChar(char16_t(0x0160));   // š Š
    case 0x0153: return QChar(char16_t(0x0152));   // œ Œ
    case 0x017E: return QChar(char16_t(0x017D));   // ž Ž
    case 0x00FF: return QChar(char16_t(0x0178));   // ÿ Ÿ
    default: return c;
    }
}

QString medVersal(const QString &ord)
{
    if (ord.isEmpty())
        return ord;
    return SvVersal(ord.at(0)) + ord.mid(1);
}

bool boerjarMedVersal(const QString &ord)
{
    if (ord.isEmpty())
        return false;
    const QChar c = ord.at(0);
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QChar(0xC5) || c == QChar(0xC4)
           || c == QChar(0xD6);
}

QString SvVersaler(const QString &text)
{
    QString ut = text;
    for (QChar &c : ut)
        c = SvVersal(c);
    return ut;
}

QString MellanslagBort(const QString &text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text.at(b) == Blank)
        ++b;
    while (e > b && text.at(e - 1) == Blank)
        --e;
    QString t = text.mid(b, e - b);
    if (t.size() > 3) {
        QString ut;
        ut.reserve(t.size());
        for (QChar c : t)
            if (!(c == Blank && !ut.isEmpty() && ut.back() == Blank))
                ut.append(c);
        t = ut;
    }
    return t;
}

Word svarstest(const QString &vaentat, const QString &svar, int laege, const Postdelar &post)
{
    if (svar.isEmpty())
        return SvarTomt;
    Word resultat = SvarFel;
    const int rundor = post.antalAlternativ + 1;
    // A letter typed as base and combining mark ("a" + ring) is the letter.
    QString a = svar.normalized(QString::NormalizationForm_C);

    // The last non-empty field among 3..10 (2 when all of them are empty).
    int sista = 2;
    for (int f = 10; f >= 3; --f)
        if (!post.faelt[f].isEmpty()) {
            sista = f;
            break;
        }

    for (int r = 1; r <= rundor && resultat >= SvarFel; ++r) {
        QString e = vaentat;
        if (r > 1) {
            // Lines with more alternatives than fields point past the
            // fields: those rounds have nothing to compare.
            const int f = sista - r + 2;
            if (!faeltnummer(f))
                continue;
            e = post.faelt[f];
            if (e.startsWith(QLatin1Char('&')))
                e.remove(0, 1);
        }
        e = MellanslagBort(e.normalized(QString::NormalizationForm_C));
        a = MellanslagBort(a);
        if (laege == 1 || laege == 3 || laege == 4) {
            skalaSkiljetecken(e);
            skalaSkiljetecken(a);
            if (e == a)
                resultat = SvarRaett;
        }
        switch (laege) {
        case 0:
        case 1:
            if (e == a)
                resultat = SvarRaett;
            break;
        case 2:
        case 3:
            e = SvVersaler(e);
            a = SvVersaler(a);
            if (e == a)
                resultat = SvarRaett;
            break;
        case 4:
            if (resultat != SvarRaett && SvVersaler(e) == SvVersaler(a)) {
                const int antal = saknadeVersaler(e, a);
                resultat = antal > 0 ? Word(10 + antal) : SvarFel;
            }
            break;
        default:
            break;
        }
    }
    return resultat;
}

Byte GreenRedTest(const QString &delsvar, const QString &vaentat, const Postdelar &post)
{
    if (delsvar.isEmpty())
        return 2;
    // One leading blank is dropped from both sides, so that a gap written
    // with a blank before its word can still become right.
    auto utanBlank = [](const QString &t) { return t.startsWith(Blank) ? t.mid(1) : t; };
    const QString d = utanBlank(delsvar.normalized(QString::NormalizationForm_C));
    auto boerjarMed = [&d, &utanBlank](const QString &t) { return utanBlank(t).left(d.size()) == d; };
    if (boerjarMed(vaentat))
        return 1;
    if (post.antalAlternativ > 0) {
        for (int f = post.antalFaelt; f >= int(post.antalFaelt) - int(post.antalAlternativ); --f)
            if (faeltnummer(f) && boerjarMed(post.faelt[f]))
                return 1;
    }
    return 2;
}
