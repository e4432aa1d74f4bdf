#include "core/rundregler.h"

#include "core/tillstaand.h"

#include <algorithm>

int RaettningsLaengd(int felAntal, int standardAntal)
{
    const int tak = standardAntal > 10 ? 10 : standardAntal;
    return std::max(0, std::min(felAntal, tak));
}

bool FaarBeroem(int antalRaett, int antalIRunda, bool raettningsrunda)
{
    return !raettningsrunda && antalRaett >= antalIRunda - 2;
}

bool VaentanSlut(int tidraeknare, int sekunder, bool tiondelar)
{
    return tidraeknare >= (tiondelar ? sekunder * 10 : sekunder);
}

Oevningsutfall Oevningsregel(Passregel regel, int antalRaett, int oevningsNummer)
{
    if (regel == Passregel::EnRunda)
        return antalRaett >= 12 ? Oevningsutfall::Godkaend : Oevningsutfall::Inget;
    if (antalRaett < Tillstaand::Runddata::AntalPerRunda - 2)
        return Oevningsutfall::Inget;
    return oevningsNummer == 0 ? Oevningsutfall::FoerstaRundan : Oevningsutfall::Godkaend;
}

bool FortsaettNollar(int laege, bool nyRunda, bool mittIRundan)
{
    const Laege l = static_cast<Laege>(laege);
    return nyRunda || (mittIRundan && (l == Laege::Oevning || aerArbetsblad(l)));
}

bool FortsaettNyRunda(int uppgiftsnummer, int antalIRunda, bool raettningsrunda)
{
    return uppgiftsnummer >= antalIRunda || raettningsrunda;
}

Byte OekaHjaelp(Byte h)
{
    return h == 255 ? h : Byte(h + 1);
}

quint32 Laegesfaerg(int laege)
{
    const Laege l = static_cast<Laege>(laege);
    if (l == Laege::Oevning)
        return 0x000080;
    if (aerArbetsblad(l))
        return 0x800000;
    return 0x008000;
}
