#include "exercises/arrange/avsloj.h"

#include "core/innehaall.h"
#include "core/svenskordning.h"
#include "exercises/arrange/historiedelar.h"
#include "exercises/frame/utanram.h"
#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/dragdrop.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/typsnitt.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

using namespace plattform;

namespace {
const QString Historiefil = QStringLiteral("SVE52000.DAT");
constexpr int Rubrikhoejd = 80;
constexpr int Ordavstaand = 10;

// A white box with a red figure in a red rounded frame, its caption above.
QLabel *ruta(QWidget *foeraelder, const QString &namn, const QString &rubrik, const QRect &ram,
             QList<QWidget *> &delar)
{
    auto *r = new QLabel(foeraelder);
    r->setObjectName(namn);
    r->setGeometry(ram);
    r->setAlignment(Qt::AlignCenter);
    // The widest figure, "100 %", fits inside the frame.
    r->setFont(passandeTypsnitt({QStringLiteral("100 %")}, ram.width() - 14, arial(Pixlar{ram.height() / 2}, true), 10));
    r->setStyleSheet(QStringLiteral("QLabel { background: white; color: %1; border: 3px solid red;"
                                    " border-radius: 10px; }")
                         .arg(textfaerg(clRed, clWhite).name()));
    auto *t = new QLabel(rubrik, foeraelder);
    t->setObjectName(namn + QStringLiteral("Rubrik"));
    t->setFont(arial(Punkter{11}, true));
    t->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    t->setGeometry(ram.x() - 20, ram.y() - 46, ram.width() + 40, 44);
    delar << r << t;
    return r;
}
} // namespace

