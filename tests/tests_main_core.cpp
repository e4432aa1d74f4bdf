#include "support/globalvakt.h"
#include "support/varningar.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    installeraVarningsvakt();
    installeraGlobalvakt();
    return RUN_ALL_TESTS();
}
