// The window tests need the application object alive for the whole run.
#include <gtest/gtest.h>

#include "config_app.h"

int main(int argc, char** argv) {
    // Test discovery runs this program too, possibly without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CConfigApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
