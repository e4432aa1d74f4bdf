#include "../support/miljoe.h"
#include "../support/ui/modal.h"
#include "../support/ui/provskrivare.h"

#include "core/diagnos.h"
#include "core/diagnosfil.h"
#include "core/tillstaand.h"
#include "diagnosis/tdiag.h"
#include "diagnosis/tdiaprot.h"
#include "diagnosis/tdiagutform.h"
#include "core/foensterregister.h"
#include "platform/ui/fonstermeddelanden.h"
#include "platform/ui/straengrutnaet.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

class Diagnos : public StartatProgram {
protected:
    void SetUp() override
    {
        StartatProgram::SetUp();
        QDir().mkpath(i("Diag"));
        G.start.DiagnosKatalog = i("Diag");
        G.skaerm.Marginal = 10;
    }
    void TearDown() override
    {
        for (auto &[typ, s] : m_startare)
            registreraFoenster(typ, s);
        StartatProgram::TearDown();
    }
    // A pupil record in the file, with a password.
    void elev(const QString &namn, const QString &loesen = QString())
    {
        NyDiagnospost();
        G.diagnos.Diagnostabell.namn = namn;
        G.diagnos.Diagnostabell.loesen = loesen;
        ASSERT_TRUE(SparaProtokoll());
    }
    void enter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }
    // A key with a letter outside ASCII, as the keyboard sends it.
    void tecken(QWidget *w, Qt::Key tangent, const QString &text)
    {
        QKeyEvent e(QEvent::KeyPress, tangent, Qt::NoModifier, text);
        QApplication::sendEvent(w, &e);
    }
    void skriv(QLineEdit *e, const QString &t)
    {
        e->setFocus();
        QTest::keyClicks(e, t);
    }
    void vaelj(TDiag &f, const QString &namn)
    {
        const auto p = f.ListBox1->findItems(namn, Qt::MatchExactly);
        ASSERT_EQ(p.size(), 1);
        f.ListBox1->setCurrentItem(p.first());
        f.ListBox1->setFocus();
    }
    void startare(Foenstertyp typ, Startare s) { m_startare.append({typ, registreraFoenster(typ, std::move(s))}); }
    QByteArray dia() const
    {
        QFile f(i("Diag/SDIAG.DIA"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
private:
    QList<std::pair<Foenstertyp, Startare>> m_startare;
};
} // namespace

TEST_F(Diagnos, NewPupilsProtocolResultsAndSaving)
{
    TDiag f;
    f.show();
    EXPECT_FALSE(f.Edit1->isHidden());                 // no file: straight to a new name
    EXPECT_FALSE(f.NyAnvandareButton->isEnabled());
    enter(f.Edit1);
    EXPECT_EQ(f.SkrivDittNamnLabel->text(), u("Skriv ett riktigt namn!"));
    skriv(f.Edit1, u("Åsa"));
    // A test launched from the grid runs in the window of its program.
    for (const char *fil : {"SVDI01.DAT", "SVDI02.DAT", "SVOVN102.DAT"})
        datafil(QString::fromLatin1(fil), {QStringLiteral("Hon har en h<ä>st.")});
    QStringList koerda;
    startare(Foenstertyp::TFLERBAR, [&] {
        koerda << G.oevning.DatFilNamn;
        diagnosback(koerda.size() == 1 ? 20 : 10);
    });
    klocka.tid = QDateTime(QDate(2026, 3, 5), QTime(9, 7));
    naerModal([&](QWidget *w) {
        auto *p = qobject_cast<Tdiaprot *>(w);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Label1->text(), u("Diagnosprotokoll för Åsa"));
        for (int n = 1; n <= 17; ++n)
            EXPECT_EQ(p->StringGrid1->cell(4, n), u("    Börja"));
        EXPECT_EQ(p->StringGrid1->cell(2, 18), QString(10, ' ') + "0");
        EXPECT_EQ(p->StringGrid1->cell(1, 5), u("  SJ-ljudet 2"));
        // The sum row and the heading start nothing.
        for (int rad : {18, 0}) {
            G.diagnos.ValtTest = rad;
            enter(p->StringGrid1);
        }
        EXPECT_TRUE(koerda.isEmpty());
        G.diagnos.ValtTest = 1;
        enter(p->StringGrid1);
        G.diagnos.ValtTest = 2;
        p->StringGrid1DblClick();
        EXPECT_EQ(koerda, (QStringList{"SVDI01.DAT", "SVDI02.DAT"}));
        G.diagnos.DiagnosNummer = 3;
        diagnosback(0);
        EXPECT_EQ(p->StringGrid1->cell(2, 1), QString(8, ' ') + "20");
        EXPECT_EQ(p->StringGrid1->cell(3, 1), u("  260305 09:07"));
        EXPECT_EQ(p->StringGrid1->cell(4, 1), u("    Testa"));
        EXPECT_EQ(p->StringGrid1->cell(4, 2), u("    Öva"));
        EXPECT_EQ(p->StringGrid1->cell(4, 3), u("    Börja"));
        EXPECT_EQ(p->StringGrid1->cell(2, 18), QString(8, ' ') + "30");
        // Stored at once, byte for byte.
        const QByteArray b = dia();
        ASSERT_EQ(b.size(), 336);
        EXPECT_EQ(b.mid(0, 4), QByteArray("\x03\xC5sa", 4));
        EXPECT_EQ(b.at(22), 0);
        EXPECT_EQ(b.mid(36, 8), QByteArray("\x14\0\0\0\x0A\0\0\0", 8));
        EXPECT_EQ(b.mid(116, 3), QByteArray("\x02\x03\x00", 3));
        EXPECT_EQ(b.mid(136, 2), QByteArray("\xEA\x07", 2));
        // Status "Öva": Enter starts the practice of the test.
        enter(p->StringGrid1);
        EXPECT_EQ(koerda.last(), "SVOVN102.DAT");
        EXPECT_EQ(G.oevning.Arbetsbladslaege, 3);
        G.diagnos.ValtTest = 2;
        p->InfoText();
        EXPECT_EQ(p->Label2->text(), u("Du måste först klara övningen"));
        QTest::mouseClick(p->AvbrytButton, Qt::LeftButton);
    });
    enter(f.Edit1);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 0);
    EXPECT_EQ(G.diagnos.DiagnosStaengd, 1);
    EXPECT_EQ(avkodaDiagnospost(dia()).resultat[1], 20);
}

