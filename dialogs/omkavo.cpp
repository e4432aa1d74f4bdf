#include "dialogs/omkavo.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

using namespace plattform;

TOmKavo::TOmKavo(QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, QStringLiteral("OmKavo"));
    saettBakgrund(this, clSilver);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arial(Pixlar{37}));
    // The navy title stands on a light plate of its own, framed in navy: the
    // picture behind it may be as dark as the flag's blue.
    Label1->setAutoFillBackground(true);
    saettBakgrund(Label1, QColor(235, 243, 252));
    saettTextfaerg(Label1, clNavy);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setLineWidth(2);
    Label1->setMargin(6);
    Label1->setAlignment(Qt::AlignCenter);
    saettEtikettText(Label1, QStringLiteral("Morvika 3.1"));
    Label1->resize(Label1->width() + Label1->height() / 2, Label1->height());

    Button1 = skapaKnapp(this, QStringLiteral("Button1"), QStringLiteral("&Avbryt"),
                         QRect(0, 0, 100, 30));
    connect(Button1, &QPushButton::clicked, this, &TOmKavo::Button1Click);

    FormCreate();
}

void TOmKavo::FormCreate()
{
    const QSize skaerm = skaermstorlek();
    const int W = skaerm.width();
    const int H = skaerm.height();
    setGeometry(0, 0, W, H);
    setWindowState(Qt::WindowMaximized);

    // The picture fills the screen above the button's strip: its caption
    // runs along its lower edge, and the button must not stand on it.
    const int knapptopp = H - (5 * Button1->height()) / 4;
    Image1->setGeometry(0, 0, W, std::max(0, knapptopp - Button1->height() / 4));
    // PC path first, then CD path; without the picture the window shows
    // its silver background.
    const QString fil = HittaInnehaall(QStringLiteral("\\BILD\\Morv97.BMP"));
    QPixmap bild;
    if (!fil.isEmpty())
        bild.load(riktigSoekvaeg(fil));
    m_harBild = !bild.isNull();
    if (m_harBild)
        Image1->setPixmap(bild);
    else
        Image1->hide();

    // The title stands centred in the sky under the flag, above the
    // picture's own caption along its lower edge.
    Label1->move((W - Label1->width()) / 2, Image1->height() * 74 / 100 - Label1->height() / 2);
    Label1->raise();
    Button1->move((W - Button1->width()) / 2, knapptopp);
    Button1->raise();
    Button1->setFocus();
}

bool TOmKavo::keyPress(QChar tecken)
{
    if (tecken == QChar(27)) {
        stang();
        return true;
    }
    return false;
}

void TOmKavo::Button1Click() { stang(); }

void VisaOmKavo() { visaModalt<TOmKavo>(); }
