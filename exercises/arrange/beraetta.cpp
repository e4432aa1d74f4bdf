#include "exercises/arrange/beraetta.h"

#include "core/innehaall.h"
#include "core/textmaett.h"
#include "core/tillstaand.h"
#include "exercises/arrange/historiedelar.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/typsnitt.h"
#include "platform/ui/utskrift.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

using namespace plattform;

namespace {
// The lines' font, for the screen: the entry's 60 characters can be wider
// than the panel, which is what the split of a written line is for.
Typsnitt radtypsnitt()
{
    Typsnitt t;
    t.fet = true;
    t.pixlar = std::clamp(skaermstorlek().width() / 32, 16, 48);
    return t;
}

QLabel *textrad(QWidget *foeraelder, const QString &namn, const QFont &f)
{
    QLabel *l = skapaTaetEtikett(foeraelder, namn);
    l->setFont(f);
    l->show();
    return l;
}

QLabel *ledtext(QWidget *foeraelder, const QString &namn, const QString &text, QPoint plats, int punkter = 11)
{
    QLabel *l = skapaEtikett(foeraelder, namn, QString(), plats);
    l->setFont(arial(Punkter{punkter}, true));
    saettEtikettText(l, text);
    return l;
}
} // namespace

Tberaetta::Tberaetta(const Oevningsstart &start, QWidget *parent) : Foenster(parent)
{
    const QSize skaerm = helskaerm(this, QStringLiteral("beraetta"), clBtnFace);
    const int W = skaerm.width(), H = skaerm.height();
    const int M = std::max<int>(G.skaerm.Marginal, 8);

    QFrame *rubrik = skapaPanel(this, QStringLiteral("Panel1"), QRect(M, M / 2, W - 2 * M, 64));
    rubrik->setFrameStyle(QFrame::Panel | QFrame::Raised);
    saettBakgrund(rubrik, clNavy);
    rubriktext(rubrik, QStringLiteral("Label10"), QStringLiteral("Berätta"));

    // The three lines and the entry line below them.
    const Typsnitt t = radtypsnitt();
    const QFont radfont = arial(Pixlar{t.pixlar}, true);
    const int radsteg = t.pixlar * 3 / 2;
    Panel2 = skapaPanel(this, QStringLiteral("Panel2"), QRect(M, rubrik->geometry().bottom() + M, W - 2 * M, 4 * radsteg + 2 * M));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    saettBakgrund(Panel2, clSilver);
    Label1 = textrad(Panel2, QStringLiteral("Label1"), radfont);
    Label2 = textrad(Panel2, QStringLiteral("Label2"), radfont);
    Label3 = textrad(Panel2, QStringLiteral("Label3"), radfont);
    int y = M;
    for (QLabel *l : {Label1, Label2, Label3}) {
        l->setGeometry(M, y, Panel2->width() - M, radsteg);
        y += radsteg;
    }
    Edit1 = skapaRuta(Panel2, QStringLiteral("Edit1"), QRect(M, y, Panel2->width() - 2 * M, radsteg));
    Edit1->setMaxLength(60);
    Edit1->setFont(radfont);
    saettTextfaerg(Edit1, clNavy);

    // Choosing an opening.
    const int underTopp = Panel2->geometry().bottom() + M;
    Panel4 = skapaPanel(this, QStringLiteral("Panel4"), QRect(M, underTopp, 520, 190));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpeedButton1 = new QToolButton(Panel4);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::UpArrow);
    SpeedButton1->setGeometry(16, 16, 44, 40);
    SpeedButton2 = new QToolButton(Panel4);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::DownArrow);
    SpeedButton2->setGeometry(16, 60, 44, 40);
    ledtext(Panel4, QStringLiteral("Label7"), QStringLiteral("Inledning nr"), QPoint(76, 20), 13);
    Label8 = ledtext(Panel4, QStringLiteral("Label8"), QString(), QPoint(76, 56), 13);
    saettTextfaerg(Label8, clNavy);
    ledtext(Panel4, QStringLiteral("Label9"), QStringLiteral("Tryck PageUp eller PageDown för att ändra inledning."),
            QPoint(16, 114), 10);
    BitBtn1 = skapaKnapp(Panel4, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QRect(260, 16, 120, 40));
    Button1 = skapaKnapp(Panel4, QStringLiteral("Button1"), QStringLiteral("&Avbryta"), QRect(260, 62, 120, 40));
    // The arrows answer to PageUp and PageDown; "OK" and "Avbryta" take the focus.
    for (QToolButton *b : {SpeedButton1, SpeedButton2})
        b->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tberaetta::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tberaetta::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tberaetta::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, [this] { stang(); });

    // The writing hints.
    Panel5 = skapaPanel(this, QStringLiteral("Panel5"), QRect(0, 0, 520, 130));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    int tipsbredd = 0;
    for (QLabel *l : {ledtext(Panel5, QStringLiteral("Label4"), QStringLiteral("Tom rad avslutar historien."), QPoint(16, 14)),
                      ledtext(Panel5, QStringLiteral("Label5"), QStringLiteral("Tryck Enter efter varje avslutad rad."),
                              QPoint(16, 50)),
                      ledtext(Panel5, QStringLiteral("Label6"),
                              QStringLiteral("När du är klar kan du välja att skriva ut historien."), QPoint(16, 86))})
        tipsbredd = std::max(tipsbredd, l->width() + 32);
    // Beside the choice when the screen has room for the whole hints, else below it.
    if (Panel4->geometry().right() + M + tipsbredd <= W - M)
        Panel5->setGeometry(Panel4->geometry().right() + M, underTopp, tipsbredd, 130);
    else
        Panel5->setGeometry(M, Panel4->geometry().bottom() + M, std::min(tipsbredd, W - 2 * M), 130);

    // The finished story.
    Panel6 = skapaPanel(this, QStringLiteral("Panel6"), QRect(M, underTopp, W - 2 * M, H - underTopp - M));
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ledtext(Panel6, QStringLiteral("Label11"), QStringLiteral("Så här blev det"), QPoint(16, 10), 14);
    const int knappTopp = Panel6->height() - 52;
    Memo2 = new QPlainTextEdit(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFont(arial(Punkter{14}, true));
    Memo2->setGeometry(16, 44, Panel6->width() - 32, knappTopp - 54);
    BitBtn2 = skapaKnapp(Panel6, QStringLiteral("BitBtn2"), QStringLiteral("&Skriv ut"), QRect(16, knappTopp, 160, 40));
    Button2 = skapaKnapp(Panel6, QStringLiteral("Button2"), QStringLiteral("&Ny historia"), QRect(192, knappTopp, 160, 40));
    Button3 = skapaKnapp(Panel6, QStringLiteral("Button3"), QStringLiteral("&Avbryta"), QRect(368, knappTopp, 160, 40));
    connect(BitBtn2, &QPushButton::clicked, this, &Tberaetta::BitBtn2Click);
    connect(Button2, &QPushButton::clicked, this, &Tberaetta::Button2Click);
    connect(Button3, &QPushButton::clicked, this, [this] { stang(); });

    FormCreate(start);
}

