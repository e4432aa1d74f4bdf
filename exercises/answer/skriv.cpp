#include "exercises/answer/skriv.h"

#include "core/datafiler.h"
#include "core/meningslayout.h"
#include "core/program.h"
#include "core/skrivposter.h"
#include "core/svarstest.h"
#include "core/uppstart.h"
#include "exercises/frame/taster.h"
#include "platform/ui/faerger.h"
#include "platform/ui/klickpanel.h"
#include "platform/ui/qttextmaetare.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

using namespace plattform;

namespace {

Ramval skrivval(const Oevningsstart &start)
{
    const Word p = start.programtal;
    // Drawn letters are no lines of the data file: they never enter the
    // wrong-answer list (its slots are shared by all files), so there is no
    // correction round for them either.
    const bool bokstaever = program(p).bokstaever > 0;
    Ramval v;
    v.runda.vaentanKraeverUppgift = true;
    v.runda.felLista = !bokstaever;
    v.raettning = !bokstaever;
    v.lampa = program(p).lampa;
    v.escBaraISvarsfaelt = true;
    v.postKanBesvaras = harSvarIFaelt2;
    return v;
}

} // namespace

TSKRIV::TSKRIV(const Oevningsstart &start, QWidget *parent) : Ovningsram(skrivval(start), parent)
{
    setObjectName(QStringLiteral("SKRIV"));
    Panel1 = Slutpanel;
    auto etikett = [this](const char *namn) { return skapaTaetEtikett(this, QString::fromLatin1(namn)); };
    FrageLabel1 = etikett("FrageLabel1");
    FrageLabel2 = etikett("FrageLabel2");
    Label4 = etikett("Label4");
    Label5 = etikett("Label5");
    Label6 = etikett("Label6");
    Label7 = etikett("Label7");
    Label8 = etikett("Label8");
    Label9 = etikett("Label9");
    Label10 = etikett("Label10");
    Testlabel = etikett("Testlabel");
    for (QLabel *l : {FrageLabel1, FrageLabel2, Label4})
        saettTextfaerg(l, clNavy);
    saettTextfaerg(Label5, clRed);
    for (QLabel *l : {Label6, Label7})
        saettTextfaerg(l, clMaroon);
    Bokstavsuppgift = start.program.bokstaever > 0 ? 1 : 0;
    Testlabel->hide();
    skapa(start);
}

void TSKRIV::efterSkapande()
{
    const QFont f = typsnittTillFont(Typsnitt{QStringLiteral("Arial"), programdata().punkter, true, 0});
    for (QLabel *l : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
                      Testlabel})
        l->setFont(f);
    Edit1->setFont(f);
    BitBtn2->setText(harRegelsida() ? QStringLiteral("&Regel") : QStringLiteral("&Hjälp"));
}

bool TSKRIV::harRegelsida() const { return programdata().regelknapp != Regelknapp::Ingen; }

int TSKRIV::radhoejd() const { return QFontMetrics(FrageLabel2->font()).height(); }

void TSKRIV::NollaLabeller()
{
    for (QLabel *l : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label7, Label8, Label9, Label10}) {
        l->clear();
        l->hide();
    }
    Ovningsram::NollaLabeller();
}

void TSKRIV::NyPost()
{
    if (Bokstavsuppgift == 1) {
        foerberedPost();
        const Bokstavspost b = bokstavspost(programdata().bokstaever);
        saettPost(str_postarray(b.fraaga + QLatin1Char('#') + b.svar));
    } else {
        haemtaPost();
    }
    const bool arbetsblad = aerArbetsblad(laege());

    // The help texts wait for the button, so that a pupil in a diagnosis
    // never gets them without it being counted.
    const QList<QString> hjaelp = Bokstavsuppgift == 1 ? QList<QString>() : hjaelptexter(postdelar);
    AntalHjaelp = int(hjaelp.size());
    saettEtikettText(Label6, hjaelp.value(0));
    saettEtikettText(Label7, hjaelp.value(1));
    Label6->hide();
    Label7->hide();

    saettEtikettText(Label5, postdelar.faelt[2]);
    Label5->hide();
    laggUtFraaga();
    Testlabel->setText(Label5->text());
    visaHjaelpknapp();

    if (arbetsblad) {
        Label4->hide();
        Edit1->hide();
        return;
    }
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TSKRIV::visaHjaelpknapp()
{
    const bool visa = Bokstavsuppgift == 0 && !aerArbetsblad(laege())
                      && (AntalHjaelp > 0 || programdata().alltidHjaelp || harRegelsida());
    BitBtn2->setVisible(visa);
    BitBtn2->setEnabled(visa);
}

void TSKRIV::laggUtFraaga()
{
    const int M = G.skaerm.Marginal;
    const int h = radhoejd();
    const int x0 = InstruktionsLabel->x();
    const int y1 = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    const int y2 = y1 + (4 * h) / 3;
    const int ySvar = y2 + (3 * h) / 2;

    // The question's lines are measured in its own font, so that they stay
    // left of the progress squares.
    const QFontMetrics fraagefont(FrageLabel2->font());
    const Meningsrader rader =
        dela_mening_inom(35, 580, postdelar.faelt[1], 2, Aster1->x() - M - x0,
                          [&fraagefont](const QString &rad) { return fraagefont.horizontalAdvance(rad); })
            .rader;
    const QString rad1 = rader[1];
    const QString rad2 = rader[2];
    saettEtikettText(FrageLabel1, rad2.isEmpty() ? QString() : rad1);
    saettEtikettText(FrageLabel2, rad2.isEmpty() ? postdelar.faelt[1] : rad2);
    FrageLabel1->move(x0, y1);
    FrageLabel2->move(x0, y2);
    FrageLabel1->setVisible(!rad2.isEmpty());
    FrageLabel2->show();

    const QFontMetrics fm(Edit1->font());
    int svarX = x0;
    if (programdata().plural) {
        // en    katt
        // flera [katter]   -- the singular stands above the answer's first letter.
        saettEtikettText(Label4, QStringLiteral("flera "));
        svarX = x0 + Label4->width() + M / 3;
        Label4->move(x0, ySvar + 2);
        Label4->show();
        saettEtikettText(FrageLabel1, QStringLiteral("en"));
        FrageLabel1->move(x0, y2);
        FrageLabel1->show();
        FrageLabel2->move(svarX, y2);
    }
    Edit1->setGeometry(svarX, ySvar, Label5->width() + 6 * M, fm.height() + 8);
    Label5->move(svarX, Edit1->geometry().bottom() + 1 + h / 2);
    Label6->move(x0, Label5->y() + 2 * h);
    Label7->move(x0, Label6->y() + (3 * h) / 2);
    if (lampknapp) {
        const int sida = lampknapp->height();
        const QPoint plats(Edit1->geometry().right() + 1 + M, ySvar + (Edit1->height() - sida) / 2);
        lampknapp->move(plats);
        LampShape->move(plats);
    }
}

void TSKRIV::Edit1KeyPress()
{
    if (!rundanPaagaar())
        return;
    const bool raett = svarstest(postdelar.faelt[2], Edit1->text(), 3, postdelar) == SvarRaett;
    if (!raett)
        Label5->show();
    svarsboekfoering(raett);
    efterSvar();
}

void TSKRIV::visaHjaelp(int steg)
{
    if (steg == 1 && AntalHjaelp >= 1)
        Label6->show();
    else if (steg == 2 && AntalHjaelp >= 2)
        Label7->show();
}

int VisaSKRIV() { return visaOevning<TSKRIV>(); }
