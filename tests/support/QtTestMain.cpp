#include <QApplication>

#include <gtest/gtest.h>

// The wizard's tests need one QApplication for the whole run. Test discovery runs the program at build
// time without the test environment, so the off-screen platform is the default here too.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
