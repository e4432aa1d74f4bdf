// The word-choice window driven as a pupil drives it: clicks on the choice
// panels, Space during a wait, Esc, the end-panel buttons. Timer handlers
// are called directly instead of waiting.
#include "../../support/ui/startadrunda.h"
#include "../../support/saett.h"
#include "../../support/ui/modal.h"

#include "core/diagnos.h"
#include "core/lovord.h"
#include "core/meningslayout.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "exercises/frame/taster.h"
#include "exercises/answer/flerbar.h"
#include "platform/media.h"
#include "platform/timer.h"
#include "platform/ui/faerger.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList aeLjudet = {
    QStringLiteral("$Stava rätt"),
    QStringLiteral("$Ä-ljudet"),
    QStringLiteral("$§Klicka på det som fattas i ordet."),
    QStringLiteral("; Ä-ljudet skrivs med ä eller e."),
    QStringLiteral("Hon har en h<ä>st i stallet."),
    QStringLiteral("Min s<ä>ng är mjuk."),
    QStringLiteral("Vi har f<e>m katter."),
    QStringLiteral("Pappa har en ny v<ä>ska."),
    QStringLiteral("Klockan är s<e>x."),
    QStringLiteral("Jag skriver med en p<e>nna."),
    QStringLiteral("Det är l<ä>tt att simma."),
    QStringLiteral("Vi går upp på ett b<e>rg."),
    QStringLiteral("Katten sitter n<ä>ra elden."),
    QStringLiteral("Du är så sn<e>ll."),
    QStringLiteral("Solen v<ä>rmer skönt."),
    QStringLiteral("Hunden sk<ä>ller högt."),
};

} // namespace

class Flerbar : public StartadRunda {
protected:
    void SetUp() override
    {
        StartadRunda::SetUp();
        // Praise for a diagnosis-item program without a pupil: 0, 1 and 2 wrong.
        lovordsfiler({"SVOM9003.LOV", "SVOM9004.LOV", "SVOM9014.LOV"});
        skrivBytes(i(QStringLiteral("pc/LJUD/S231/S231001.WAV")), QByteArray(64, '\0'));
    }

    static Valpanel *panel(TFLERBAR &f, const QString &ord)
    {
        for (Valpanel *v : f.Valpaneler)
            if (!v->isHidden() && v->text() == ord)
                return v;
        return nullptr;
    }
    static QStringList visade(TFLERBAR &f)
    {
        QStringList ut;
        for (Valpanel *v : f.Valpaneler)
            if (!v->isHidden())
                ut << v->text();
        return ut;
    }
    static QString fel(const QString &raett) { return raett == QStringLiteral("ä") ? QStringLiteral("e") : QStringLiteral("ä"); }

    // Clicks the right (or a wrong) choice of the item on screen.
    void svara(TFLERBAR &f, bool raett, Qt::MouseButton knapp = Qt::LeftButton)
    {
        const QString ord = raett ? f.TestLabel->text() : fel(f.TestLabel->text());
        Valpanel *v = panel(f, ord);
        ASSERT_NE(v, nullptr) << qPrintable(ord);
        QTest::mouseClick(v, knapp);
    }
};

