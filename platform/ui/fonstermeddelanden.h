#pragma once
// Message boxes on the screen, and the screen size from the window system.
#include "platform/seams.h"

namespace plattform {

class Fonstermeddelanden : public Meddelanden {
public:
    void visa(Rutetyp typ, const QString &text) override;
    bool fraaga(const QString &text) override;
};

// Installs the real message boxes, the real screen size and the sound player.
void installeraFoensterSkikt();

} // namespace plattform
