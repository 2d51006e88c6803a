#pragma once

#include "shell/ConfigStore.h"

#include <QMap>

namespace vorn {

// A configuration held in memory only: for tools pointed at an installation directly.
class MemoryConfigStore : public ConfigStore
{
public:
    bool keyExists(Hive hive, const QString& key) const override;
    std::optional<QString> read(Hive hive, const QString& key, const QString& name) const override;
    void write(Hive hive, const QString& key, const QString& name, const QString& value) override;
    void removeKey(Hive hive, const QString& key) override;

    // The entries an installation under root has: modules AD and ST rooted there, the
    // network control folder root/NET, private working folders under root/TEMP.
    static void DescribeInstallation(ConfigStore& store, const QString& root);

private:
    static QString path(Hive hive, const QString& key);
    QMap<QString, QMap<QString, QString>> m_keys;
};

} // namespace vorn
