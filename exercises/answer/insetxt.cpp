#include "exercises/answer/insetxt.h"

#include "core/datafiler.h"
#include "core/diktamen.h"
#include "core/innehaall.h"
#include "core/laestext.h"
#include "core/lovord.h"
#include "core/meningslayout.h"
#include "core/program.h"
#include "core/svarstest.h"
#include "core/textmaett.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/text1252.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval inseval(const Oevningsstart &)
{
    Ramval v;
    v.skalas = false;
    v.runda.passregel = Passregel::EnRunda;
    v.runda.diagnosbokfoering = false;
    v.runda.felLista = false;
    v.raettning = false;
    v.beroem = false;                // the window picks its own praise line
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    v.tangentfoerhandsvisning = false;
    return v;
}

} // namespace

bool LovordLovarRaettning(const QString &postrad)
{
    QString ord;
    auto aerRaetta = [&ord] { return ord == QStringLiteral("rätta"); };
    for (QChar c : postrad + QLatin1Char(' ')) {
        if (c.isLetter()) {
            ord.append(c.toLower());
            continue;
        }
        if (aerRaetta())
            return true;
        ord.clear();
    }
    return false;
}

TInseTxt::TInseTxt(const Oevningsstart &start, QWidget *parent) : Ovningsram(inseval(start), parent)
{
    setObjectName(QStringLiteral("InseTxt"));
    FrageLabel1 = skapaTaetEtikett(this, QStringLiteral("FrageLabel1"));
    FrageLabel2 = skapaTaetEtikett(this, QStringLiteral("FrageLabel2"));
    for (QLabel *l : {FrageLabel1, FrageLabel2}) {
        l->setFont(arial(Punkter{16}, true));
        saettTextfaerg(l, clNavy);
    }
    for (int k = 1; k <= 3; ++k) {
        auto *nr = new Valpanel(this, QStringLiteral("NrPanel%1").arg(k));
        nr->setText(QString::number(k));
        nr->setFont(arial(Punkter{16}, true));
        auto *alt = new Valpanel(this, QStringLiteral("AlternativPanel%1").arg(k));
        auto *etikett = new QLabel(alt);
        etikett->setObjectName(QStringLiteral("AltLabel%1").arg(k));
        // The label lets the pointer through, so its panel takes the clicks.
        etikett->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Disabled while the end panel shows, the question's rows stay readable.
        for (QLabel *l : {static_cast<QLabel *>(nr), static_cast<QLabel *>(alt), etikett}) {
            QPalette p = l->palette();
            p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(80, 80, 80));
            l->setPalette(p);
        }
        for (Valpanel *v : {nr, alt}) {
            v->OnMouseMove = [this, k] { PanelMouseMove(k); };
            v->OnMouseDown = [this, k](Qt::MouseButton b) {
                RaettTest(k, b == Qt::RightButton ? 1 : 0);
            };
        }
        NrPanel[std::size_t(k - 1)] = nr;
        AlternativPanel[std::size_t(k - 1)] = alt;
        AltLabel[std::size_t(k - 1)] = etikett;
    }
    RattSvarLabel = skapaTaetEtikett(this, QStringLiteral("RattSvarLabel"));
    RattSvarLabel->setFont(arial(Punkter{16}, true));
    saettTextfaerg(RattSvarLabel, clRed);
    SeTextButton = skapaKnapp(this, QStringLiteral("SeTextButton"), QStringLiteral("Till &frågorna"), QRect());
    SeTextButton->setFont(arial(Punkter{12}, true));
    connect(SeTextButton, &QPushButton::clicked, this, &TInseTxt::SeTextButtonClick);
    TextPanel1 = skapaPanel(this, QStringLiteral("TextPanel1"), QRect());
    TextPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    TextPanel2 = skapaPanel(TextPanel1, QStringLiteral("TextPanel2"), QRect());
    TextPanel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Memo1 = new QPlainTextEdit(TextPanel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(arial(Punkter{16}, true));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Edit1->installEventFilter(this);
    // The box only receives the digits; it is kept out of sight.
    Edit1->setGeometry(0, 0, 1, 1);
    Button1->hide();
    Paneler(0);
    skapa(start);
}

