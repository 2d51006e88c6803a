#include "store/Database.h"

#include "store/TableDef.h"

#include <QAtomicInteger>
#include <QRegularExpression>
#include <QSqlRecord>

namespace vorn {

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("vorn-store-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QVariant readValue(const SqlDialect& dialect, const QVariant& raw, const QString& column,
                   const TableDef* table)
{
    if (table) {
        if (const ColumnDef* c = table->column(column))
            return dialect.fromDb(raw, c->type);
    }
    if (raw.isNull())
        return QVariant();
    if (raw.typeId() == QMetaType::QString && IsDateColumnName(column)) {
        const QString s = raw.toString();
        return dialect.fromDb(raw, s.size() > 10 ? ColumnType::DateTime : ColumnType::Date);
    }
    return raw;
}

} // namespace

Database::Database(Scope scope, const QString& folder, std::shared_ptr<const SqlDialect> dialect,
                   const OpenOptions& options)
    : m_scope(scope), m_folder(folder), m_connection(nextConnectionName()),
      m_dialect(std::move(dialect))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(m_dialect->driverName(), m_connection);
    db.setDatabaseName(m_dialect->databaseName(folder, ScopeFileName(scope)));
    m_dialect->beforeOpen(db, options);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw SqlFailure(error.text(), error);
    }
    try {
        m_dialect->afterOpen(db, options);
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (m_inTransaction)
            QSqlQuery(QStringLiteral("ROLLBACK"), db);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connection, false);
}

QSqlQuery Database::exec(const QString& sql, const QVariantMap& params)
{
    // Named parameters: ":name", not a "::" cast and not inside a word.
    static const QRegularExpression placeholder(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    QStringList names;
    for (auto m = placeholder.globalMatch(sql); m.hasNext();) {
        const QString name = m.next().captured(1);
        if (!params.contains(name))
            throw DataError(QStringLiteral("Brak wartości parametru :%1.").arg(name));
        if (!names.contains(name))
            names << name;
    }
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw SqlFailure(q.lastError().text(), q.lastError());
    for (const QString& name : names)
        q.bindValue(QLatin1Char(':') + name, m_dialect->toDb(params.value(name)));
    if (!q.exec())
        throw SqlFailure(q.lastError().text(), q.lastError());
    return q;
}

Row Database::rowFromRecord(const QSqlQuery& query, const TableDef* table) const
{
    const QSqlRecord rec = query.record();
    Row row;
    for (int i = 0; i < rec.count(); ++i) {
        const QString name = rec.fieldName(i).toUpper();
        row.set(name, readValue(*m_dialect, query.value(i), name, table));
    }
    return row;
}

QList<Row> Database::rows(const QString& sql, const QVariantMap& params, const TableDef* table)
{
    QSqlQuery q = exec(sql, params);
    QList<Row> out;
    while (q.next())
        out << rowFromRecord(q, table);
    return out;
}

std::optional<Row> Database::firstRow(const QString& sql, const QVariantMap& params,
                                      const TableDef* table)
{
    QSqlQuery q = exec(sql, params);
    if (!q.next())
        return std::nullopt;
    return rowFromRecord(q, table);
}

QVariant Database::scalar(const QString& sql, const QVariantMap& params)
{
    QSqlQuery q = exec(sql, params);
    if (!q.next())
        return QVariant();
    const QVariant v = q.value(0);
    return v.isNull() ? QVariant() : v;
}

void Database::beginWrite()
{
    if (m_inTransaction)
        throw DataError(QStringLiteral("Transakcja jest już rozpoczęta."));
    exec(m_dialect->beginWrite());
    m_inTransaction = true;
}

void Database::commit()
{
    exec(QStringLiteral("COMMIT"));
    m_inTransaction = false;
}

void Database::rollback()
{
    m_inTransaction = false;
    QSqlQuery q(handle());
    q.exec(QStringLiteral("ROLLBACK"));
}

bool Database::hasTable(const QString& table) const
{
    QSqlDatabase db = handle();
    for (const QString& t : m_dialect->tables(db))
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace vorn
