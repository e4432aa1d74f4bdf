#include "exercises/answer/skrivinf.h"

#include "core/datafiler.h"
#include "core/ljud.h"
#include "core/meningslayout.h"
#include "core/oeversaettning.h"
#include "core/program.h"
#include "core/svarstest.h"
#include "core/uppstart.h"
#include "dialogs/regelform.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/skalning.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval skrivinfval(const Oevningsstart &start)
{
    Ramval v;
    v.ljudkatalog = true;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.slutTimerNamn = QStringLiteral("Timer2");
    v.beroemFramfoer = true;
    v.merHjaelp = false;             // a second help text comes with a second click
    v.escBaraISvarsfaelt = true;
    // The gap sentence follows the model in some programs.
    if (start.program.moensterFoerst)
        v.postKanBesvaras = [](const Postdelar &p) {
            return harLuckord(delaLuckpost(p.faelt, p.antalAlternativ, true).mening);
        };
    else
        v.postKanBesvaras = [](const Postdelar &p) {
            return harLuckord(delaLuckpost(p.faelt, p.antalAlternativ, false).mening);
        };
    v.ljudtimerIntervall = 2;
    return v;
}

QFont meningsfont() { return arial(Pixlar{19}, true); }

bool diagnosoevning() { return laege() == Laege::Diagnosoevning || laege() == Laege::OevningGodkaend; }

// A model sentence's row as rich text: the marked parts green, the rest
// blue. `inne` carries a mark that a line break left open into the next row.
QString moensterRad(const QString &rad, bool &inne)
{
    QString ut;
    QString bit;
    auto avsluta = [&] {
        if (!bit.isEmpty())
            ut += QStringLiteral("<span style=\"color:%1\">%2</span>")
                      .arg(inne ? QStringLiteral("#008000") : QStringLiteral("#0000ff"), bit.toHtmlEscaped());
        bit.clear();
    };
    for (QChar c : rad) {
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            avsluta();
            inne = c == QLatin1Char('<');
        } else {
            bit.append(c);
        }
    }
    avsluta();
    return ut;
}

} // namespace

TSkrivinf::TSkrivinf(const Oevningsstart &start, QWidget *parent) : Ovningsram(skrivinfval(start), parent)
{
    setObjectName(QStringLiteral("Skrivinf"));
    auto etikett = [this](const char *namn) { return skapaTaetEtikett(this, QString::fromLatin1(namn)); };
    Label3 = etikett("Label3");
    Label4 = etikett("Label4");
    Label5 = etikett("Label5");
    Label6 = etikett("Label6");
    Label7 = etikett("Label7");
    m_moensterEtiketter = {Label3, Label4, Label5, Label6, Label7};
    Label9 = etikett("Label9");
    Label10 = etikett("Label10");
    Label11 = etikett("Label11");
    Label12 = etikett("Label12");
    Label13 = etikett("Label13");
    Label14 = etikett("Label14");
    Label15 = etikett("Label15");
    Label16 = etikett("Label16");
    Label17 = etikett("Label17");
    Label18 = etikett("Label18");
    EngLabel = etikett("EngLabel");
    Edit2 = skapaRuta(this, QStringLiteral("Edit2"), QRect());
    laeggTillSvarsfaelt(Edit2);
    for (QWidget *w : std::initializer_list<QWidget *>{Label3, Label4, Label5, Label6, Label7, Label9, Label10,
                                                       Label11, Label12, Label13, Label14, Label15, Label16,
                                                       Edit1, Edit2})
        w->setFont(meningsfont());
    Label17->setFont(arial(Pixlar{17}, true));
    for (QLabel *l : m_moensterEtiketter)
        l->setTextFormat(Qt::RichText);
    for (QLabel *l : {Label9, Label10, Label11, Label12, Label13})
        saettTextfaerg(l, clNavy);
    saettTextfaerg(Label16, clGreen);
    saettTextfaerg(Label17, clGreen);
    EngLabel->setFont(arial(Punkter{14}, true));
    saettTextfaerg(EngLabel, clBlue);

    for (QLineEdit *e : {Edit1, Edit2}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, clWhite);
        p.setColor(QPalette::Text, clGreen);
        e->setPalette(p);
        e->hide();
    }
    BitBtn4 = skapaKnapp(this, QStringLiteral("BitBtn4"), QStringLiteral("Hjälp &3"), QRect());
    BitBtn4->hide();
    BitBtn3->setText(QStringLiteral("Hjälp &2"));

    skapa(start);
}

