#include "menymiljoe.h"

#include "core/uppstart.h"
#include "menus/undermenyer.h"
#include "platform/ui/faerger.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace plattform;

namespace {
struct Ovningspost {
    const char *meny;
    int knapp;
    const char *text;
    const char *datfil;   // "" when the entry has none
    const char *startare;
};

// Every exercise entry of the tree with the launcher of its window.
const Ovningspost allaOvningar[] = {
    {"TF1", 1, "Karta", "", "VisaKarta"},
    {"TF1", 2, "Flagga", "", "VisaFlagga"},
    {"TF1", 3, "Nationalsång", "", "VisaSvHymn"},
    {"TF21", 1, "Vokal eller konsonant?", "SVE21100.DAT", "VisaPassAkt"},
    {"TF21", 2, "Hur många vokaler?", "SVE21200.DAT", "VisaPassAkt"},
    {"TF21", 3, "Hård eller mjuk vokal?", "SVE21300.DAT", "VisaPassAkt"},
    {"TF21", 4, "Examen", "", "VisaVokalex"},
    {"TF22", 1, "Kort eller lång vokal", "SVE22100.DAT", "VisaPassAkt"},
    {"TF22", 2, "Dubbelskrivning 1", "SVE22200.DAT", "VisaFLERBAR"},
    {"TF22", 3, "Dubbelskrivning 2", "SVE22300.DAT", "VisaFLERBAR"},
    {"TF23", 1, "Ä-ljudet", "SVE23100.DAT", "VisaFLERBAR"},
    {"TF23", 2, "Å-ljudet", "SVE23200.DAT", "VisaFLERBAR"},
    {"TF23", 3, "TJ-ljudet", "SVE23300.DAT", "VisaFLERBAR"},
    {"TF23", 4, "SJ-ljudet - sj, sk, skj, stj", "SVE23400.DAT", "VisaFLERBAR"},
    {"TF23", 5, "SJ-ljudet - alla varianter", "SVE23500.DAT", "VisaFLERBAR"},
    {"TF23", 6, "NG-ljudet", "SVE23600.DAT", "VisaFLERBAR"},
    {"TF23", 7, "J-ljudet", "SVE23700.DAT", "VisaFLERBAR"},
    {"TF23", 8, "KS-'ljudet'", "SVE23800.DAT", "VisaFLERBAR"},
    {"TF23", 9, "S-ljudet", "SVE23900.DAT", "VisaFLERBAR"},
    {"TF23", 10, "Homonymer", "SVE23101.DAT", "VisaFLERBAR"},
    {"TF24", 1, "Ganska svårt", "SVE24100.DAT", "VisaDiktam"},
    {"TF24", 2, "Svårare", "SVE24200.DAT", "VisaDiktam"},
    {"TF24", 3, "Knepiga ord", "SVE24300.DAT", "VisaSkrivinf"},
    {"TF25", 1, "B - P", "SVE25100.DAT", "VisaFLERBAR"},
    {"TF25", 2, "D - T", "SVE25200.DAT", "VisaFLERBAR"},
    {"TF25", 3, "F - V", "SVE25300.DAT", "VisaFLERBAR"},
    {"TF25", 4, "G - K", "SVE25400.DAT", "VisaFLERBAR"},
    {"TF25", 5, "SJ - TJ", "SVE25500.DAT", "VisaPassAkt"},
    {"TF25", 6, "U - Y - Ö", "SVE25600.DAT", "VisaFLERBAR"},
    {"TF25", 9, "Bokstäverna b och d", "SVE25700.DAT", "VisaFLERBAR"},
    {"TF3", 5, "Krypto", "SVE35000.DAT", "VisaSKRIV"},
    {"TF3", 10, "Stor eller liten", "SVE31010.DAT", "VisaFLERBAR"},
    {"TF31", 2, "Skapa ord", "SVE31210.DAT", "VisaSKRIV"},
    {"TF31", 3, "Poet", "SVE31310.DAT", "VisaSynon"},
    {"TF31", 4, "Skarva", "SVE31410.DAT", "VisaSynon"},
    {"TF311", 1, "Vilket ord 1", "SVE31110.DAT", "VisaSKRIV"},
    {"TF311", 2, "Vilket ord 2", "SVE31120.DAT", "VisaSKRIV"},
    {"TF311", 3, "Vilket ord 3", "SVE31130.DAT", "VisaSKRIV"},
    {"TF311", 4, "Vilket ord 4", "SVE31140.DAT", "VisaSKRIV"},
    {"TF311", 5, "Vilket ord 5", "SVE31150.DAT", "VisaSKRIV"},
    {"TF311", 6, "Vilket ord 6", "SVE31160.DAT", "VisaSKRIV"},
    {"TF311", 7, "Vilket ord 7", "SVE31170.DAT", "VisaSKRIV"},
    {"TF311", 8, "Vilket ord 8", "SVE31180.DAT", "VisaSKRIV"},
    {"TF32", 3, "Rubrik", "SVE32300.DAT", "VisaSKRIV"},
    {"TF32", 4, "Motsats", "SVE32400.DAT", "VisaSKRIV"},
    {"TF321", 1, "Synonym 1", "SVE32110.DAT", "VisaSynon"},
    {"TF321", 2, "Synonym 2", "SVE32120.DAT", "VisaSynon"},
    {"TF321", 3, "Förklarat ord", "SVE32130.DAT", "VisaInseTxt"},
    {"TF322", 1, "Brokig katt", "SVE32210.DAT", "VisaKatten"},
    {"TF322", 2, "Liten katt", "SVE32220.DAT", "VisaKatten"},
    {"TF33", 1, "Talesätt 1", "SVE33100.DAT", "VisaSkrivinf"},
    {"TF33", 2, "Talesätt 2", "SVE33200.DAT", "VisaSkrivinf"},
    {"TF33", 3, "Talesätt 3", "SVE33300.DAT", "VisaSkrivinf"},
    {"TF34", 1, "Före – mellan – efter", "SVE34100.DAT", "VisaSKRIV"},
    {"TF34", 2, "Alfabetisk ordning", "SVE34200.DAT", "VisaPassAkt"},
    {"TF34", 3, "Ordna 1", "SVE34300.DAT", "VisaSKRIV"},
    {"TF34", 4, "Ordna 2", "SVE34400.DAT", "VisaSKRIV"},
    {"TF34", 5, "Ordna 3", "SVE34500.DAT", "VisaSKRIV"},
    {"TF34", 6, "Ordna 4", "SVE34600.DAT", "VisaOrdna"},
    {"TF34", 7, "Ordna 5", "SVE34700.DAT", "VisaOrdna"},
    {"TF34", 8, "Ordna 6", "SVE34800.DAT", "VisaOrdna"},
    {"TF36", 1, "Lätt", "SVE36100.DAT", "VisaSKRIV"},
    {"TF36", 2, "Svårare", "SVE36200.DAT", "VisaSKRIV"},
    {"TF37", 1, "Förkortning, lätt", "SVE37100.DAT", "VisaSKRIV"},
    {"TF37", 2, "Förkortning, svår", "SVE37200.DAT", "VisaSKRIV"},
    {"TF37", 3, "Bokstavsord", "SVE37300.DAT", "VisaSKRIV"},
    {"TF38", 1, "Kroppens delar", "SVE38100.DAT", "VisaBilden"},
    {"TF38", 2, "Huvudets delar", "SVE38200.DAT", "VisaBilden"},
    {"TF39", 1, "Före - för", "SVE39100.DAT", "VisaFLERBAR"},
    {"TF39", 2, "Var - vart", "SVE39200.DAT", "VisaFLERBAR"},
    {"TF4", 2, "Preposition", "SVE42000.DAT", "VisaSkrivinf"},
    {"TF4", 4, "Genus", "SVE44000.DAT", "VisaFLERBAR"},
    {"TF4", 5, "Plural", "SVE45000.DAT", "VisaSKRIV"},
    {"TF41", 1, "Substantiv", "SVE41100.DAT", "VisaFalska"},
    {"TF41", 2, "Adjektiv", "SVE41200.DAT", "VisaFalska"},
    {"TF41", 3, "Verb", "SVE41300.DAT", "VisaFalska"},
    {"TF43", 1, "Adjektiv", "SVE43100.DAT", "VisaSkrivinf"},
    {"TF43", 2, "Substantiv", "SVE43200.DAT", "VisaSkrivinf"},
    {"TF43", 3, "Verb", "SVE43300.DAT", "VisaSkrivinf"},
    {"TF46", 2, "Imperativ", "SVE46200.DAT", "VisaSkrivinf"},
    {"TF46", 3, "Regelbundna - oregelbundna", "SVE46300.DAT", "VisaPassAkt"},
    {"TF46", 4, "Transitiva - intransitiva", "SVE46400.DAT", "VisaFLERBAR"},
    {"TF461", 1, "Presens", "SVE46110.DAT", "VisaSKRIVHI"},
    {"TF461", 2, "Imperfekt", "SVE46120.DAT", "VisaSKRIVHI"},
    {"TF461", 3, "Perfekt", "SVE46130.DAT", "VisaSKRIVHI"},
    {"TF461", 4, "Pluskvamperfekt", "SVE46140.DAT", "VisaSKRIVHI"},
    {"TF461", 5, "Futurum", "SVE46150.DAT", "VisaSKRIVHI"},
    {"TF47", 1, "Predikat eller subjekt?", "SVE47100.DAT", "VisaSats"},
    {"TF47", 2, "Ackusativobjekt?", "SVE47200.DAT", "VisaSats"},
    {"TF47", 3, "Ackusativ- eller dativobjekt?", "SVE47300.DAT", "VisaSats"},
    {"TF47", 4, "Ackusativ-, dativobjekt eller predikatsfyllnad?", "SVE47400.DAT", "VisaPassAkt"},
    {"TF5", 1, "Stolliga texten", "SVE51000.DAT", "VisaPrank"},
    {"TF5", 2, "Avslöja", "SVE52000.DAT", "VisaAvsloj"},
    {"TF5", 3, "Berätta", "SVE53000.DAT", "VisaBeraetta"},
    {"TF5", 5, "Klockan", "SVE55000.DAT", "VisaKlockan"},
    {"TF54", 1, "Ord med två bokstäver", "SVE54100.DAT", "VisaLasLjud"},
    {"TF54", 2, "Ord med tre bokstäver", "SVE54200.DAT", "VisaLasLjud"},
    {"TF56", 1, "Fabel 1", "SVE56100.DAT", "VisaInseTxt"},
    {"TF56", 2, "Fabel 2", "SVE56200.DAT", "VisaInseTxt"},
    {"TF56", 3, "Fabel 3", "SVE56300.DAT", "VisaInseTxt"},
    {"TF56", 4, "Fabel 4", "SVE56400.DAT", "VisaInseTxt"},
    {"TF56", 5, "Fabel 5", "SVE56500.DAT", "VisaInseTxt"},
    {"TF56", 6, "Fabel 6", "SVE56600.DAT", "VisaInseTxt"},
    {"TF56", 7, "Fabel 7", "SVE56700.DAT", "VisaInseTxt"},
    {"TF56", 8, "Fabel 8", "SVE56800.DAT", "VisaInseTxt"},
    {"TF56", 9, "Fabel 9", "SVE56900.DAT", "VisaInseTxt"},
};

// The launchers of the exercise windows built so far. Add a window's
// launcher here when it lands; its entries are then expected enabled.
// One launcher a line, so windows landing side by side merge cleanly.
const QSet<QString> byggdaStartare = {
    "VisaFLERBAR",
    "VisaSKRIV",
    "VisaPassAkt",
    "VisaSKRIVHI",
    "VisaVokalex",
    "VisaSynon",
    "VisaDiktam",
    "VisaSats",
    "VisaOrdna",
    "VisaKlockan",
    "VisaBilden",
    "VisaAvsloj",
    "VisaPrank",
    "VisaBeraetta",
    "VisaSkrivinf",
    "VisaFalska",
    "VisaKatten",
    "VisaKarta",
    "VisaFlagga",
    "VisaSvHymn",
    "VisaInseTxt",
    "VisaLasLjud",
};

QString u(const char *s) { return QString::fromUtf8(s); }

const Menypost *post(const Menydef &d, int knapp)
{
    for (const Menypost &p : d.poster)
        if (p.knapp == knapp)
            return &p;
    return nullptr;
}

// Creates the sub-menu named by its class, as its launcher would.
std::unique_ptr<Undermeny> skapa(const QString &klass)
{
    const Menydef *d = undermenydef(klass);
    if (!d)
        return nullptr;
    std::unique_ptr<Undermeny> m;
    if (klass == "TF21") m = std::make_unique<TF21>();
    else if (klass == "TF38") m = std::make_unique<TF38>();
    else if (klass == "TF322") m = std::make_unique<TF322>();
    else m = std::make_unique<Undermeny>(*d, nullptr);
    m->show();
    return m;
}
} // namespace