void TInseTxt::efterSkapande()
{
    Edit1->setGeometry(0, 0, 1, 1);
    Kolumnenhet = std::max(skaermstorlek().width() / 32, 1);
    laggUt();
    RitaOverskriften(G.oevning.Rubrikrader[1], QStringLiteral("Läs texten."), QStringLiteral("Svara sedan på frågorna."));
    SparadRubrik = {G.oevning.Rubrikrader[1].str(), QStringLiteral("Läs texten."), QStringLiteral("Svara sedan på frågorna.")};

    if (programdata().fraagorUtanText) {
        SeTextButton->hide();
        G.runda.StandardAntal = Tillstaand::Runddata::AntalPerRunda;
        RitaOverskriften(G.oevning.Rubrikrader[1], G.oevning.Rubrikrader[2], G.oevning.Rubrikrader[3]);
        TextPanel1->hide();
        Aster1->show();
        TextVisas = false;
    } else {
        Aster1->hide();
        SeTextButton->show();
        SeTextButton->setText(QStringLiteral("Till &frågorna"));
        const int antal = G.start.FilAntalPoster[G.oevning.DatFilIndex];
        G.runda.StandardAntal = antal < Tillstaand::Runddata::AntalPerRunda ? antal : Tillstaand::Runddata::AntalPerRunda;
        if (!HaemtaText()) {
            stang();
            return;
        }
        TextPanel1->show();
        TextPanel1->raise();
        TextVisas = true;
        SeTextButton->setFocus();
    }
    G.runda.AntalIRunda = G.runda.StandardAntal;
    NyStartaAster(true);
    if (TextVisas)
        Aster1->hide();
    Enabla(true);
}

void TInseTxt::RitaOverskriften(const QString &rad1, const QString &rad2, const QString &rad3)
{
    Ovningsram::RitaOverskriften(rad1, rad2, rad3);
    if (rad1.isEmpty() || rad2.isEmpty() || rad3.isEmpty())
        return;
    // Three lines (the fables' heading, "Förklarat ord"): the first two at
    // one size and the third a little smaller, all smaller until each fits
    // the box's width and a gap stands between them, then spread evenly.
    QLabel *const etiketter[3] = {Overs1Label, Overs2Label, Overs3Label};
    const QString texter[3] = {rad1, rad2, rad3};
    const QRect inre = OverskriftInnerShape->geometry();
    const int ryms = inre.width() - 2 * G.skaerm.Marginal;
    std::array<QFont, 3> f;
    auto saettStorlek = [&f, this](int px) {
        for (std::size_t i = 0; i < 3; ++i) {
            f[i] = Overs1Label->font();
            f[i].setPixelSize(std::max(1, i == 2 ? px * 9 / 10 : px));
        }
    };
    auto ryms3 = [&] {
        int summa = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const QFontMetrics m(f[i]);
            if (m.horizontalAdvance(texter[i]) > ryms)
                return false;
            summa += m.height();
        }
        return summa + 4 * (QFontMetrics(f[2]).height() / 4) <= inre.height();
    };
    int px = std::max(Overs1Label->font().pixelSize(), Overs2Label->font().pixelSize());
    saettStorlek(px);
    while (px > 12 && !ryms3())
        saettStorlek(--px);
    int summa = 0;
    for (const QFont &t : f)
        summa += QFontMetrics(t).height();
    const int lucka = std::max(0, (inre.height() - summa) / 4);
    int y = inre.top() + lucka;
    for (std::size_t i = 0; i < 3; ++i) {
        QLabel *l = etiketter[i];
        const int h = QFontMetrics(f[i]).height();
        l->setFont(f[i]);
        l->setGeometry(l->x(), y, l->width(), h);
        y += h + lucka;
    }
}

