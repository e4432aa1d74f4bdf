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
    if (antalRaett < Tillstaand::AntalPerRunda - 2)
        return Oevningsutfall::Inget;
    return oevningsNummer == 0 ? Oevningsutfall::FoerstaRundan : Oevningsutfall::Godkaend;
}

bool FortsaettNollar(int laege, bool nyRunda)
{
    return nyRunda || laege == 0 || laege == 1;
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
    if (laege == 0)
        return 0x000080;
    if (laege == 1)
        return 0x800000;
    return 0x008000;
}
