#include "EngineEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

// Tests that draw, or show windows, need the application object; without a display they run on
// Qt's offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEngineEnvironment(TDiagnostics::Verbose);
    QApplication app(argc, argv);
    // A window a test closes must not end the tests' own event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