void TInseTxt::laggUt()
{
    const QSize s = skaermstorlek();
    const int H = std::max(rutnaet().H, 1);
    const int M = G.skaerm.Marginal;
    const int K = Kolumnenhet;
    saettEtikettText(InstruktionsLabel, QStringLiteral("Klicka på en ruta eller tryck siffra."));
    const int rubrikBotten = OverskriftYtterShape->geometry().bottom() + 1;
    InstruktionsLabel->move(K, rubrikBotten + InstruktionsLabel->height() * 3 / 2);
    const int ih = InstruktionsLabel->height();
    const int fh = QFontMetrics(FrageLabel1->font()).height();
    FrageLabel2->move(K, InstruktionsLabel->y() + 2 * ih);
    FrageLabel1->move(K, FrageLabel2->y() + fh * 4 / 3);
    const int ph = 3 * H;
    int topp = FrageLabel1->y() + fh * 3 / 2;
    for (std::size_t k = 0; k < 3; ++k) {
        NrPanel[k]->setGeometry(K, topp, ph, ph);
        AlternativPanel[k]->setGeometry(K + ph + K / 2, topp, 25 * K, ph);
        topp += ph * 5 / 4;
    }
    RattSvarLabel->move(K, NrPanel[2]->y() + ph * 4 / 3);
    const int bh = 3 * H;
    SeTextButton->setGeometry(s.width() - 8 * K - M, s.height() - bh * 5 / 4, 8 * K, bh);
    TextPanel1->setGeometry(M, InstruktionsLabel->y(), s.width() - 2 * M,
                            SeTextButton->y() - M - InstruktionsLabel->y());
    TextPanel2->setGeometry(M / 2, M / 2, TextPanel1->width() - M, TextPanel1->height() - M);
    Memo1->setGeometry(M, M, TextPanel2->width() - 3 * M, TextPanel2->height() - 2 * M);
}

bool TInseTxt::HaemtaText()
{
    Memo1->clear();
    const QString namn = LasfilNamn(G.oevning.DatFilNamn);
    const QString fil = HittaInnehaall(QStringLiteral("\\DATA\\LAS\\") + namn);
    RadLaesare laesare;
    if (fil.isEmpty() || !laesare.oeppna(riktigSoekvaeg(fil))) {
        visaMeddelande(saknadFil(namn));
        return false;
    }
    QStringList rader;
    while (!laesare.slut())
        rader << laesare.laesRad();
    Memo1->setPlainText(JusteraMemoText(rader).join(QLatin1Char('\n')));
    return true;
}

void TInseTxt::slump(int lo, int hi)
{
    Randomize();
    Svarsordning.fill(0);
    QList<int> fria;
    for (int v = lo; v <= hi && fria.size() < 4; ++v)
        fria << v;
    for (std::size_t k = 0; !fria.isEmpty(); ++k)
        Svarsordning[k] = fria.takeAt(Random(int(fria.size())));
}

void TInseTxt::NyPost()
{
    Edit1->setEnabled(true);
    SeTextButton->setEnabled(true);
    // An item with fewer than two alternatives cannot be asked: the next one.
    const int antal = std::max(G.start.FilAntalPoster[G.oevning.DatFilIndex], 1);
    for (int foersoek = 0; foersoek < antal; ++foersoek) {
        const std::optional<Postdelar> post = runda.haemtaRad();
        saettPost(post.value_or(Postdelar{}));
        if (!post) {
            stang();   // the pupil has been told
            break;
        }
        AntalVal = AntalAlternativIPost(postdelar.faelt[2], postdelar.faelt[3], postdelar.faelt[4]);
        if (AntalVal >= 2)
            break;
    }
    foerberedPost();
    AntalVal = std::max(AntalVal, 2);

    const Meningsrader rader = dela_mening(20, 500, postdelar.faelt[1], 2);
    if (!rader[2].isEmpty()) {
        FrageLabel2->setText(rader[1]);
        FrageLabel1->setText(rader[2]);
        FrageLabel2->adjustSize();
        FrageLabel2->show();
    } else {
        FrageLabel1->setText(postdelar.faelt[1]);
        FrageLabel2->hide();
    }
    FrageLabel1->adjustSize();
    FrageLabel1->show();
    slump(1, AntalVal);

    // The widest alternative at 18 points, smaller until it fits its panel.
    Typsnitt t{.punkter = 12, .fet = true};
    QString bredast = postdelar.faelt[2];
    for (int f = 3; f <= 4; ++f)
        if (textmaetare().bredd(postdelar.faelt[f], t) > textmaetare().bredd(bredast, t))
            bredast = postdelar.faelt[f];
    t.punkter = 18;
    const int punkter = PunkterSomRyms(bredast, t, 24 * Kolumnenhet);
    const int ph = AlternativPanel[0]->height();
    for (std::size_t k = 0; k < 3; ++k) {
        QLabel *l = AltLabel[k];
        l->setFont(arial(Punkter{punkter}, true));
        const bool synlig = int(k) < AntalVal;
        l->setText(synlig ? postdelar.faelt[Svarsordning[k] + 1] : QString());
        l->adjustSize();
        const int lh = QFontMetrics(l->font()).height();
        l->move(Kolumnenhet / 2, std::max((ph - lh - 2) / 2, 0));
        l->setVisible(synlig);
    }
    NrPanel[2]->setVisible(AntalVal == 3);
    RaettPlats = 1;
    for (int k = 1; k <= 3; ++k)
        if (Svarsordning[std::size_t(k - 1)] == 1)
            RaettPlats = k;

    Paneler(2);
    Timer1->setEnabled(true);
    Timer1->setInterval(0);
    Sluttimer->setInterval(0);
    Sluttimer->setEnabled(false);
    G.runda.Tidraeknare = 0;
    Edit1->show();
    Edit1->setEnabled(true);
    if (ForstaPosten == 1)
        ForstaPosten = 0;
    else
        Edit1->setFocus();
    VaentarEfterFel = false;
}

