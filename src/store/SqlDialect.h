#pragma once

#include "store/TableDef.h"

#include <QSqlError>
#include <QString>
#include <QVariant>
#include <memory>

class QSqlDatabase;

namespace vorn {

// How a database is reached and shared.
struct OpenOptions
{
    // Write-ahead log: faster, but only for data on the machine itself, never on a network
    // share used by several workstations. Off: the rollback journal.
    bool writeAheadLog = false;
    // How long a statement waits for another workstation's write to end.
    int busyTimeoutMs = 5000;
    // Off only for throw-away data (tests): a crash may then lose the last writes.
    bool synchronousWrites = true;
    // Create the scope's schema when the database is new (administration and tests).
    bool createSchema = false;
};

struct ColumnInfo
{
    QString name;
    ColumnType type = ColumnType::Integer;
    int length = 0;
};

// Everything that differs between database engines. The services use only this and
// portable SQL; a new engine is a new dialect.
class SqlDialect
{
public:
    virtual ~SqlDialect() = default;

    virtual QString driverName() const = 0;
    virtual QString databaseName(const QString& folder, const QString& fileName) const = 0;
    virtual void beforeOpen(QSqlDatabase& db, const OpenOptions& options) const = 0;
    virtual void afterOpen(QSqlDatabase& db, const OpenOptions& options) const = 0;

    virtual QString columnType(const ColumnDef& column) const = 0;
    // The index column of a case-insensitive index.
    virtual QString caseInsensitiveColumn(const QString& column) const = 0;
    // Begins a transaction that takes the write lock at once.
    virtual QString beginWrite() const = 0;
    // A condition true when the column equals the parameter, nulls equal to nulls.
    virtual QString nullSafeEquals(const QString& column, const QString& parameter) const = 0;
    // The other side is writing; trying again later may succeed.
    virtual bool isBusy(const QSqlError& error) const = 0;
    // Tables and columns as the database declares them (names in the database's spelling).
    virtual QStringList tables(QSqlDatabase& db) const = 0;
    virtual QList<ColumnInfo> columns(QSqlDatabase& db, const QString& table) const = 0;

    // Values as the database stores them, and back.
    virtual QVariant toDb(const QVariant& value) const = 0;
    virtual QVariant fromDb(const QVariant& value, ColumnType type) const = 0;
};

// SQLite through Qt SQL. Dates are stored as ISO text ("2024-01-31"); a date-time at
// midnight as its day alone, otherwise "2024-01-31 10:15:00", so text order is time order
// and whole days compare with date-times as they do in any other engine.
class SqliteDialect : public SqlDialect
{
public:
    QString driverName() const override;
    QString databaseName(const QString& folder, const QString& fileName) const override;
    void beforeOpen(QSqlDatabase& db, const OpenOptions& options) const override;
    void afterOpen(QSqlDatabase& db, const OpenOptions& options) const override;
    QString columnType(const ColumnDef& column) const override;
    QString caseInsensitiveColumn(const QString& column) const override;
    QString beginWrite() const override;
    QString nullSafeEquals(const QString& column, const QString& parameter) const override;
    bool isBusy(const QSqlError& error) const override;
    QStringList tables(QSqlDatabase& db) const override;
    QList<ColumnInfo> columns(QSqlDatabase& db, const QString& table) const override;
    QVariant toDb(const QVariant& value) const override;
    QVariant fromDb(const QVariant& value, ColumnType type) const override;
};

std::shared_ptr<const SqlDialect> DefaultDialect();

} // namespace vorn