void Tberaetta::FormCreate(const Oevningsstart &start)
{
    G.runda.RaettaFel = 0;
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    Beraettelse.clear();
    Memo2->clear();
    Edit1->clear();
    Edit1->hide();
    AktuellInledning = 1;
    const std::optional<QStringList> fil = laesHistoriefil(start.datfil);
    if (fil)
        Inledningsrader = laesInledningar(*fil);
    // Without an opening there is nothing to page through or write on.
    if (!fil || Inledningsrader.antal < 1) {
        visaMeddelande(saknadFil(start.datfil));
        stang();
        return;
    }
    visaInledning();
    BitBtn1->setFocus();
}

int Tberaetta::radbredd() const { return Panel2->width() - 2 * std::max<int>(G.skaerm.Marginal, 8); }

void Tberaetta::visaInledning()
{
    saettEtikettText(Label8, QString::number(AktuellInledning) + QStringLiteral(" av ")
                                 + QString::number(Inledningsrader.antal));
    const QStringList rader = Inledningsrader.inledning(AktuellInledning);
    Label1->setText(rader.at(0));
    Label2->setText(rader.at(1));
    Label3->setText(rader.at(2));
}

void Tberaetta::SpeedButton1Click()
{
    AktuellInledning = std::max(1, AktuellInledning - 1);
    visaInledning();
}

void Tberaetta::SpeedButton2Click()
{
    AktuellInledning = std::min(Inledningsrader.antal, AktuellInledning + 1);
    visaInledning();
}

void Tberaetta::BitBtn1Click()
{
    Beraettelse = {Label1->text(), Label2->text(), Label3->text()};
    Memo2->setPlainText(Beraettelse.join(QLatin1Char('\n')));
    Edit1->show();
    Edit1->setFocus();
    BitBtn1->setEnabled(false);
    Panel5->show();
}

void Tberaetta::Edit1Enter()
{
    Label1->setText(Label2->text());
    Label2->setText(Label3->text());
    const QString text = Edit1->text();
    if (text.isEmpty()) {
        Label3->clear();
        VisaStory();
        return;
    }
    // What does not fit goes back into the entry line to be written on.
    const Radklyvning delar = klyvRad(text, radbredd(), radtypsnitt());
    Label3->setText(delar.foersta);
    Edit1->setText(delar.rest);
    Beraettelse << delar.foersta;
    Memo2->setPlainText(Beraettelse.join(QLatin1Char('\n')));
}

void Tberaetta::VisaStory()
{
    Panel6->show();
    Panel6->raise();
    visaInledning();
    Edit1->hide();
    Memo2->setFocus();   // the story; a second Enter after the last line presses nothing
}

void Tberaetta::Button2Click()
{
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    Beraettelse.clear();
    Memo2->clear();
    BitBtn1->setFocus();
}

void Tberaetta::BitBtn2Click()
{
    skrivHistoria([this](Skrivare &p) { skrivBeraettelse(p, QStringLiteral("Berätta"), 18, Beraettelse, 14, 20); });
}

bool Tberaetta::keyDown(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_PageUp:
        SpeedButton1Click();
        return true;
    case Qt::Key_PageDown:
        SpeedButton2Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == Edit1 && Edit1->isVisible()) {
            Edit1Enter();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void VisaBeraetta() { visaUtanRam<Tberaetta>(); }
