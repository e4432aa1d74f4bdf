#include "dialogs/regelform.h"

#include "platform/ui/dialogstart.h"
#include "platform/ui/skalning.h"
#include "core/innehaall.h"
#include "core/program.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>
#include <utility>

using namespace plattform;

namespace {
QString &sida()
{
    static QString s;
    return s;
}

const QString regelkatalog = QStringLiteral("\\regler\\");
} // namespace

QString Regelsida(Word programtal) { return QString::fromLatin1(program(programtal).regelsida); }

const QString &aktuellRegelsida() { return sida(); }
void nollstaellRegelsida() { sida().clear(); }
QString saettRegelsida(QString ny) { return std::exchange(sida(), std::move(ny)); }

TRegelform::TRegelform(Word programtal, QWidget *parent) : Foenster(parent), m_programtal(programtal)
{
    foerberedDialog(this, QStringLiteral("Regelform"));
    const QSize skaerm = skaermstorlek();
    setGeometry(0, 0, skaerm.width(), skaerm.height());

    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect(0, 0, 640, 480));
    saettBakgrund(Panel1, clYellow);
    Image1 = new Bildruta(Panel1, QStringLiteral("Image1"), QRect(0, 0, 640, 8));
    WebBrowser1 = new QTextBrowser(Panel1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(false);
    ClosePanel2Knapp = skapaKnapp(Panel1, QStringLiteral("ClosePanel2Knapp"), QStringLiteral("Tillbaka"),
                                  QRect(0, 0, 100, 30));
    QFont fet = ClosePanel2Knapp->font();
    fet.setBold(true);
    ClosePanel2Knapp->setFont(fet);
    saettBakgrund(ClosePanel2Knapp, clBtnFace);
    connect(ClosePanel2Knapp, &QPushButton::clicked, this, &TRegelform::ClosePanel2KnappClick);
    FormCreate();
}

void TRegelform::FormCreate()
{
    if (G.skaerm.Skalprocent != 100)
        plattform::skalaInomSkaermen(this, G.skaerm.Skalprocent);
    const QSize skaerm = skaermstorlek();
    Panel1->setGeometry(0, 0, skaerm.width(), skaerm.height());
    Panel1->show();
    Image1->setGeometry(0, 0, Panel1->width(), Image1->height());
    Webregel();
}

void TRegelform::navigera(const QString &winSoekvaeg)
{
    m_visad = riktigSoekvaeg(winSoekvaeg);
    WebBrowser1->setSource(QUrl::fromLocalFile(m_visad));
}

void TRegelform::Webregel()
{
    const QString ny = Regelsida(m_programtal);
    if (!ny.isEmpty())
        sida() = ny;
    const QString &namn = sida();
    // A page is looked for on the CD first; the message names the base path
    // tried last.
    const Basordning ordning = namn.isEmpty() ? Basordning::PcFoerst : Basordning::CdFoerst;
    const QString fil = HittaInnehaall(regelkatalog + namn, ordning);
    const QString sist = ordning == Basordning::CdFoerst ? G.start.PcSoekvaeg : G.start.CdSoekvaeg;
    if (!fil.isEmpty())
        navigera(fil);
    else
        visaMeddelande(saknadFil(sist + regelkatalog + namn));

    // "Tillbaka" stands on the screen's lower edge; the page ends above it,
    // so the button never covers the last lines of a rule.
    const int m = G.skaerm.Marginal;
    const int knapptopp = skaermstorlek().height() - ClosePanel2Knapp->height();
    ClosePanel2Knapp->move(ClosePanel2Knapp->x(), knapptopp);
    WebBrowser1->setGeometry(m, m, Panel1->width() - 2 * m,
                             std::max(0, std::min(Panel1->height() - m, knapptopp) - m - m));
    ClosePanel2Knapp->raise();
}

void TRegelform::showEvent(QShowEvent *e)
{
    Foenster::showEvent(e);
    Webregel();
}

bool TRegelform::keyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        stang();
    return true;   // every key stops here
}

void TRegelform::escape() { ClosePanel2Knapp->click(); }

void TRegelform::ClosePanel2KnappClick() { stang(); }

void VisaRegelform(Word programtal) { visaModalt<TRegelform>(programtal); }
