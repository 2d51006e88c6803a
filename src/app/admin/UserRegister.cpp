#include "UserRegister.h"

#include "TableRows.h"
#include "common/Errors.h"
#include "shell/PasswordHash.h"
#include "store/Database.h"
#include "store/TableDef.h"

namespace vorn::admin {

namespace {

const QString kUsers = QStringLiteral("D00013AD");

} // namespace

QString NormalizedIdentifier(const QString& identifier)
{
    const QString id = identifier.trimmed().toUpper();
    if (id.isEmpty())
        throw ValidationError(QStringLiteral("Należy podać identyfikator użytkownika."));
    if (id.size() > 8)
        throw ValidationError(
            QStringLiteral("Identyfikator użytkownika może mieć najwyżej 8 znaków."));
    for (const QChar c : id)
        if (c.isSpace())
            throw ValidationError(
                QStringLiteral("Identyfikator użytkownika nie może zawierać odstępów."));
    return id;
}

namespace {

// The login compares trimmed passwords, so that is what is kept.
QString acceptedPassword(const QString& password)
{
    const QString trimmed = password.trimmed();
    if (trimmed.size() > UserRegister::kMaxPassword)
        throw ValidationError(
            QStringLiteral("Hasło może mieć najwyżej %1 znaków.").arg(UserRegister::kMaxPassword));
    return trimmed;
}

// No password stays empty: the login lets a lone user without one in directly.
QString storedPassword(const QString& password)
{
    return password.isEmpty() ? QString() : HashPassword(password);
}

} // namespace

int UserRegister::addUser(const NewUser& user)
{
    const QString id = NormalizedIdentifier(user.identifier);
    const QString name = user.name.trimmed();
    if (name.isEmpty())
        throw ValidationError(QStringLiteral("Należy podać nazwę użytkownika."));
    if (name.size() > 40)
        throw ValidationError(QStringLiteral("Nazwa użytkownika może mieć najwyżej 40 znaków."));
    const QString password = acceptedPassword(user.password);
    if (findUser(id))
        throw ValidationError(
            QStringLiteral("Użytkownik o identyfikatorze \"%1\" już istnieje.").arg(id));
    const int userId = NextFreeId(m_db, kUsers);
    InsertRow(m_db, kUsers,
              {{QStringLiteral("ID"), userId},
               {QStringLiteral("IDENTYFIKATOR"), id},
               {QStringLiteral("NAZWA"), name},
               {QStringLiteral("HASLO"), storedPassword(password)},
               {QStringLiteral("CZYADMIN"),
                user.administrator ? QStringLiteral("T") : QStringLiteral("N")},
               {QStringLiteral("OPCJEAD"), user.moduleRights}});
    return userId;
}

std::optional<Row> UserRegister::findUser(const QString& identifier)
{
    return m_db.firstRow(
        QStringLiteral("SELECT * FROM D00013AD WHERE UPPER(TRIM(IDENTYFIKATOR))=:id"),
        {{QStringLiteral("id"), identifier.trimmed().toUpper()}}, FindTable(kUsers));
}

QList<Row> UserRegister::users()
{
    return m_db.rows(QStringLiteral("SELECT * FROM D00013AD ORDER BY IDENTYFIKATOR"), {},
                     FindTable(kUsers));
}

Row UserRegister::requireUser(const QString& identifier)
{
    const auto user = findUser(identifier);
    if (!user)
        throw ValidationError(QStringLiteral("Nie znaleziono użytkownika o identyfikatorze \"%1\".")
                                  .arg(identifier.trimmed().toUpper()));
    return *user;
}

bool UserRegister::checkPassword(const QString& identifier, const QString& password)
{
    const Row user = requireUser(identifier);
    const QString typed = password.trimmed();
    const PasswordCheck check = VerifyPassword(user.str(QStringLiteral("HASLO")), typed);
    if (check.matches && check.needsRehash && !typed.isEmpty())
        m_db.exec(QStringLiteral("UPDATE D00013AD SET HASLO=:h WHERE ID=:id"),
                  {{QStringLiteral("h"), HashPassword(typed)},
                   {QStringLiteral("id"), user.integer(QStringLiteral("ID"))}});
    return check.matches;
}

void UserRegister::setPassword(const QString& identifier, const QString& password)
{
    const Row user = requireUser(identifier);
    m_db.exec(QStringLiteral("UPDATE D00013AD SET HASLO=:h WHERE ID=:id"),
              {{QStringLiteral("h"), storedPassword(acceptedPassword(password))},
               {QStringLiteral("id"), user.integer(QStringLiteral("ID"))}});
}

QStringList UserRegister::withoutPassword()
{
    QStringList out;
    for (const Row& user : users())
        if (user.str(QStringLiteral("HASLO")).trimmed().isEmpty())
            out << user.str(QStringLiteral("IDENTYFIKATOR")).trimmed();
    return out;
}

void UserRegister::requireGroup(int group)
{
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM D00005AD WHERE id=:g"),
                    {{QStringLiteral("g"), group}})
            .toInt() == 0)
        throw ValidationError(QStringLiteral("Nie znaleziono grupy nr %1.").arg(group));
}