void TSkrivinf::efterSkapande()
{

    const Programdata &rad = programdata();
    HjaelpFraanFaelt2 = rad.moensterFoerst ? 0 : 1;
    LjudPost = rad.ljudOevning && ljudPaa() ? 1 : 0;
    // Without sounds the spoken programs show the button disabled.
    UpprepaButton->setVisible(rad.ljudOevning && !aerArbetsblad(laege()));
    UpprepaButton->setEnabled(LjudPost == 1);

    InstruktionsLabel->move(OverskriftYtterShape->x(), OverskriftYtterShape->geometry().bottom() + 1
                                                           + InstruktionsLabel->height() / 2);
    G.arbetsblad.Utskriftsrubrik = G.oevning.Rubrikrader[1].str().left(80);
    G.oevning.Fraagerad = QStringLiteral("Skriv ordet som saknas!");
    BitBtn2->setGeometry(BitBtn2->x(), BitBtn2->y(), BitBtn2->width(),
                         lampknapp ? lampknapp->height() : BitBtn2->height());
    BitBtn2->hide();

    laddaOrdlistor();
}

// The right edge to give dela_mening, from 20, for lines `rum` pixels wide
// on the screen: it widens its span with the screen and measures in an
// unscaled font, while the labels grow with the window's scaling.
static int designHoeger(int rum)
{
    const qint64 skal = G.skaerm.Skalprocent > 0 ? G.skaerm.Skalprocent : 100;
    const qint64 skaerm = std::max(1, skaermstorlek().width());
    return 20 + int(std::max<qint64>(0, rum) * 100 * 640 / (skal * skaerm));
}

int TSkrivinf::meningensVaenster() const
{
    return HjaelpFraanFaelt2 == 0 ? InstruktionsLabel->x() : designX(28);
}

// The sentence's lines, each reaching at most a margin short of the progress
// squares as the labels show it: a gap as wide as its field, and the lamp
// after a row with a gap.
Meningsrader TSkrivinf::delaMening(const QString &text, int vaenster, bool medLuckor)
{
    const int rum = Aster1->x() - G.skaerm.Marginal - vaenster;
    const QFontMetrics fm = Label9->fontMetrics();
    const int ww = fm.horizontalAdvance(QStringLiteral("ww"));
    const int lampa = LampShape ? LampShape->width() + G.skaerm.Marginal : 0;
    auto bredd = [&](const QString &rad) {
        const int luckor = medLuckor ? AntalLuckor(rad) : 0;
        QString synlig = rad;
        synlig.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
        return fm.horizontalAdvance(synlig) + luckor * ww + (luckor > 0 ? lampa : 0);
    };
    return dela_mening_inom(20, designHoeger(rum), text, 2, rum, bredd).rader;
}

int TSkrivinf::etikettHoejd() const { return Label9->fontMetrics().height(); }

bool TSkrivinf::harRegelsida() const { return programdata().regelknapp != Regelknapp::Ingen; }

QLineEdit *TSkrivinf::aktivtSvarsfaelt() const
{
    return AktivLucka == 2 && Edit2 ? Edit2 : Edit1;
}

QString TSkrivinf::vaentatSvar(const QLineEdit *faelt) const
{
    return faelt == Edit2 ? Post.svar2 : Post.svar1;
}

void TSkrivinf::NollaLabeller()
{
    Ovningsram::NollaLabeller();
    for (QLabel *l : {Label3, Label4, Label5, Label6, Label7, Label9, Label10, Label11, Label12, Label13,
                      Label14, Label15, Label16, Label17, Label18}) {
        l->clear();
        l->hide();
    }
    Edit1->hide();
    Edit2->hide();
    AktivLucka = 1;
}

// ---- the item ------------------------------------------------------------------

