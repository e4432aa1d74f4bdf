#include "records/rekord.h"

#include "platform/seams.h"
#include "platform/ui/dialogstart.h"
#include "platform/ui/faerger.h"
#include "platform/ui/straengrutnaet.h"
#include "platform/ui/typsnitt.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace plattform;

namespace {

constexpr int StoerstaRubrik = 40;
constexpr int MinstaPunkter = 11;

QString nummerText(int n)
{
    if (n < 10) return QStringLiteral("    ") + QString::number(n);
    if (n < 100) return QStringLiteral("  ") + QString::number(n);
    return QString::number(n);
}

} // namespace

TRekord::TRekord(QWidget *parent) : Foenster(parent)
{
    const QSize s = skaermstorlek();
    foerberedDialog(this, QStringLiteral("Rekord"), s);
    saettBakgrund(this, clBtnFace);
    setAutoFillBackground(true);
    const int M = std::max<int>(G.skaerm.Marginal, 4);
    const int B = s.width(), H = s.height();

    OverPanelen = skapaPanel(this, QStringLiteral("OverPanelen"), QRect(B / 8, 0, 3 * B / 4, H / 8));
    Label1 = skapaTaetEtikett(OverPanelen, QStringLiteral("Label1"));
    saettTextfaerg(Label1, clNavy);
    Label1->show();
    const QString rubrik = QStringLiteral("Rekordtabell för programmet ") + rekordProgramnamn(G.oevning.Programtal);
    for (int p = StoerstaRubrik;; --p) {
        Label1->setFont(arial(Punkter{p}, true));
        saettEtikettText(Label1, rubrik);
        const bool ryms = Label1->width() <= OverPanelen->width() - 2 * M
                          && Label1->height() <= OverPanelen->height() - M;
        if (ryms || p <= MinstaPunkter)
            break;
    }
    Label1->move((OverPanelen->width() - Label1->width()) / 2, (OverPanelen->height() - Label1->height()) / 2);

    NederPanelen = skapaPanel(this, QStringLiteral("NederPanelen"), QRect(B / 8, H - H / 8, 3 * B / 4, H / 8));
    const int kb = (NederPanelen->width() - 3 * M) / 2, kh = NederPanelen->height() / 2;
    Sluta = skapaKnapp(NederPanelen, QStringLiteral("Sluta"), QStringLiteral("Tillbaka &utan att spara - ESC"),
                       QRect(M, kh / 2, kb, kh));
    Button1 = skapaKnapp(NederPanelen, QStringLiteral("Button1"), QStringLiteral("Tillbaka och &spara - Enter"),
                         QRect(2 * M + kb, kh / 2, kb, kh));
    for (QPushButton *k : {Sluta, Button1})
        k->setFont(arial(Punkter{12}, true));
    connect(Sluta, &QPushButton::clicked, this, [this] { SlutaClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    RekordPanelen = skapaPanel(this, QStringLiteral("RekordPanelen"),
                               QRect(B / 8, H / 8, 3 * B / 4, H - H / 4));
    StringGrid1 = new Straengrutnaet(RekordPanelen, QStringLiteral("StringGrid1"),
                                     QRect(M, M, RekordPanelen->width() - 2 * M, RekordPanelen->height() - 2 * M),
                                     4, 102);
    StringGrid1->setFont(arial(Punkter{12}));
    const QFontMetrics fm(StringGrid1->font());
    StringGrid1->saettRadhoejd(8 * fm.height() / 7);
    StringGrid1->saettHelRad(true);
    StringGrid1->saettRullningslister(false, true);
    const int k0 = fm.horizontalAdvance(QStringLiteral(" 400  "));
    const int k1 = fm.horizontalAdvance(QStringLiteral("   Maximiliana Östergårdsson"));
    const int k2 = fm.horizontalAdvance(QStringLiteral(" 3970523 24:553 "));
    StringGrid1->saettKolumnbredd(0, k0);
    StringGrid1->saettKolumnbredd(1, k1);
    StringGrid1->saettKolumnbredd(2, k2);
    StringGrid1->saettKolumnbredd(3, std::max(1, StringGrid1->viewport()->width() - k0 - k1 - k2 - 20));
    StringGrid1->saettCell(0, 0, QStringLiteral("  Nr"));
    StringGrid1->saettCell(1, 0, QStringLiteral("       Namn"));
    StringGrid1->saettCell(2, 0, QStringLiteral("  Datum och tid"));
    StringGrid1->saettCell(3, 0, QStringLiteral("    Resultat"));
    for (int n = 1; n <= Rekordrader; ++n)
        StringGrid1->saettCell(0, n, nummerText(n));
    StringGrid1->OnEnter = [this] { Button1Click(); };
    ingaStandardknappar(this);

    if (G.spelare.RekordtabellPaa == 0) {
        Button1->setEnabled(false);
        stang();
        return;
    }
    G.spelare.ForstaRekordtabell = 0;
    Datumet(G.spelare.RekordPost);
    Tabell();
}

void TRekord::IniGrid(int rad, const Rekordpost &post)
{
    StringGrid1->saettCell(1, rad, QStringLiteral("   ") + post.namn.str());
    StringGrid1->saettCell(2, rad, QLatin1Char(' ') + RekordTidText(post));
    StringGrid1->saettCell(3, rad, rekordResultatText(post.resultat));
}

void TRekord::Tabell()
{
    QList<Rekordpost> poster;
    QString fel;
    const Rekordlaesning l = laesRekordfil(poster, &fel);
    if (l == Rekordlaesning::Misslyckad) {
        visaMeddelande(fel);
        stang();
        return;
    }
    visad = true;
    tabell = rangordna(poster, G.spelare.RekordPost);
    for (int r = 1; r <= tabell.antal; ++r)
        IniGrid(r, tabell.rader[r]);
    if (tabell.nyRad > Rekordrader) {
        StringGrid1->saettCell(0, Rekordrader + 1, QStringLiteral("  X"));
        IniGrid(Rekordrader + 1, tabell.rader[Rekordrader + 1]);
    }
    StringGrid1->setFocus();   // Enter in the table saves, as the button says
    if (l == Rekordlaesning::Skapad)
        return;
    const int rad = tabell.nyRad;
    StringGrid1->setCurrentCell(rad, 1);
    if (rad <= Rekordrader) {
        const int synliga = std::max(1, StringGrid1->viewport()->height() / std::max(1, StringGrid1->rowHeight(1)));
        const int topp = rad < 10 ? 1 : rad < 90 ? rad - synliga / 2 : 90;
        StringGrid1->scrollTo(StringGrid1->model()->index(std::max(1, topp), 1), QAbstractItemView::PositionAtTop);
    }
}

void TRekord::Button1Click()
{
    if (!Button1->isEnabled())
        return;
    QString fel;
    if (!sparaRekord(G.spelare.RekordPost, &fel))
        visaMeddelande(fel);
    stang();
}

bool TRekord::keyDown(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        Button1Click();
        return true;
    }
    return false;
}

bool VisaRekord()
{
    TRekord f;
    if (f.stangdUnderSkapande())
        return f.visad;
    f.exec();
    return true;
}