class Undermenyer : public Menymiljoe {};

TEST_F(Undermenyer, EveryExerciseEntryWithItsLauncher)
{
    // The table holds exactly the entries listed here, no more.
    int antal = 0;
    for (const Menydef *d : allaUndermenyer())
        for (const Menypost &p : d->poster)
            antal += p.slag == Menypost::Slag::Oevning;
    EXPECT_EQ(antal, int(std::size(allaOvningar)));

    ByggdaFoenster byggda;
    for (const Ovningspost &o : allaOvningar) {
        SCOPED_TRACE(std::string(o.meny) + " Button" + std::to_string(o.knapp));
        const Menydef *d = undermenydef(o.meny);
        ASSERT_NE(d, nullptr);
        const Menypost *p = post(*d, o.knapp);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(u(p->text), u(o.text));
        EXPECT_EQ(QString::fromLatin1(p->datfil ? p->datfil : ""), QString::fromLatin1(o.datfil));
        EXPECT_STREQ(startarnamn(p->oeppnar), o.startare);
        EXPECT_EQ(finnsStartare(p->oeppnar), byggdaStartare.contains(o.startare));
        auto m = skapa(o.meny);
        EXPECT_EQ(m->knapp(o.knapp)->isEnabled(), byggdaStartare.contains(o.startare));
    }
    // Every registered exercise window is one of the built ones.
    for (const Ovningspost &o : allaOvningar) {
        const Menypost *p = post(*undermenydef(o.meny), o.knapp);
        if (finnsStartare(p->oeppnar)) {
            EXPECT_TRUE(byggdaStartare.contains(o.startare)) << o.startare;
        }
    }
}

