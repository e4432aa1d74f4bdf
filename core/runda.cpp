#include "core/runda.h"

#include "core/datafiler.h"
#include "core/diagnos.h"
#include "core/slumpordning.h"
#include "core/tillstaand.h"

namespace {
// Diagnosis practice outside its correction round: the pass rule applies.
bool diagnosoevning(Laege l) { return l == Laege::Diagnosoevning || l == Laege::OevningGodkaend; }
} // namespace

void Runda::starta()
{
    G.runda.RaettaFel = 0;
    boerjaOm();
    G.runda.StandardAntal = G.runda.AntalIRunda = m_val.laengd > 0 ? m_val.laengd
        : aerDiagnosomraade(::laege())                 ? Tillstaand::Runddata::DiagnosLaengd
                                                       : Tillstaand::Runddata::AntalPerRunda;
    m_laege = Rundlaege::VaentarSvar;
}

void Runda::publicera()
{
    G.runda.Uppgiftsnummer = m_uppgift;
    G.runda.AntalRaett = m_raett;
    G.runda.AntalFel = m_fel;
}

void Runda::stega()
{
    ++m_uppgift;
    publicera();
}

void Runda::raekna(bool raett)
{
    ++(raett ? m_raett : m_fel);
    publicera();
}

void Runda::boerjaOm(bool felenStaar)
{
    m_uppgift = 1;
    m_raett = 0;
    if (!felenStaar)
        m_fel = 0;
    publicera();
}

void Runda::saettRaett(int antal)
{
    m_raett = antal;
    publicera();
}

void Runda::nollaRaekning()
{
    m_raett = 0;
    m_fel = 0;
    publicera();
}

std::optional<Postdelar> Runda::haemtaRad()
{
    if (G.runda.RaettaFel == 1) {
        const int n = foerstaFelpost();
        if (n == 0)
            return str_postarray(G.post.HaemtadRad);   // nothing listed: the line stays
        return postNummer(m_fil, n);
    }
    return naestaPost(m_fil);
}

void Runda::foerberedPost(bool lampaPaa)
{
    G.runda.Tidraeknare = 0;
    m_laege = Rundlaege::VaentarSvar;
    hjaelpAnvaend = diagnosoevning(::laege()) && lampaPaa ? 1 : 0;
}

void Runda::boka(bool raett)
{
    if (raett) {
        G.runda.SenastRaett = 1;
        if (hjaelpAnvaend == 0)
            ++m_raett;
        publicera();
        if (G.runda.RaettaFel == 1)
            haemtafel(G.oevning.DatFilNamn, FelTaBort);
        return;
    }
    G.runda.SenastRaett = 0;
    ++m_fel;
    publicera();
    if (!m_val.felLista)
        return;
    if (G.runda.RaettaFel == 1)
        haemtafel(G.oevning.DatFilNamn, FelFlyttaSist);
    else if (paagaar())
        haemtafel(G.oevning.DatFilNamn, FelLaeggTill);
}

Naesta Runda::efterSvar()
{
    stega();
    const bool raett = G.runda.SenastRaett == 1;
    if (paagaar()) {
        if (raett || !m_val.vaentanEfterFel)
            return Naesta::NyPost;
        m_laege = Rundlaege::Vaentan;
        return Naesta::Vaenta;
    }
    if (!raett) {
        m_laege = Rundlaege::Slutfoerdroejning;
        return Naesta::Slutfoerdroejning;
    }
    m_laege = Rundlaege::Slut;
    return Naesta::Avsluta;
}

Naesta Runda::vaentTick()
{
    if (m_laege != Rundlaege::Vaentan)
        return Naesta::Inget;
    ++G.runda.Tidraeknare;
    if (!VaentanSlut(G.runda.Tidraeknare, G.val.SekunderRaettSvar, m_val.tiondelsVaentan))
        return Naesta::Inget;
    if (m_val.vaentanKraeverUppgift && !paagaar())
        return Naesta::Inget;
    return Naesta::NyPost;
}

