#include "shell/AdConnect.h"

#include "common/Errors.h"
#include "common/Messages.h"
#include "common/Paths.h"
#include "shell/LoginSupport.h"
#include "shell/Registry.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace vorn {

TADConnect::TADConnect(TV2Registry& registry, UserMessages& messages)
    : m_registry(registry), m_messages(messages)
{
}

TADConnect::~TADConnect() = default;

bool TADConnect::Connect(const QString& sessionName, const QString& databaseName, bool cleanLocks,
                         const QString& privateSubfolder)
{
    if (m_db)
        return true;
    const QString dataPath = m_registry.Path(ModuleAD, pkDataPath);
    try {
        m_sessionName = sessionName;
        m_databaseName = databaseName;
        if (cleanLocks)
            DeleteLockFiles(m_registry.Path(ModuleAD, pkNetFileDir), false);
        const QString privateFolder = JoinPath({m_registry.TempDir(), privateSubfolder});
        if (!ResetPrivateFolder(privateFolder))
            throw DataError(QStringLiteral("Błąd tworzenia katalogów dla sesji programu.") +
                            privateFolder);
        if (dataPath.isEmpty())
            throw DataError(QStringLiteral("Brak ścieżki danych modułu AD."));
        if (cleanLocks)
            DeleteLockFiles(dataPath, true);
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0130"), kAdNoAccess, e.message());
        return false;
    }
    try {
        m_db = OpenScope(Scope::Admin, dataPath);
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0131"), kAdNoAccess, e.message());
        return false;
    }
    return true;
}

void TADConnect::Disconnect()
{
    m_db.reset();
}

Database& TADConnect::db()
{
    if (!m_db)
        throw DataError(kAdNoAccess);
    return *m_db;
}

} // namespace vorn
