#include "shell/ConfigStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace vorn {

namespace {

#ifdef Q_OS_WIN
constexpr bool kNativeRegistry = true;
#else
constexpr bool kNativeRegistry = false;
#endif

QString hiveName(Hive hive)
{
    return hive == Hive::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                     : QStringLiteral("HKEY_LOCAL_MACHINE");
}

QString slashed(QString key)
{
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key;
}

} // namespace

SettingsConfigStore::SettingsConfigStore(QString directory) : m_directory(std::move(directory)) {}

QString SettingsConfigStore::hiveFile(Hive hive) const
{
    return QDir(m_directory).filePath(hiveName(hive) + QStringLiteral(".ini"));
}

namespace {

std::unique_ptr<QSettings> openHive(const SettingsConfigStore& store, Hive hive,
                                    const QString& directory)
{
    if (kNativeRegistry && directory.isEmpty())
        return std::make_unique<QSettings>(hiveName(hive), QSettings::NativeFormat);
    return std::make_unique<QSettings>(store.hiveFile(hive), QSettings::IniFormat);
}

} // namespace

bool SettingsConfigStore::keyExists(Hive hive, const QString& key) const
{
    auto s = openHive(*this, hive, m_directory);
    s->beginGroup(slashed(key));
    return !s->childKeys().isEmpty() || !s->childGroups().isEmpty();
}

std::optional<QString> SettingsConfigStore::read(Hive hive, const QString& key,
                                                 const QString& name) const
{
    auto s = openHive(*this, hive, m_directory);
    s->beginGroup(slashed(key));
    if (!s->contains(name))
        return std::nullopt;
    return s->value(name).toString();
}

void SettingsConfigStore::write(Hive hive, const QString& key, const QString& name,
                                const QString& value)
{
    if (!m_directory.isEmpty())
        QDir().mkpath(m_directory);
    auto s = openHive(*this, hive, m_directory);
    s->beginGroup(slashed(key));
    s->setValue(name, value);
    s->endGroup();
    s->sync();
}

void SettingsConfigStore::removeKey(Hive hive, const QString& key)
{
    auto s = openHive(*this, hive, m_directory);
    s->remove(slashed(key));
    s->sync();
}

QString ConfigDirectory(const QString& option)
{
    if (!option.isEmpty())
        return option;
    const QString env = qEnvironmentVariable("VORN_REGISTRY_DIR");
    if (!env.isEmpty())
        return env;
    if (kNativeRegistry)
        return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Vorn2000"));
}

std::unique_ptr<ConfigStore> OpenConfigStore(const QString& option)
{
    return std::make_unique<SettingsConfigStore>(ConfigDirectory(option));
}

} // namespace vorn