TEST_F(Flerbar, TheWholeRoundWithWaitsPraisePictureAndCorrectionRound)
{
    datafil(QStringLiteral("SVE23100.DAT"), aeLjudet);
    TFLERBAR f;
    f.show();
    EXPECT_EQ(G.oevning.Programtal, 23100);
    EXPECT_EQ(G.ljud.LjudKatalog, QStringLiteral("S231"));
    EXPECT_EQ(f.Overs1Label->text(), QStringLiteral("Stava rätt"));
    EXPECT_EQ(f.Overs2Label->text(), QStringLiteral("Ä-ljudet"));
    EXPECT_EQ(f.InstruktionsLabel->text(), QStringLiteral("Klicka på det som fattas i ordet."));
    EXPECT_EQ(plattform::bakgrund(f.OverskriftInnerShape), QColor(0, 0, 128));
    EXPECT_EQ(f.Escapepanel->objectName(), QStringLiteral("Escapepanel"));
    EXPECT_EQ(f.Aster1->MaxAntalRutor(), 10);
    EXPECT_EQ(visade(f), (QStringList{QStringLiteral("ä"), QStringLiteral("e")}));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Hon har en h"));
    EXPECT_EQ(f.Label5->text(), QStringLiteral("?"));
    EXPECT_EQ(f.Label6->text(), QStringLiteral("st i stallet."));
    EXPECT_FALSE(f.UpprepaButton->isHidden());

    // The first item is spoken once the sound timer has counted the seconds.
    EXPECT_EQ(f.Timer5->interval(), 2);
    f.Timer5Timer();
    f.Timer5Timer();
    EXPECT_TRUE(media.spelade.isEmpty());
    f.Timer5Timer();
    ASSERT_EQ(media.spelade.size(), 1);
    EXPECT_TRUE(media.spelade.at(0).fil.endsWith(QStringLiteral("LJUD/S231/S231001.WAV")));
    EXPECT_EQ(f.Timer5->interval(), 0);
    QTest::keyClick(&f, Qt::Key_F2);
    EXPECT_EQ(media.spelade.size(), 2);

    // Pointing at a choice shows it in the gap.
    QTest::mouseMove(panel(f, QStringLiteral("e")));
    EXPECT_EQ(f.Label5->text(), QStringLiteral("e"));

    // Ten items: 3 and 7 wrong.
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(G.runda.Uppgiftsnummer, n);
        ASSERT_EQ(G.post.PostNummer, n);
        const bool raett = n != 3 && n != 7;
        svara(f, raett);
        if (raett)
            continue;
        // The sentence reads with the right word, the choices are gone.
        EXPECT_FALSE(f.KorrektSvarLabel->isHidden());
        EXPECT_FALSE(f.EfterdelLabel->isHidden());
        EXPECT_TRUE(f.Label5->isHidden());
        EXPECT_TRUE(f.Panel1->isHidden());
        EXPECT_TRUE(f.Timer1->koer());
        EXPECT_FALSE(f.Aster1->modell().Ratt(n));
        if (n == 3) {
            // The right answer stays SekunderRaettSvar seconds.
            for (int t = 1; t < 30; ++t)
                f.Timer1Timer();
            EXPECT_EQ(G.post.PostNummer, 3);
            f.Timer1Timer();
            EXPECT_EQ(G.post.PostNummer, 4);
        } else {
            // Space ends the wait at the next tick.
            QTest::keyClick(&f, Qt::Key_Space);
            EXPECT_EQ(G.runda.Tidraeknare, 20000);
            EXPECT_FALSE(f.Panel1->isHidden());
            f.Timer1Timer();
            EXPECT_EQ(G.post.PostNummer, 8);
        }
        EXPECT_FALSE(f.Timer1->koer());
        EXPECT_EQ(f.Timer5->interval(), 2);   // the next item's sound follows
    }
    EXPECT_EQ(G.runda.AntalRaett, 8);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 2);

    // Praise, reward picture and the end panel with the correction round.
    EXPECT_FALSE(f.LovordPanel->isHidden());
    EXPECT_TRUE(f.LovordLabel1->text().startsWith(QStringLiteral("Bra gjort 9014")));
    EXPECT_FALSE(f.BildPanelen->isHidden());
    EXPECT_FALSE(f.Image1->isHidden());
    EXPECT_FALSE(f.Image1->pixmap().isNull());
    EXPECT_EQ(f.BildTextPanel->text(), VisadBildText(BeloeningsbildText(1)));
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Button1);
    EXPECT_TRUE(f.Panel1->isHidden());
    // F2 after the praise still plays the last item's sound.
    skrivBytes(i(QStringLiteral("pc/LJUD/S231/S231010.WAV")), QByteArray(64, '\0'));
    QTest::keyClick(&f, Qt::Key_F2);
    ASSERT_FALSE(media.spelade.isEmpty());
    EXPECT_TRUE(media.spelade.last().fil.endsWith(QStringLiteral("S231010.WAV")));

    // "&Rätta felen" runs over exactly the two wrong items.
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(G.runda.RaettaFel, 1);
    EXPECT_EQ(G.runda.AntalIRunda, 2);
    EXPECT_TRUE(f.BildPanelen->isHidden());
    EXPECT_TRUE(f.LovordPanel->isHidden());
    EXPECT_TRUE(f.Escapepanel->isHidden());
    EXPECT_EQ(G.fel.FelPostNummer, 3);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Vi har f"));
    svara(f, true);
    EXPECT_EQ(G.fel.FelPostNummer, 7);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Det är l"));
    svara(f, true);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 0);
    EXPECT_TRUE(f.LovordPanel->isHidden());   // no praise after a correction round
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Button2);

    // Esc with the panel open leaves the window.
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << qPrintable(meddelanden.texter().join(QLatin1Char('|')));
}

