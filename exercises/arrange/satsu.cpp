#include "exercises/arrange/satsu.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/ordna.h"
#include "core/program.h"
#include "core/uppstart.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/dragdrop.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/kontroller.h"
#include "platform/ui/qttextmaetare.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval satsval(const Oevningsstart &)
{
    Ramval v;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.slutTimerNamn = QStringLiteral("Timer2");
    v.runda.diagnosbokfoering = false;
    // The pupil has seen every part placed: no wait after a wrong item.
    v.runda.vaentanEfterFel = false;
    v.beroemFramfoer = true;
    v.mellanslag = false;
    v.svarsfaelt = false;
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    return v;
}

bool nivaaProgram(Word p) { return program(p).nivaaer; }

// A one- or two-digit level number in front of a worksheet sentence.
QString utanNivaa(const QString &mening)
{
    int n = 0;
    while (n < 2 && n < mening.size() && mening.at(n).isDigit())
        ++n;
    return mening.mid(n);
}

} // namespace

QString TSats::ArbetsbladsSvar(int kod)
{
    switch (kod) {
    case 1: return QStringLiteral("Ackusativobjekt  =");
    case 2: return QStringLiteral("Dativobjekt") + QString(8, QLatin1Char(' ')) + QLatin1Char('=');
    case 3: return QStringLiteral("Predikat") + QString(13, QLatin1Char(' ')) + QLatin1Char('=');
    case 4: return QStringLiteral("Predikatsfyllnad =");
    case 5: return QStringLiteral("Subjekt") + QString(15, QLatin1Char(' ')) + QLatin1Char('=');
    default: return {};
    }
}

TSats::TSats(const Oevningsstart &start, QWidget *parent) : Ovningsram(satsval(start), parent)
{
    setObjectName(QStringLiteral("Sats"));
    Panel1 = Slutpanel;
    setMouseTracking(true);
    auto etikett = [this](const QString &namn) {
        QLabel *l = skapaTaetEtikett(this, namn);
        l->setMouseTracking(true);
        return l;
    };
    for (int i = 0; i < 6; ++i)
        Mell[std::size_t(i)] = etikett(QStringLiteral("Mell%1").arg(i + 1));
    for (int i = 0; i < 5; ++i) {
        // The copy first, so that the draggable part lies over it.
        Kopia[std::size_t(i)] = etikett(QStringLiteral("Men%1").arg(i + 6));
        QLabel *m = etikett(QStringLiteral("Men%1").arg(i + 1));
        m->setAutoFillBackground(true);
        Men[std::size_t(i)] = m;
        m_kaellor[std::size_t(i)] = new Dragkaella(m, Dragkaella::Start::Genast);
        // Installed after the drag source, so it sees the press first.
        m->installEventFilter(this);
    }
    for (int k = 0; k < 5; ++k) {
        QLabel *b = skapaTaetEtikett(this, QStringLiteral("Memo%1").arg(k + 1));
        b->setFrameStyle(QFrame::Box | QFrame::Plain);
        b->setLineWidth(2);
        b->setAlignment(Qt::AlignCenter);
        b->setFont(arial(Punkter{12}, true));
        b->setMouseTracking(true);
        b->installEventFilter(this);
        saettBakgrund(b, clYellow);
        // A box is disabled between drags; its caption stays readable.
        QPalette pal = b->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, clBlack);
        b->setPalette(pal);
        Memo[std::size_t(k)] = b;
        auto *maal = new Slaeppmaal(b);
        maal->OnDragOver = [this, k](const Dragdata &d, QPoint) {
            if (delAv(d.kaella()) == 0 || Fylld[std::size_t(k)])
                return false;
            Hjaelp.slaeppA();
            Hjalptext(3);
            return true;
        };
        maal->OnDragDrop = [this, k](const Dragdata &d, QPoint) { return MemoDragDrop(k + 1, delAv(d.kaella())); };
    }
    // Dragging back over the window: the help line says to go on to a box.
    auto *fonstret = new Slaeppmaal(this);
    fonstret->OnDragOver = [this](const Dragdata &d, QPoint) {
        if (delAv(d.kaella()) != 0 && delAv(d.kaella()) != 3) {
            Hjaelp.slaeppB();
            Hjalptext(2);
        }
        return false;
    };

    Shape1 = new Figur(this, QStringLiteral("Shape1"), QRect(), Figur::Form::Cirkel, clLime);
    FelPanel = new Klickpanel(this, QStringLiteral("FelPanel"), QStringLiteral("Fel. Gör ett nytt försök!"), QRect());
    FelPanel->setFont(arial(Punkter{14}, true));
    saettBakgrund(FelPanel, clBtnFace);
    saettTextfaerg(FelPanel, clRed);
    FelPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = skapaEtikett(this, QStringLiteral("Label1"), QStringLiteral(" "), QPoint(0, 0));
    Label1->hide();
    Label3 = skapaEtikett(this, QStringLiteral("Label3"), QString(), QPoint(0, 0));
    Label3->setFont(arial(Punkter{12}, true));
    saettTextfaerg(Label3, clNavy);

    NivPanel = skapaPanel(this, QStringLiteral("NivPanel"), QRect());
    NivYtterShape = skapaPanel(NivPanel, QStringLiteral("NivYtterShape"), QRect());
    saettBakgrund(NivYtterShape, clNavy);
    NivInnerShape = skapaPanel(NivPanel, QStringLiteral("NivInnerShape"), QRect());
    saettBakgrund(NivInnerShape, clYellow);
    NivLabel1 = skapaEtikett(NivPanel, QStringLiteral("NivLabel1"), QStringLiteral("Nivå"), QPoint(0, 0));
    NivLabel1->setFont(arial(Punkter{14}, true));
    NivLabel2 = skapaEtikett(NivPanel, QStringLiteral("NivLabel2"), QStringLiteral("1"), QPoint(0, 0));
    saettTextfaerg(NivLabel2, clNavy);
    Gauge1 = new Maetare(NivPanel, QStringLiteral("Gauge1"), QRect());
    Gauge1->foerg = clLime;
    NivPanel->hide();

    skapa(start);
}