void TSkrivinf::NyPost()
{
    BesvaradeLuckor = 0;
    Lucka1Raett = 0;
    haemtaPost();
    Post = delaLuckpost(postdelar.faelt, postdelar.antalAlternativ, HjaelpFraanFaelt2 == 0);
    Luckor = Post.luckor;
    AntalHjaelp = Post.antalHjaelp;
    Label16->setText(Post.hjaelp1);
    Label17->setText(Post.hjaelp2);
    visaHjaelpknapp();
    visaMoenster();
    visaMening();

    if (aerArbetsblad(laege())) {
        for (QWidget *w : {static_cast<QWidget *>(Label10), static_cast<QWidget *>(Label11),
                           static_cast<QWidget *>(Label12), static_cast<QWidget *>(Label13),
                           static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2)})
            w->hide();
        const Meningsrader rader = delaMening(Post.mening, designX(28), false);
        int topp = 225;
        for (QLabel *l : {Label9, Label10}) {
            const QString rad = l == Label9 ? rader[1] : rader[2];
            saettTextfaerg(l, clBlue);
            saettEtikettText(l, rad);
            l->move(designX(28), topp);
            l->setVisible(!rad.isEmpty());
            topp = 260;
        }
        Edit2->setEnabled(false);
        if (lampknapp)
            lampknapp->hide();
        Aster1->hide();
    } else {
        // The second gap opens once the first is answered.
        Edit1->setEnabled(true);
        Edit2->setEnabled(false);
        if (lampknapp && LampShape->isHidden() && laege() != Laege::Diagnostest)
            lampknapp->show();
        Edit1->setFocus();
        ForstaPosten = 0;
    }
    if (LjudPost == 1 && ljudPaa()) {
        UpprepaButton->show();
        UpprepaButton->setEnabled(true);
    }
    visaOeversaettning();
}

void TSkrivinf::visaHjaelpknapp()
{
    const bool arbetsblad = aerArbetsblad(laege());
    const bool regel = harRegelsida() && !arbetsblad;
    // A test offers no help: its pupil must not get the answer for free.
    const bool hjaelp = (AntalHjaelp == 1 || AntalHjaelp == 2) && !arbetsblad
                        && laege() != Laege::Diagnostest;
    HjaelpSteg = hjaelp ? 1 : 0;
    BitBtn2->setText(regel ? QStringLiteral("&Regel") : QStringLiteral("&Hjälp"));
    BitBtn2->setVisible(hjaelp || regel);
    BitBtn2->setEnabled(true);
}

void TSkrivinf::visaMoenster()
{
    if (Post.moenster.isEmpty())
        return;
    const Meningsrader rader = delaMening(Post.moenster, InstruktionsLabel->x(), false);
    const QString rad1 = rader[1];
    const QString rad2 = rader[2];
    const int h = etikettHoejd();
    const int x = InstruktionsLabel->x();
    bool inne = false;
    if (rad2.isEmpty()) {
        // A one-line model without a mark shows nothing to follow.
        if (AntalLuckor(rad1) == 0)
            return;
        saettEtikettText(Label3, moensterRad(rad1, inne));
        Label3->move(x, InstruktionsLabel->geometry().bottom() + 1 + 2 * h);
        Label3->show();
        return;
    }
    const int topp = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    saettEtikettText(Label3, moensterRad(rad1, inne));
    Label3->move(x, topp);
    saettEtikettText(Label4, moensterRad(rad2, inne));
    Label4->move(x, topp + (4 * h) / 3);
    Label3->show();
    Label4->show();
}

int TSkrivinf::laggUtRad(int topp, const QString &rad, const std::array<QWidget *, 5> &delar)
{
    const Arr<QString, 1, 5> text = delaVidMarkeringar(rad);
    const int luckor = std::min(AntalLuckor(rad), 2);
    const QFontMetrics fm = Label9->fontMetrics();
    int x = Label9->x();
    std::array<bool, 3> lagd{};   // gap 1, 2: its field is placed
    for (int k = 0; k < 1 + 2 * luckor; ++k) {
        QWidget *w = delar[std::size_t(k)];
        if (!w)
            break;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            saettEtikettText(l, text[k + 1]);
            l->resize(std::max(1, fm.horizontalAdvance(text[k + 1])), fm.height());
            l->move(x, topp);
        } else {
            w->move(x, topp - 3);
        }
        w->show();
        x += w->width();
        // What follows a field on the row moves up to its answer later.
        for (std::size_t lucka : {std::size_t(1), std::size_t(2)})
            if (lagd[lucka])
                m_efterLucka[lucka] << w;
        if (w == Edit1 || w == Edit2)
            lagd[w == Edit1 ? 1 : 2] = true;
    }
    return x;
}

