#pragma once
// Sound and printing are two shared modules beside the executable
// (libmorvika_ljudmodul.so with Qt Multimedia, libmorvika_utskriftsmodul.so
// with Qt PrintSupport), loaded at the first sound and the first printout.
// The program itself does not link those Qt libraries, nor the ones they
// pull in (PulseAudio, codecs, network): the first window does not wait for
// them. A module that cannot be loaded leaves the program as on a machine
// without sound output or printer: it says so and goes on.
//
// A module's code uses the program's own functions in namespace plattform
// (seams, the canvas of utskrift.h); the program exports them for it. A
// program that links a module's code in (the tests) uses it directly.
#include "platform/media.h"

#include <QRect>
#include <QString>
#include <functional>

class QObject;
class QPrinter;

namespace plattform {

class Skrivare;
class Utskriftsdialog;

// What the sound module gives the program.
class Ljudmodul {
public:
    // The real player, owned by `aegare`.
    virtual Mediaspelare *nySpelare(QObject *aegare) = 0;
protected:
    ~Ljudmodul() = default;
};

// What the printing module gives the program: the real printer and print
// dialog, and the calls of QPrinter's own that the canvas makes on any
// printer's device.
class Utskriftsmodul {
public:
    virtual Skrivare *nySkrivare() = 0;                 // kept to the end of the run
    virtual Utskriftsdialog *nyDialog() = 0;
    virtual void saettKopior(QPrinter &enhet, int kopior) = 0;
    virtual void saettDokumentnamn(QPrinter &enhet, const QString &namn) = 0;
    virtual int upploesning(const QPrinter &enhet) = 0;
    virtual QRect papper(const QPrinter &enhet) = 0;    // the sheet, origin at the printable corner
protected:
    ~Utskriftsmodul() = default;
};

// The module, loaded at the first call; nullptr when it cannot be loaded
// (modulfel() then names its file; the reason goes to standard error). A
// failed load is not tried again.
Ljudmodul *ljudmodul();
Utskriftsmodul *utskriftsmodul();
QString modulfel();

// The player the program installs at start: it stands in for the real one
// until the first sound asks for it, then makes it with `skapa` and passes
// every call on. stoppa() before that loads nothing (nothing plays). When
// `skapa` gives nothing, the machine counts as one without sound output.
class SenMediaspelare : public Mediaspelare {
public:
    explicit SenMediaspelare(std::function<Mediaspelare *()> skapa);
    bool spela(const QString &riktigSoekvaeg, bool vaenta) override;
    void stoppa() override;
    QString felText() const override;
    bool harLjudutgaang() const override;
private:
    Mediaspelare *riktig() const;
    std::function<Mediaspelare *()> m_skapa;
    mutable Mediaspelare *m_riktig = nullptr;
    mutable bool m_foersoekt = false;
};

// Installs the late player for the run (owned by the application).
void installeraMediaspelare();

} // namespace plattform
