#pragma once

#include <QString>
#include <memory>

namespace vorn {

class Database;
class TV2Registry;
class UserMessages;

// The connection to the Administrator module's tables (users, firms, rights, who works
// now), in the Administrator's data folder.
class TADConnect
{
public:
    TADConnect(TV2Registry& registry, UserMessages& messages);
    ~TADConnect();

    // Names are kept for the suite's sake; cleanLocks removes other engines' lock files
    // from the Administrator's folders first. The private folder TempDir + privateSubfolder
    // is emptied or created.
    bool Connect(const QString& sessionName, const QString& databaseName, bool cleanLocks,
                 const QString& privateSubfolder);
    void Disconnect();
    bool connected() const { return m_db != nullptr; }

    // The open database; throws DataError when not connected.
    Database& db();
    TV2Registry& registry() { return m_registry; }

private:
    TV2Registry& m_registry;
    UserMessages& m_messages;
    std::unique_ptr<Database> m_db;
    QString m_sessionName;
    QString m_databaseName;
};

inline const QString kAdNoAccess =
    QStringLiteral("Brak dostępu do baz danych modułu \"Administrator\"");

} // namespace vorn
