#include "exercises/answer/bilden.h"

#include "core/datafiler.h"
#include "core/innehaall.h"
#include "core/meningslayout.h"
#include "core/svarstest.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/seams.h"
#include "platform/ui/faerger.h"
#include "platform/ui/kontroller.h"
#include "exercises/frame/taster.h"
#include "platform/ui/qttextmaetare.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

using namespace plattform;

namespace {

// The percentage the window's controls were grown by.
int skala() { return G.skaerm.Skalprocent == 0 ? 100 : G.skaerm.Skalprocent; }

Ramval bildval(const Oevningsstart &)
{
    Ramval v;
    v.runda.fortsaettNollarMittIRundan = false;   // a pause keeps the round's counts
    v.slutTimerNamn = QStringLiteral("Timer2");
    v.runda.diagnosbokfoering = false;
    v.beroemFramfoer = true;
    v.beloeningsbild = false;
    v.lampa = false;
    v.klistra = false;
    v.merHjaelp = false;
    v.postKanBesvaras = harSvarIFaelt2;
    return v;
}

} // namespace

TBilden::TBilden(const Oevningsstart &start, QWidget *parent) : Ovningsram(bildval(start), parent)
{
    setObjectName(QStringLiteral("Bilden"));
    Panel1 = Slutpanel;
    // The frame's picture panel covers the questions here; its reward
    // picture gives up the name to the window's own picture.
    Bildpanelen = BildPanelen;
    Bildpanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Ovningsram::Image1->setObjectName(QStringLiteral("Beloeningsbild"));
    saettBakgrund(Bildpanelen, clBtnFace);

    Image1 = new Bildruta(this, QStringLiteral("Image1"), QRect());
    FrageLabel1 = skapaEtikett(this, QStringLiteral("FrageLabel1"), QString(), QPoint());
    FrageLabel2 = skapaEtikett(this, QStringLiteral("FrageLabel2"), QString(), QPoint());
    SvarsLabel = skapaEtikett(this, QStringLiteral("SvarsLabel"), QString(), QPoint());
    Testlabel = skapaEtikett(this, QStringLiteral("Testlabel"), QString(), QPoint());
    saettTextfaerg(FrageLabel1, clNavy);
    saettTextfaerg(FrageLabel2, clNavy);
    saettTextfaerg(SvarsLabel, clRed);
    Testlabel->hide();

    skapa(start);
}

void TBilden::efterSkapande()
{
    // The question is set in the font its lines are measured in, grown with
    // the window (NyPost measures over the span shrunk by as much).
    QFont fraagor = typsnittTillFont(Typsnitt{QStringLiteral("Arial"), MeningsPunkter(programtal()), true, 0});
    if (fraagor.pixelSize() > 0)
        fraagor.setPixelSize(fraagor.pixelSize() * skala() / 100);
    else
        fraagor.setPointSizeF(fraagor.pointSizeF() * skala() / 100.0);
    for (QWidget *w : {static_cast<QWidget *>(FrageLabel1), static_cast<QWidget *>(FrageLabel2),
                       static_cast<QWidget *>(SvarsLabel), static_cast<QWidget *>(Edit1)})
        w->setFont(fraagor);
    // The instruction shrinks until it fits beside the squares, to 11 pt at least.
    const int rum = Aster1->x() - G.skaerm.Marginal - OverskriftYtterShape->x();
    InstruktionsLabel->setFont(passandeTypsnitt({G.oevning.Instruktion}, rum, InstruktionsLabel->font(), 11));
    saettEtikettText(InstruktionsLabel, G.oevning.Instruktion);
    // Under the heading, at its left: the instruction, the question on one
    // or two lines, the answer field and the right answer.
    const int x = OverskriftYtterShape->x();
    const int hi = InstruktionsLabel->height();
    InstruktionsLabel->move(x, OverskriftYtterShape->y() + OverskriftYtterShape->height() + hi / 2);
    saettEtikettText(FrageLabel1, QStringLiteral("Ag"));
    const int hf = FrageLabel1->height();
    FrageLabel1->move(x, InstruktionsLabel->y() + 3 * hi / 2);
    FrageLabel2->move(x, FrageLabel1->y() + 5 * hf / 4);
    Edit1->setGeometry(x, FrageLabel2->y() + 3 * hf / 2, Edit1->width(), hf + G.skaerm.Marginal);
    SvarsLabel->move(x, Edit1->y() + Edit1->height() + G.skaerm.Marginal / 2);
    FrageLabel1->clear();
    SvarsLabel->hide();
    laddaBilden();
}

