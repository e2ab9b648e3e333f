#pragma once
#include <QApplication>
#include <QPointer>
#include <QSplashScreen>
#include <QString>

class MainWindow;

// The application object: Qt's Catalan translations, start-up, the main window it makes.
class PlectaApplication : public QApplication
{
    Q_OBJECT
public:
    static constexpr int kSplashMilliseconds = 2500;

    PlectaApplication(int &argc, char **argv);
    ~PlectaApplication() override;
    static PlectaApplication *instance();

    // Start-up in order: main window, splash, command line, tab strip hidden, window shown.
    // Returns false when start-up fails (the exit status is then exitStatus()).
    bool start();
    int exitStatus() const { return m_exitStatus; }

    MainWindow *mainWindow() const { return m_mainWindow; }
    QSplashScreen *splash() const { return m_splash; }

    // The command line: no file name opens a start window; a file name opens one titled with
    // the name, without reading the file. False when the file cannot be opened (after telling).
    bool openFromCommandLine(const QStringList &args);

    // Makes the main window (for tests and for start-up); it is not shown.
    MainWindow *createMainWindow();

private:
    void showSplash();
    // Installs Qt's own Catalan before any widget exists; the complaint when it is missing.
    QString loadTranslations();

    MainWindow *m_mainWindow = nullptr;
    QPointer<QSplashScreen> m_splash;
    QString m_translationProblem;
    int m_exitStatus = 0;
};
