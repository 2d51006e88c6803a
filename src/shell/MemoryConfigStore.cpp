#include "shell/MemoryConfigStore.h"

#include "common/Paths.h"
#include "shell/Modules.h"
#include "shell/Registry.h"

namespace vorn {

QString MemoryConfigStore::path(Hive hive, const QString& key)
{
    QString k = key;
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return (hive == Hive::CurrentUser ? QStringLiteral("HKCU/") : QStringLiteral("HKLM/")) +
           k.toUpper();
}

bool MemoryConfigStore::keyExists(Hive hive, const QString& key) const
{
    const QString prefix = path(hive, key);
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it)
        if (it.key() == prefix || it.key().startsWith(prefix + QLatin1Char('/')))
            return true;
    return false;
}

std::optional<QString> MemoryConfigStore::read(Hive hive, const QString& key,
                                               const QString& name) const
{
    const auto it = m_keys.constFind(path(hive, key));
    if (it == m_keys.cend() || !it->contains(name))
        return std::nullopt;
    return it->value(name);
}

void MemoryConfigStore::write(Hive hive, const QString& key, const QString& name,
                              const QString& value)
{
    m_keys[path(hive, key)].insert(name, value);
}

void MemoryConfigStore::removeKey(Hive hive, const QString& key)
{
    const QString prefix = path(hive, key);
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        if (it.key() == prefix || it.key().startsWith(prefix + QLatin1Char('/')))
            it = m_keys.erase(it);
        else
            ++it;
    }
}

void MemoryConfigStore::DescribeInstallation(ConfigStore& store, const QString& root)
{
    store.write(Hive::LocalMachine, TV2Registry::kRootKey, QStringLiteral("TempDir"),
                JoinPath({root, QStringLiteral("TEMP")}));
    for (int module : {int(ModuleAD), int(ModuleST)}) {
        const QString key = TV2Registry::ModuleKey(module);
        store.write(Hive::LocalMachine, key, QStringLiteral("RootPath"), root);
        store.write(Hive::LocalMachine, key, QStringLiteral("NetFileDir"),
                    JoinPath({root, QStringLiteral("NET")}));
        store.write(Hive::LocalMachine, key, QStringLiteral("ServerName"), QString());
        store.write(Hive::LocalMachine, key, QStringLiteral("ServerPath"), QString());
    }
}

} // namespace vorn
