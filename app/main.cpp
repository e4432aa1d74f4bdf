#include "app/tform1.h"
#include "core/uppstart.h"
#include "platform/ui/qttextmaetare.h"
#include "core/foensterregister.h"
#include "platform/ui/fonstermeddelanden.h"
#include "worksheets/arbetsbladsval.h"
#include "worksheets/tutskrift.h"

#include "platform/seams.h"
#include "platform/ui/foenster.h"

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    plattform::Programmet app(argc, argv);
    QApplication::setApplicationName(plattform::Programtitel);
    QApplication::setApplicationDisplayName(plattform::Programtitel);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    plattform::installeraFoensterSkikt();
    installeraTextmaetare();

    if (!Uppstart())
        return 1;

    registreraByggdaFoenster();
    TForm1 huvudfoenster;
    Form1 = &huvudfoenster;
    installeraArbetsblad();   // the worksheet printout window, kept for the run
    huvudfoenster.exec();   // the run lasts as long as the main window
    Form1 = nullptr;
    delete Utskrift;
    Utskrift = nullptr;
    return 0;
}
