// The harness's watch over the globals: a test that leaves one changed fails,
// naming it, and the next test finds it as it was.
#include "../support/globalvakt.h"

#include "core/uppstart.h"
#include "dialogs/regelform.h"
#include "worksheets/tutskrift.h"

#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(Globalvakt, ATestThatLeavesAWatchedGlobalChangedFailsAndItIsPutBack)
{
    struct Laecka {
        const char *namn;
        std::function<void()> plantera;
        std::function<bool()> somFoere;
    };
    const Laecka laeckor[] = {
        {"the configuration-error text", [] { konfigurationsbrist = QStringLiteral("Nyckeln saknas."); },
         [] { return konfigurationsbrist.isEmpty(); }},
        {"the rule page", [] { saettRegelsida(QStringLiteral("Genus.htm")); },
         [] { return aktuellRegelsida().isEmpty(); }},
        {"the print lists", [] { utskriftsfoenstret().laeggTill(QStringLiteral("1. bil"), QStringLiteral("bilar")); },
         [] { return utskriftsfoenstret().fraagor().isEmpty() && utskriftsfoenstret().svar().isEmpty(); }},
    };
    Globalvakt &vakt = globalvakten();
    for (const Laecka &l : laeckor) {
        SCOPED_TRACE(l.namn);
        ASSERT_TRUE(l.somFoere());
        // A test inside this one: it starts, leaves one global changed and ends.
        std::vector<Globalvakt::Notering> noterat = vakt.notera();
        l.plantera();
        EXPECT_NONFATAL_FAILURE(Globalvakt::aaterstaell(noterat), l.namn);
        EXPECT_TRUE(l.somFoere());
    }
}