void UserRegister::addGroup(int group, const QString& moduleRights)
{
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM D00005AD WHERE id=:g"),
                    {{QStringLiteral("g"), group}})
            .toInt() > 0)
        throw ValidationError(QStringLiteral("Grupa nr %1 już istnieje.").arg(group));
    InsertRow(m_db, QStringLiteral("D00005AD"),
              {{QStringLiteral("id"), group}, {QStringLiteral("opcjead"), moduleRights}});
}

void UserRegister::addMember(const QString& identifier, int group)
{
    const Row user = requireUser(identifier);
    requireGroup(group);
    const QVariantMap key{{QStringLiteral("u"), user.integer(QStringLiteral("ID"))},
                          {QStringLiteral("g"), group}};
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM D00006AD WHERE uzytkid=:u AND "
                                   "grupaid=:g"),
                    key)
            .toInt() == 0)
        m_db.exec(QStringLiteral("INSERT INTO D00006AD (uzytkid, grupaid) VALUES (:u, :g)"), key);
}

void UserRegister::replaceRights(const QString& deleteSql, const QString& insertSql,
                                 const QVariantMap& key, const QString& rights)
{
    m_db.beginWrite();
    try {
        m_db.exec(deleteSql, key);
        QVariantMap row = key;
        row.insert(QStringLiteral("r"), rights);
        m_db.exec(insertSql, row);
        m_db.commit();
    } catch (...) {
        m_db.rollback();
        throw;
    }
}

void UserRegister::grantUser(const QString& identifier, int module, int firmId,
                             const QString& rights)
{
    const Row user = requireUser(identifier);
    replaceRights(QStringLiteral("DELETE FROM D00008AD WHERE modulid=:m AND firmaid=:f AND "
                                 "uzytkownikid=:u"),
                  QStringLiteral("INSERT INTO D00008AD (modulid, firmaid, uzytkownikid, "
                                 "uprawnienia) VALUES (:m, :f, :u, :r)"),
                  {{QStringLiteral("m"), module},
                   {QStringLiteral("f"), firmId},
                   {QStringLiteral("u"), user.integer(QStringLiteral("ID"))}},
                  rights);
}

void UserRegister::grantGroup(int group, int module, int firmId, const QString& rights)
{
    requireGroup(group);
    replaceRights(
        QStringLiteral("DELETE FROM D00003AD WHERE grupaid=:g AND modulid=:m AND firmaid=:f"),
        QStringLiteral("INSERT INTO D00003AD (grupaid, modulid, firmaid, uprawnienia) "
                       "VALUES (:g, :m, :f, :r)"),
        {{QStringLiteral("g"), group},
         {QStringLiteral("m"), module},
         {QStringLiteral("f"), firmId}},
        rights);
}

} // namespace vorn::admin