Typsnitt TSats::meningstypsnitt() const
{
    return Typsnitt{QStringLiteral("Arial"), programdata().punkter, true, 0};
}

int TSats::delAv(const QWidget *w) const
{
    for (int i = 0; i < 5; ++i)
        if (Men[std::size_t(i)] == w)
            return i + 1;
    return 0;
}

void TSats::efterSkapande()
{
    // The help line stands where the instruction would.
    InstruktionsLabel->hide();
    const QFont f = typsnittTillFont(meningstypsnitt());
    for (QLabel *l : Mell)
        l->setFont(f);
    for (QLabel *l : Kopia)
        l->setFont(f);
    for (QLabel *l : Men)
        l->setFont(f);
    Label1->setFont(f);

    FelPanel->hide();
    Label3->setText(QStringLiteral("För musen över meningen."));
    Label3->adjustSize();
    const Laege l = laege();
    const Programdata &r = programdata();
    if (G.oevning.Rubrikrader[1].isEmpty())
        RitaOverskriften(QStringLiteral("Satsdelar."), QString::fromUtf8(r.satsrubrik), QString());
    G.oevning.Fraagerad = QString();
    G.arbetsblad.Utskriftsrubrik = G.oevning.Rubrikrader[1].isEmpty()
                            ? QString::fromUtf8(r.satsutskrift)
                            : (G.oevning.Rubrikrader[1] + QLatin1Char(' ') + G.oevning.Rubrikrader[2] + QLatin1Char(' ')
                               + G.oevning.Rubrikrader[3]).left(80);
    NivaaPaa = nivaaProgram(programtal()) && !aerArbetsblad(l);
    if (aerArbetsblad(l)) {
        Shape1->hide();
        Label3->hide();
    } else {
        Shape1->show();
        Label3->show();
    }
    RitaNivRutan(NivaaPaa);
    if (NivaaPaa) {
        nivaaStart();
        if (aerStangd())
            return;
    }
}