void TSkrivinf::visaMening()
{
    const Meningsrader rader = delaMening(Post.mening, meningensVaenster(), true);
    const QString rad1 = rader[1];
    const QString rad2 = rader[2];
    const int h = etikettHoejd();
    const QFontMetrics fm = Label9->fontMetrics();
    const int topp1 = InstruktionsLabel->geometry().bottom() + 1 + 4 * h;
    Label9->move(meningensVaenster(), topp1);

    // Each field fits its own answer with room to spare.
    Label14->setText(Post.svar1);
    Label15->setText(Post.svar2);
    const int ww = fm.horizontalAdvance(QStringLiteral("ww"));
    Edit1->resize(fm.horizontalAdvance(Post.svar1) + ww, h + 6);
    Edit2->resize(fm.horizontalAdvance(Post.svar2) + ww, h + 6);
    Edit1->setMaxLength(int(Post.svar1.size()) + 10);
    Edit2->setMaxLength(int(Post.svar2.size()) + 10);

    auto tomRad = [this](QLabel *l, const QString &text, int topp) {
        saettEtikettText(l, text);
        l->move(Label9->x(), topp);
        l->show();
    };
    for (QList<QWidget *> &efter : m_efterLucka)
        efter.clear();
    const std::array<QWidget *, 5> helaRaden{Label10, Edit1, Label11, Edit2, Label12};
    const int g1 = AntalLuckor(rad1);
    const int g2 = AntalLuckor(rad2);
    int luckRad = topp1;
    int slut = 0;
    if (rad2.isEmpty()) {
        slut = laggUtRad(topp1, rad1, helaRaden);
    } else if (g2 == 0) {
        slut = laggUtRad(topp1, rad1, helaRaden);
        tomRad(Label9, rad2, topp1 + (g1 == 1 ? (3 * h) / 2 : (4 * h) / 3));
    } else if (g1 == 0) {
        tomRad(Label9, rad1, topp1);
        luckRad = topp1 + (4 * h) / 3;
        slut = laggUtRad(luckRad, rad2, helaRaden);
    } else {
        slut = laggUtRad(topp1, rad1, {Label10, Edit1, Label11, nullptr, nullptr});
        laggUtRad(topp1 + (4 * h) / 3, rad2, {Label12, Edit2, Label13, nullptr, nullptr});
    }

    // Help texts under the sentence; the lamp at the end of the gap row.
    int under = topp1 + h;
    for (QLabel *l : {Label9, Label12, Label13})
        if (!l->isHidden())
            under = std::max(under, l->geometry().bottom());
    Label16->move(Label9->x(), under + h);
    Label16->adjustSize();
    Label17->move(Label9->x(), under + 2 * h + h / 2);
    Label17->adjustSize();
    if (LampShape)
        LampShape->move(std::min(slut + G.skaerm.Marginal, Aster1->x() - LampShape->width() - G.skaerm.Marginal),
                        luckRad + 3);
}

// ---- answers --------------------------------------------------------------------

void TSkrivinf::visaSvar(int lucka, const QString &text, const QColor &faerg)
{
    QLabel *l = lucka == 1 ? Label14 : Label15;
    const QLineEdit *faelt = lucka == 1 ? Edit1 : Edit2;
    saettTextfaerg(l, faerg);
    saettEtikettText(l, text);
    l->move(faelt->x(), faelt->y() + 3);
    l->show();
    // The rest of the row closes up to the word, so no blank opens before
    // a comma or full stop that follows it; a text that goes on with a word
    // brings its own blank.
    int x = l->x() + l->width();
    for (QWidget *w : m_efterLucka[std::size_t(lucka)]) {
        w->move(x, w->y());
        x += w->width();
    }
}

