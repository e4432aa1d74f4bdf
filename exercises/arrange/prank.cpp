#include "exercises/arrange/prank.h"

#include "core/innehaall.h"
#include "core/tillstaand.h"
#include "exercises/arrange/historiedelar.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/typsnitt.h"
#include "platform/ui/utskrift.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

using namespace plattform;

namespace {
constexpr int Ordgraens = 20;
const char *const Fraagor[] = {" adjektiv.", " substantiv i singularis.", " substantiv i pluralis."};
} // namespace

TPrank::TPrank(const Oevningsstart &start, QWidget *parent) : Foenster(parent), m_datfil(start.datfil)
{
    const QSize skaerm = helskaerm(this, QStringLiteral("Prank"), clBtnFace);
    const int W = skaerm.width(), H = skaerm.height();
    const int M = std::max<int>(G.skaerm.Marginal, 8);

    // The heading on its navy shape.
    auto *ytter = new Figur(this, QStringLiteral("Shape1"), QRect(M, M / 2, W - 2 * M, 64),
                            Figur::Form::RundadRektangel, clNavy);
    rubriktext(ytter, QStringLiteral("Label2"), QStringLiteral("Stolliga texten"));
    const int topp = ytter->geometry().bottom() + M;

    // The story list.
    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect((W - 560) / 2, topp, 560, std::min(460, H - topp - M)));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = skapaEtikett(Panel1, QStringLiteral("Label1"), QString(), QPoint(16, 12));
    Label1->setFont(arial(Punkter{14}, true));
    saettEtikettText(Label1, QStringLiteral("Välj en av dessa historier:"));
    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arial(Punkter{13}, true));
    ListBox1->setGeometry(16, 52, Panel1->width() - 32, Panel1->height() - 68);
    connect(ListBox1, &QListWidget::itemClicked, this, &TPrank::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TPrank::ListBox1Click);

    // The word entry: the prompt, ten word labels and the entry line on the next one.
    Panel3 = skapaPanel(this, QStringLiteral("Panel3"), QRect((W - 560) / 2, topp, 560, H - topp - M));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label3 = skapaEtikett(Panel3, QStringLiteral("Label3"), QString(), QPoint(16, M / 2));
    Label3->setFont(arial(Punkter{14}, true));
    saettTextfaerg(Label3, clNavy);
    saettEtikettText(Label3, QStringLiteral("Skriv"));
    const int steg = Label3->height() * 4 / 3;
    for (int k = 1; k <= FlestOrd; ++k) {
        QLabel *l = skapaEtikett(Panel3, QStringLiteral("ord%1").arg(k), QString(), QPoint(40, M / 2 + k * steg));
        l->setFont(arial(Punkter{14}, true));
        l->setFixedSize(300, Label3->height());
        ord << l;
    }
    Edit1 = skapaRuta(Panel3, QStringLiteral("Edit1"), QRect(40, ord.first()->y(), 300, Label3->height() + 4));
    Edit1->setFont(arial(Punkter{14}, true));
    Edit1->setMaxLength(Ordgraens);

    // The result.
    Panel4 = skapaPanel(this, QStringLiteral("Panel4"), QRect(M / 2, topp, W - M, H - M / 2 - topp));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const int knapphoejd = 40;
    const int knappTopp = Panel4->height() - M / 2 - knapphoejd;
    auto *inre = skapaPanel(Panel4, QStringLiteral("Panel5"),
                            QRect(M / 2, M / 2, Panel4->width() - M, knappTopp - M));
    Memo1 = new QPlainTextEdit(inre);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(arial(Punkter{16}, true));
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(192,192,192); }"));
    Memo1->setGeometry(0, 0, inre->width(), inre->height());
    const int bb = 180;
    const int glipa = (Panel4->width() - 3 * bb) / 4;
    BitBtn1 = skapaKnapp(Panel4, QStringLiteral("BitBtn1"), QStringLiteral("&Utskrift"),
                         QRect(glipa, knappTopp, bb, knapphoejd));
    Button2 = skapaKnapp(Panel4, QStringLiteral("Button2"), QStringLiteral("&Ny historia"),
                         QRect(2 * glipa + bb, knappTopp, bb, knapphoejd));
    Button1 = skapaKnapp(Panel4, QStringLiteral("Button1"), QStringLiteral("&Avbryt"),
                         QRect(3 * glipa + 2 * bb, knappTopp, bb, knapphoejd));
    for (QPushButton *b : {BitBtn1, Button2, Button1})
        b->setFont(arial(Punkter{11}, true));
    connect(BitBtn1, &QPushButton::clicked, this, &TPrank::BitBtn1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrank::Button2Click);
    connect(Button1, &QPushButton::clicked, this, [this] { stang(); });

    FormCreate();
}

