#include "store/SqlDialect.h"

#include "common/Errors.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace vorn {

namespace {

const QString kDateForm = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeForm = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kDateTimeMsForm = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

void execPragma(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DataError(q.lastError().text());
}

QDateTime parseDateTime(const QString& s)
{
    if (s.size() == 10)
        return QDateTime(QDate::fromString(s, kDateForm), QTime(0, 0));
    QString t = s;
    t.replace(QLatin1Char('T'), QLatin1Char(' '));
    QDateTime dt = QDateTime::fromString(t.left(23), kDateTimeMsForm);
    if (!dt.isValid())
        dt = QDateTime::fromString(t.left(19), kDateTimeForm);
    return dt;
}

} // namespace

QString SqliteDialect::driverName() const
{
    return QStringLiteral("QSQLITE");
}

QString SqliteDialect::databaseName(const QString& folder, const QString& fileName) const
{
    return QDir(folder).filePath(fileName);
}

void SqliteDialect::beforeOpen(QSqlDatabase& db, const OpenOptions& options) const
{
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options.busyTimeoutMs));
}

void SqliteDialect::afterOpen(QSqlDatabase& db, const OpenOptions& options) const
{
    execPragma(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(options.busyTimeoutMs));
    execPragma(db, options.writeAheadLog ? QStringLiteral("PRAGMA journal_mode = WAL")
                                         : QStringLiteral("PRAGMA journal_mode = DELETE"));
    execPragma(db, options.synchronousWrites ? QStringLiteral("PRAGMA synchronous = FULL")
                                             : QStringLiteral("PRAGMA synchronous = OFF"));
}

QString SqliteDialect::columnType(const ColumnDef& column) const
{
    switch (column.type) {
    case ColumnType::Integer:
        return QStringLiteral("INTEGER");
    case ColumnType::Text:
        return QStringLiteral("VARCHAR(%1)").arg(column.length);
    case ColumnType::Float:
        return QStringLiteral("DOUBLE PRECISION");
    case ColumnType::Date:
        return QStringLiteral("DATE");
    case ColumnType::DateTime:
        return QStringLiteral("TIMESTAMP");
    case ColumnType::Memo:
        return QStringLiteral("TEXT");
    }
    return {};
}

QString SqliteDialect::caseInsensitiveColumn(const QString& column) const
{
    return column + QStringLiteral(" COLLATE NOCASE");
}

QString SqliteDialect::beginWrite() const
{
    return QStringLiteral("BEGIN IMMEDIATE");
}

QString SqliteDialect::nullSafeEquals(const QString& column, const QString& parameter) const
{
    return column + QStringLiteral(" IS ") + parameter;
}

bool SqliteDialect::isBusy(const QSqlError& error) const
{
    // SQLITE_BUSY and SQLITE_LOCKED, also in their extended forms.
    const int code = error.nativeErrorCode().toInt();
    return (code & 0xff) == 5 || (code & 0xff) == 6;
}

QStringList SqliteDialect::tables(QSqlDatabase& db) const
{
    return db.tables(QSql::Tables);
}

QList<ColumnInfo> SqliteDialect::columns(QSqlDatabase& db, const QString& table) const
{
    static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"));
    QSqlQuery q(db);
    // A table name cannot be bound; only names of the fixed layout come here.
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        throw DataError(q.lastError().text());
    QList<ColumnInfo> out;
    while (q.next()) {
        ColumnInfo c;
        c.name = q.value(1).toString();
        const QString type = q.value(2).toString().toUpper();
        if (type == QLatin1String("INTEGER"))
            c.type = ColumnType::Integer;
        else if (type == QLatin1String("DOUBLE PRECISION"))
            c.type = ColumnType::Float;
        else if (type == QLatin1String("DATE"))
            c.type = ColumnType::Date;
        else if (type == QLatin1String("TIMESTAMP"))
            c.type = ColumnType::DateTime;
        else if (type == QLatin1String("TEXT"))
            c.type = ColumnType::Memo;
        else if (const auto m = varchar.match(type); m.hasMatch()) {
            c.type = ColumnType::Text;
            c.length = m.captured(1).toInt();
        } else
            throw DataError(
                QStringLiteral("Nieznany typ kolumny %1.%2: %3").arg(table, c.name, type));
        out << c;
    }
    return out;
}

QVariant SqliteDialect::toDb(const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return value;
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(kDateForm);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        const QTime t = dt.time();
        if (t == QTime(0, 0))
            return dt.date().toString(kDateForm);
        return dt.toString(t.msec() ? kDateTimeMsForm : kDateTimeForm);
    }
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

QVariant SqliteDialect::fromDb(const QVariant& value, ColumnType type) const
{
    if (!value.isValid() || value.isNull())
        return QVariant(); // a null of every type reads as the same null
    switch (type) {
    case ColumnType::Integer:
        return value.toLongLong();
    case ColumnType::Float:
        return value.toDouble();
    case ColumnType::Text:
    case ColumnType::Memo:
        return value.toString();
    case ColumnType::Date: {
        const QString s = value.toString();
        return s.size() >= 10 ? QVariant(QDate::fromString(s.left(10), kDateForm)) : QVariant();
    }
    case ColumnType::DateTime: {
        const QDateTime dt = parseDateTime(value.toString());
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    }
    return value;
}

std::shared_ptr<const SqlDialect> DefaultDialect()
{
    static const auto dialect = std::make_shared<SqliteDialect>();
    return dialect;
}

} // namespace vorn