void TInseTxt::Paneler(int laege)
{
    auto faerga = [this](int rad, const QColor &c) {
        for (Valpanel *v : {NrPanel[std::size_t(rad - 1)], AlternativPanel[std::size_t(rad - 1)]}) {
            v->setFrameStyle(QFrame::Panel | QFrame::Raised);
            saettBakgrund(v, c);
        }
    };
    auto aktivera = [this](bool paa) {
        for (std::size_t k = 0; k < 3; ++k)
            for (QWidget *w : {static_cast<QWidget *>(NrPanel[k]), static_cast<QWidget *>(AlternativPanel[k]),
                               static_cast<QWidget *>(AltLabel[k])})
                w->setEnabled(paa);
    };
    if (laege == 0)
        for (QLabel *l : AltLabel)
            l->clear();
    if (laege <= 3) {
        RattSvarLabel->hide();
        for (int k = 1; k <= 3; ++k)
            faerga(k, clBtnFace);
        aktivera(laege != 3);
    } else if (laege == 4 || laege == 5) {
        aktivera(laege == 4);
    } else if (laege >= 11 && laege <= 13) {
        for (int k = 1; k <= 3; ++k)
            faerga(k, k == laege - 10 ? clAqua : clBtnFace);
        saettEtikettText(RattSvarLabel, postdelar.faelt[2]);
        RattSvarLabel->show();
    }
    for (std::size_t k = 0; k < 3; ++k) {
        NrPanel[k]->repaint();
        AlternativPanel[k]->repaint();
    }
}

void TInseTxt::PanelMouseMove(int rad)
{
    if (VaentarEfterFel)
        return;
    for (int k = 1; k <= 3; ++k)
        for (Valpanel *v : {NrPanel[std::size_t(k - 1)], AlternativPanel[std::size_t(k - 1)]})
            saettBakgrund(v, k == rad ? clAqua : clBtnFace);
}

void TInseTxt::RaettTest(int panel, int slag)
{
    if (panel < 1 || panel > 3)
        return;
    if (slag == 1) {
        Paneler(5);
        Enabla(false);
        return;
    }
    // A choice while the right answer is shown, or of the empty third row,
    // is no answer.
    if (VaentarEfterFel || runda.vaentarKoer() || panel > AntalVal || !rundanPaagaar())
        return;
    const QString svar = postdelar.faelt[Svarsordning[std::size_t(panel - 1)] + 1];
    const bool raett = svarstest(postdelar.faelt[2], svar, 1, postdelar) == SvarRaett;
    svarsboekfoering(raett);
    if (!raett) {
        Paneler(10 + RaettPlats);
        VaentarEfterFel = true;
    }
    if (runda.uppgiftsnummer() + 1 > G.runda.AntalIRunda) {
        Enabla(false);
        if (raett)
            SeTextButton->setEnabled(false);
    }
    efterSvar();
}