void TBilden::laddaBilden()
{
    const QString namn = QStringLiteral("\\BILD\\") + G.beroem.BildNamn;
    const QString soekvaeg = SoekInnehaall(namn);
    const QRect yta = Image1->geometry();
    QPixmap bild;
    if (!bild.load(riktigSoekvaeg(soekvaeg))) {
        // The questions go on without the picture; the pupil is told why.
        Image1->hide();
        visaMeddelande(saknadFil(soekvaeg));
        return;
    }
    Image1->saettBild(bild.scaled(yta.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->resize(Image1->pixmap().size());
}

void TBilden::Inled()
{
    Ovningsram::Inled();
    const QSize s = skaermstorlek();
    const auto [w, h, M] = rutnaet(G.skaerm.Marginal);

    // The picture at the left; it is shrunk to this area when loaded.
    Image1->setGeometry(M, M / 2, 24 * w, LovordPanel->y() - M - M / 2);
    const int vaenster = Image1->geometry().right() + 1 + M;
    Rubrik.placera(QRect(vaenster, M / 2, s.width() - vaenster - 5 * s.width() / 64, 7 * h), M);
    Edit1->setGeometry(vaenster, 0, 20 * w, 4 * h);
    const int topp = 10 * h - M / 2;
    Bildpanelen->setGeometry(vaenster - M, topp, Aster1->x() - 1 - (vaenster - M),
                             std::max(1, LovordPanel->y() - topp));
    LovordPanel->resize(Slutpanel->width(), LovordPanel->height());
}

void TBilden::NyPost()
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    SvarsLabel->clear();
    SvarsLabel->hide();
    Edit1->clear();
    haemtaPost();
    Testlabel->setText(postdelar.faelt[2] + QStringLiteral(", ") + postdelar.faelt[3] + QStringLiteral(", ")
                       + postdelar.faelt[4] + QStringLiteral(", ") + postdelar.faelt[5]);
    saettEtikettText(SvarsLabel, postdelar.faelt[2]);
    SvarsLabel->hide();

    // A question of three lines shows as two: the first, then the rest (all
    // of it, so that a question longer than three lines loses nothing).
    const QString fraaga = postdelar.faelt[1];
    const Meningsrader rader =
        dela_mening(FrageLabel1->x() * 100 / skala(), Aster1->x() * 100 / skala(), fraaga, 3);
    const QString rad1 = rader[1];
    if (!rader[2].isEmpty() && fraaga.startsWith(rad1)) {
        saettEtikettText(FrageLabel1, rad1);
        saettEtikettText(FrageLabel2, fraaga.mid(rad1.size()).trimmed());
        FrageLabel1->show();
    } else {
        saettEtikettText(FrageLabel2, fraaga);
        FrageLabel1->hide();
    }
    // The joined rest may be wider than the room left of the squares: it then
    // wraps there, and the answer field moves down below it.
    const int rum = Aster1->x() - G.skaerm.Marginal - FrageLabel2->x();
    FrageLabel2->setWordWrap(false);
    FrageLabel2->adjustSize();
    const int radhoejd = FrageLabel2->height();
    if (FrageLabel2->width() > rum) {
        FrageLabel2->setWordWrap(true);
        FrageLabel2->resize(rum, FrageLabel2->heightForWidth(rum));
    }
    FrageLabel2->show();
    Edit1->move(Edit1->x(), FrageLabel2->y() + FrageLabel2->height() + radhoejd / 2);
    SvarsLabel->move(SvarsLabel->x(), Edit1->y() + Edit1->height() + G.skaerm.Marginal / 2);

    Edit1->resize(SvarsLabel->width() + 60, Edit1->height());
    Edit1->setEnabled(true);
    Edit1->show();
    if (ForstaPosten == 1)
        ForstaPosten = 0;
    else
        Edit1->setFocus();
}

void TBilden::svarInmatat(QLineEdit *)
{
    const bool raett = svarstest(postdelar.faelt[2], Edit1->text(), 3, postdelar) == SvarRaett;
    svarsboekfoering(raett);
    if (!raett)
        SvarsLabel->show();
    efterSvar();
}

void TBilden::efterInstaellningar()
{
    Edit1->setEnabled(true);
    if (!rundanPaagaar())
        return;
    Slutpanel->hide();
    Edit1->setFocus();
}

int VisaBilden() { return visaOevning<TBilden>(); }