TEST_F(Diagnos, DamagedStatusAndAnUnbuiltWindow)
{
    startare(Foenstertyp::TPassAkt, {});
    elev("Bo");
    G.diagnos.Diagnostabell.status[4] = 9;
    Tdiaprot p;
    p.show();
    EXPECT_EQ(p.StringGrid1->cell(4, 4), "    ");
    G.diagnos.ValtTest = 4;
    enter(p.StringGrid1);            // nothing to start, nothing asked
    EXPECT_TRUE(meddelanden.poster.isEmpty());
    datafil("SVDI17.DAT", {"a"});
    G.diagnos.ValtTest = 17;
    enter(p.StringGrid1);
    EXPECT_EQ(meddelanden.texter().value(0),
              u("Övningen i SVDI17.DAT kan inte startas i den här versionen av programmet."));
    EXPECT_TRUE(p.isEnabled());
}

TEST_F(Diagnos, ListPasswordsAndThreeFailures)
{
    elev("bo", "hemligt");
    elev(u("Åsa"));
    elev("Anna", "x");
    elev("Zorro");
    TDiag f;
    f.show();
    QStringList lista;
    for (int r = 0; r < f.ListBox1->count(); ++r)
        lista << f.ListBox1->item(r)->text();
    EXPECT_EQ(lista, (QStringList{"Anna", "bo", "Zorro", u("Åsa")}));
    // "R" and Enter without a selected name do nothing.
    f.ListBox1->setFocus();
    QTest::keyClick(f.ListBox1, Qt::Key_R);
    enter(f.ListBox1);
    EXPECT_FALSE(f.NyAnvandareButton->isHidden());
    EXPECT_TRUE(f.MaskEdit1->isHidden());
    EXPECT_EQ(G.diagnos.Raderingslaege, 0);

    vaelj(f, "bo");
    enter(f.ListBox1);
    EXPECT_FALSE(f.MaskEdit1->isHidden());
    skriv(f.MaskEdit1, "fel");
    enter(f.MaskEdit1);
    EXPECT_EQ(f.FelLosenLabel->text(), u("Felaktigt lösen. Försök igen!"));
    EXPECT_TRUE(f.MaskEdit1->text().isEmpty());
    enter(f.MaskEdit1);
    EXPECT_FALSE(f.aerStangd());
    enter(f.MaskEdit1);
    EXPECT_TRUE(f.aerStangd());
    EXPECT_EQ(G.oevning.Arbetsbladslaege, 0);
}

TEST_F(Diagnos, PupilDeletesOwnRecordWithAnEmptyPassword)
{
    elev("Bo");
    elev("Eva", "e");
    TDiag f;
    f.show();
    vaelj(f, "Bo");
    QTest::keyClick(f.ListBox1, Qt::Key_R);
    EXPECT_FALSE(f.MaskEdit1->isHidden());              // asked although Bo has none
    skriv(f.MaskEdit1, "x");
    enter(f.MaskEdit1);
    EXPECT_EQ(f.FelLosenLabel->text(), u("Felaktigt lösen. Försök igen!"));
    EXPECT_EQ(f.felLoesen(), 0);
    f.MaskEdit1->clear();
    enter(f.MaskEdit1);
    EXPECT_EQ(f.ListBox1->count(), 1);
    EXPECT_EQ(f.ListBox1->item(0)->text(), "Eva");
    EXPECT_EQ(dia().size(), 336);
}

