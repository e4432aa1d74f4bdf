#include "core/innehaall.h"

#include "core/tillstaand.h"
#include "platform/filer.h"

using namespace plattform;

QString SoekInnehaall(const QString &rest)
{
    const QString pc = G.start.PcSoekvaeg + rest;
    return filFinns(pc) ? pc : G.start.CdSoekvaeg + rest;
}

QString HittaInnehaall(const QString &rest, Basordning ordning)
{
    const QString pc = G.start.PcSoekvaeg + rest;
    const QString cd = G.start.CdSoekvaeg + rest;
    const QString &foerst = ordning == Basordning::PcFoerst ? pc : cd;
    const QString &sedan = ordning == Basordning::PcFoerst ? cd : pc;
    if (filFinns(foerst))
        return foerst;
    if (filFinns(sedan))
        return sedan;
    return {};
}

QString HittaKatalog(const QString &rest)
{
    for (const QString &bas : {G.start.PcSoekvaeg.str(), G.start.CdSoekvaeg.str()})
        if (katalogFinns(bas + rest))
            return bas + rest;
    return {};
}

QString saknadFil(const QString &text)
{
    return QStringLiteral("Filen ") + text + QStringLiteral(" finns inte eller är felaktig");
}

QString versalExt(const QString &namn)
{
    const qsizetype punkt = namn.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : namn.mid(punkt).toUpper();
}
