#include "app/ui/PlectaApplication.h"

#include "app/ui/MainWindow.h"
#include "app/ui/Pictures.h"
#include "app/ui/SplashScreen.h"
#include "app/ui/StartView.h"
#include "app/ui/Workbook.h"
#include "shell/ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStatusBar>
#include <QTranslator>
#include <cstdio>

// The pictures are compiled into the static ui library, whose resources must be named once.
static void initResources()
{
    Q_INIT_RESOURCE(plecta);
}

PlectaApplication::PlectaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    initResources();
    setApplicationName(QStringLiteral("Plecta"));
    // No display name: the platform would append it to every window title.
    setApplicationVersion(QStringLiteral(PLECTA_VERSION));
    setOrganizationName(QStringLiteral("Plecta"));
    setDesktopFileName(QStringLiteral("cat.plecta.Plecta"));
    setWindowIcon(pictures::icon(QStringLiteral(":/icons/plecta.svg"), {16, 32, 48}));
    new dialogs::Answers(this); // where tests preset the answers of the modal dialogs
    // Before any widget: the file, print and message dialogs speak Catalan from the first one.
    m_translationProblem = loadTranslations();
}

PlectaApplication::~PlectaApplication()
{
    pictures::discardPrepared();
    delete m_mainWindow;
}

PlectaApplication *PlectaApplication::instance()
{
    return qobject_cast<PlectaApplication *>(QCoreApplication::instance());
}

MainWindow *PlectaApplication::createMainWindow()
{
    delete m_mainWindow;
    m_mainWindow = new MainWindow;
    if (!m_translationProblem.isEmpty())
        m_mainWindow->statusBar()->showMessage(m_translationProblem, 10000);
    return m_mainWindow;
}

bool PlectaApplication::start()
{
    // The splash and the start window's pictures are drawn on another thread while the main
    // window is built.
    const pictures::Picture *startUp[] = {&SplashScreen::picture(), &StartView::startPicture()};
    pictures::prepare(startUp);
    createMainWindow();
    showSplash();
    if (!openFromCommandLine(arguments())) {
        m_exitStatus = 1;
        return false;
    }
    m_mainWindow->workbook()->setTabStripVisible(false);
    m_mainWindow->showMaximized();
    if (m_splash)
        m_splash->raise();
    return true;
}

QString PlectaApplication::loadTranslations()
{
    // Qt's own Catalan, so the file, print and message dialogs speak like the rest.
    auto *translator = new QTranslator(this);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_ca"), dir)) {
        installTranslator(translator);
        return {};
    }
    delete translator;
    return QStringLiteral("No s'han trobat les traduccions catalanes de Qt a %1.").arg(QDir::toNativeSeparators(dir));
}

void PlectaApplication::showSplash()
{
    m_splash = new SplashScreen(m_mainWindow, kSplashMilliseconds);
    m_splash->show();
    m_splash->repaint();
}

bool PlectaApplication::openFromCommandLine(const QStringList &args)
{
    // Arguments that begin with "-" are switches (Qt's own); the program has none of its own.
    QString fileName;
    for (qsizetype i = 1; i < args.size() && fileName.isEmpty(); ++i) {
        if (!args[i].startsWith(u'-'))
            fileName = args[i];
    }
    if (fileName.isEmpty()) {
        m_mainWindow->openStartWindow();
        return true;
    }
    // The file is opened to prove it can be, and never read.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString message = QStringLiteral("No es pot obrir el fitxer «%1»: %2.")
                                    .arg(QDir::toNativeSeparators(fileName), file.errorString());
        std::fprintf(stderr, "plecta: %s\n", message.toLocal8Bit().constData());
        dialogs::message(nullptr, QMessageBox::Critical, message);
        return false;
    }
    m_mainWindow->openStartWindow(QFileInfo(fileName).fileName());
    return true;
}
