// The yardstick of the start-up benchmark: the least a Qt Widgets program can show, one empty
// maximised window, built with the same compiler, flags and Qt as Plecta.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.showMaximized();
    return app.exec();
}
