#include "exercises/answer/skrivhi.h"

#include "core/datafiler.h"
#include "core/svarstest.h"
#include "core/uppstart.h"
#include "platform/seams.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "exercises/frame/taster.h"
#include "platform/ui/typsnitt.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

using namespace plattform;

namespace {

Ramval skrivhival(const Oevningsstart &)
{
    Ramval v;
    // The ladder is the progress display and the praise is its own line;
    // the waits and Space are the window's own.
    v.beroem = false;
    v.beloeningsbild = false;
    v.raettning = false;
    v.merHjaelp = false;
    v.mellanslag = false;
    v.escBaraISvarsfaelt = true;
    v.postKanBesvaras = harSvarIFaelt2;
    return v;
}

const QColor clOeppenRuta = clGreen;

} // namespace

QString SkrivhiBeroem(int antalFel)
{
    QString text = QStringLiteral("Du gjorde ") + QString::number(antalFel) + QStringLiteral(" fel.");
    if (antalFel == 0)
        text += QStringLiteral(" Grattis!");
    else if (antalFel <= 2)
        text += QStringLiteral(" Försök att få alla rätt!");
    else if (antalFel <= 4)
        text += QStringLiteral(" Försök en gång till!");
    return text;
}

TSKRIVHI::TSKRIVHI(const Oevningsstart &start, QWidget *parent) : Ovningsram(skrivhival(start), parent)
{
    setObjectName(QStringLiteral("SKRIVHI"));
    Panel1 = Slutpanel;
    auto etikett = [this](const QString &namn, const QColor &faerg) {
        QLabel *l = skapaTaetEtikett(this, namn);
        l->setFont(arial(Punkter{16}, true));
        saettTextfaerg(l, faerg);
        return l;
    };
    FrageLabel1 = etikett(QStringLiteral("FrageLabel1"), clNavy);
    Label1 = etikett(QStringLiteral("Label1"), clNavy);
    Label2 = etikett(QStringLiteral("Label2"), clRed);
    SvarsLabel = etikett(QStringLiteral("SvarsLabel"), clNavy);
    SlutLabel = etikett(QStringLiteral("SlutLabel"), clTeal);
    saettEtikettText(Label1, QStringLiteral("Jag"));
    Label1->show();
    FrageLabel1->show();
    const char *const verbnamn[7] = {"", "Label12", "Label13", "Label14", "Label15", "Label17", "Label19"};
    const char *const formnamn[7] = {"", "Label3", "Label6", "Label9", "Label10", "Label11", "Label18"};
    for (int r = 1; r <= 6; ++r) {
        Verbetikett[std::size_t(r)] = etikett(QString::fromLatin1(verbnamn[r]), clTeal);
        Formetikett[std::size_t(r)] = etikett(QString::fromLatin1(formnamn[r]), clTeal);
        QFrame *ruta = skapaPanel(this, QStringLiteral("Panel") + QString::number(r + 2), QRect());
        ruta->setFrameStyle(QFrame::Panel | QFrame::Raised);
        saettBakgrund(ruta, clOeppenRuta);
        Radruta[std::size_t(r)] = ruta;
    }
    std::tie(Label12, Label13, Label14, Label15, Label17, Label19) =
        std::tie(Verbetikett[1], Verbetikett[2], Verbetikett[3], Verbetikett[4], Verbetikett[5], Verbetikett[6]);
    std::tie(Label3, Label6, Label9, Label10, Label11, Label18) =
        std::tie(Formetikett[1], Formetikett[2], Formetikett[3], Formetikett[4], Formetikett[5], Formetikett[6]);
    std::tie(Panel3, Panel4, Panel5, Panel6, Panel7, Panel8) =
        std::tie(Radruta[1], Radruta[2], Radruta[3], Radruta[4], Radruta[5], Radruta[6]);
    Panel2 = skapaPanel(this, QStringLiteral("Panel2"), QRect());
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->hide();
    Edit1->setMaxLength(45);
    Button1->hide();
    skapa(start);
}

void TSKRIVHI::efterSkapande()
{
    // The ladder is the progress display.
    Aster1->hide();

    const QSize s = skaermstorlek();
    const int M = G.skaerm.Marginal;
    InstruktionsLabel->move(M, OverskriftYtterShape->geometry().bottom() + 1 + 4);
    const int instruktionsbotten = InstruktionsLabel->geometry().bottom() + 1;
    Radhoejd = std::max(1, (s.height() - instruktionsbotten) / 10);
    Radbas = s.height() - (aerArbetsblad(laege()) ? 3 : 2) * Radhoejd;

    // Columns: the verb, "Jag" and the box, then the squares.
    const int faeltHoejd = std::max(Edit1->sizeHint().height(), Radhoejd * 3 / 4);
    FrageLabel1->move(M, FrageLabel1->y());
    Label1->move(FrageLabel1->x() + 3 * Radhoejd, Label1->y());
    Edit1->setGeometry(Label1->geometry().right() + 1 + 5, Edit1->y(), s.width() * 22 / 64, faeltHoejd);
    const int rutsida = std::max(4, Radhoejd - 2 * (M / 5) - 2);
    const int rutvaenster = Edit1->geometry().right() + 1 + 2 * M;
    for (int r = 1; r <= 6; ++r)
        Radruta[std::size_t(r)]->setGeometry(rutvaenster, radTopp(r) - M / 5, rutsida, rutsida);
    Panel2->resize(rutsida, rutsida);
    if (LampShape)
        LampShape->resize(rutsida, rutsida);

    // The rule button beside the lamp button, near the lower edge; in
    // worksheet mode above the worksheet panel, which takes that edge.
    int knappTopp = s.height() - M - BitBtn2->height();
    if (Arbetsblad && Arbetsblad->widget())
        knappTopp = std::min(knappTopp, Arbetsblad->widget()->y() - M / 2 - BitBtn2->height());
    if (lampknapp) {
        lampknapp->move(lampknapp->x(), knappTopp);
        BitBtn2->move(lampknapp->geometry().right() + 1 + M / 2, knappTopp);
    }
    BitBtn2->setText(QStringLiteral("Regel"));
    BitBtn2->show();
}

