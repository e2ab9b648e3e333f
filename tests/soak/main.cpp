#include "SoakSupport.h"

#include "app/ui/PlectaApplication.h"

#include <QtGlobal>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

int g_warnings = 0;
QtMessageHandler g_previous = nullptr;

// Every Qt warning is counted and still printed, so a soak that provokes one fails and says why.
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform says this of every fixed-size top-level window (the wait notice);
    // it is the test platform speaking of itself, not the program. The X11 platform takes the
    // size hints.
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++g_warnings;
    if (g_previous)
        g_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int soak::qtWarnings()
{
    return g_warnings;
}

// One application object for the whole run, on the offscreen platform, as the program has one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previous = qInstallMessageHandler(countWarnings);
    PlectaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