TEST_F(Flerbar, WrongLastAnswerDelaysTheEndAndEscTwiceLeaves)
{
    G.val.SekunderRaettSvar = 0;
    datafil(QStringLiteral("SVE23100.DAT"), aeLjudet);
    TFLERBAR f;
    f.show();
    for (int n = 1; n <= 9; ++n)
        svara(f, true);
    svara(f, false);
    EXPECT_TRUE(f.Sluttimer->koer());
    EXPECT_TRUE(f.Escapepanel->isHidden());
    f.SluttimerTimer();   // one tick with the setting 0
    EXPECT_FALSE(f.Sluttimer->koer());
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.LovordPanel->isHidden());   // 9 of 10
    EXPECT_EQ(f.focusWidget(), f.Button1);

    // "&Fortsätta" at the end starts a new round from the next items.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 1);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    EXPECT_EQ(G.post.PostNummer, 11);
    EXPECT_TRUE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.Panel1->isHidden());

    // Esc opens the panel over the running round; a second Esc leaves.
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.aerStangd());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.aerStangd());
}

TEST_F(Flerbar, RightClickSkipsAndFortsaettaResetsPracticeCounts)
{
    datafil(QStringLiteral("SVE23100.DAT"), aeLjudet);
    TFLERBAR f;
    f.show();
    svara(f, true);
    svara(f, false);
    f.Timer1Timer();
    G.runda.Tidraeknare = 20000;
    f.Timer1Timer();
    ASSERT_EQ(G.runda.Uppgiftsnummer, 3);
    svara(f, true, Qt::RightButton);
    // Done, neither right nor wrong. After a wrong answer the wait runs
    // first; then the next item is on screen under the panel.
    EXPECT_EQ(G.runda.Uppgiftsnummer, 4);
    EXPECT_EQ(G.post.PostNummer, 3);
    EXPECT_TRUE(f.Timer1->koer());
    G.runda.Tidraeknare = 20000;
    f.Timer1Timer();
    EXPECT_EQ(G.post.PostNummer, 4);
    EXPECT_EQ(G.runda.AntalRaett, 1);
    EXPECT_EQ(G.runda.AntalFel, 1);
    EXPECT_EQ(G.fel.FelAntal[G.oevning.DatFilIndex], 1);
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_TRUE(f.Button1->isEnabled());
    // In practice "&Fortsätta" goes on with the round, its counts from 0.
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.Uppgiftsnummer, 4);
    EXPECT_EQ(G.post.PostNummer, 4);
    EXPECT_EQ(G.runda.AntalRaett, 0);
    EXPECT_EQ(G.runda.AntalFel, 0);
    EXPECT_TRUE(f.Escapepanel->isHidden());
    // Space outside a wait does nothing.
    QTest::keyClick(&f, Qt::Key_Space);
    EXPECT_NE(G.runda.Tidraeknare, 20000);
    // A right click on the window opens the panel too and disables the choices.
    QTest::mouseClick(&f, Qt::RightButton, {}, QPoint(5, 300));
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.Panel1->isEnabled());
}

