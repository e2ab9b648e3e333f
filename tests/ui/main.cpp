#include "app/ui/PlectaApplication.h"
#include "shell/ui/Dialogs.h"

#include <gtest/gtest.h>

// UI tests share one application object, like the program itself; each test makes its own
// main window.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PlectaApplication app(argc, argv);
    dialogs::setUnattended(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