Tavsloj::Tavsloj(const Oevningsstart &, QWidget *parent) : Foenster(parent)
{
    const QSize skaerm = helskaerm(this, QStringLiteral("avsloj"), clSilver);
    const int W = skaerm.width(), H = skaerm.height();

    // The heading: black, and yellow over it a little to the left, between
    // bars. Yellow cannot be read on the silver ground, so the band between
    // the bars is dark; the black shadow still shows on it.
    auto *rubrik = new Ritruta(this, QStringLiteral("Rubrik"), QRect(0, 0, W, Rubrikhoejd));
    rubrik->OnPaint = [W](QPainter &p) {
        p.fillRect(0, 8, W, Rubrikhoejd - 16, QColor(64, 64, 64));
        p.fillRect(0, 8, W, 6, clYellow);
        p.fillRect(0, Rubrikhoejd - 14, W, 6, clYellow);
        // The text stands between the bars, clear of both.
        const QRect ram(0, 14, W, Rubrikhoejd - 28);
        int px = 50;
        while (px > 12 && QFontMetrics(arial(Pixlar{px}, true)).height() > ram.height() - 4)
            --px;
        p.setFont(arial(Pixlar{px}, true));
        p.setPen(clBlack);
        p.drawText(ram, Qt::AlignCenter, QStringLiteral("Avslöja"));
        p.setPen(clYellow);
        p.drawText(ram.translated(-8, 0), Qt::AlignCenter, QStringLiteral("Avslöja"));
    };

    // The story list.
    Panel4 = skapaPanel(this, QStringLiteral("Panel4"), QRect((W - 520) / 2, Rubrikhoejd + 30, 520, 420));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label51 = skapaEtikett(Panel4, QStringLiteral("Label51"), QString(), QPoint(20, 16));
    Label51->setFont(arial(Punkter{14}, true));
    saettEtikettText(Label51, QStringLiteral("Välj en text."));
    Label52 = skapaEtikett(Panel4, QStringLiteral("Label52"), QString(), QPoint(20, 46));
    Label52->setFont(arial(Punkter{11}));
    saettEtikettText(Label52, QStringLiteral("Klicka på ett nummer."));
    ListBox2 = new QListWidget(Panel4);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(20, 80, 150, 320);
    ListBox2->setFont(arial(Punkter{12}, true));
    GroupBox1 = new QGroupBox(QStringLiteral("Välj träningstyp"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(200, 80, 300, 150);
    GroupBox1->setFont(arial(Punkter{11}, true));
    RadioButton1 = new QRadioButton(QStringLiteral("Flytta givna ord till\nrätt plats i texten."), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(16, 30, 270, 56);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Gissa orden."), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(16, 96, 270, 36);
    Button2 = skapaKnapp(Panel4, QStringLiteral("Button2"), QStringLiteral("&Avbryta"), QRect(300, 360, 200, 40));
    connect(Button2, &QPushButton::clicked, this, [this] { stang(); });
    auto valj = [this](QListWidgetItem *p) { ValjHistoria(ListBox2->row(p) + 1); };
    connect(ListBox2, &QListWidget::itemClicked, this, valj);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, valj);

    // The story: 7 rows of 7 slots with a name before each row.
    const int hoeger = W * 7 / 10;
    Panel1 = skapaPanel(this, QStringLiteral("Panel1"), QRect(10, Rubrikhoejd + 10, hoeger - 10, H - Rubrikhoejd - 20));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    saettBakgrund(Panel1, clBtnFace);
    // Between the words the story takes no drop.
    (new Slaeppmaal(Panel1))->OnDragOver = [](const Dragdata &, QPoint) { return false; };
    const int radhoejd = Panel1->height() / 8;
    const QFont ordfont = arial(Pixlar{std::clamp(W / 50, 14, 28)}, true);
    const int namnbredd = std::clamp(W / 9, 70, 150);
    for (int r = 1; r <= Radlaengd; ++r) {
        QLabel *n = skapaTaetEtikett(Panel1, QStringLiteral("namn%1").arg(r));
        n->setFont(arial(Pixlar{std::clamp(W / 64, 12, 20)}, true));
        saettTextfaerg(n, clNavy);
        n->setGeometry(8, radhoejd * r - radhoejd / 2, namnbredd, radhoejd);
        n->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Namnetiketter << n;
        for (int k = 1; k <= Radlaengd; ++k) {
            const int s = Radlaengd * (r - 1) + k;
            QLabel *l = skapaTaetEtikett(Panel1, QStringLiteral("Label%1").arg(s));
            l->setProperty("Tag", s);
            l->setFont(ordfont);
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            l->setGeometry(namnbredd + 16, radhoejd * r - radhoejd / 2, 10, radhoejd);
            Slotetiketter << l;
            auto *m = new Slaeppmaal(l);
            m->OnDragOver = [this](const Dragdata &d, QPoint) { return d.kaella() == ListBox1; };
            m->OnDragDrop = [this, s](const Dragdata &d, QPoint) {
                utruta(s, d.text(), d.rad());
                return true;
            };
        }
    }

    // The words to drag, or the guess entry, and the three boxes.
    const int kolumn = hoeger + 20;
    const int kolumnbredd = W - kolumn - 20;
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(kolumn, Rubrikhoejd + 10, kolumnbredd, H / 2 - Rubrikhoejd);
    ListBox1->setFont(arial(Punkter{12}, true));
    Ordkaella = new Dragkaella(ListBox1, Dragkaella::Start::Genast);
    // The list takes the press that began the drag only once the drag is
    // over; the selection goes back to the first word after that.
    Ordkaella->EndDrag = [this](QWidget *, bool) {
        if (!std::exchange(m_tillFoersta, false))
            return;
        QTimer::singleShot(0, ListBox1, [l = ListBox1] {
            if (l->count() > 0)
                l->setCurrentRow(0);
        });
    };
    for (QWidget *w : {static_cast<QWidget *>(ListBox1), static_cast<QWidget *>(this)}) {
        auto *m = new Slaeppmaal(w);
        m->OnDragOver = [this](const Dragdata &d, QPoint) { return d.kaella() == ListBox1; };
    }

    Panel7 = skapaPanel(this, QStringLiteral("Panel7"), QRect(kolumn, Rubrikhoejd + 10, kolumnbredd, 170));
    Panel7->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label60 = skapaEtikett(Panel7, QStringLiteral("Label60"), QString(), QPoint(10, 14));
    Label60->setFont(arial(Punkter{12}, true));
    saettEtikettText(Label60, QStringLiteral("Gissa ett ord"));
    Edit1 = skapaRuta(Panel7, QStringLiteral("Edit1"), QRect(10, 50, kolumnbredd - 20, 34));
    Edit1->setFont(arial(Punkter{14}, true));
    Edit1->setMaxLength(30);
    Button1 = skapaKnapp(Panel7, QStringLiteral("Button1"), QStringLiteral("&Se historien"),
                         QRect(10, 110, kolumnbredd - 20, 40));
    connect(Button1, &QPushButton::clicked, this, &Tavsloj::Button1Click);

    const int rutbredd = std::min(110, (kolumnbredd - 40) / 3);
    const int rutTopp = H / 2 + 60;
    Panel5 = ruta(this, QStringLiteral("Panel5"), QStringLiteral("Rätt\nsvar"),
                  QRect(kolumn, rutTopp, rutbredd, 60), Rutdelar);
    Panel6 = ruta(this, QStringLiteral("Panel6"), QStringLiteral("Klarat"),
                  QRect(kolumn + rutbredd + 20, rutTopp, rutbredd, 60), Rutdelar);
    Panel8 = ruta(this, QStringLiteral("Panel8"), QStringLiteral("Antal\nförsök"),
                  QRect(kolumn + 2 * (rutbredd + 20), rutTopp, rutbredd, 60), Rutdelar);

    FormCreate();
}

void Tavsloj::FormCreate()
{
    // Label60 reaches to the entry field.
    Label60->setFixedWidth(std::max(0, Edit1->x() + Edit1->width() - Label60->x() - 4));
    // Without a story there is nothing to choose: said, and the window closes.
    m_rader = laesHistoriefil(Historiefil).value_or(QStringList());
    if (antalBeraettelser(m_rader) < 1) {
        visaMeddelande(saknadFil(Historiefil));
        stang();
        return;
    }
    Resett();
}

void Tavsloj::letastorys()
{
    ListBox2->clear();
    const int n = antalBeraettelser(m_rader);
    for (int k = 1; k <= n; ++k)
        ListBox2->addItem((k < 10 ? QStringLiteral("      ") : QStringLiteral("    ")) + QString::number(k));
}

void Tavsloj::Resett()
{
    Panel1->hide();
    for (QWidget *w : Rutdelar)
        w->hide();
    for (QLabel *l : Slotetiketter + Namnetiketter) {
        l->clear();
        l->hide();
    }
    letastorys();
    ListBox1->clear();
    Historia.laes({}, 0);
    if (ListBox2->count() > 0)
        ListBox2->setCurrentRow(0);
    UpdateInfo();
    Button1->setText(QStringLiteral("&Se historien"));
    Edit1->clear();
    Edit1->setEnabled(true);
    ListBox1->hide();
    Panel7->hide();
    Panel4->show();
    ListBox2->setFocus();
}

void Tavsloj::ValjHistoria(int n)
{
    if (n < 1)
        return;
    ValdHistoria = n;
    Panel4->hide();
    Panel1->show();
    Historia.laes(m_rader, n);
    for (int r = 1; r <= Radlaengd; ++r) {
        QLabel *namn = Namnetiketter.at(r - 1);
        namn->setText(Historia.Namn[r]);
        namn->setVisible(!Historia.Namn[r].isEmpty());
    }
    for (int s = 1; s <= AntalPlatser; ++s) {
        slot(s)->setVisible(!Historia.OrdText[s].isEmpty());
        visaSlot(s, Historia.OrdMask[s]);
    }
    QStringList ord = Historia.ordAttDra();
    sorteraSvenskt(ord);
    ListBox1->clear();
    ListBox1->addItems(ord);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    if (RadioButton1->isChecked()) {
        Panel7->hide();
        ListBox1->show();
        ListBox1->setFocus();
    } else {
        Edit1->clear();
        Panel7->show();
        Edit1->setEnabled(true);
        ListBox1->hide();
        Edit1->setFocus();
    }
    for (QWidget *w : Rutdelar)
        w->show();
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::visaSlot(int s, const QString &text)
{
    QLabel *l = slot(s);
    l->setText(text);
    l->resize(l->sizeHint().width(), l->height());
}

void Tavsloj::HideStory()
{
    for (int s = 1; s <= AntalPlatser; ++s)
        visaSlot(s, Historia.OrdMask[s]);
    OrdnaLabels();
}

void Tavsloj::VisaStory()
{
    for (int s = 1; s <= AntalPlatser; ++s)
        visaSlot(s, Historia.OrdText[s]);
    OrdnaLabels();
}

void Tavsloj::OrdnaLabels()
{
    for (int r = 0; r < Radlaengd; ++r)
        for (int k = 1; k < Radlaengd; ++k) {
            QLabel *foerra = Slotetiketter.at(r * Radlaengd + k - 1);
            Slotetiketter.at(r * Radlaengd + k)->move(foerra->x() + foerra->width() + Ordavstaand, foerra->y());
        }
}

void Tavsloj::utruta(int s, const QString &ord, int rad)
{
    if (Historia.slaepp(s, ord)) {
        visaSlot(s, Historia.OrdMask[s]);
        delete ListBox1->takeItem(rad >= 0 && rad < ListBox1->count() && ListBox1->item(rad)->text() == ord
                                      ? rad
                                      : ListBox1->row(ListBox1->findItems(ord, Qt::MatchExactly).value(0)));
        if (ListBox1->count() > 0)
            ListBox1->setCurrentRow(0);
        m_tillFoersta = true;
    }
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::Textkoll()
{
    for (int s : Historia.gissa(Edit1->text()))
        visaSlot(s, Historia.OrdMask[s]);
    OrdnaLabels();
    Edit1->clear();
    Edit1->setFocus();
    UpdateInfo();
}

void Tavsloj::UpdateInfo()
{
    Panel5->setText(QString::number(Historia.procentRaett()) + QStringLiteral(" %"));
    Panel6->setText(QString::number(Historia.procentKlarat()) + QStringLiteral(" %"));
    Panel8->setText(QString::number(Historia.Foersoek));
    if (!Historia.klar())
        return;
    ListBox1->hide();
    Panel7->hide();
    OrdnaLabels();
    visaInformation(QStringLiteral("Grattis! Du klarade det!"));
    Resett();
}

void Tavsloj::Button1Click()
{
    if (Button1->text() == QStringLiteral("&Se historien")) {
        Button1->setText(QStringLiteral("&Göm historien"));
        Edit1->setEnabled(false);
        VisaStory();
    } else {
        Button1->setText(QStringLiteral("&Se historien"));
        HideStory();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
}

bool Tavsloj::keyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        Resett();
        return true;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && focusWidget() == Edit1) {
        if (!Edit1->text().isEmpty() && Edit1->text() != QStringLiteral("-"))
            Textkoll();
        return true;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && focusWidget() == ListBox2
        && Panel4->isVisible()) {
        ValjHistoria(ListBox2->currentRow() + 1);
        return true;
    }
    return false;
}

void Tavsloj::escape() { Resett(); }

void VisaAvsloj() { visaUtanRam<Tavsloj>(); }