TEST_F(Flerbar, ChoicesFromTheFileKeepWholeWordsAndAlwaysOfferTheGapWord)
{
    G.val.LjudLaege = 0;
    QStringList rader = {QStringLiteral("$Prepositioner")};
    const QStringList ord = {QStringLiteral("på"),  QStringLiteral("i"),    QStringLiteral("under"),
                             QStringLiteral("på"),  QStringLiteral("över"), QStringLiteral("bakom"),
                             QStringLiteral("framför"), QStringLiteral("bredvid"), QStringLiteral("mellan"),
                             QStringLiteral("ovanför"), QStringLiteral("nedanför"), QStringLiteral("utanförbakom"),
                             QStringLiteral("genom")};
    for (const QString &o : ord)
        rader << QStringLiteral("Katten sitter <") + o + QStringLiteral("> bordet.");
    datafil(QStringLiteral("SVE39900.DAT"), rader);
    TFLERBAR f;
    f.show();
    // The first ten distinct gap words in file order, never cut short.
    EXPECT_EQ(f.AntalPreppar, 10);
    EXPECT_EQ(f.Preppar[1], QStringLiteral("på"));
    EXPECT_EQ(f.Preppar[4], QStringLiteral("över"));
    EXPECT_EQ(f.Preppar[10], QStringLiteral("nedanför"));
    EXPECT_EQ(f.Preppar[14], QStringLiteral("Över"));
    EXPECT_EQ(visade(f).size(), 8);
    EXPECT_EQ(visade(f).mid(0, 4),
              (QStringList{QStringLiteral("på"), QStringLiteral("i"), QStringLiteral("under"),
                           QStringLiteral("över")}));
    // Items 9..13: words beyond the eighth panel are offered in the last one.
    for (int n = 1; n <= 8; ++n)
        svara(f, true);
    for (int n = 9; n <= 10; ++n) {
        const QString raett = f.TestLabel->text();
        EXPECT_EQ(visade(f).last(), raett) << n;
        svara(f, true);
    }
    EXPECT_EQ(G.runda.AntalRaett, 10);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    for (int n = 11; n <= 13; ++n) {
        const QString raett = f.TestLabel->text();
        EXPECT_TRUE(visade(f).contains(raett)) << qPrintable(raett);
        EXPECT_EQ(visade(f).size(), 8);
        svara(f, true);
    }
    EXPECT_EQ(f.TestLabel->text(), QStringLiteral("på"));   // 13 items: the order starts again
    EXPECT_EQ(G.runda.AntalRaett, 3);
}

TEST_F(Flerbar, ItemsWithoutAGapWordArePassedOver)
{
    G.val.LjudLaege = 0;
    datafil(QStringLiteral("SVE39900.DAT"),
            {QStringLiteral("$Prepositioner"), QStringLiteral("Katten sitter <på> bordet."),
             QStringLiteral("Katten sitter <> bordet."), QStringLiteral("Katten sitter under bordet."),
             QStringLiteral("Katten hoppar <över> bordet.")});
    TFLERBAR f;
    f.show();
    QStringList ord;
    for (int n = 1; n <= 4; ++n) {
        ord << f.TestLabel->text();
        svara(f, true);
    }
    EXPECT_EQ(ord, (QStringList{QStringLiteral("på"), QStringLiteral("över"), QStringLiteral("på"),
                                QStringLiteral("över")}));
}

