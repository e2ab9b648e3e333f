#include "app/ui/CQueltApp.h"

int main(int argc, char **argv)
{
    CQueltApp app(argc, argv);
    if (!app.initInstance())
        return 1;
    return app.exec();
}