void TPrank::FormCreate()
{
    Panel3->hide();
    Panel4->hide();
    FormShow();
}

bool TPrank::laesFil(QStringList &rader)
{
    std::optional<QStringList> fil = laesHistoriefil(m_datfil);
    if (!fil) {
        visaMeddelande(saknadFil(m_datfil));
        stang();
        return false;
    }
    rader = *fil;
    return true;
}

void TPrank::FormShow()
{
    for (QStringList &l : Orden)
        l.clear();
    QStringList rader;
    if (!laesFil(rader))
        return;
    ListBox1->clear();
    ListBox1->addItems(prankTitlar(rader));
    // Without a story there is nothing to choose: said, and the window closes.
    if (ListBox1->count() == 0) {
        visaMeddelande(saknadFil(m_datfil));
        stang();
        return;
    }
    Button2Click();
}

void TPrank::ListBox1Click()
{
    QListWidgetItem *vald = ListBox1->currentItem();
    if (!vald)
        return;
    ValdTitel = QLatin1Char('$') + vald->text();
    QStringList rader;
    if (!laesFil(rader))
        return;
    Panel1->hide();
    LuckAntal = raeknaLuckor(prankBeraettelse(rader, vald->text()));
    Ordslag = 1;
    fraagaEfterOrd();
}

void TPrank::fraagaEfterOrd()
{
    // Ten words at most: further gaps of the kind take the first ones again.
    const int n = std::min(LuckAntal[std::size_t(Ordslag - 1)], FlestOrd);
    MataInOrd(QStringLiteral("Skriv ") + QString::number(n) + QString::fromLatin1(Fraagor[Ordslag - 1]), n);
}

void TPrank::MataInOrd(const QString &prompt, int n)
{
    for (QLabel *l : ord)
        l->clear();
    saettEtikettText(Label3, prompt);
    Ordraknare = 1;
    Edit1->move(Edit1->x(), ord.first()->y());
    Edit1->clear();
    BehovdaOrd = n;
    Panel3->show();
    Edit1->setFocus();
}

void TPrank::Edit1Enter()
{
    if (Ordslag < 1 || Ordslag > 3)
        return;
    // An empty box takes no word: every later word would land a slot too
    // early. Only a kind that wants no word goes on at an empty Enter.
    if (Edit1->text().trimmed().isEmpty() && Ordraknare <= BehovdaOrd)
        return;
    if (Ordraknare <= FlestOrd)
        ord.at(Ordraknare - 1)->setText(Edit1->text());
    ++Ordraknare;
    Edit1->clear();
    if (Ordraknare <= FlestOrd)
        Edit1->move(Edit1->x(), ord.at(Ordraknare - 1)->y());
    if (Ordraknare <= BehovdaOrd)
        return;
    Panel3->hide();
    QStringList &orden = Orden[std::size_t(Ordslag - 1)];
    orden.clear();
    for (int k = 0; k < BehovdaOrd; ++k)
        orden << ord.at(k)->text().left(Ordgraens);
    ++Ordslag;
    if (Ordslag <= 3) {
        fraagaEfterOrd();
        return;
    }
    Orden = blandaOrd(Orden);
    SettInOrd();
}

void TPrank::SettInOrd()
{
    QStringList rader;
    if (!laesFil(rader))
        return;
    Memo1->setPlainText(fyllBeraettelse(prankBeraettelse(rader, ValdTitel.mid(1)), Orden).join(QLatin1Char('\n')));
    Panel4->show();
    Button2->setFocus();
}

void TPrank::BitBtn1Click()
{
    // The first line is the title.
    QStringList rader = Memo1->toPlainText().split(QLatin1Char('\n'));
    const QString titel = rader.takeFirst();
    skrivHistoria([&](Skrivare &p) { skrivBeraettelse(p, titel, 16, rader, 12, 10); });
}

void TPrank::Button2Click()
{
    Panel4->hide();
    Panel3->hide();
    Panel1->show();
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

bool TPrank::keyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        stang();
        return true;
    }
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
        return false;
    if (focusWidget() == Edit1 && Panel3->isVisible()) {
        Edit1Enter();
        return true;
    }
    if (focusWidget() == ListBox1 && Panel1->isVisible()) {
        ListBox1Click();
        return true;
    }
    return false;
}

void VisaPrank() { visaUtanRam<TPrank>(); }