TEST_F(Flerbar, CapitalisedGapWordsAndItemsWithTheirOwnChoices)
{
    G.val.LjudLaege = 0;
    datafil(QStringLiteral("SVE25100.DAT"),
            {QStringLiteral("<ä>ngen är grön."), QStringLiteral("Vi ser en <ö>."),
             QStringLiteral("<Å>n rinner förbi."), QStringLiteral("Vi seglar på <å>n.")});
    {
        TFLERBAR f;
        f.show();
        EXPECT_EQ(visade(f), (QStringList{QStringLiteral("ä"), QStringLiteral("ö"), QStringLiteral("å")}));
        svara(f, true);
        svara(f, true);
        EXPECT_EQ(visade(f), (QStringList{QStringLiteral("Ä"), QStringLiteral("Ö"), QStringLiteral("Å")}));
        svara(f, true);
        EXPECT_EQ(G.runda.AntalRaett, 3);
    }
    // Own choices (program 22200): the gap word and the item's words in byte order,
    // capitalised as a whole when the gap word is.
    datafil(QStringLiteral("SVE22200.DAT"),
            {QStringLiteral("Vi har en <katt>.#hund#häst"), QStringLiteral("<Katt> är ett djur.#hund#häst")});
    {
        TFLERBAR f;
        f.show();
        EXPECT_EQ(f.FaeltVal, 1);
        EXPECT_EQ(visade(f), (QStringList{QStringLiteral("hund"), QStringLiteral("häst"), QStringLiteral("katt")}));
        svara(f, true);
        EXPECT_EQ(visade(f), (QStringList{QStringLiteral("Katt"), QStringLiteral("Hund"), QStringLiteral("Häst")}));
        svara(f, true);
        EXPECT_EQ(G.runda.AntalRaett, 2);
    }
    // Programs 23101 and 31010 show their own choices as written, capital or not.
    for (const char *fil : {"SVE23101.DAT", "SVE31010.DAT"}) {
        datafil(QString::fromLatin1(fil), {QStringLiteral("<Katt> är ett djur.#hund#häst")});
        TFLERBAR f;
        f.show();
        EXPECT_EQ(visade(f), (QStringList{QStringLiteral("Katt"), QStringLiteral("hund"), QStringLiteral("häst")}))
            << fil;
    }
}

TEST_F(Flerbar, MissingPraiseFileShowsNoPraisePanel)
{
    G.start.AntalLovordFiler = 0;   // no praise files at all
    datafil(QStringLiteral("SVE23100.DAT"), aeLjudet);
    TFLERBAR f;
    f.show();
    for (int n = 1; n <= 10; ++n)
        svara(f, true);
    EXPECT_EQ(G.runda.AntalRaett, 10);
    EXPECT_TRUE(f.LovordPanel->isHidden());
    EXPECT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
}

TEST_F(Flerbar, DiagnosisPracticePassesWithTwelveOfTwenty)
{
    QStringList rader = {QStringLiteral("$Övning"), QStringLiteral("$Ä-ljudet")};
    for (int n = 1; n <= 24; ++n)
        rader << (n % 2 ? QStringLiteral("Hon har en h<ä>st.") : QStringLiteral("Vi har f<e>m katter."));
    for (const int raett : {11, 12}) {
        aaterstaellTillstaand();
        SetUp();
        Protokollregistrering reg(&protokoll);
        protokoll.anrop.clear();
        G.diagnos.DiagnosNummer = 1;
        G.oevning.Arbetsbladslaege = 3;
        datafil(QStringLiteral("SVOVN101.DAT"), rader);
        TFLERBAR f;
        f.show();
        EXPECT_EQ(plattform::bakgrund(f.OverskriftInnerShape), QColor(0, 128, 0));
        EXPECT_FALSE(f.DiagPanel1->isHidden());
        EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Övning 1"));
        EXPECT_TRUE(f.UpprepaButton->isHidden());   // no item sounds in the diagnosis files
        for (int n = 1; n <= 20; ++n) {
            EXPECT_EQ(f.DiagLabel3->text(), QStringLiteral("%1/20").arg(n));
            svara(f, n <= raett);
            if (n < 20 && n > raett) {
                G.runda.Tidraeknare = 20000;
                f.Timer1Timer();
            }
        }
        f.SluttimerTimer();
        G.runda.Tidraeknare = 20000;
        f.SluttimerTimer();
        if (raett == 11) {
            EXPECT_FALSE(f.aerStangd());
            EXPECT_EQ(G.oevning.Arbetsbladslaege, 3);
            EXPECT_EQ(G.diagnos.Diagnostabell.status[1], 0);
            EXPECT_TRUE(protokoll.anrop.isEmpty());
            // "&Avbryta" after the round does not apply the rule again.
            QTest::mouseClick(f.Button3, Qt::LeftButton);
            EXPECT_TRUE(f.aerStangd());
            EXPECT_EQ(G.diagnos.Diagnostabell.status[1], 0);
        } else {
            EXPECT_TRUE(f.aerStangd());
            EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
            EXPECT_EQ(G.diagnos.Diagnostabell.status[1], 2);
            EXPECT_EQ(G.diagnos.OevningsNummer, 0);
            EXPECT_EQ(G.runda.AntalRaett, 0);
            EXPECT_EQ(protokoll.anrop, QStringList{QStringLiteral("godkaend 1")});
        }
    }
}