void TSats::nivaaStart()
{
    Button1->hide();
    Nivaaer = laesNivaafil(G.oevning.DatFilNamn);
    Nivaa = Nivaalaege{1, Nivaaer.antalNivaaer, 0, false};
    if (Nivaaer.antalNivaaer < 1) {
        // Without a first level there is nothing to climb.
        visaMeddelande(saknadFil(G.oevning.DatFilNamn));
        stang();
        return;
    }
    for (int n = 1; n <= Nivaaer.antalNivaaer; ++n) {
        Randomize();
        NivaaOrdning[std::size_t(n)] = slumpOrdning(1, int(Nivaaer.rader[std::size_t(n)].size()));
        NivaaMarkoer[std::size_t(n)] = 0;
    }
    NyStartaAster(false);
    Aster1->hide();
    Gauge1->saettMin(0);
    Gauge1->saettMax(Nivaaer.antalNivaaer);
    Gauge1->saettProgress(1);
    UppgraderaNivRutan(1, 0);
}

// ---- layout ------------------------------------------------------------------

void TSats::Inled()
{
    Ovningsram::Inled();
    const QSize s = skaermstorlek();
    const auto [W, H, M] = rutnaet(G.skaerm.Marginal);
    const int v = OverskriftYtterShape->x();
    const int h = std::max(1, Label3->fontMetrics().height());
    Label3->move(v, OverskriftYtterShape->geometry().bottom() + 1 + h);
    RadTopp[1] = Label3->y() + 2 * h;
    RadTopp[2] = RadTopp[1] + (3 * h) / 2;
    RadTopp[3] = RadTopp[2] + (3 * h) / 2;

    const int mb = 9 * W;
    const int mh = 5 * H;
    FelPanel->resize(30 * W, 3 * H);
    const int topp = s.height() - mh - FelPanel->height() - Slutpanel->height() - 6 * M;
    for (int k = 0; k < 5; ++k)
        Memo[std::size_t(k)]->setGeometry(v + k * (mb + 2 * M), topp, mb, mh);
    const int lampa = 3 * H;
    Shape1->setGeometry(v + 5 * (mb + 2 * M), topp + (mh - lampa) / 2, lampa, lampa);
    FelPanel->move(v, topp + mh + M);

    NivPanel->setGeometry(44 * W, 18 * H, 14 * W, 10 * H);
}

void TSats::RitaNivRutan(bool visa)
{
    NivPanel->setVisible(visa);
    if (!visa)
        return;
    const int w = NivPanel->width();
    const int h = NivPanel->height();
    NivYtterShape->setGeometry(0, 0, w, h);
    NivInnerShape->setGeometry(6, 6, (w - 30) / 2, h - 12);
    const int gv = NivInnerShape->x() + NivInnerShape->width() + 12;
    Gauge1->setGeometry(gv, 6, w - gv - 6, h - 12);
    const QRect in = NivInnerShape->geometry();
    NivLabel1->adjustSize();
    NivLabel1->move(in.x() + (in.width() - NivLabel1->width()) / 2,
                    in.y() + (in.height() / 2 - NivLabel1->height()) / 2);
    NivLabel1->raise();
    NivLabel2->raise();
}

void TSats::UppgraderaNivRutan(int nivaa, int raett)
{
    // The number grows with the window, as the box around it did.
    const int skala = G.skaerm.Skalprocent > 0 ? G.skaerm.Skalprocent : 100;
    if (const int p = nivaaPunkter(raett); p > 0)
        NivLabel2->setFont(typsnittTillFont(Typsnitt{QStringLiteral("Times New Roman"), p * skala / 100, true, 0}));
    NivLabel2->setText(QString::number(nivaa));
    NivLabel2->adjustSize();
    const QRect in = NivInnerShape->geometry();
    NivLabel2->move(in.x() + (in.width() - NivLabel2->width()) / 2,
                    in.y() + in.height() / 2 + (in.height() / 2 - NivLabel2->height()) / 2);
    NivLabel2->repaint();
}

