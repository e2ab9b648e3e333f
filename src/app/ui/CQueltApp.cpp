#include "app/ui/CQueltApp.h"

CQueltApp::CQueltApp(int &argc, char **argv) : QApplication(argc, argv) {}

bool CQueltApp::initInstance()
{
    return true;
}