TEST_F(Flerbar, DiagnosisTestReportsAndKeepsItsCountOverAPause)
{
    Protokollregistrering reg(&protokoll);
    G.diagnos.DiagnosNummer = 1;
    G.oevning.Arbetsbladslaege = 2;
    QStringList rader;
    for (int n = 1; n <= 20; ++n)
        rader << QStringLiteral("Hon har en h<ä>st.");
    datafil(QStringLiteral("SVDI01.DAT"), rader);
    TFLERBAR f;
    f.show();
    EXPECT_EQ(f.DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
    svara(f, true);
    svara(f, true);
    svara(f, true);
    // Esc and "&Fortsätta" keep the right answers of a running test.
    QTest::keyClick(&f, Qt::Key_Escape);
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    EXPECT_EQ(G.runda.AntalRaett, 3);
    EXPECT_EQ(f.DiagLabel5->text(), QStringLiteral("3"));
    // A right click ends the test with the result so far.
    svara(f, true, Qt::RightButton);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.diagnos.Diagnostabell.resultat[1], 3);
    EXPECT_EQ(G.diagnos.Diagnostabell.status[1], 3);
    EXPECT_TRUE(protokoll.anrop.contains(QStringLiteral("rita_prot")));
}

TEST_F(Flerbar, DiagnosisTestPauseOffersNoCorrectionRound)
{
    G.diagnos.DiagnosNummer = 1;
    G.oevning.Arbetsbladslaege = 2;
    QStringList rader;
    for (int n = 1; n <= 20; ++n)
        rader << (n % 2 ? QStringLiteral("Hon har en h<ä>st.") : QStringLiteral("Vi har f<e>m katter."));
    datafil(QStringLiteral("SVDI01.DAT"), rader);
    TFLERBAR f;
    f.show();
    svara(f, false);
    QTest::keyClick(&f, Qt::Key_Escape);
    ASSERT_FALSE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.Button2);
}

TEST_F(Flerbar, TranslationLineAndSettingsKeepTheRound)
{
    G.val.Oeversaettning = 1;
    skrivFil1252(i(QStringLiteral("cd/DATA/DAT/MORVENG.DAT")),
                 {QStringLiteral("Hon har en h<ä>st i stallet.#She has a horse in the stable.")});
    datafil(QStringLiteral("SVE23100.DAT"), aeLjudet);
    TFLERBAR f;
    f.show();
    EXPECT_EQ(G.val.LaddaOrdlistor, 0);
    EXPECT_FALSE(f.EngLabel->isHidden());
    EXPECT_EQ(f.EngLabel->text(), QStringLiteral("She has a horse in the stable."));
    svara(f, true);
    EXPECT_TRUE(f.EngLabel->isHidden());   // no entry for the second item
    {
        staengNaestaModal();   // the settings window
        QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    }
    EXPECT_FALSE(f.aerStangd());
    EXPECT_TRUE(f.Escapepanel->isHidden());
    EXPECT_FALSE(f.UpprepaButton->isHidden());
    EXPECT_EQ(G.runda.Uppgiftsnummer, 2);
    // The rule button opens the rule page and the choices stay.
    EXPECT_FALSE(f.BitBtn2->isHidden());
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("&Regel"));
    {
        staengNaestaModal();   // the rule page
        QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    }
    EXPECT_FALSE(f.aerStangd());
    EXPECT_FALSE(f.Panel1->isHidden());
}

