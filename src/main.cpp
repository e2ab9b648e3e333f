#include "app/ui/PlectaApplication.h"

int main(int argc, char **argv)
{
    PlectaApplication app(argc, argv);
    if (!app.start())
        return 1;
    return app.exec();
}
