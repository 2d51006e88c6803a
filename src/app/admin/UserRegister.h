#pragma once

#include "common/Row.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vorn {
class Database;
}

namespace vorn::admin {

struct NewUser
{
    QString identifier;
    QString name;
    QString password; // empty: the user has no password
    bool administrator = false;
    QString moduleRights; // 255 characters
};

// Who may work: the users (D00013AD), the groups with their module rights (D00005AD) and
// members (D00006AD), and the firm rights of users (D00008AD) and groups (D00003AD).
class UserRegister
{
public:
    // The longest password the login dialog takes.
    static constexpr int kMaxPassword = 8;

    explicit UserRegister(Database& admin) : m_db(admin) {}

    // Adds a user; the password is stored as a salted digest. Returns the user's ID.
    int addUser(const NewUser& user);
    std::optional<Row> findUser(const QString& identifier);
    QList<Row> users();

    // Whether the password is the user's. A password stored as plain text by another tool
    // is accepted once and replaced by its digest.
    bool checkPassword(const QString& identifier, const QString& password);
    // Replaces the password (empty: none).
    void setPassword(const QString& identifier, const QString& password);
    // Identifiers of the users without a password.
    QStringList withoutPassword();

    void addGroup(int group, const QString& moduleRights);
    void addMember(const QString& identifier, int group);

    // Sets (replacing) the rights of a user or a group in one firm of one module.
    void grantUser(const QString& identifier, int module, int firmId, const QString& rights);
    void grantGroup(int group, int module, int firmId, const QString& rights);

private:
    // A user's or group's rights to a firm: the old row (if any) replaced in one transaction.
    void replaceRights(const QString& deleteSql, const QString& insertSql, const QVariantMap& key,
                       const QString& rights);
    Row requireUser(const QString& identifier);
    void requireGroup(int group);

    Database& m_db;
};

// The login identifier as stored: trimmed and upper-cased; refused when empty, longer than
// eight characters or containing blanks.
QString NormalizedIdentifier(const QString& identifier);

} // namespace vorn::admin
