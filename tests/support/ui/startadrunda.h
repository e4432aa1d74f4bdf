#pragma once
// A round about to start in an exercise window: the program started on a
// screen (800×600 unless the fixture says), the scale measured on it,
// pictures in order from the first with the marker, the word lists to load,
// a green first reward picture, a recording media player and no rule page
// kept from before. Each fixture names its praise files (lovordsfiler) and
// its data file.
#include "../miljoe.h"
#include "../protokoll.h"

#include "core/skaermskala.h"
#include "core/tillstaand.h"
#include "dialogs/regelform.h"

#include <QDir>
#include <QImage>

// The rule page kept from one opening to the next.
struct Regelsidan {};
template <> struct Seam<Regelsidan> {
    using Vaerde = QString;
    static Vaerde saett(Vaerde v) { return saettRegelsida(std::move(v)); }
};

class StartadRunda : public StartatProgram {
protected:
    explicit StartadRunda(QSize skaerm = QSize(800, 600)) : m_skaerm([skaerm] { return skaerm; }) {}
    void SetUp() override
    {
        StartatProgram::SetUp();
        Skaltest();
        G.beroem.BildOrdningNy = 1;
        G.beroem.BildMarkoer = 1;
        G.val.LaddaOrdlistor = 1;
        QImage bild(64, 40, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        QDir().mkpath(i(QStringLiteral("pc/BILD")));
        ASSERT_TRUE(bild.save(i(QStringLiteral("pc/BILD/SVE001.BMP")), "BMP"));
    }

    plattform::InspeladMediaspelare media;
    InspeladProtokoll protokoll;   // registered for a scope with Protokollregistrering
private:
    Saett<Skaerm> m_skaerm;
    Saett<plattform::Mediaspelare> m_media{&media};
    Saett<Regelsidan> m_regelsida{QString()};
};
