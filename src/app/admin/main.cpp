// The administrator tool: sets up an installation and keeps the suite's configuration.
//   vornst-admin [--registry DIR] init ROOT [--demo]
//   vornst-admin /F /ST | /U /ST | /A /ST | /EST /ST | /ARCH | /UPGR_AD | /UZK | /FIRM
#include "InstallationSetup.h"
#include "common/Messages.h"
#include "shell/AdministratorLauncher.h"
#include "shell/ConfigStore.h"
#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "Użycie: vornst-admin [--registry KATALOG] init KATALOG [--demo]\n"
                           "        vornst-admin /F /ST | /U /ST | /A /ST | /EST /ST | /ARCH | "
                           "/UPGR_AD | /UZK | /FIRM\n";
    return 2;
}

int runInit(vorn::ConfigStore& store, const QStringList& args)
{
    if (args.isEmpty())
        return usage();
    vorn::InstallationSetup setup(store, args.first());
    QString error;
    if (!setup.run(&error) ||
        !setup.installAdministratorTool(QCoreApplication::applicationFilePath(), &error)) {
        QTextStream(stderr) << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "Utworzono instalację w " << setup.root() << "\n";
    return 0;
}

// The suite's switches. Their work (firms, users, archiving, export) is done by the
// commands of this tool; a switch says which command to use.
int runSwitch(const QStringList& args)
{
    QTextStream out(stdout);
    const QString first = args.first().toUpper();
    if (first == QStringLiteral("/F") || first == QStringLiteral("/FIRM"))
        out << "Konfiguracja firm: vornst-admin firm add.\n";
    else if (first == QStringLiteral("/U") || first == QStringLiteral("/UZK"))
        out << "Konfiguracja użytkowników: vornst-admin user add, vornst-admin grant.\n";
    else if (first == QStringLiteral("/A") || first == QStringLiteral("/ARCH"))
        out << "Archiwizacja: vornst-admin archive.\n";
    else if (first == QStringLiteral("/EST"))
        out << "Eksport poleceń księgowania do VORN-FK: vornst-admin export.\n";
    else if (first == QStringLiteral("/UPGR_AD"))
        out << "Aktualizacja danych firmy: vornst-admin upgrade.\n";
    else
        return usage();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString registryDir;
    const int reg = args.indexOf(QStringLiteral("--registry"));
    if (reg >= 0) {
        if (reg + 1 >= args.size())
            return usage();
        registryDir = args.at(reg + 1);
        args.remove(reg, 2);
    }
    if (args.isEmpty())
        return usage();

    vorn::SingleInstance instance(vorn::AdministratorLauncher::kInstanceName);
    if (!instance.tryAcquire()) {
        vorn::ConsoleMessages().error(QStringLiteral(
            "Program VORN 2000 Administrator jest już uruchomiony na tym stanowisku."));
        return 1;
    }
    auto store = vorn::OpenConfigStore(registryDir);
    if (args.first() == QStringLiteral("init"))
        return runInit(*store, args.mid(1));
    if (args.first().startsWith(QLatin1Char('/')))
        return runSwitch(args);
    return usage();
}
