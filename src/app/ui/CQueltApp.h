#pragma once
#include <QApplication>

class CQueltApp : public QApplication
{
    Q_OBJECT
public:
    CQueltApp(int &argc, char **argv);
    bool initInstance();
};
