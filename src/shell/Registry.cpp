#include "shell/Registry.h"

#include "common/Messages.h"
#include "common/Paths.h"
#include "shell/ConfigStore.h"

#include <QDir>
#include <QFileInfo>

namespace vorn {

namespace {

const QString kReportHeader = QStringLiteral("WYKRYTO BŁĘDY W REJESTRZE SYSTEMU\r\n");

bool folderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

struct PathCheck
{
    QString name; // value name in the registry
    int kind;
    QString wrongFault;
    QString missingFault;
};

} // namespace

bool NormalizePath(QString& path)
{
    path = path.trimmed();
    if (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
        return true;
    }
    return false;
}

TV2Registry::TV2Registry(ConfigStore& store, UserMessages& messages)
    : m_store(store), m_messages(messages)
{
}

void TV2Registry::SetMode(int mode, int module)
{
    m_mode = mode;
    m_module = module;
}

QString TV2Registry::Path(int module, int kind) const
{
    if (module < kFirstModule || module > kLastModule || kind < 0 || kind > 4)
        return {};
    return m_modules[module].values[kind];
}

void TV2Registry::SetPath(int module, int kind, const QString& value)
{
    if (module < kFirstModule || module > kLastModule || kind < 0 || kind > 4)
        return;
    m_modules[module].values[kind] = value;
}

void TV2Registry::readTempDir()
{
    const Hive hive =
        m_store.keyExists(Hive::CurrentUser, kRootKey) ? Hive::CurrentUser : Hive::LocalMachine;
    QString value = m_store.read(hive, kRootKey, QStringLiteral("TempDir")).value_or(QString());
    value = value.trimmed();
    if (value.isEmpty()) {
        m_tempDir = kDefaultTempDir;
        return;
    }
    if (NormalizePath(value))
        m_store.write(Hive::LocalMachine, kRootKey, QStringLiteral("TempDir"), value);
    m_tempDir = value;
}

bool TV2Registry::reportsModule(int module) const
{
    return module == ModuleAD || m_mode == 0 || (m_mode == 1 && module == m_module);
}

bool TV2Registry::readModule(int module)
{
    if (module < kFirstModule || module > kLastModule)
        return true;
    auto& paths = m_modules[module].values;
    paths.fill(QString());
    const QString code = ModuleCode(module);
    const QString key = ModuleKey(module);
    if (!m_store.keyExists(Hive::LocalMachine, key)) {
        if (module == ModuleAD) {
            m_report += QStringLiteral("• brak wpisów w rejestrze dla modułu AD\r\n");
            return false;
        }
        return true;
    }

    const PathCheck checks[] = {
        {QStringLiteral("RootPath"), pkRootPath,
         QStringLiteral("• niepoprawna ścieżka podstawowa (RootPath) dla modułu "),
         QStringLiteral("• brak ścieżki podstawowej (RootPath) dla modułu ")},
        {QStringLiteral("NetFileDir"), pkNetFileDir,
         QStringLiteral("• niepoprawna ścieżka pliku sieciowego (NetFileDir) dla modułu "),
         QStringLiteral("• brak ścieżki pliku sieciowego (NetFileDir) dla modułu ")},
    };
    bool changed = false;
    bool faulty = false;
    for (const PathCheck& check : checks) {
        QString value = m_store.read(Hive::LocalMachine, key, check.name).value_or(QString());
        QString fault;
        if (!value.trimmed().isEmpty()) {
            changed |= NormalizePath(value);
            if (!folderExists(value))
                fault = check.wrongFault;
        } else {
            value.clear();
            fault = check.missingFault;
        }
        paths[check.kind] = value;
        if (!fault.isEmpty() && reportsModule(module)) {
            m_report += fault + code + QStringLiteral("\r\n");
            faulty |= module == ModuleAD;
        }
    }
    paths[pkServerPath] =
        m_store.read(Hive::LocalMachine, key, QStringLiteral("ServerPath")).value_or(QString());
    paths[pkServerName] =
        m_store.read(Hive::LocalMachine, key, QStringLiteral("ServerName")).value_or(QString());

    if (!paths[pkRootPath].isEmpty()) {
        const QString data = JoinPath({paths[pkRootPath], QStringLiteral("DATA"), code});
        paths[pkDataPath] = folderExists(data) ? data : QString();
    }

    if (changed)
        WriteModule(module);
    return !faulty;
}

void TV2Registry::WriteModule(int module)
{
    if (module < kFirstModule || module > kLastModule)
        return;
    const auto& paths = m_modules[module].values;
    const QString key = ModuleKey(module);
    const bool allBlank =
        paths[pkRootPath].trimmed().isEmpty() && paths[pkNetFileDir].trimmed().isEmpty() &&
        paths[pkServerName].trimmed().isEmpty() && paths[pkServerPath].trimmed().isEmpty();
    if (allBlank) {
        m_store.removeKey(Hive::LocalMachine, key);
        return;
    }
    m_store.write(Hive::LocalMachine, key, QStringLiteral("RootPath"), paths[pkRootPath]);
    m_store.write(Hive::LocalMachine, key, QStringLiteral("NetFileDir"), paths[pkNetFileDir]);
    m_store.write(Hive::LocalMachine, key, QStringLiteral("ServerName"), paths[pkServerName]);
    m_store.write(Hive::LocalMachine, key, QStringLiteral("ServerPath"), paths[pkServerPath]);
}

bool TV2Registry::Load()
{
    m_report = kReportHeader;
    readTempDir();
    bool ok = true;
    bool adFailed = false;
    for (int module = 1; module <= 18; ++module) {
        const bool moduleOk = readModule(module);
        if (module == ModuleAD)
            adFailed = !moduleOk;
        ok &= moduleOk;
    }
    if (m_report == kReportHeader || m_mode == 2)
        return ok;
    if (m_module != ModuleAD) {
        m_messages.error(m_report + QStringLiteral("\r\nProszę uruchomić program VORN 2000 "
                                                   "Administrator i poprawić wskazane\r\nwpisy w "
                                                   "rejestrze lub ponownie zainstalować moduł."),
                         QStringLiteral("AD_0010"));
    } else if (adFailed) {
        m_messages.error(m_report +
                             QStringLiteral("\r\nProszę przeprowadzić ponowną instalację systemu "
                                            "VORN 2000."),
                         QStringLiteral("AD_0009"));
    } else {
        m_messages.warning(m_report + QStringLiteral("\r\nPo uruchomieniu programu VORN 2000 "
                                                     "Administrator proszę przejść\r\nna stronę "
                                                     "\"Konfiguracja\" i poprawić wskazane wpisy w "
                                                     "rejestrze."));
    }
    return ok;
}

} // namespace vorn