void TInseTxt::Enabla(bool paa)
{
    for (std::size_t k = 0; k < 3; ++k) {
        NrPanel[k]->setEnabled(paa);
        AlternativPanel[k]->setEnabled(paa);
        AltLabel[k]->setEnabled(paa);
    }
    Slutpanel->setVisible(!paa);
    // The end panel reaches over most of the button's width: a strip of it
    // beside the panel would only puzzle, so it goes while the panel shows.
    if (!programdata().fraagorUtanText)
        SeTextButton->setVisible(paa);
    if (!paa) {
        Slutpanel->raise();
        Button2->setEnabled(true);
        Button2->setFocus();
    }
}

void TInseTxt::SeTextButtonClick()
{
    if (TextVisas) {
        RitaOverskriften(QStringLiteral("Svara på frågorna"), QString(), QString());
        Aster1->show();
        TextPanel1->hide();
        SeTextButton->setText(QStringLiteral("&Se texten"));
        TextVisas = false;
        if (Edit1->isEnabled())
            Edit1->setFocus();
    } else {
        TextPanel1->show();
        TextPanel1->raise();
        Aster1->hide();
        SeTextButton->setText(QStringLiteral("Till &frågorna"));
        TextVisas = true;
        RitaOverskriften(SparadRubrik[0], SparadRubrik[1], SparadRubrik[2]);
        SeTextButton->setFocus();
    }
}

void TInseTxt::Avslutning()
{
    Ovningsram::Avslutning();
    if (aerStangd() || !runda.faarBeroem())
        return;
    // The praise of the round's result, passing over the lines that ask for
    // a correction round. One try more than the file has lines: a cursor
    // that has not yet moved gives the first line twice.
    HaemtaLovordFilNamn();
    std::optional<QString> rad;
    if (KollaLovOrd(G.beroem.LovordFilNamn)) {
        const int index = G.beroem.LovordIndex;
        for (int n = 0; n <= G.start.LovordAntalRader[index] && !rad; ++n) {
            rad = laesPostrad(G.beroem.LovordFilNamn, haemta_Lovordslumptal(G.beroem.LovordMarkoer[index], index));
            if (rad && LovordLovarRaettning(*rad))
                rad.reset();
        }
    }
    if (!rad) {
        LovordPanel->hide();
        return;
    }
    LovordPanel->show();
    const Postdelar d = str_postarray(*rad);
    RitaLovord(LovordMen(d.faelt[1]), LovordMen(d.faelt[2]), LovordMen(d.faelt[3]));
    LovordPanel->raise();
    Slutpanel->raise();
}

void TInseTxt::vidRundansSlut()
{
    Ovningsram::vidRundansSlut();
    SeTextButton->setEnabled(false);
    Enabla(false);
}

void TInseTxt::efterFortsaett()
{
    // Mid-round the item stays; the squares and the count of right answers
    // start again all the same.
    runda.saettRaett(0);
    if (runda.uppgiftsnummer() > 1) {
        NyStartaAster(true);
        Paneler(4);
    }
    if (TextVisas)
        Aster1->hide();
    Enabla(true);
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TInseTxt::efterInstaellningar()
{
    Edit1->setEnabled(true);
    if (rundanPaagaar()) {
        Enabla(true);
        Edit1->setFocus();
    }
    Slutpanel->setVisible(!rundanPaagaar());
}

bool TInseTxt::eventFilter(QObject *o, QEvent *e)
{
    // The box takes every key typed into it and keeps none; 1, 2 and 3 choose.
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
            return false;
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            return false;
        if (k->key() >= Qt::Key_1 && k->key() <= Qt::Key_3)
            RaettTest(k->key() - Qt::Key_0, 0);
        Edit1->clear();
        return true;
    }
    return Ovningsram::eventFilter(o, e);
}

void VisaInseTxt() { visaOevning<TInseTxt>(); }
