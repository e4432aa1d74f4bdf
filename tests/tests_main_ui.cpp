#include "platform/ui/qttextmaetare.h"
#include "platform/ui/foenster.h"
#include "support/ui/modal.h"
#include "support/varningar.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <gtest/gtest.h>

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
    installeraModalvakter();
    ::testing::UnitTest::GetInstance()->listeners().Append(new Musparkering);
    return RUN_ALL_TESTS();
}