TEST_F(Undermenyer, EveryEntrySetsItsDataFileChecksItAndOpensItsWindow)
{
    FalskaStartare falska;
    for (const Ovningspost &o : allaOvningar) {
        SCOPED_TRACE(std::string(o.meny) + " Button" + std::to_string(o.knapp));
        auto m = skapa(o.meny);
        G.oevning.DatFilNamn = "orörd";
        G.oevning.DatFilIndex = 0;
        falska.oeppnade.clear();
        QPushButton *b = m->knapp(o.knapp);
        ASSERT_TRUE(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        if (*o.datfil) {
            EXPECT_EQ(G.oevning.DatFilNamn, QString::fromLatin1(o.datfil));
            EXPECT_GT(G.oevning.DatFilIndex, 0);   // Kolla found it
            EXPECT_EQ(G.oevning.Rubrikrader[1], QString("Rubrik ") + o.datfil);
        } else {
            EXPECT_EQ(G.oevning.DatFilNamn, "orörd");
        }
        ASSERT_FALSE(falska.oeppnade.empty());
        EXPECT_STREQ(startarnamn(falska.oeppnade.back()), o.startare);
    }
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}

namespace {
struct Rubrik {
    const char *klass, *rubrik, *foeraelder;
    int knapp;   // the parent's entry that opens it
    const char *tillbaka;
};
const Rubrik allaRubriker[] = {
    {"TF1", "Sverige", "", 1, "Button4"}, {"TF2", "Stavning", "", 2, "Button6"},
    {"TF21", "Vokalen", "TF2", 1, "Button5"}, {"TF22", "Kort eller lång vokal?", "TF2", 2, "Button4"},
    {"TF23", "Stava rätt", "TF2", 3, "Button11"}, {"TF24", "Diktamen", "TF2", 4, "Button4"},
    {"TF25", "Skilja ljud", "TF2", 5, "Button7"}, {"TF3", "Dina ord", "", 3, "Button11"},
    {"TF31", "Göra ord", "TF3", 1, "Button5"}, {"TF311", "Vilket ord", "TF31", 1, "Button9"},
    {"TF32", "Ord som hör ihop", "TF3", 2, "Button5"}, {"TF321", "Synonymer", "TF32", 1, "Button4"},
    {"TF322", "Katt bland hermeliner", "TF32", 2, "Button3"}, {"TF33", "Språkkryddor", "TF3", 3, "Button4"},
    {"TF34", "Alfabetet", "TF3", 4, "Button9"}, {"TF36", "Avstavning", "TF3", 6, "Button3"},
    {"TF37", "Förkortningar", "TF3", 7, "Button4"}, {"TF38", "Du själv", "TF3", 8, "Button3"},
    {"TF39", "Håll isär", "TF3", 9, "Button3"}, {"TF4", "Grammatik", "", 4, "Button7"},
    {"TF41", "Ordkamp", "TF4", 1, "Button4"}, {"TF43", "Oregelbundna ord", "TF4", 3, "Button4"},
    {"TF46", "Lite om verb", "TF4", 6, "Button5"}, {"TF461", "TEMPUS", "TF46", 1, "Button6"},
    {"TF47", "Satsdelar", "TF4", 9, "Button5"}, {"TF5", "Diverse", "", 5, "Button7"},
    {"TF54", "Läsgympa", "TF5", 4, "Button3"}, {"TF56", "Läsförståelse", "TF5", 6, "Button11"},
};
} // namespace

TEST_F(Undermenyer, HeadingsBackEntriesAndLayout)
{
    ASSERT_EQ(allaUndermenyer().size(), std::size(allaRubriker));
    for (const Rubrik &r : allaRubriker) {
        SCOPED_TRACE(r.klass);
        auto m = skapa(r.klass);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->Label1->text(), u(r.rubrik));
        EXPECT_EQ(m->windowTitle(), "Morvika");
        EXPECT_TRUE(m->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(m->tillbakaknapp()->objectName(), r.tillbaka);
        EXPECT_EQ(m->tillbakaknapp()->text(),
                  u(QString(r.klass) == "TF1" ? "Till huvudmenyn" : "Till föregående meny"));
        // The heading is centred with half the margin on each side.
        EXPECT_EQ(m->Label1->x(), G.skaerm.Marginal / 2);
        EXPECT_EQ(m->Label1->width(), m->Panel1->width() - G.skaerm.Marginal);
        EXPECT_TRUE(m->Label1->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(bakgrund(m->Panel1), clNavy);
        EXPECT_EQ(m->Label1->palette().color(QPalette::WindowText), clYellow);
        EXPECT_GE(m->width(), 233);
        EXPECT_LE(m->width(), 442);
        EXPECT_EQ(m->Panel1->geometry(), m->rect());
        const bool tf3 = QString(r.klass) == "TF3";
        EXPECT_EQ(m->Label1->font().pixelSize(), tf3 ? 30 : 24);
        // One column without gaps, the back entry last, every caption fits.
        int y = tf3 ? 50 : 40;
        QPushButton *sista = nullptr;
        for (const Menypost &p : m->def().poster) {
            QPushButton *b = m->knapp(p.knapp);
            EXPECT_EQ(b->objectName(), QString("Button%1").arg(p.knapp));
            EXPECT_EQ(b->y(), y);
            EXPECT_EQ(b->height(), tf3 ? 35 : 28);
            EXPECT_EQ(b->font().pixelSize(), tf3 ? 22 : QString(r.klass) == "TF1" ? 19 : 16);
            EXPECT_TRUE(b->font().bold());
            EXPECT_FALSE(b->autoDefault());
            EXPECT_LT(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 8) << p.text;
            y += b->height();
            sista = b;
        }
        EXPECT_EQ(sista, m->tillbakaknapp());
        EXPECT_LE(QFontMetrics(m->Label1->font()).horizontalAdvance(m->Label1->text()), m->Label1->width());
        EXPECT_LE(y, m->height());
    }
}

namespace {
// Opens sub-menu `klass` with `oeppna`, checks it, visits every sub-menu
// below it, and leaves it by Esc or by its back entry in turn.
void besoek(const QString &klass, const std::function<void()> &oeppna, int &besoekta,
            QStringList &sett)
{
    bool oeppnad = false;
    naerModal([&](QWidget *w) {
        auto *m = dynamic_cast<Undermeny *>(w);
        ASSERT_NE(m, nullptr);
        oeppnad = true;
        sett << m->def().klass;
        EXPECT_EQ(QString(m->def().klass), klass);
        EXPECT_EQ(bakgrund(m->Panel1), G.oevning.Arbetsbladslaege == 1 ? clMaroon : clNavy);
        for (const Rubrik &r : allaRubriker)
            if (klass == r.foeraelder) {
                QPushButton *b = m->knapp(r.knapp);
                if (b->isEnabled())
                    besoek(r.klass, [b] { QTest::mouseClick(b, Qt::LeftButton); }, besoekta, sett);
            }
        ++besoekta;
        if (besoekta % 2)
            QTest::keyClick(m, Qt::Key_Escape);
        else
            QTest::mouseClick(m->tillbakaknapp(), Qt::LeftButton);
    });
    QWidget *under = QApplication::activeModalWidget();
    oeppna();
    EXPECT_TRUE(oeppnad) << klass.toStdString();
    // Back in the window that opened it.
    EXPECT_EQ(QApplication::activeModalWidget(), under);
}

void besoekHelaTraedet(QStringList &sett)
{
    int besoekta = 0;
    const std::pair<const char *, void (*)()> topp[] = {
        {"TF1", VisaF1}, {"TF2", VisaF2}, {"TF3", VisaF3}, {"TF4", VisaF4}, {"TF5", VisaF5}};
    for (auto [klass, visa] : topp)
        besoek(klass, visa, besoekta, sett);
}
} // namespace

TEST_F(Undermenyer, ClickThroughTheWholeTreeAndBack)
{
    QStringList sett;
    besoekHelaTraedet(sett);
    EXPECT_EQ(sett.size(), 28);
    EXPECT_EQ(sett.removeDuplicates(), 0);

    // In worksheet mode the sub-menus that cannot be printed stay closed.
    G.oevning.Arbetsbladslaege = 1;
    sett.clear();
    besoekHelaTraedet(sett);
    for (const char *stangd : {"TF24", "TF38", "TF321", "TF322", "TF41"})
        EXPECT_FALSE(sett.contains(stangd)) << stangd;
    EXPECT_EQ(sett.size(), 28 - 5);
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 1);
}

TEST_F(Undermenyer, WorksheetModeRecoloursAndDisablesWhatCannotBePrinted)
{
    FalskaStartare falska;
    const std::map<QString, QSet<int>> avstaengda = {
        {"TF2", {4}}, {"TF21", {4}}, {"TF3", {8}}, {"TF31", {3, 4}},
        {"TF32", {1, 2}}, {"TF34", {6, 7, 8}}, {"TF4", {1}}};
    for (Byte laege : {Byte(1), Byte(0), Byte(2)}) {
        G.oevning.Arbetsbladslaege = laege;
        for (const Menydef *d : allaUndermenyer()) {
            SCOPED_TRACE(std::string(d->klass) + " mode " + std::to_string(laege));
            auto m = skapa(d->klass);
            EXPECT_EQ(bakgrund(m->Panel1), laege == 1 ? clMaroon : clNavy);
            const QSet<int> av = laege == 1 && avstaengda.count(d->klass) ? avstaengda.at(d->klass)
                                                                         : QSet<int>();
            for (const Menypost &p : d->poster)
                EXPECT_EQ(m->knapp(p.knapp)->isEnabled(), !av.contains(p.knapp)) << p.text;
        }
    }
}

TEST_F(Undermenyer, VokalenSetsPracticeModeUnlessWorksheetModeAndExamenTakesNoFile)
{
    FalskaStartare falska;
    Byte laegeVidKolla = 99;
    falska.vid[Foenstertyp::TPassAkt] = [&] { laegeVidKolla = G.oevning.Arbetsbladslaege; };
    TF21 m;
    m.show();
    G.oevning.Arbetsbladslaege = 2;
    QTest::mouseClick(m.knapp(1), Qt::LeftButton);
    EXPECT_EQ(laegeVidKolla, 0);
    G.oevning.Arbetsbladslaege = 1;
    QTest::mouseClick(m.knapp(1), Qt::LeftButton);
    EXPECT_EQ(laegeVidKolla, 1);

    // "Examen": mode step, then the vowel examination, with the data file untouched.
    G.oevning.Arbetsbladslaege = 3;
    G.oevning.DatFilNamn = "SVE23100.DAT";
    m.knapp(4)->click();
    EXPECT_EQ(G.oevning.DatFilNamn, "SVE23100.DAT");
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 0);
    EXPECT_EQ(falska.oeppnade.back(), Foenstertyp::TVokalex);

    // No other sub-menu writes the mode.
    G.oevning.Arbetsbladslaege = 2;
    TF23 s;
    s.show();
    s.knapp(1)->click();
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 2);
}

