#include "core/ordkamp.h"

#include "core/program.h"

#include <algorithm>

QString Ordkampsklass(int programtal) { return QString::fromUtf8(program(Word(programtal)).ordklass); }

bool iOrdklassen(const QString &klassfaelt, const QString &klass)
{
    return !klass.isEmpty() && klassfaelt.trimmed().toUpper() == klass;
}

QString Namnuppmaning(int n)
{
    n = std::min(n, 100);
    if (n <= 0)
        return QStringLiteral("Skriv ditt namn.");
    if (n <= 3)
        return QStringLiteral("Ditt namn tack") + QString(n, QLatin1Char('!'));
    return QStringLiteral("Avbryt med Escape.");
}

QStringList Ordkampslut(bool elevenVann, const QString &namn)
{
    if (elevenVann)
        return {QStringLiteral("Grattis ") + namn + QLatin1Char('!'), QString(), QString()};
    return {QStringLiteral("Tyvärr, ") + namn + QLatin1Char('.'), QStringLiteral("Du förlorade mot datorn."),
            QStringLiteral("Ta revansch.")};
}

Ordkamp::Svar Ordkamp::svara(int svar, int antal)
{
    Svar s;
    s.raett = svar == antal;
    if (s.raett) {
        s.foersta = elev + 1;
        s.sista = std::min(elev + antal, OrdkampMaal);
        elev += antal;
    } else {
        s.foersta = dator + OrdkampMaal + 1;
        s.sista = std::min(dator + antal, OrdkampMaal) + OrdkampMaal;
        dator += antal;
    }
    slut = false;
    if (dator >= OrdkampMaal) {
        slut = true;
        elevenVann = false;
    }
    if (elev >= OrdkampMaal) {
        slut = true;
        elevenVann = true;
    }
    return s;
}
