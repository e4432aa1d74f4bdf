#pragma once
// Sound playback behind a replaceable seam. The program installs the real
// player (platform/ui/qtmedia.h); tests install a recording double.
#include <QList>
#include <QString>

namespace plattform {

class Mediaspelare {
public:
    virtual ~Mediaspelare() = default;
    // Plays a real file path. With `vaenta` the call returns when the sound
    // has ended (or failed); without, it returns at once and the sound plays
    // on. False when the sound could not be opened or played; felText() then
    // says why. An error that shows only after an unwaited call has returned
    // is reported by the player itself in an error dialog.
    virtual bool spela(const QString &riktigSoekvaeg, bool vaenta) = 0;
    virtual void stoppa() = 0;
    virtual QString felText() const = 0;
    // False when the machine has no audio output at all.
    virtual bool harLjudutgaang() const = 0;
};

Mediaspelare &mediaspelare();
Mediaspelare *saettMediaspelare(Mediaspelare *m);   // nullptr: a silent player; returns the one replaced

// The length in milliseconds of a PCM WAV file from its header, or -1.
qint64 wavLaengdMs(const QString &riktigSoekvaeg);

} // namespace plattform