TEST_F(Flerbar, LauncherChecksAFileThatWasNotChecked)
{
    G.oevning.DatFilNamn = QStringLiteral("SVE23999.DAT");
    G.oevning.DatFilIndex = 0;
    EXPECT_EQ(VisaFLERBAR(), int(QDialog::Rejected));
    EXPECT_EQ(meddelanden.texter(),
              QStringList{QStringLiteral("Filen SVE23999.DAT finns inte eller är felaktig")});
}

TEST_F(Flerbar, EightLongChoicesStayClearOfTheProgressSquares)
{
    QStringList rader{QStringLiteral("$Stava rätt"), QStringLiteral("$Långa ord")};
    for (const char *ord : {"skrivbordet", "hemläxorna", "bokhyllan", "fönsterbrädan", "trädgården",
                            "sommarlovet", "vintergatan", "kylskåpet"})
        rader << QStringLiteral("Här står <%1> i meningen.").arg(QString::fromUtf8(ord));
    datafil(QStringLiteral("SVE23200.DAT"), rader);
    TFLERBAR f;
    f.show();
    EXPECT_EQ(visade(f).size(), 8);
    EXPECT_LE(f.Panel1->x() + f.Panel1->width(), f.Aster1->x());
    // The next item starts again from the window's own font size.
    const int foerst = f.Valpaneler[0]->font().pointSize();
    svara(f, true);
    EXPECT_EQ(f.Valpaneler[0]->font().pointSize(), foerst);
}

TEST_F(Flerbar, ALongSentenceStaysLeftOfTheProgressSquaresAndWhole)
{
    QStringList rader{QStringLiteral("$Stava rätt"), QStringLiteral("$Ä-ljudet")};
    QStringList hela;
    for (const char *mening : {"Mamma lade handen på min panna för att <känna> om jag hade feber.",
                               "Strömmen gick, så vi letade fram ett <ljus> och tändstickor.",
                               "Det blev en riktig <kris> när bussen inte kom och vi missade tåget."}) {
        rader << QString::fromUtf8(mening);
        hela << QString::fromUtf8(mening).remove(QRegularExpression(QStringLiteral("[<> ]")));
    }
    datafil(QStringLiteral("SVE23100.DAT"), rader);
    TFLERBAR f;
    f.show();
    for (int n = 0; n < 3; ++n) {
        for (QLabel *l : {f.Label8, f.Label4, f.Label5, f.Label6}) {
            if (!l->isHidden()) {
                EXPECT_LE(l->x() + l->fontMetrics().horizontalAdvance(l->text()), f.Aster1->x())
                    << qPrintable(l->text());
            }
        }
        QString visat = f.Label4->text() + f.TestLabel->text() + f.Label6->text();
        if (!f.Label8->isHidden())
            visat = f.Label8->y() < f.Label4->y() ? f.Label8->text() + visat : visat + f.Label8->text();
        EXPECT_TRUE(hela.contains(visat.remove(QLatin1Char(' ')))) << qPrintable(visat);
        svara(f, true);
    }
}

TEST_F(Flerbar, AGapBeforeTheSentencesOwnQuestionMarkReadsAsAGap)
{
    datafil(QStringLiteral("SVE39200.DAT"),
            {QStringLiteral("$Håll isär"), QStringLiteral("$Var - vart"),
             QStringLiteral("Hunden sprang i väg, men <vart>?"), QStringLiteral("<Var> bor du?"),
             QStringLiteral("Säg <var> du har gömt godiset!")});
    TFLERBAR f;
    f.show();
    QStringList luckor;
    for (int n = 0; n < 3; ++n) {
        const QString rad = f.Label4->text() + f.Label5->text() + f.Label6->text();
        EXPECT_FALSE(rad.contains(QStringLiteral("??")) || rad.contains(QStringLiteral("?!"))) << qPrintable(rad);
        // Where no end mark follows, the gap keeps its "?".
        if (f.Label6->text().startsWith(QLatin1Char(' '))) {
            EXPECT_EQ(f.Label5->text(), QStringLiteral("?"));
        }
        luckor << f.Label5->text();
        svara(f, true);
    }
    EXPECT_EQ(luckor.size(), 3);
}