void TSKRIVHI::FCreate(int flagga)
{
    NyttVerb = 1;
    RaettIRad = 0;
    Radnummer = 0;
    const QSize s = skaermstorlek();
    const int M = G.skaerm.Marginal;
    const int radhoejd = std::max(InstruktionsLabel->height(), InstruktionsLabel->fontMetrics().height());
    LovordPanel->setGeometry(M, OverskriftYtterShape->geometry().bottom() + 1 + radhoejd / 4,
                             s.width() - 2 * M, 4 * radhoejd);
    LovordPanel->hide();
    LampaPaa = 0;
    m_lampaVidEnter = false;
    ForstaPosten = 1;
    m_skickad = false;
    for (int r = 1; r <= 6; ++r) {
        Verbetikett[std::size_t(r)]->hide();
        Formetikett[std::size_t(r)]->hide();
    }
    runda.boerjaOm(flagga == 1);
    if (aerArbetsblad(laege())) {
        Label1->hide();
        Panel1->hide();
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
        if (lampknapp)
            lampknapp->show();
    }
    G.runda.StandardAntal = G.runda.AntalIRunda = Tillstaand::Runddata::AntalPerRunda;
    NyPost();
    // Only the ladder's first verb leaves the focus where it is; every later
    // verb, on this ladder and after "&Fortsätta", gets the box focused.
    ForstaPosten = 0;
}

void TSKRIVHI::AllaPanelerSynliga()
{
    for (int r = 1; r <= 6; ++r) {
        saettBakgrund(Radruta[std::size_t(r)], clOeppenRuta);
        Radruta[std::size_t(r)]->show();
    }
}

void TSKRIVHI::visaRad(int rad, const QString &verb, const QString &form)
{
    QLabel *v = Verbetikett[std::size_t(rad)];
    QLabel *f = Formetikett[std::size_t(rad)];
    saettEtikettText(v, verb);
    saettEtikettText(f, form);
    v->move(FrageLabel1->x(), radTopp(rad));
    f->move(Label1->x(), radTopp(rad));
    v->show();
    f->show();
}

void TSKRIVHI::flyttaTillRad()
{
    const int M = G.skaerm.Marginal;
    FrageLabel1->move(FrageLabel1->x(), radTopp(Radnummer));
    Label1->move(Label1->x(), radTopp(Radnummer));
    Edit1->move(Edit1->x(), radTopp(Radnummer) - M / 5);
    Label2->move(Edit1->x() + 5, radTopp(Radnummer + 1));
    if (LampShape)
        LampShape->move(Radruta[1]->geometry().right() + 1 + 2 * M, Edit1->y());
}

