#include "cli/GuiApplication.h"

#include <QGuiApplication>

#include <cstdio>

namespace cli {
namespace {

// A command-line tool's output is its own: Qt's warnings about the session it runs in (no
// runtime folder, and the like) stay out of it. Critical messages still show.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "plecta-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    // Qt keeps the arguments for the application's life. The platform named on the command line
    // wins over QT_QPA_PLATFORM, so no display is looked for whatever the environment says.
    static int argc = 3;
    static char name[] = "plecta-cli", option[] = "-platform", platform[] = "offscreen";
    static char *argv[] = {name, option, platform, nullptr};
    qInstallMessageHandler(quietMessages);
    new QGuiApplication(argc, argv);
}

GuiApplicationScope::~GuiApplicationScope()
{
    // plecta-cli makes no other application object than the one above.
    delete QCoreApplication::instance();
}

} // namespace cli
