// Worksheets as a teacher makes them: the selection panel on the exercise
// windows, the two lists, and the printed worksheet and its key.
#include "../support/miljoe.h"
#include "../support/ui/provskrivare.h"

#include "app/tform1.h"
#include "core/arbetsbladstext.h"
#include "core/tillstaand.h"
#include "exercises/answer/skriv.h"
#include "worksheets/arbetsbladsval.h"
#include "worksheets/tutskrift.h"

#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

using plattform::Provdialog;
using plattform::Provskrivare;
using plattform::Utskriftssida;

namespace {

class Arbetsblad : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        installeraArbetsblad();
        utskriftsfoenstret().toemListorna();
        G.oevning.Arbetsbladslaege = 1;
        G.arbetsblad.NySida = 1;
        G.arbetsblad.SidNummer = 1;
        QStringList rader = {"$Stavning", "$Plural", "$%Skriv ordet i plural", "flicka#flickor"};
        for (int n = 2; n <= 12; ++n)
            rader << QStringLiteral("bil%1#bilar%1").arg(n);
        datafil("SVE45000.DAT", rader);
    }
    void TearDown() override
    {
        utskriftsfoenstret().hide();
        utskriftsfoenstret().toemListorna();
        StartatProgram::TearDown();
    }
    static Arbetsbladsval &panel(TSKRIV &f)
    {
        auto *p = f.findChild<Arbetsbladsval *>("SkrivutHelaPanelen");
        EXPECT_NE(p, nullptr);
        return *p;
    }
    static void klicka(QPushButton *k)
    {
        ASSERT_TRUE(k->isVisible()) << k->objectName().toStdString();
        QTest::mouseClick(k, Qt::LeftButton);
    }
    // The text lines of the pages, numbers and titles left out.
    void skrivUt(const QStringList &fraagor, const QStringList &svar = {})
    {
        TUtskrift &u = utskriftsfoenstret();
        u.toemListorna();
        for (const QString &r : fraagor)
            u.laeggTillFraaga(r);
        for (const QString &r : svar)
            u.laeggTillSvar(r);
        u.SkrivutFraga();
    }

    Provskrivare skrivare;
    Provdialog dialog;
    Saett<plattform::Skrivare> m_skrivare{&skrivare};
    Saett<plattform::Utskriftsdialog> m_dialog{&dialog};
    // The hooks installeraArbetsblad sets, put back after the test.
    Byt<decltype(SkapaArbetsbladspanel)> m_panel{SkapaArbetsbladspanel, nullptr};
    Byt<decltype(TomUtskriftslistorna)> m_toemning{TomUtskriftslistorna, nullptr};
};

} // namespace

TEST_F(Arbetsblad, ATeachersWorksheetFromTwoWindows)
{
    {
        TSKRIV f;
        f.show();
        Arbetsbladsval &p = panel(f);
        EXPECT_TRUE(p.SkrivutPanel1->isVisible());
        EXPECT_FALSE(p.Skrivut1Button->isEnabled());
        klicka(p.SkrivutAntalButton);
        EXPECT_TRUE(p.antalPanelSynlig());
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&f, Qt::Key_Up);
        QTest::keyClick(&f, Qt::Key_Down);
        klicka(p.SkrivutSpinUpp);
        EXPECT_EQ(p.SkrivutAntalLabel->text(), "5");
        klicka(p.SkrivutKlartButton);
        EXPECT_TRUE(p.SkrivutPanel1->isVisible());
        EXPECT_TRUE(p.Skrivut1Button->isEnabled());
        klicka(p.SkrivutAvbryt1Button);
        EXPECT_TRUE(f.aerStangd());
    }
    TSKRIV f;
    f.show();
    Arbetsbladsval &p = panel(f);
    klicka(p.ValjaUtButton);
    const QString visad = f.postdelar.faelt[1];
    klicka(p.SkrivutNextButton);
    EXPECT_NE(f.postdelar.faelt[1], visad);
    klicka(p.SkrivutSkickaButton);
    klicka(p.SkrivutSkickaButton);
    EXPECT_TRUE(p.SkrivutValPanel->isVisible());

    const QStringList q = utskriftsfoenstret().fraagor();
    const QStringList a = utskriftsfoenstret().svar();
    EXPECT_EQ(q.first(), "1.  Stavning Plural");
    EXPECT_EQ(q.at(1), "      Skriv ordet i plural:");
    EXPECT_EQ(q.filter(QRegularExpression("^2\\.  ")).size(), 1);
    EXPECT_EQ(q.filter(QRegularExpression("^   [1-7]\\. ")).size(), 7);
    EXPECT_TRUE(q.contains("       " + QString(57, '_')));
    EXPECT_EQ(a.size(), q.size());
    EXPECT_EQ(a.filter(QRegularExpression("^       (bilar|flickor)")).size(), 7);

    klicka(p.VisaUtskriftLista2Button);
    klicka(p.SelistMedButton);
    EXPECT_TRUE(utskriftsfoenstret().ListBox2->isVisible());
    klicka(p.SkrivutAvbryt5Button);
    EXPECT_TRUE(p.SkrivutValPanel->isVisible());
    klicka(p.Skrivut2Button);
    klicka(p.SkrivutMedButton);
    ASSERT_EQ(dialog.visningar, 1);
    const QStringList texter = skrivare.allaSidor().first().texter();
    EXPECT_TRUE(texter.contains(QString::fromUtf8("Arbetsblad från Morvika. Facit.")));
    EXPECT_TRUE(texter.contains(a.last()));
    klicka(p.SkrivutAvbryt3Button);
    EXPECT_TRUE(p.SkrivutValPanel->isVisible());
    klicka(p.SkrivutAvbryt2Button);
    klicka(p.RensaButton);
    EXPECT_TRUE(utskriftsfoenstret().fraagor().isEmpty());
    EXPECT_EQ(G.arbetsblad.UtskriftNummer, 0);
}