void TSats::laggUt()
{
    const auto plats = radbryt(Bitar, meningstypsnitt(), OverskriftYtterShape->x());
    for (std::size_t i = 0; i < plats.size(); ++i) {
        QLabel *l = i % 2 == 0 ? Mell[i / 2] : Men[i / 2];
        const int hoejd = l->fontMetrics().height();
        l->setGeometry(plats[i].vaenster, RadTopp[std::size_t(plats[i].rad)], std::max(1, plats[i].bredd), hoejd);
        if (i % 2 == 1) {
            QLabel *k = Kopia[i / 2];
            k->setText(l->text());
            k->setGeometry(l->geometry());
            k->setVisible(!l->text().isEmpty());
        }
    }
}

// ---- items ------------------------------------------------------------------------

void TSats::NollaLabeller()
{
    Ovningsram::NollaLabeller();
    if (m_raettaFelenDold)
        Button1->hide();
}

bool TSats::laesPost()
{
    auto dela = [this](const Postdelar &post) {
        Postdelar p = post;
        if (aerArbetsblad(laege()) && !p.faelt[1].isEmpty() && p.faelt[1].at(0).isDigit())
            p.faelt[1] = utanNivaa(p.faelt[1]);
        saettPost(p);
        Bitar = delaSats(postdelar.faelt[1]);
        Koder.clear();
        for (int f = 2; f <= 6; ++f)
            Koder << postdelar.faelt[f];
        Rutor = tilldelaRutor(Bitar, Koder);
        return !Rutor.isEmpty();
    };
    if (NivaaPaa) {
        const std::size_t n = std::size_t(Nivaa.nivaa);
        const QStringList &rader = Nivaaer.rader[n];
        int &markoer = NivaaMarkoer[n];
        const int rad = NivaaOrdning[n].value(markoer, 1);
        markoer = markoer + 1 >= rader.size() ? 0 : markoer + 1;
        G.post.HaemtadRad = rader.value(rad - 1);
        return dela(str_postarray(G.post.HaemtadRad));
    }
    // An item with nothing to place is passed over like a comment.
    const int foersoek = std::max(1, G.runda.RaettaFel == 1 ? G.fel.FelAntal[G.oevning.DatFilIndex] : G.start.FilAntalPoster[G.oevning.DatFilIndex]);
    for (int f = 0; f < foersoek; ++f) {
        const std::optional<Postdelar> post = runda.haemtaRad();
        if (!post) {
            stang();   // the pupil has been told
            return false;
        }
        if (dela(*post))
            return true;
    }
    return false;
}

void TSats::NyPost()
{
    for (QLabel *l : Mell) {
        l->clear();
        l->hide();
        saettTextfaerg(l, clBlack);
    }
    for (int i = 0; i < 5; ++i) {
        for (QLabel *l : {Men[std::size_t(i)], Kopia[std::size_t(i)]}) {
            l->clear();
            l->hide();
        }
        saettTextfaerg(Kopia[std::size_t(i)], clBlack);
        saettBakgrund(Men[std::size_t(i)], clBtnFace);
        saettTextfaerg(Men[std::size_t(i)], clBlue);
    }
    for (QLabel *b : Memo)
        saettBakgrund(b, clYellow);

    if (!laesPost()) {
        // Not one item of the file can be placed: nothing to practise.
        if (!aerStangd()) {
            visaMeddelande(saknadFil(G.oevning.DatFilNamn));
            stang();
        }
        return;
    }
    foerberedPost();
    // The last item's warning does not stand over the new one.
    FelPanel->hide();
    Ren = 1;
    RaettaSlaepp = 0;
    AktuellDel = 0;
    Shape1->saettFyllning(clLime);
    Fylld.fill(false);
    Placerad.fill(false);
    Hjaelp.nollstaell();

    for (int i = 0; i < 6; ++i) {
        Mell[std::size_t(i)]->setText(Bitar.mell[std::size_t(i)]);
        Mell[std::size_t(i)]->setVisible(!Bitar.mell[std::size_t(i)].isEmpty());
    }
    for (int i = 0; i < 5; ++i) {
        Men[std::size_t(i)]->setText(Bitar.men[std::size_t(i)]);
        Men[std::size_t(i)]->setVisible(!Bitar.men[std::size_t(i)].isEmpty());
    }
    laggUt();
    for (QLabel *m : Men)
        m->raise();

    for (int k = 0; k < 5; ++k) {
        QLabel *b = Memo[std::size_t(k)];
        b->hide();
        b->setEnabled(false);
        if (k < Rutor.size()) {
            const auto &namn = SatsdelNamn(Rutor.at(k).kod);
            b->setText(namn[1].isEmpty() ? namn[0] : namn[0] + QLatin1Char('\n') + namn[1]);
            b->show();
        }
    }
    Timer1->setEnabled(true);
    Sluttimer->setEnabled(false);
}

