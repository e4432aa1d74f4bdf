#include "platform/ui/moduler.h"

#include <QCoreApplication>
#include <QLibrary>

// The modules' entries. Where the program links a module's code in, its
// entry is defined and used as it is; otherwise the weak reference stays
// empty and the module is loaded from beside the executable.
extern "C" {
__attribute__((weak)) plattform::Ljudmodul *morvika_ljudmodul();
__attribute__((weak)) plattform::Utskriftsmodul *morvika_utskriftsmodul();
}

namespace plattform {

namespace {
QString senasteFel;

template<class Modul>
Modul *ladda(Modul *(*inlaenkad)(), const char *fil, const char *ingaang)
{
    if (inlaenkad)
        return inlaenkad();
    const QString soekvaeg = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(fil);
    QLibrary bibliotek(soekvaeg);
    // Every symbol is bound now: a module that does not fit the program
    // fails here, not at a later call.
    bibliotek.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    auto ingaangen = reinterpret_cast<Modul *(*)()>(bibliotek.resolve(ingaang));
    if (!ingaangen) {
        senasteFel = soekvaeg;
        qWarning("%s", qPrintable(bibliotek.errorString()));
        return nullptr;
    }
    return ingaangen();
}
} // namespace

Ljudmodul *ljudmodul()
{
    static Ljudmodul *modul = ladda(morvika_ljudmodul, MORV_LJUDMODUL, "morvika_ljudmodul");
    return modul;
}

Utskriftsmodul *utskriftsmodul()
{
    static Utskriftsmodul *modul =
        ladda(morvika_utskriftsmodul, MORV_UTSKRIFTSMODUL, "morvika_utskriftsmodul");
    return modul;
}

QString modulfel() { return senasteFel; }

// ---- the late player -------------------------------------------------------

SenMediaspelare::SenMediaspelare(std::function<Mediaspelare *()> skapa) : m_skapa(std::move(skapa)) {}

Mediaspelare *SenMediaspelare::riktig() const
{
    if (!m_foersoekt) {
        m_foersoekt = true;
        m_riktig = m_skapa();
    }
    return m_riktig;
}

bool SenMediaspelare::spela(const QString &riktigSoekvaeg, bool vaenta)
{
    Mediaspelare *s = riktig();
    return s && s->spela(riktigSoekvaeg, vaenta);
}

void SenMediaspelare::stoppa()
{
    if (m_riktig)
        m_riktig->stoppa();
}

QString SenMediaspelare::felText() const
{
    if (m_riktig)
        return m_riktig->felText();
    return m_foersoekt ? QStringLiteral("Ljudet kan inte spelas upp på den här datorn.") : QString();
}

bool SenMediaspelare::harLjudutgaang() const
{
    Mediaspelare *s = riktig();
    return s && s->harLjudutgaang();
}

void installeraMediaspelare()
{
    static SenMediaspelare sen([]() -> Mediaspelare * {
        Ljudmodul *modul = ljudmodul();
        if (!modul)
            return nullptr;
        Mediaspelare *s = modul->nySpelare(QCoreApplication::instance());
        // From now on the real player answers the seam itself.
        if (&mediaspelare() == &sen)
            saettMediaspelare(s);
        return s;
    });
    saettMediaspelare(&sen);
}

} // namespace plattform
