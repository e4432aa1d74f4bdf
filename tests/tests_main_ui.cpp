#include "platform/ui/qttextmaetare.h"
#include "platform/ui/foenster.h"
#include "support/ui/modal.h"
#include "support/varningar.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

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
    return RUN_ALL_TESTS();
}
