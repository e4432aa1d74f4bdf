#include "app/tform1.h"

#include "core/tillstaand.h"
#include "core/uppstart.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TForm1 *Form1 = nullptr;

namespace {
const char *const knapptexter[11] = {nullptr, "Sverige", "Stavning", "Dina ord", "Grammatik",
                                    "Diverse", "Diagnos", "Göra arbetsblad", "Manual",
                                    "Om Morvika", "Avsluta"};
}

TForm1::TForm1(QWidget *parent) : plattform::Foenster(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvika"));
    setStyleSheet(QStringLiteral("TForm1 { background: blue; }"));
    resize(640, 480);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(200, 40, 240, 400);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: navy; border: 1px solid black; }"));
    Label1 = new QLabel(QStringLiteral("MORVIKA"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: yellow; font: bold 21pt 'Arial';"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(5, 5, 225, 40);
    for (int i = 1; i <= 10; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(knapptexter[i]), Panel1);
        b->setObjectName(QStringLiteral("Button%1").arg(i));
        b->setAutoDefault(false);
        b->setGeometry(20, 50 + (i - 1) * 34, 200, 28);
        // The windows behind these buttons are opened here as they are built.
        b->setEnabled(i == 10);
        Button[i] = b;
    }
    connect(Button[10], &QPushButton::clicked, this, &TForm1::Button10Click);
    FormCreate();
}

void TForm1::FormCreate()
{
    G.RaktLjud = 0;
    G.LaddaOrdlistor = 1;
    G.MusOverText = 0;
    G.DiktatLaege = 0;
    G.RekordtabellPaa = 1;
    G.ForstaRekordtabell = 1;
    G.BildOrdningNy = 1;
    G.SekunderRaettSvar = 3;
    G.LjudLaege = 1;
    G.BildLaege = 1;
    G.Oeversaettning = 0;
    HuvudfoensterAktiveras = [this] { setEnabled(true); };
}

void TForm1::Button10Click() { accept(); }