Naesta Runda::slutTick()
{
    if (m_laege != Rundlaege::Slutfoerdroejning)
        return Naesta::Inget;
    ++G.runda.Tidraeknare;
    if (!VaentanSlut(G.runda.Tidraeknare, G.val.SekunderRaettSvar, true))
        return Naesta::Inget;
    m_laege = Rundlaege::Slut;
    return Naesta::Avsluta;
}

bool Runda::mellanslag()
{
    if (!vaentarKoer())
        return false;
    G.runda.Tidraeknare = MellanslagTidraeknare;
    return true;
}

Naesta Runda::avslutaVaentan()
{
    if (!mellanslag())
        return Naesta::Inget;
    return m_laege == Rundlaege::Vaentan ? vaentTick() : slutTick();
}

Oevningsutfall Runda::passregel()
{
    const Oevningsutfall utfall = Oevningsregel(m_val.passregel, m_raett, G.diagnos.OevningsNummer);
    if (utfall == Oevningsutfall::FoerstaRundan)
        G.diagnos.OevningsNummer = 1;
    else if (utfall == Oevningsutfall::Godkaend) {
        bokaGodkaendOevning();
        m_raett = 0;   // the test starts from nothing
    }
    return utfall;
}

Rundslut Runda::avsluta()
{
    m_laege = Rundlaege::Slut;
    if (!m_val.diagnosbokfoering)
        return Rundslut::Slutpanel;
    const Laege l = ::laege();
    if (diagnosoevning(l) && G.runda.RaettaFel == 0)
        return passregel() == Oevningsutfall::Godkaend ? Rundslut::Stang : Rundslut::EjGodkaend;
    if (l == Laege::Diagnostest) {
        diagnosback(m_raett);
        return Rundslut::Stang;
    }
    return Rundslut::Slutpanel;
}

void Runda::avbryt()
{
    if (!m_val.diagnosbokfoering)
        return;
    const Laege l = ::laege();
    if (l == Laege::Diagnostest)
        diagnosback(m_raett);
    else if (diagnosoevning(l) && paagaar())
        passregel();   // after the end of a round the rule has been applied already
}

bool Runda::startaRaettning()
{
    const Laege l = ::laege();
    if (!aerOevningslaege(l) || G.fel.FelAntal[G.oevning.DatFilIndex] <= 0)
        return false;
    m_raett = 0;
    m_uppgift = 1;
    publicera();
    G.runda.RaettaFel = 1;
    G.runda.AntalIRunda = RaettningsLaengd(G.fel.FelAntal[G.oevning.DatFilIndex], G.runda.StandardAntal);
    if (diagnosoevning(l))
        saettLaege(Laege::OevningRaettning);
    m_laege = Rundlaege::VaentarSvar;
    return true;
}

bool Runda::fortsaett()
{
    const bool nyRunda = FortsaettNyRunda(m_uppgift, G.runda.AntalIRunda, G.runda.RaettaFel == 1);
    if (FortsaettNollar(G.oevning.Arbetsbladslaege, nyRunda, m_val.fortsaettNollarMittIRundan))
        nollaRaekning();
    if (!nyRunda)
        return false;
    G.runda.RaettaFel = 0;
    G.runda.AntalIRunda = G.runda.StandardAntal;
    if (::laege() == Laege::OevningRaettning)
        saettLaege(Laege::Diagnosoevning);
    m_uppgift = 1;
    publicera();
    m_laege = Rundlaege::VaentarSvar;
    return true;
}

bool Runda::raettningFinns() const { return G.fel.FelAntal[G.oevning.DatFilIndex] > 0; }

bool Runda::faarBeroem() const
{
    return ::laege() == Laege::Oevning && FaarBeroem(m_raett, G.runda.AntalIRunda, G.runda.RaettaFel == 1);
}

bool Runda::rutorFoeljer() const
{
    return ::laege() == Laege::Oevning || ::laege() == Laege::OevningRaettning;
}

bool Runda::paagaar() const { return m_uppgift <= G.runda.AntalIRunda; }
