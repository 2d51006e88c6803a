// The desktop program: the session opens (single copy, registry, login, firm, year), then the
// main window runs until it is closed, then the session shuts down in its fixed order.
#include "app/platform/QtWorkstation.h"
#include "shell/AdministratorLauncher.h"
#include "shell/ConfigStore.h"
#include "shell/Modules.h"
#include "shell/Profiles.h"
#include "shell/Session.h"
#include "ui/QtMessages.h"
#include "ui/Translations.h"
#include "ui/main/MainCommands.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/CheckReportWindow.h"
#include "ui/session/FirmDialog.h"
#include "ui/session/LoginDialog.h"
#include "ui/session/SplashWindow.h"
#include "ui/session/YearChooserDialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#define VORN_STR2(x) #x
#define VORN_STR(x) VORN_STR2(x)

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vornst"));
    QApplication::setQuitOnLastWindowClosed(false);
    vorn::InstallPolishTranslations(app);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption registryOption(QStringLiteral("registry"),
                                      QStringLiteral("Folder konfiguracji (rejestru) systemu."),
                                      QStringLiteral("katalog"));
    parser.addOption(registryOption);
    parser.process(app);

    vorn::QtMessages messages;
    vorn::TfrmLogin login(messages);
    vorn::TfrmBrFirm firms;
    vorn::QtYearChooser years(messages);
    vorn::TfrmSplash splash;
    vorn::QtWorkstation workstation;
    vorn::QtProcessStarter starter;
    auto config = vorn::OpenConfigStore(parser.value(registryOption));
    vorn::Session session(*config, vorn::SessionUi{messages, login, firms, years, &splash},
                          workstation, starter);
    years.setSession(&session);
    if (!session.Start() || session.state().terminateRequested)
        return 1; // the session's destructor runs the shutdown from where it stopped

    const QString shortVersion =
        QStringLiteral("%1.%2").arg(PROJECT_VERSION_MAJOR).arg(PROJECT_VERSION_MINOR);
    vorn::TfrmMainST window(vorn::MainWindowEnv{
        messages, session.state(), QCoreApplication::applicationDirPath(),
        QStringLiteral(" - ") + shortVersion, [&session] {
            return vorn::ProfileFile(session.paths().rootPath, session.state().user.Identyfikator,
                                     vorn::ModuleST, QStringLiteral("Main"));
        }});
    messages.setParent(&window);
    vorn::QtReportViewer reports(messages, &window);
    auto* commands = new vorn::MainCommands(
        window, vorn::MainCommands::Services{&session, session.launcher(), &years, &reports,
                                             QStringLiteral(VORN_STR(PROJECT_VERSION_FULL))});
    commands->releaseOwnLocks();
    window.showSession();
    // Without a window manager maximizing does nothing; the window takes the screen itself.
    window.resize(window.screen()->availableSize());
    window.showMaximized();
    window.activateWindow();
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, [&window] {
        if (!window.isVisible())
            QCoreApplication::quit();
    });
    app.exec();
    session.Shutdown();
    return session.state().terminateRequested ? 1 : 0;
}
