#pragma once

#include "common/Errors.h"
#include "common/Row.h"
#include "store/Scope.h"
#include "store/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantMap>
#include <memory>
#include <optional>

namespace vorn {

struct TableDef;

// A statement the database refused; carries the database's own error.
class SqlFailure : public DataError
{
public:
    SqlFailure(const QString& message, const QSqlError& error) : DataError(message), m_error(error)
    {
    }
    const QSqlError& sqlError() const { return m_error; }

private:
    QSqlError m_error;
};

// One open database of one scope: its own Qt connection, closed with the object.
class Database
{
public:
    Database(Scope scope, const QString& folder, std::shared_ptr<const SqlDialect> dialect,
             const OpenOptions& options);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Scope scope() const { return m_scope; }
    const QString& folder() const { return m_folder; }
    const SqlDialect& dialect() const { return *m_dialect; }
    QSqlDatabase handle() const;

    // Runs one statement. Every write of the program goes through here, so stored values
    // keep the one form the dialect gives them (the optimistic checks compare them). Every
    // value is bound to its named parameter (":name" in the text);
    // nothing is pasted into the text. Throws SqlFailure with the database's text.
    QSqlQuery exec(const QString& sql, const QVariantMap& params = {});
    // The rows of a query, keyed by upper-case column names. With the table the values take
    // the table's column types; without, columns of date name are read back as dates.
    QList<Row> rows(const QString& sql, const QVariantMap& params = {},
                    const TableDef* table = nullptr);
    std::optional<Row> firstRow(const QString& sql, const QVariantMap& params = {},
                                const TableDef* table = nullptr);
    // The first column of the first row; null when there is no row.
    QVariant scalar(const QString& sql, const QVariantMap& params = {});
    Row rowFromRecord(const QSqlQuery& query, const TableDef* table) const;

    // One write transaction at a time per connection.
    void beginWrite();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    bool hasTable(const QString& table) const;

private:
    Scope m_scope;
    QString m_folder;
    QString m_connection;
    std::shared_ptr<const SqlDialect> m_dialect;
    bool m_inTransaction = false;
};

} // namespace vorn