TEST_F(Arbetsblad, CountZeroOpensTheSectionAndTheCountStaysInTheFile)
{
    TSKRIV f;
    f.show();
    Arbetsbladsval &p = panel(f);
    klicka(p.SkrivutAntalButton);
    for (int i = 0; i < 30; ++i)
        p.antalUpp();
    EXPECT_EQ(G.arbetsblad.UtskriftAntal, G.start.FilAntalPoster[G.oevning.DatFilIndex]);
    for (int i = 0; i < 30; ++i)
        p.antalNer();
    EXPECT_EQ(p.SkrivutAntalLabel->text(), "0");
    klicka(p.SkrivutKlartButton);
    EXPECT_EQ(utskriftsfoenstret().fraagor().size(), 2);
    EXPECT_EQ(G.arbetsblad.UtskriftAvsnitt, 1);
}

TEST_F(Arbetsblad, EachPanelOpensWithOneOfItsButtonsInFocus)
{
    TSKRIV f;
    f.show();
    Arbetsbladsval &p = panel(f);
    EXPECT_EQ(f.focusWidget(), p.SkrivutAntalButton);
    klicka(p.SkrivutAntalButton);
    EXPECT_EQ(f.focusWidget(), p.SkrivutKlartButton);
    klicka(p.SkrivutKlartButton);
    EXPECT_EQ(f.focusWidget(), p.SkrivutAntalButton);
    klicka(p.ValjaUtButton);
    EXPECT_EQ(f.focusWidget(), p.SkrivutNextButton);
    klicka(p.Skrivut2Button);
    EXPECT_EQ(f.focusWidget(), p.SkrivutUtanButton);
}

TEST_F(Arbetsblad, AnEmptyListPrintsTheHeadingOnlyAndEachCopyFromPageOne)
{
    dialog.svar = {{true, 2}};
    skrivUt({});
    ASSERT_EQ(skrivare.dokument.size(), 2);
    for (const auto &d : skrivare.dokument) {
        ASSERT_EQ(d.sidor.size(), 1);
        const QStringList t = d.sidor.first().texter();
        EXPECT_EQ(t.first(), "1");
        EXPECT_EQ(t.size(), 3);
        EXPECT_TRUE(t.last().startsWith(QString::fromUtf8("Ett program från KAVO DATA, ")));
    }
    dialog.svar = {{false, 1}};
    skrivUt({"1.  Rubrik"});
    EXPECT_EQ(skrivare.dokument.size(), 2);
}

TEST_F(Arbetsblad, TheKeysFrameIsAsWideAsItsTitle)
{
    G.arbetsblad.MedSvar = 1;
    skrivUt({}, {"1.  Rubrik", "   1. katt", "       katter"});
    const Utskriftssida &s = skrivare.dokument.first().sidor.first();
    const plattform::Ritning *titel = s.hitta(QString::fromUtf8("Arbetsblad från Morvika. Facit."));
    ASSERT_NE(titel, nullptr);
    skrivare.saettTypsnitt("Arial", 22, true);
    const int w = skrivare.textWidth(titel->text);
    int hoeger = 0;
    for (const auto &r : s.ritningar)
        if (r.typ == plattform::Ritning::Linje)
            hoeger = std::max({hoeger, r.plats.x(), r.slut.x()});
    EXPECT_EQ(hoeger, skrivare.XmmTillPixel(22) + w);
    EXPECT_TRUE(s.texter().contains("       katter"));
}

TEST_F(Arbetsblad, LongListsBreakPagesAndAnOverlongItemIsPrintedOnce)
{
    QStringList l = {"1.  Rubrik", "      Fråga:"};
    for (int n = 1; n <= 40; ++n)
        l << Nummerprefix(n) + "ord" << "       " + QString(57, '_');
    skrivUt(l);
    ASSERT_GE(skrivare.dokument.size(), 3);
    for (int d = 1; d < skrivare.dokument.size(); ++d) {
        const QStringList t = skrivare.dokument.at(d).sidor.first().texter();
        EXPECT_EQ(t.at(0), QString::number(d + 1));
        EXPECT_EQ(t.at(1), "Morvika");
    }
    // Every line printed exactly once.
    int antal = 0;
    for (const auto &s : skrivare.allaSidor())
        antal += int(s.texter().filter("ord").size());
    EXPECT_EQ(antal, 40);

    // An item taller than a page goes on a fresh page and is printed there.
    QStringList laang = {"1.  Rubrik", "   1. lång"};
    for (int n = 0; n < 40; ++n)
        laang << "       rad";
    laang << "   2. slut";
    skrivare.dokument.clear();
    skrivUt(laang);
    EXPECT_LE(skrivare.dokument.size(), 4);
    EXPECT_NE(skrivare.allaSidor().last().hitta("   2. slut"), nullptr);
}

TEST_F(Arbetsblad, ListsWithoutAHeadingStartEveryCopyAlike)
{
    dialog.svar = {{true, 2}};
    skrivUt({"   1. katt", "       ___"});
    ASSERT_EQ(skrivare.dokument.size(), 2);
    const auto *a = skrivare.dokument.at(0).sidor.first().hitta("       ___");
    const auto *b = skrivare.dokument.at(1).sidor.first().hitta("       ___");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->plats, b->plats);
}
