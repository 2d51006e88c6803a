#include "support/TestEnv.h"

#include <gtest/gtest.h>

#ifdef VORN_GUI_TESTS
#include <QApplication>
using App = QApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    vorn::test::PinEnvironment();
    App app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
