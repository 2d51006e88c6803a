#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace vorn {

// The two hives the suite's configuration lives in.
enum class Hive
{
    CurrentUser,
    LocalMachine
};

// The suite's registry: keys such as "SOFTWARE/Vorn2000/ST" holding string values.
// On Windows these are the real registry keys; elsewhere each hive is an INI file.
class ConfigStore
{
public:
    virtual ~ConfigStore() = default;
    virtual bool keyExists(Hive hive, const QString& key) const = 0;
    // Nothing when the value is absent.
    virtual std::optional<QString> read(Hive hive, const QString& key,
                                        const QString& name) const = 0;
    virtual void write(Hive hive, const QString& key, const QString& name,
                       const QString& value) = 0;
    virtual void removeKey(Hive hive, const QString& key) = 0;
};

// The store on QSettings. Off Windows the hives are the files HKEY_CURRENT_USER.ini and
// HKEY_LOCAL_MACHINE.ini in `directory`.
class SettingsConfigStore : public ConfigStore
{
public:
    explicit SettingsConfigStore(QString directory);
    bool keyExists(Hive hive, const QString& key) const override;
    std::optional<QString> read(Hive hive, const QString& key, const QString& name) const override;
    void write(Hive hive, const QString& key, const QString& name, const QString& value) override;
    void removeKey(Hive hive, const QString& key) override;

    QString hiveFile(Hive hive) const;

private:
    QString m_directory;
};

// Where the configuration is kept: the option's folder when given, else the folder in
// VORN_REGISTRY_DIR, else the platform's place (the registry itself on Windows, the
// user's configuration folder + "/Vorn2000" elsewhere).
QString ConfigDirectory(const QString& option = {});
std::unique_ptr<ConfigStore> OpenConfigStore(const QString& option = {});

} // namespace vorn
