#pragma once

#include "shell/Modules.h"

#include <QString>
#include <array>

namespace vorn {

class ConfigStore;
class UserMessages;

// Kinds of path held per module.
enum PathKind
{
    pkRootPath = 0,
    pkDataPath = 1,
    pkNetFileDir = 2,
    pkServerName = 3,
    pkServerPath = 4
};

// Reader of the suite's installation paths. Faults are collected into one report rather
// than raised: only faults of the Administrator module (AD) make Load fail, and they are
// collected whatever the reporting mode. Paths written with a trailing separator are
// stored back without it.
class TV2Registry
{
public:
    static inline const QString kRootKey = QStringLiteral("SOFTWARE/Vorn2000");
    static inline const QString kDefaultTempDir =
        QStringLiteral("C:\\Program Files\\VORN2000\\TEMP");

    TV2Registry(ConfigStore& store, UserMessages& messages);

    // Modes: 0 report every module, 1 only `module` (AD always), 2 report nothing.
    void SetMode(int mode, int module);
    bool Load();

    QString Path(int module, int kind) const;
    void SetPath(int module, int kind, const QString& value);
    QString TempDir() const { return m_tempDir; }
    // Writes the module's four stored values back (the key is deleted when all are blank).
    void WriteModule(int module);
    QString report() const { return m_report; }

    static QString ModuleKey(int module)
    {
        return kRootKey + QLatin1Char('/') + ModuleCode(module);
    }

private:
    struct ModulePaths
    {
        std::array<QString, 5> values;
    };

    void readTempDir();
    bool readModule(int module);
    bool reportsModule(int module) const;

    ConfigStore& m_store;
    UserMessages& m_messages;
    std::array<ModulePaths, kLastModule + 1> m_modules{};
    QString m_tempDir;
    QString m_report;
    int m_mode = 2;
    int m_module = 0;
};

// Trims the path and removes one trailing "\" or "/"; true when a separator was removed.
bool NormalizePath(QString& path);

} // namespace vorn
