#include "app/ui/PlectaApplication.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before the application object, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const bool written = std::printf("Plecta %s\n", PLECTA_VERSION) > 0 && std::fflush(stdout) == 0;
        return written ? 0 : 1;
    }
    PlectaApplication app(argc, argv);
    if (!app.start())
        return 1;
    return app.exec();
}
