#include "platform/ui/fonstermeddelanden.h"
#include "platform/ui/moduler.h"

#include <QApplication>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>

namespace plattform {

void Fonstermeddelanden::visa(Rutetyp typ, const QString &text)
{
    QMessageBox::Icon ikon = QMessageBox::NoIcon;
    switch (typ) {
    case Rutetyp::Information: ikon = QMessageBox::Information; break;
    case Rutetyp::Varning: ikon = QMessageBox::Warning; break;
    case Rutetyp::Fel: ikon = QMessageBox::Critical; break;
    default: break;
    }
    QMessageBox ruta(ikon, Programtitel, text, QMessageBox::Ok, QApplication::activeWindow());
    ruta.exec();
}

bool Fonstermeddelanden::fraaga(const QString &text)
{
    QMessageBox ruta(QMessageBox::Question, Programtitel, text,
                     QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    ruta.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    ruta.button(QMessageBox::No)->setText(QStringLiteral("&Nej"));
    // Every question asks before something is removed: Enter keeps it.
    ruta.setDefaultButton(QMessageBox::No);
    return ruta.exec() == QMessageBox::Yes;
}

void installeraFoensterSkikt()
{
    static Fonstermeddelanden m;
    saettMeddelanden(&m);
    saettSkaermstorlek([] {
        const QScreen *s = QGuiApplication::primaryScreen();
        return s ? s->size() : QSize(640, 480);
    });
    installeraMediaspelare();
}

} // namespace plattform
