#include "exercises/arrange/sverigesida.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/typsnitt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

using namespace plattform;

Sverigesida::Sverigesida(const QString &namn, const QString &rubrik, QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, namn);
    saettBakgrund(this, clWhite);
    skaerm = skaermstorlek();
    setGeometry(0, 0, skaerm.width(), skaerm.height());
    setWindowState(Qt::WindowMaximized);

    Label1 = skapaEtikett(this, QStringLiteral("Label1"), QString(), QPoint(0, 0));
    Label1->setFont(arial(Pixlar{35}, true));
    saettTextfaerg(Label1, clBlue);
    saettEtikettText(Label1, rubrik);

    AvbrytPanel2 = knappanel(QStringLiteral("AvbrytPanel1"), QStringLiteral("AvbrytPanel2"),
                             QStringLiteral("&Avbryt"), &AvbrytPanel1);
    AvbrytPanel2->OnClick = [this] { AvbrytPanel2Click(); };
}

QSize Sverigesida::knappstorlek() { return QSize(140, 44); }

Klickpanel *Sverigesida::knappanel(const QString &yttre, const QString &inre, const QString &caption,
                                    QFrame **yttrePanel)
{
    const QSize s = knappstorlek();
    QFrame *ram = skapaPanel(this, yttre, QRect(QPoint(0, 0), s));
    saettBakgrund(ram, clBlue);
    auto *panel = new Klickpanel(ram, inre, caption, QRect(5, 5, s.width() - 10, s.height() - 10));
    panel->setFont(arial(Punkter{12}, true));
    saettBakgrund(panel, clYellow);
    saettTextfaerg(panel, clBlue);
    if (yttrePanel)
        *yttrePanel = ram;
    return panel;
}

void Sverigesida::placeraKnapp(QFrame *yttre, QPoint plats) { yttre->move(plats); }

bool Sverigesida::laddaBild(QLabel *bild, const QString &namn, bool saegFel)
{
    const QString rest = QStringLiteral("\\BILD\\") + namn;
    const QString fil = HittaInnehaall(rest);
    QPixmap pixmap;
    if (!fil.isEmpty())
        pixmap.load(riktigSoekvaeg(fil));
    if (pixmap.isNull()) {
        bild->clear();
        bild->hide();
        // A missing picture is named where it was looked for last: the CD.
        if (saegFel)
            visaMeddelande(saknadFil(fil.isEmpty() ? G.start.CdSoekvaeg + rest : fil));
        return false;
    }
    bild->setPixmap(pixmap);
    bild->setScaledContents(true);
    bild->resize(pixmap.size());
    bild->show();
    return true;
}

void Sverigesida::passaIn(QLabel *bild, const QRect &ram)
{
    const QSize naturlig = bild->pixmap().isNull() ? bild->size() : bild->pixmap().size();
    if (naturlig.isEmpty() || ram.isEmpty())
        return;
    const QSize s = naturlig.scaled(ram.size(), Qt::KeepAspectRatio);
    bild->setGeometry(ram.x() + (ram.width() - s.width()) / 2, ram.y() + (ram.height() - s.height()) / 2,
                      s.width(), s.height());
}

bool Sverigesida::aerAltA(const QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~Qt::KeypadModifier;
    return e->key() == Qt::Key_A && mod == Qt::AltModifier;
}

bool Sverigesida::tarTangent(QKeyEvent *e) { return aerAltA(e); }

bool Sverigesida::escStaenger(QChar tecken)
{
    if (tecken != QChar(27))
        return false;
    AvbrytPanel2Click();
    return true;
}
