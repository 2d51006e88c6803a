#include "InstallationSetup.h"

#include "common/Paths.h"
#include "shell/AdministratorLauncher.h"
#include "shell/ConfigStore.h"
#include "shell/MemoryConfigStore.h"
#include "shell/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorn {

InstallationSetup::InstallationSetup(ConfigStore& store, QString root)
    : m_store(store), m_root(QDir(root).absolutePath())
{
}

bool InstallationSetup::run(QString* error)
{
    const QStringList folders = {
        JoinPath({m_root, QStringLiteral("DATA"), QStringLiteral("AD")}),
        JoinPath({m_root, QStringLiteral("DATA"), QStringLiteral("ST")}),
        JoinPath({m_root, QStringLiteral("NET")}),
        JoinPath({m_root, QStringLiteral("TEMP")}),
        JoinPath({m_root, QStringLiteral("Profiles")}),
        JoinPath({m_root, QStringLiteral("BIN"), QStringLiteral("AD")}),
    };
    for (const QString& folder : folders) {
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("Nie można utworzyć katalogu: ") + folder;
            return false;
        }
    }
#ifndef Q_OS_WIN
    // The suite names the shared dictionaries' folder "Data" and the module folders "DATA";
    // on a case-sensitive file system both names lead to one folder, as they do on Windows.
    const QString data = JoinPath({m_root, QStringLiteral("Data")});
    if (!QFileInfo::exists(data) && !QFile::link(QStringLiteral("DATA"), data)) {
        *error = QStringLiteral("Nie można utworzyć katalogu: ") + data;
        return false;
    }
#endif
    MemoryConfigStore::DescribeInstallation(m_store, m_root);
    return true;
}

bool InstallationSetup::installAdministratorTool(const QString& executable, QString* error)
{
    const QString target = JoinPath({m_root, QStringLiteral("BIN"), QStringLiteral("AD"),
                                     AdministratorLauncher::ProgramFileName()});
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(executable).canonicalFilePath())
        return true;
    QFile::remove(target);
    if (!QFile::copy(executable, target)) {
        *error = QStringLiteral("Nie można skopiować programu do: ") + target;
        return false;
    }
    return true;
}

} // namespace vorn