TEST_F(Diagnos, TeacherSignsInRemovesWithoutPasswordAndChangesThePassword)
{
    elev("Bo");
    {
        TDiag f;
        f.show();
        QTest::mouseClick(f.NyAnvandareButton, Qt::LeftButton);
        f.Edit1->setText(u("lärare"));
        f.Edit1->setFocus();
        enter(f.Edit1);
        EXPECT_FALSE(f.MaskEdit1->isHidden());
        skriv(f.MaskEdit1, "TOVRINGA");
        enter(f.MaskEdit1);
        EXPECT_FALSE(f.Panel3->isHidden());
        EXPECT_EQ(f.focusWidget(), f.Button2);
        // The rules take the focus while they stand and give it back to "Info".
        QTest::mouseClick(f.Button2, Qt::LeftButton);
        EXPECT_EQ(f.focusWidget(), f.Button5);
        QTest::mouseClick(f.Button5, Qt::LeftButton);
        EXPECT_EQ(f.focusWidget(), f.Button2);
        // The new teacher password is compared with the teacher's, not a pupil's.
        naerModal([](QWidget *w) {
            auto *d = qobject_cast<TNLOS *>(w);
            ASSERT_TRUE(d);
            QTest::keyClicks(d->maskedit1, "TOVRINGA");
            QTest::keyClick(d->maskedit1, Qt::Key_Return);
            EXPECT_EQ(d->Label1->text(), u("Du angav nyss ditt gamla lösen."));
            for (int gaang = 0; gaang < 2; ++gaang) {
                QTest::keyClicks(d->maskedit1, "abcdefghijkl");
                QTest::keyClick(d->maskedit1, Qt::Key_Return);
            }
        });
        tecken(f.Button2, Qt::Key_Adiaeresis, u("ä"));
        LararLosenFil(1);
        EXPECT_EQ(G.diagnos.LaerarLoesen, "abcdefghij");     // 12 typed, 10 stored
        QTest::mouseClick(f.Button4, Qt::LeftButton);
        vaelj(f, "Bo");
        QTest::keyClick(f.ListBox1, Qt::Key_R);
        EXPECT_EQ(meddelanden.texter().value(0), u("Lösenordet är ändrat."));
        EXPECT_EQ(meddelanden.texter().value(1), u("Vill du verkligen ta bort diagnosen \"Bo\"?"));
        EXPECT_EQ(f.ListBox1->count(), 0);
    }
    // A pupil called "Lärare" blocks the teacher's sign-in.
    elev(u("Lärare"));
    TDiag f;
    f.show();
    QTest::mouseClick(f.NyAnvandareButton, Qt::LeftButton);
    f.Edit1->setText(u("LÄRARE"));
    enter(f.Edit1);
    EXPECT_EQ(f.SkrivDittNamnLabel->text(), u("Namnet finns redan. Skriv ett nytt!"));
    EXPECT_TRUE(f.MaskEdit1->isHidden());
    // What Windows-1252 cannot store is not taken.
    f.Edit1->clear();
    tecken(f.Edit1, Qt::Key_unknown, u("Ł"));
    QTest::keyClicks(f.Edit1, "u");
    EXPECT_EQ(f.Edit1->text(), "u");
}

TEST_F(Diagnos, ArchivingTwiceInAMinuteKeepsTheWindow)
{
    elev("Bo");
    QFile::copy(i("Diag/SDIAG.DIA"), i("Diag/SV2601020830.DIS"));
    TDiag f;
    f.show();
    f.Button1Click();
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(dia().size(), 336);
    EXPECT_EQ(meddelanden.poster.size(), 2);   // the question, then the refusal
}

TEST_F(Diagnos, RemovingAllDiagnosesAsksFirstAndSaysWhereTheyWent)
{
    elev("Bo");
    klocka.tid = QDateTime(QDate(2026, 3, 5), QTime(9, 7));
    TDiag f;
    f.show();
    meddelanden.svar = {false};
    f.Button1Click();
    ASSERT_EQ(meddelanden.poster.size(), 1);
    EXPECT_EQ(meddelanden.poster.first().typ, plattform::Rutetyp::Fraaga);
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(dia().size(), 336);
    f.Button1Click();                     // Ja
    EXPECT_TRUE(f.aerStangd());
    EXPECT_TRUE(QFile::exists(i("Diag/SV2603050907.DIS")));
    // The archive as the teacher finds it on this system.
    EXPECT_EQ(meddelanden.texter().last(), u("Alla diagnoser är borttagna. De är sparade i filen ")
                                               + i("Diag/SV2603050907.DIS."));
}