// ---- dragging -----------------------------------------------------------------------

void TSats::Hjalptext(int n)
{
    if (const std::optional<QString> t = Hjaelp.visa(n))
        saettEtikettText(Label3, *t);
}

void TSats::memosenabled(bool paa)
{
    for (QLabel *b : Memo)
        b->setEnabled(paa);
}

void TSats::Menfarg(int n)
{
    if (n != AktuellDel) {
        for (int i = 1; i <= 5; ++i) {
            const bool markerad = i == n && !Placerad[std::size_t(i - 1)];
            saettBakgrund(Men[std::size_t(i - 1)], markerad ? clAqua : clBtnFace);
        }
    }
    AktuellDel = n;
    if (n >= 1 && n <= 5 && !Placerad[std::size_t(n - 1)])
        Hjalptext(1);
}

bool TSats::MenMouseDown(int del)
{
    if (aerArbetsblad(laege()) || del < 1 || del > 5 || Placerad[std::size_t(del - 1)])
        return false;
    FelPanel->hide();
    AktuellDel = del;
    memosenabled(true);
    Hjaelp.slaeppB();
    Hjalptext(2);
    return true;
}

bool TSats::MemoDragDrop(int ruta, int del)
{
    if (ruta < 1 || ruta > Rutor.size() || del < 1 || del > 5)
        return false;
    const std::size_t k = std::size_t(ruta - 1);
    // A part already placed, or a box already filled, changes nothing.
    if (Placerad[std::size_t(del - 1)] || Fylld[k])
        return false;
    const bool raett = delensKod(Koder, del) == Rutor.at(ruta - 1).kod;
    if (!raett) {
        FelPanel->show();
        FelPanel->raise();
        Shape1->saettFyllning(clRed);
        Ren = 0;
    } else {
        Shape1->saettFyllning(clLime);
        Fylld[k] = true;
        Placerad[std::size_t(del - 1)] = true;
        // The box takes this part, also when another part has the same code.
        Rutor[ruta - 1].del = del;
        QLabel *l = Men[std::size_t(del - 1)];
        QLabel *b = Memo[k];
        l->move(b->x() + b->width() / 2 - l->width() / 2, b->y() - 30);
        saettBakgrund(l, clBtnFace);
        saettTextfaerg(l, clBlack);
        saettBakgrund(b, clAqua);
        ++RaettaSlaepp;
    }
    if (RaettaSlaepp >= Rutor.size())
        Avklarad();
    if (aerStangd())
        return raett;
    memosenabled(false);
    return raett;
}

bool TSats::eventFilter(QObject *o, QEvent *e)
{
    auto *w = qobject_cast<QWidget *>(o);
    if (const int del = delAv(w); del != 0) {
        if (e->type() == QEvent::MouseMove && !aerArbetsblad(laege())) {
            Menfarg(del);
            memosenabled(true);
        } else if (e->type() == QEvent::MouseButtonPress) {
            auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton && !MenMouseDown(del))
                return true;   // no drag
            if (m->button() == Qt::RightButton) {
                FormMouseDown(Qt::RightButton);
                return true;
            }
        }
        return false;
    }
    for (int k = 0; k < 5; ++k) {
        if (Memo[std::size_t(k)] != w || e->type() != QEvent::MouseMove)
            continue;
        if (AktuellDel != 0) {
            Hjalptext(0);
            if (k < 2)
                saettEtikettText(Label3, QStringLiteral("Släpp upp musknappen"));
        }
    }
    return false;
}

