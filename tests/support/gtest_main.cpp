// Test entry point: a QApplication exists for every test, so pictures, fonts and widgets work.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests run headless even when started by hand from a desktop shell.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS"))
        qputenv("ALSOFT_DRIVERS", "null");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
