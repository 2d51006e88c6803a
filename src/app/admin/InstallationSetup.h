#pragma once

#include <QString>

namespace vorn {

class ConfigStore;

// Lays out an installation under `root` and writes the suite's registry entries for the
// administrator (AD) and this program's (ST) modules: both share the root and the network
// control folder root/NET; private working folders go to root/TEMP.
class InstallationSetup
{
public:
    InstallationSetup(ConfigStore& store, QString root);

    // Creates the folders and writes the entries; false with `error` set on failure.
    bool run(QString* error);
    // Copies the running administrator tool to root/BIN/AD so the program can start it.
    bool installAdministratorTool(const QString& executable, QString* error);

    QString root() const { return m_root; }

private:
    ConfigStore& m_store;
    QString m_root;
};

} // namespace vorn