void TSats::mouseMoveEvent(QMouseEvent *e)
{
    // A move over a part reaches the window too, after the part has coloured
    // itself and shown its help line: only the window's own ground clears them.
    if (delAv(childAt(e->position().toPoint())) != 0) {
        e->accept();
        return;
    }
    Menfarg(0);
    Hjaelp.slaeppA();
    Hjaelp.slaeppB();
    Hjalptext(0);
    Ovningsram::mouseMoveEvent(e);
}

void TSats::mousePressEvent(QMouseEvent *e)
{
    FormMouseDown(e->button());
    e->accept();
}

void TSats::mouseReleaseEvent(QMouseEvent *e)
{
    memosenabled(false);
    Hjalptext(0);
    e->accept();
}

void TSats::FormMouseDown(Qt::MouseButton knapp)
{
    if (knapp != Qt::RightButton || aerArbetsblad(laege()))
        return;
    m_raettaFelenDold = true;
    Button1->hide();
    Button1->setEnabled(false);
    Slutpanel->show();
    Slutpanel->raise();
    Button2->setFocus();
}

// ---- a finished item -------------------------------------------------------------

void TSats::Avklarad()
{
    const bool ren = Ren == 1;
    if (!NivaaPaa) {
        svarsboekfoering(ren);
        efterSvar();
        return;
    }
    // Levels: no squares, no wrong-answer list, the item number stays.
    G.runda.SenastRaett = ren ? 1 : 0;
    runda.raekna(ren);
    const int foere = Nivaa.nivaa;
    nivaaEfterPost(Nivaa, ren);
    runda.saettRaett(Nivaa.raett);
    if (Nivaa.nivaa != foere)
        Gauge1->saettProgress(Nivaa.nivaa);
    if (Nivaa.topp) {
        Avslutning();
        return;
    }
    UppgraderaNivRutan(Nivaa.nivaa, Nivaa.raett);
    NyPost();
}

void TSats::Avslutning()
{
    if (!NivaaPaa) {
        if (m_raettaFelenDold) {
            m_raettaFelenDold = false;
            Button1->show();
        }
        Ovningsram::Avslutning();
        return;
    }
    memosenabled(false);
    BildPanelen->show();
    BildPanelen->raise();
    BildTextPanel->hide();
    visaBeloeningsbild();
    LovordPanel->show();
    RitaLovord(QStringLiteral("Grattis! Du nådde ända upp."), QString(), QString());
    Slutpanel->show();
    Slutpanel->raise();
    Button2->setFocus();
}

// ---- buttons ------------------------------------------------------------------------

void TSats::Button1Click()
{
    m_raettaFelenDold = false;
    Ovningsram::Button1Click();
}

void TSats::Button2Click()
{
    if (!NivaaPaa) {
        Ovningsram::Button2Click();
        return;
    }
    Slutpanel->hide();
    if (!Nivaa.topp)
        return;
    // From the top back to level 1; each level's order goes on where it was.
    BildPanelen->hide();
    LovordPanel->hide();
    Nivaa.nivaa = 1;
    Nivaa.raett = 0;
    Nivaa.topp = false;
    runda.saettRaett(0);
    Gauge1->saettProgress(1);
    UppgraderaNivRutan(1, 0);
    NyPost();
}

void TSats::efterInstaellningar()
{
    if (rundanPaagaar() && !Nivaa.topp)
        Slutpanel->hide();
}

void TSats::escape()
{
    Slutpanel->show();
    Slutpanel->raise();
    Button2->setFocus();
}

Arbetsbladsrader TSats::arbetsbladsrader(bool)
{
    QString mening;
    for (int i = 0; i < 5; ++i)
        mening += Bitar.mell[std::size_t(i)] + Bitar.men[std::size_t(i)];
    mening += Bitar.mell[5];
    QList<Satsdel> delar;
    for (const Satsruta &s : Rutor)
        delar.append({ArbetsbladsSvar(s.kod), Bitar.men[std::size_t(s.del - 1)].left(40)});
    return SatsRader(mening, delar);
}

int VisaSats() { return visaOevning<TSats>(); }