void TSKRIVHI::NyPost()
{
    const bool arbetsblad = aerArbetsblad(laege());
    saettTextfaerg(Label1, clNavy);
    saettTextfaerg(FrageLabel1, clNavy);
    Edit1->clear();
    SlutLabel->hide();
    LovordPanel->hide();
    if (Radnummer <= 1)
        AllaPanelerSynliga();
    Panel2->hide();

    if (arbetsblad) {
        // Every call brings a new item; the one sent last stands on the ladder.
        if (m_skickad) {
            const int rad = Radnummer < 1 ? 1 : Radnummer;
            if (rad == 1)
                for (int r = 2; r <= 6; ++r) {
                    Verbetikett[std::size_t(r)]->hide();
                    Formetikett[std::size_t(r)]->hide();
                }
            visaRad(rad, m_skickatVerb, QStringLiteral("Jag ") + m_skickadForm);
            Radnummer = rad % 6 + 1;
            m_skickad = false;
        }
        haemtaPost();
        FrageLabel1->move(FrageLabel1->x(), radTopp(7));
        saettEtikettText(FrageLabel1, QStringLiteral("(") + postdelar.faelt[1] + QStringLiteral(")"));
        FrageLabel1->show();
        SvarsLabel->setText(postdelar.faelt[2]);
        Label1->hide();
        Label2->hide();
        BitBtn2->setText(QStringLiteral("Regel"));
        BitBtn2->show();
        NyttVerb = 0;
        return;
    }

    if (lampknapp) {
        LampShape->setVisible(m_lampaVidEnter);
        lampknapp->setVisible(!m_lampaVidEnter);
    }
    if (NyttVerb == 1) {
        if (Radnummer >= 1 && Radnummer <= 5) {
            saettBakgrund(Radruta[std::size_t(Radnummer)], clLime);
            visaRad(Radnummer, FrageLabel1->text(), QStringLiteral("Jag ") + postdelar.faelt[2]);
        }
        Radnummer = Radnummer >= 6 ? 1 : Radnummer + 1;
        flyttaTillRad();
        haemtaPost();
        Edit1->show();
        Edit1->setEnabled(true);
        if (ForstaPosten == 0)
            Edit1->setFocus();
        saettEtikettText(FrageLabel1, QStringLiteral("(") + postdelar.faelt[1] + QStringLiteral(")"));
        saettEtikettText(Label2, postdelar.faelt[2]);
        SvarsLabel->setText(postdelar.faelt[2]);
    } else {
        Edit1->show();
        Edit1->setEnabled(true);
        Edit1->setFocus();
        Timer1->setInterval(0);
        G.runda.Tidraeknare = 0;
        // The wait after a wrong answer is three seconds from now on.
        G.val.SekunderRaettSvar = 3;
    }
    BitBtn2->setText(QStringLiteral("Regel"));
    BitBtn2->show();
    NyttVerb = 0;
    Label2->hide();
}

QString TSKRIVHI::vaentatSvar(const QLineEdit *) const { return SvarsLabel->text(); }

void TSKRIVHI::svarInmatat(QLineEdit *)
{
    m_lampaVidEnter = LampShape && LampShape->isVisible();
    if (LampShape)
        LampShape->hide();
    const bool raett = svarstest(postdelar.faelt[2], Edit1->text(), 3, postdelar) == SvarRaett;
    const int M = G.skaerm.Marginal;
    Panel2->move(Edit1->geometry().right() + 1 + 2 * M, Edit1->y());
    Panel2->show();
    Panel2->raise();
    runda.stega();
    runda.raekna(raett);
    if (raett) {
        saettBakgrund(Panel2, clLime);
        NyttVerb = 1;
        ++RaettIRad;
        if (RaettIRad == 6 || Radnummer >= 6) {
            // The top row is answered: the round ends here, with no wait that
            // could bring a seventh row.
            RaettIRad = 0;
            saettBakgrund(Radruta[6], clLime);
            avbrytRundan(true);
            return;
        }
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    } else {
        saettBakgrund(Panel2, clRed);
        Label2->show();
        Timer1->setEnabled(true);
        Timer1->setInterval(1000);
    }
}

void TSKRIVHI::Timer1Timer()
{
    ++G.runda.Tidraeknare;
    if (G.runda.Tidraeknare < G.val.SekunderRaettSvar)
        return;
    Timer1->setInterval(0);
    NyPost();
}

bool TSKRIVHI::keyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && Timer1->koer() && Timer1->interval() > 10) {
        G.runda.Tidraeknare = 100;
        return true;
    }
    return Ovningsram::keyDown(e);
}

void TSKRIVHI::avbrytRundan(bool slut)
{
    if (lampknapp)
        lampknapp->setEnabled(false);
    Timer1->setEnabled(false);
    Edit1->setEnabled(false);
    BitBtn2->setEnabled(false);
    Panel1->show();
    Panel1->raise();
    if (slut && laege() == Laege::Oevning) {
        LovordPanel->show();
        LovordPanel->raise();
        saettTextfaerg(Label1, clTeal);
        saettTextfaerg(FrageLabel1, clTeal);
        Edit1->hide();
        saettEtikettText(SlutLabel, QStringLiteral("Jag ") + Edit1->text());
        SlutLabel->move(Label1->x(), radTopp(6));
        SlutLabel->show();
        RitaLovord(SkrivhiBeroem(runda.antalFel()), QString(), QString());
    }
    Button2->show();
    Button2->setFocus();
}

void TSKRIVHI::Button2Click()
{
    FCreate(0);
    Panel1->hide();
    BitBtn2->setEnabled(true);
    if (lampknapp) {
        lampknapp->setEnabled(true);
        lampknapp->show();
        LampShape->hide();
    }
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TSKRIVHI::efterInstaellningar()
{
    Edit1->setEnabled(true);
    if (LovordPanel->isHidden()) {
        Edit1->setFocus();
        Panel1->hide();
    }
}

void TSKRIVHI::BitBtn2Click()
{
    Ovningsram::BitBtn2Click();
    BitBtn2->setText(QStringLiteral("Regel"));
}

void TSKRIVHI::LampknappClick()
{
    if (LampShape)
        LampShape->move(LampShape->x(), Edit1->y());
    Ovningsram::LampknappClick();
}

void TSKRIVHI::postSkickad()
{
    m_skickad = true;
    m_skickatVerb = postdelar.faelt[1];
    m_skickadForm = postdelar.faelt[2];
}

int VisaSKRIVHI() { return visaOevning<TSKRIVHI>(); }
