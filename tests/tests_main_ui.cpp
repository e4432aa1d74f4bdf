#include "app/tform1.h"
#include "dialogs/regelform.h"
#include "exercises/frame/arbetsblad.h"
#include "core/foensterregister.h"
#include "platform/ui/dragdrop.h"
#include "platform/ui/foenster.h"
#include "platform/ui/qttextmaetare.h"
#include "platform/ui/utskrift.h"
#include "support/globalvakt.h"
#include "support/ui/modal.h"
#include "support/varningar.h"
#include "worksheets/tutskrift.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <gtest/gtest.h>
#include <utility>

namespace {

// QTest::mouseMove moves the one cursor of the process, and a move to where
// the cursor already stands sends no event. Each test starts with the
// cursor parked off every window, so pointing at a control always counts.
class Musparkering : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override
    {
        QCursor::setPos(-100, -100);
        QCoreApplication::processEvents();
    }
};

// The globals of the windows, beside those of the logic.
void bevakaFoenstren(Globalvakt &v)
{
    v.bevaka([]() -> Globalvakt::Notering {
        return [foere = foenstertabell()] {
            const std::vector<Startare> nu = foenstertabell();
            std::string aendrade;
            for (std::size_t t = 0; t < nu.size(); ++t)
                if (!somFoere(nu[t], foere[t]))
                    aendrade += std::string(aendrade.empty() ? "" : ", ") + startarnamn(Foenstertyp(t));
            aaterstaellFoenstertabell(foere);
            return aendrade.empty() ? aendrade : "the window registry (" + aendrade + ")";
        };
    });
    // The print lists; the printout window itself is made once and stays.
    using Listor = std::pair<QStringList, QStringList>;
    v.bevaka<Listor>(
        "the print lists",
        [] { return Utskrift ? Listor(Utskrift->fraagor(), Utskrift->svar()) : Listor(); },
        [](const Listor &l) {
            if (!Utskrift)
                return;
            Utskrift->toemListorna();
            for (const QString &f : l.first)
                Utskrift->laeggTillFraaga(f);
            for (const QString &s : l.second)
                Utskrift->laeggTillSvar(s);
        });
    v.saettare("the rule page", saettRegelsida);
    v.variabel("Form1", Form1);
    v.variabel("SkapaArbetsbladspanel", SkapaArbetsbladspanel);
    v.variabel("TomUtskriftslistorna", TomUtskriftslistorna);
    v.saettare("the printer seam", plattform::saettSkrivare);
    v.saettare("the print-dialog seam", plattform::saettUtskriftsdialog);
    v.saettare("the drag seam", plattform::saettKoerDrag);
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    plattform::Programmet app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    installeraTextmaetare();
    installeraVarningsvakt();
    // Before the modal watch: its end closes the windows that put globals back.
    bevakaFoenstren(installeraGlobalvakt());
    installeraModalvakter();
    ::testing::UnitTest::GetInstance()->listeners().Append(new Musparkering);
    return RUN_ALL_TESTS();
}