void TSkrivinf::svarInmatat(QLineEdit *faelt)
{
    const int lucka = faelt == Edit2 ? 2 : 1;
    if (laege() == Laege::Oevning && lampknapp && (lucka == 2 || Luckor < 2))
        lampknapp->setEnabled(false);
    ++BesvaradeLuckor;
    if (lucka == 1)
        AktivLucka = 2;
    const QString vaentat = lucka == 1 ? Post.svar1 : Post.svar2;
    const bool raett = svarstest(vaentat, faelt->text(), 1, postdelar) == SvarRaett;
    faelt->hide();
    faelt->setEnabled(false);
    if (raett) {
        visaSvar(lucka, faelt->text(), clGreen);
    } else {
        visaSvar(lucka, vaentat, clMaroon);
        if (lucka == 1)
            UpprepaButton->setEnabled(false);
        else
            BitBtn2->setEnabled(false);
    }

    switch (bokaLucka(lucka, Luckor, raett, Lucka1Raett == 1)) {
    case Luckbokning::Raett:
        svarsboekfoering(true);
        break;
    case Luckbokning::Fel:
        svarsboekfoering(false);
        break;
    case Luckbokning::Ingen:
        break;
    }
    // What follows goes by this gap's answer, booked or not.
    G.runda.SenastRaett = raett ? 1 : 0;
    if (lucka == 1 && raett)
        Lucka1Raett = 1;

    if (lucka == 1 && Luckor >= 2) {
        Edit2->show();
        Edit2->setEnabled(true);
        Edit2->setFocus();
        return;
    }
    efterSvar();
}

void TSkrivinf::escISvarsfaelt(QLineEdit *faelt)
{
    visaSlutpanelVidEsc();
    if (aerStangd())
        return;
    LampaPaa = 0;
    if (LampShape)
        LampShape->hide();
    if (faelt == Edit2 && lampknapp && aerArbetsblad(laege()))
        lampknapp->hide();
    Edit1->setEnabled(false);
    Edit2->setEnabled(false);
    BitBtn2->hide();
}

bool TSkrivinf::keyDown(QKeyEvent *e)
{
    const auto mod = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_F2 && mod == Qt::NoModifier && focusWidget() == Edit1) {
        if (LjudPost == 1 && ljudPaa())
            Ljudet();
        return true;
    }
    return Ovningsram::keyDown(e);
}

void TSkrivinf::UpprepaButtonClick()
{
    Ljudet();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- help, translation ----------------------------------------------------------

void TSkrivinf::BitBtn2Click()
{
    if (diagnosoevning())
        runda.hjaelp();
    const bool regel = harRegelsida();
    if (HjaelpSteg == 1) {
        Label16->show();
        if (AntalHjaelp == 2)
            HjaelpSteg = 2;
        else
            BitBtn2->setEnabled(false);
    } else if (HjaelpSteg == 2) {
        Label17->show();
        HjaelpSteg = 0;
        BitBtn2->hide();
    }
    QLineEdit *f = aktivtSvarsfaelt();
    if (f && f->isVisible() && f->isEnabled())
        f->setFocus();
    if (regel) {
        QPointer<TSkrivinf> vakt(this);
        VisaRegelform(programtal());
        if (!vakt || aerStangd())
            return;
        BitBtn2->setText(QStringLiteral("&Regel"));
        BitBtn2->show();
        BitBtn2->setEnabled(true);
        if (f && f->isVisible() && f->isEnabled())
            f->setFocus();
    }
}

void TSkrivinf::visaOeversaettning()
{
    EngLabel->hide();
    if (G.val.Oeversaettning != 0 && programdata().oeversaettning)
        visaPostensOeversaettning(EngLabel);
}

// ---- frame hooks ------------------------------------------------------------------

void TSkrivinf::Avslutning()
{
    UpprepaButton->hide();
    Ovningsram::Avslutning();
}

void TSkrivinf::efterFortsaett()
{
    Ovningsram::efterFortsaett();
    // The item on screen keeps the help it still has to give.
    BitBtn2->setVisible(HjaelpSteg != 0 || (harRegelsida() && !aerArbetsblad(laege())));
}

void TSkrivinf::efterInstaellningar()
{
    const Programdata &rad = programdata();
    LjudPost = rad.ljudOevning && ljudPaa() ? 1 : 0;
    UpprepaButton->setEnabled(LjudPost == 1);
    laddaOrdlistor();
    visaOeversaettning();
    if (!rundanPaagaar())
        return;
    QLineEdit *f = aktivtSvarsfaelt();
    f->setEnabled(true);
    f->setFocus();
    Slutpanel->hide();
}

Arbetsbladsrader TSkrivinf::arbetsbladsrader(bool fraanKlart)
{
    Meningsrader moenster;
    if (!Post.moenster.isEmpty())
        moenster = dela_mening(20, 700, Post.moenster, 2);
    const Meningsrader mening = dela_mening(20, 700, Post.mening, 2);
    return SkrivinfRader(moenster[1], moenster[2], mening[1], mening[2], fraanKlart);
}

int VisaSkrivinf() { return visaOevning<TSkrivinf>(); }
