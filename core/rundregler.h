#pragma once
// The decisions of a round that need no display: how long a correction
// round is, when praise is earned, when a wait ends, when diagnosis
// practice is passed, and which counts "&Fortsätta" starts again.
#include "core/typer.h"

// Items of a correction round: the recorded wrong answers of the file, at
// most 10 when the normal round is longer than 10, else at most a round.
int RaettningsLaengd(int felAntal, int standardAntal);

// Praise after a normal round with at most two wrong answers.
bool FaarBeroem(int antalRaett, int antalIRunda, bool raettningsrunda);

// A wait of `sekunder` ends at this tick: the windows that count 100-ms
// ticks compare with ten times the setting (`tiondelar`), the others with
// the setting itself. Space sets the count far past any setting.
bool VaentanSlut(int tidraeknare, int sekunder, bool tiondelar);
inline constexpr int MellanslagTidraeknare = 20000;

// The pass rules of diagnosis practice.
enum class Passregel {
    TvaaRundor,   // two rounds of at least 8 right (AntalPerRunda - 2)
    EnRunda       // one round of at least 12 right of 20 (the word-choice window)
};
enum class Oevningsutfall {
    Inget,        // too few right answers: nothing changes
    FoerstaRundan,// first good round: OevningsNummer becomes 1
    Godkaend      // the practice is passed
};
Oevningsutfall Oevningsregel(Passregel regel, int antalRaett, int oevningsNummer);

// Whether "&Fortsätta" starts the counts of the round again. A new round
// always does; a round that goes on does so only in windows that count
// afresh after a pause (`mittIRundan`), and there only in practice and
// worksheet mode, so that a diagnosis result is never lowered by a pause.
bool FortsaettNollar(int laege, bool nyRunda, bool mittIRundan = true);

// "&Fortsätta" starts a new round when the last item was reached or a
// correction round ran.
bool FortsaettNyRunda(int uppgiftsnummer, int antalIRunda, bool raettningsrunda);

// A help counter of one byte that stops at 255 instead of starting over.
Byte OekaHjaelp(Byte hjaelpAnvaend);

// The mode colour of the heading box as 0xRRGGBB: navy in practice, maroon in
// worksheet mode, green in the diagnosis modes.
quint32 Laegesfaerg(int laege);