TEST_F(Diagnos, RemovalQuestionsHaveNejAsTheDefault)
{
    plattform::Fonstermeddelanden riktiga;
    Saett<plattform::Meddelanden> s(&riktiga);
    elev("Bo");
    TDiag f;
    f.show();
    bool fraagad = false;
    naerModal([&](QWidget *w) {
        auto *ruta = qobject_cast<QMessageBox *>(w);
        ASSERT_TRUE(ruta);
        fraagad = true;
        QTest::keyClick(ruta, Qt::Key_Return);
    });
    f.Button1Click();
    EXPECT_TRUE(fraagad);
    EXPECT_FALSE(f.aerStangd());
    EXPECT_EQ(dia().size(), 336);
}

TEST_F(Diagnos, ClosingTheProtocolWindowSignsOutAsAvbryt)
{
    elev("Bo");
    G.diagnos.DiagnosStaengd = 0;
    Tdiaprot p;
    p.show();
    G.diagnos.Diagnostabell.loesen = QStringLiteral("nytt");   // as "&Ny lösen" leaves it
    EXPECT_TRUE(p.close());                            // Alt+F4, the taskbar
    EXPECT_TRUE(p.aerStangd());
    EXPECT_EQ(G.diagnos.DiagnosStaengd, 1);
    EXPECT_EQ(avkodaDiagnospost(dia()).loesen.str(), "nytt");
}

TEST_F(Diagnos, PrintoutIsOneRuledPage)
{
    plattform::Provskrivare skrivare;
    plattform::Provdialog dialog;
    Saett<plattform::Skrivare> s(&skrivare);
    Saett<plattform::Utskriftsdialog> d(&dialog);
    elev("Anna");
    for (int n : {1, 5}) {
        G.diagnos.Diagnostabell.resultat[n] = 20;
        G.diagnos.Diagnostabell.status[n] = 2;
        G.diagnos.Diagnostabell.aar[n] = 2026;
        G.diagnos.Diagnostabell.maanad[n] = 12;
        G.diagnos.Diagnostabell.dag[n] = 28;
        G.diagnos.Diagnostabell.timme[n] = 23;
        G.diagnos.Diagnostabell.minut[n] = 58;
    }
    Tdiaprot p;
    p.show();
    dialog.svar = {{false, 1}};
    QTest::mouseClick(p.SkrivutButton, Qt::LeftButton);
    EXPECT_TRUE(skrivare.dokument.isEmpty());
    QTest::mouseClick(p.SkrivutButton, Qt::LeftButton);
    ASSERT_EQ(skrivare.dokument.size(), 1);
    const plattform::Utskriftssida &sida = skrivare.dokument.first().sidor.first();
    int linjer = 0, texter = 0;
    for (const auto &r : sida.ritningar)
        (r.typ == plattform::Ritning::Linje ? linjer : texter) += 1;
    EXPECT_EQ(linjer, 153);
    EXPECT_EQ(texter, 96);
    EXPECT_EQ(sida.texter().first(), u("Diagnosprotokoll från Morvika för Anna."));
    EXPECT_NE(sida.hitta(u("Ä-ljudet")), nullptr);
    EXPECT_NE(sida.hitta(u("261228 23:58")), nullptr);
    // No text touches a rule: every cell's text stands inside its lines.
    for (const auto &t : sida.ritningar) {
        if (t.typ != plattform::Ritning::Text || t.text.isEmpty())
            continue;
        skrivare.saettTypsnitt(t.typsnitt);
        const QRect ruta(t.plats, QSize(skrivare.textWidth(t.text), skrivare.textHeight(t.text)));
        for (const auto &l : sida.ritningar) {
            if (l.typ == plattform::Ritning::Linje) {
                EXPECT_FALSE(QRect(l.plats, l.slut).normalized().intersects(ruta))
                    << t.text.toStdString() << " crosses the rule from " << l.plats.x() << "," << l.plats.y();
            }
        }
    }
    EXPECT_LT(sida.ritningar.last().plats.y(), skrivare.YmmTillPixel(280));
}

TEST_F(Diagnos, NewPasswordFromTheProtocolByItsKey)
{
    elev("Bo");
    Tdiaprot p;
    p.show();
    p.activateWindow();
    bool oeppnad = false;
    naerModal([&](QWidget *w) {
        oeppnad = qobject_cast<TNLOS *>(w) != nullptr;
        for (int gaang = 0; gaang < 2; ++gaang) {
            QTest::keyClicks(static_cast<TNLOS *>(w)->maskedit1, "abc");
            QTest::keyClick(static_cast<TNLOS *>(w)->maskedit1, Qt::Key_Return);
        }
    });
    QTest::keyClick(p.StringGrid1, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(oeppnad);
    EXPECT_EQ(G.diagnos.Diagnostabell.loesen.str(), "abc");
}
