#include "support/test_main_common.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    prepareTestEnvironment();
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
