#include <QApplication>

#include <gtest/gtest.h>
#include <unistd.h>

// The wizard's tests need one QApplication for the whole run. Test discovery runs the program at build
// time without the test environment, so the off-screen platform is the default here too.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The preview's web engine refuses to start its sandbox for root, as tests run in CI.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