class SaknadFil : public Menymiljoe {
protected:
    void SetUp() override
    {
        skrivSVE23100 = false;
        Menymiljoe::SetUp();
    }
};

TEST_F(SaknadFil, AMissingFileShowsKollasMessageAndTheSubMenuStays)
{
    FalskaStartare falska;
    TF23 m;
    m.show();
    QTest::mouseClick(m.knapp(1), Qt::LeftButton);
    EXPECT_TRUE(falska.oeppnade.empty());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(meddelanden.texter().contains(u("Filen SVE23100.DAT finns inte eller är felaktig")))
        << meddelanden.texter().join('\n').toStdString();
}

TEST_F(SaknadFil, TheBodyPictureIsNamedEvenWhenTheFileFails)
{
    FalskaStartare falska;
    TF38 m;
    m.show();
    m.knapp(2)->click();
    EXPECT_EQ(G.beroem.BildNamn, "HUVUDET.BMP");
    EXPECT_EQ(G.oevning.DatFilNamn, "SVE38200.DAT");
    G.start.AntalDatFiler = 0;   // now no file is in the table
    m.knapp(1)->click();
    EXPECT_EQ(G.beroem.BildNamn, "KROPPEN.BMP");
    EXPECT_EQ(falska.oeppnade.size(), 1u);
}

