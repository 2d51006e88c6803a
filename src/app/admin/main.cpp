// The administrator tool: sets up an installation and keeps the suite's configuration,
// firms and users (vornst-admin without arguments lists the commands).
#include "AdminCommands.h"
#include "common/Messages.h"
#include "shell/AdministratorLauncher.h"
#include "shell/ConfigStore.h"
#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString registryDir;
    const int reg = args.indexOf(QStringLiteral("--registry"));
    if (reg >= 0) {
        if (reg + 1 >= args.size()) {
            QTextStream(stderr) << vorn::admin::AdminCommands::Usage();
            return 2;
        }
        registryDir = args.at(reg + 1);
        args.remove(reg, 2);
    }

    vorn::SingleInstance instance(vorn::AdministratorLauncher::kInstanceName);
    if (!instance.tryAcquire()) {
        vorn::ConsoleMessages().error(QStringLiteral(
            "Program VORN 2000 Administrator jest już uruchomiony na tym stanowisku."));
        return 1;
    }
    auto store = vorn::OpenConfigStore(registryDir);
    QDateTime now = QDateTime::currentDateTime();
    now = now.addMSecs(-now.time().msec()); // stored times are whole seconds
    vorn::admin::AdminCommands commands(*store, QCoreApplication::applicationFilePath(), now);
    return commands.run(args);
}
