#include "dialogs/manual.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/utskrift.h"
#include "platform/ui/typsnitt.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocumentFragment>

using namespace plattform;

namespace {
const QString Manualnamn = QStringLiteral("\\DATA\\SVEMAN2.TXT");
constexpr int Knappbredd = 150;
constexpr int Knapphoejd = 32;


// A line wider than the page breaks at blanks; the further parts keep the
// two-blank indent of the text box.
QStringList brytRad(Skrivare &p, const QString &rad, int maxbredd)
{
    QStringList ut;
    QString rest = rad;
    while (p.textWidth(rest) > maxbredd) {
        qsizetype brott = -1;
        for (qsizetype i = rest.size() - 1; i > 2; --i) {
            if (rest.at(i) == QLatin1Char(' ') && p.textWidth(rest.left(i)) <= maxbredd) {
                brott = i;
                break;
            }
        }
        if (brott < 0)
            break;   // one word wider than the page: printed as it stands
        ut << rest.left(brott);
        rest = QStringLiteral("  ") + rest.mid(brott + 1);
    }
    ut << rest;
    return ut;
}
} // namespace

QString Manualfil() { return SoekInnehaall(Manualnamn); }

TManual::TManual(QWidget *parent) : Foenster(parent)
{
    foerberedDialog(this, QStringLiteral("Manual"));
    saettBakgrund(this, clWhite);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont rubrik = arial(Pixlar{35}, true);
    rubrik.setItalic(true);
    Label1->setFont(rubrik);
    saettTextfaerg(Label1, clNavy);
    saettEtikettText(Label1, QStringLiteral("Manual till Morvika"));

    auto textruta = [this](const char *namn) {
        auto *m = new QPlainTextEdit(this);
        m->setObjectName(QString::fromLatin1(namn));
        m->setReadOnly(true);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setFont(arial(Punkter{11}));
        return m;
    };
    Memo1 = textruta("Memo1");
    Memo2 = textruta("Memo2");
    Memo2->hide();

    Button1 = skapaKnapp(this, QStringLiteral("Button1"), QStringLiteral("Avbryt"),
                         QRect(0, 0, Knappbredd, Knapphoejd));
    Button2 = skapaKnapp(this, QStringLiteral("Button2"), QStringLiteral("Skriv ut"),
                         QRect(0, 0, Knappbredd, Knapphoejd));
    Button3 = skapaKnapp(this, QStringLiteral("Button3"), QStringLiteral("Skriv ut markerat"),
                         QRect(0, 0, Knappbredd, Knapphoejd));
    connect(Button1, &QPushButton::clicked, this, &TManual::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TManual::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TManual::Button3Click);

    FormCreate();
}

void TManual::FormCreate()
{
    RadLaesare fil;
    if (!fil.oeppna(riktigSoekvaeg(Manualfil()))) {
        visaMeddelande(saknadFil(G.start.CdSoekvaeg + Manualnamn));
        stang();
        return;
    }
    QStringList rader;
    while (!fil.slut())
        rader << QStringLiteral("  ") + fil.laesRad();
    fil.staeng();
    Memo1->setPlainText(rader.join(QLatin1Char('\n')));

    const QSize skaerm = skaermstorlek();
    const int W = skaerm.width();
    const int H = skaerm.height();
    const int M = G.skaerm.Marginal;
    setGeometry(0, 0, W, H);
    setWindowState(Qt::WindowMaximized);
    const int rubrikhoejd = Label1->height();
    Label1->move((W - Label1->width()) / 2, rubrikhoejd / 2);
    for (QPlainTextEdit *m : {Memo1, Memo2})
        m->setGeometry(2 * M, 3 * rubrikhoejd, W - 4 * M, H - 5 * rubrikhoejd);
    const int w = Knappbredd + 2 * M;
    const int g = (W - 3 * w) / 4;
    const int topp = H - (3 * Knapphoejd) / 2;
    Button1->move(g, topp);
    Button2->move(2 * g + w, topp);
    Button3->move(3 * g + 2 * w, topp);
    Memo1->setFocus();
}

bool TManual::keyPress(QChar tecken)
{
    if (tecken == QChar(27)) {
        stang();
        return true;
    }
    return false;
}

void TManual::Button1Click() { stang(); }

void TManual::Button2Click() { skrivUt(Memo1, 10); }

void TManual::Button3Click()
{
    // The selection goes straight into the hidden text box; the clipboard
    // is left as the user had it.
    Memo2->clear();
    Memo2->setPlainText(Memo1->textCursor().selection().toPlainText());
    skrivUt(Memo2, 5);
}

int TManual::YmmTillPixel(double mm) { return skrivare().YmmTillPixel(mm); }
int TManual::XmmTillPixel(double mm) { return skrivare().XmmTillPixel(mm); }
int TManual::YPixelTillmm(double pixel) { return skrivare().YPixelTillmm(pixel); }

void TManual::SkrivSidNr(int nummer)
{
    Skrivare &p = skrivare();
    p.saettTypsnitt(QStringLiteral("Arial"), 12, false);
    p.textOut(XmmTillPixel(200), YmmTillPixel(2), QString::number(nummer));
}

QStringList TManual::rader(const QPlainTextEdit *memo)
{
    QString text = memo->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);   // a line break at the end opens no further line
    return text.split(QLatin1Char('\n'));
}

void TManual::skrivUt(const QPlainTextEdit *memo, int foerstaY)
{
    if (!koerUtskriftsdialog())
        return;
    Skrivare &p = skrivare();
    p.saettTypsnitt(QStringLiteral("Arial"), 12);
    const int h = YPixelTillmm(p.textHeight(QStringLiteral("Hej")));
    if (!p.beginDoc()) {
        visaMeddelande(QStringLiteral("Det gick inte att skriva ut."));
        return;
    }
    int sida = 1;
    SkrivSidNr(sida);
    const int vaenster = XmmTillPixel(15);
    const int maxbredd = XmmTillPixel(195) - vaenster;
    int y = foerstaY;
    // Every line is printed, the last one too.
    for (const QString &hel : rader(memo)) {
        for (const QString &rad : brytRad(p, hel, maxbredd)) {
            y += h;
            if (y + 1 > 256) {
                // Each page is a print job of its own.
                p.endDoc();
                if (!p.beginDoc()) {
                    visaMeddelande(QStringLiteral("Det gick inte att skriva ut."));
                    return;
                }
                ++sida;
                SkrivSidNr(sida);
                y = 4 + h;
            }
            p.textOut(vaenster, YmmTillPixel(y), rad);
            y += 1;
        }
    }
    p.endDoc();
}

void VisaManual() { visaModalt<TManual>(); }