TEST_F(Undermenyer, TheGameStartsOnlyWhenThePlayerNamesWereGiven)
{
    FalskaStartare falska;
    Byte avbryt = 1;
    falska.vid[Foenstertyp::TSpelNam] = [&] { G.spelare.SpelnamnAvbrutet = avbryt; };
    TF322 m;
    m.show();
    G.spelare.SpelnamnAvbrutet = 1;
    m.knapp(1)->click();
    EXPECT_EQ(falska.oeppnade, std::vector<Foenstertyp>{Foenstertyp::TSpelNam});
    avbryt = 0;
    falska.oeppnade.clear();
    m.knapp(2)->click();
    EXPECT_EQ(falska.oeppnade, (std::vector<Foenstertyp>{Foenstertyp::TSpelNam, Foenstertyp::Tkatten}));
    EXPECT_EQ(G.oevning.DatFilNamn, "SVE32220.DAT");
}

TEST(Undermenyregister, TheGameEntryNeedsBothWindows)
{
    FalskaStartare bara({Foenstertyp::Tkatten});
    UtanStartare utan(Foenstertyp::TSpelNam);
    G.skaerm.Skalprocent = 100;
    TF322 m;
    EXPECT_FALSE(m.knapp(1)->isEnabled());
    aaterstaellTillstaand();
}
