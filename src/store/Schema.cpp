#include "store/Schema.h"

#include "store/KeyCheck.h"
#include "store/TableDef.h"

#include <QDir>
#include <QFileInfo>

namespace vorn {

namespace {

const QString kVersionTable = QStringLiteral("VORNSCHEMA");

QString createTableSql(const SqlDialect& dialect, const TableDef& table)
{
    QStringList parts;
    for (const ColumnDef& c : table.columns)
        parts << c.name + QLatin1Char(' ') + dialect.columnType(c);
    if (!table.primaryKey.isEmpty())
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(table.primaryKey.join(QLatin1Char(',')));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, parts.join(QStringLiteral(", ")));
}

QString createIndexSql(const SqlDialect& dialect, const TableDef& table, const IndexDef& index)
{
    QStringList cols;
    for (const QString& c : index.columns)
        cols << (index.caseInsensitive ? dialect.caseInsensitiveColumn(c) : c);
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(index.name, table.name, cols.join(QLatin1Char(',')));
}

void createBaseTables(Database& db)
{
    for (const TableDef* t : ScopeTables(db.scope())) {
        db.exec(createTableSql(db.dialect(), *t));
        for (const IndexDef& i : t->indexes)
            db.exec(createIndexSql(db.dialect(), *t, i));
    }
    if (db.scope() == Scope::Firm)
        db.exec(QStringLiteral("INSERT INTO verinf (Wersja) VALUES (:w)"),
                {{QStringLiteral("w"), kFirmDataVersion}});
}

QList<SchemaStep> stepsOf(Scope)
{
    return {{1, QStringLiteral("Tabele podstawowe"), createBaseTables}};
}

void writeVersion(Database& db, int version)
{
    db.exec(QStringLiteral("DELETE FROM %1").arg(kVersionTable));
    db.exec(QStringLiteral("INSERT INTO %1 (VERSION) VALUES (:v)").arg(kVersionTable),
            {{QStringLiteral("v"), version}});
}

} // namespace

const QList<SchemaStep>& SchemaSteps(Scope scope)
{
    static const QList<SchemaStep> firm = stepsOf(Scope::Firm);
    static const QList<SchemaStep> global = stepsOf(Scope::Global);
    static const QList<SchemaStep> admin = stepsOf(Scope::Admin);
    switch (scope) {
    case Scope::Firm:
        return firm;
    case Scope::Global:
        return global;
    case Scope::Admin:
        break;
    }
    return admin;
}

int LatestSchemaVersion(Scope scope)
{
    return SchemaSteps(scope).isEmpty() ? 0 : SchemaSteps(scope).last().version;
}

int StoredSchemaVersion(Database& db)
{
    if (!db.hasTable(kVersionTable))
        return 0;
    return db.scalar(QStringLiteral("SELECT MAX(VERSION) FROM %1").arg(kVersionTable)).toInt();
}

void CreateScopeSchema(Database& db)
{
    if (StoredSchemaVersion(db) != 0)
        throw DataError(QStringLiteral("Baza danych zawiera już tabele."));
    UpgradeScopeSchema(db);
}

void UpgradeScopeSchema(Database& db)
{
    const int stored = StoredSchemaVersion(db);
    for (const SchemaStep& step : SchemaSteps(db.scope())) {
        if (step.version <= stored)
            continue;
        db.beginWrite();
        try {
            if (!db.hasTable(kVersionTable))
                db.exec(QStringLiteral("CREATE TABLE %1 (VERSION INTEGER)").arg(kVersionTable));
            step.apply(db);
            writeVersion(db, step.version);
            db.commit();
        } catch (...) {
            db.rollback();
            throw;
        }
    }
}

QString TableOpenError(const QString& table)
{
    return QStringLiteral("Błąd podczas otwierania tabeli") + QStringLiteral("\r\n") +
           QStringLiteral("Opis: ") + table;
}

std::unique_ptr<Database> OpenScope(Scope scope, const QString& folder, const OpenOptions& options,
                                    std::shared_ptr<const SqlDialect> dialect)
{
    const QList<const TableDef*> tables = ScopeTables(scope);
    const QString file = dialect->databaseName(folder, ScopeFileName(scope));
    if (!options.createSchema && !QFileInfo::exists(file))
        throw DataError(TableOpenError(tables.first()->name));
    if (options.createSchema)
        QDir().mkpath(folder);

    auto db = std::make_unique<Database>(scope, folder, dialect, options);
    if (options.createSchema && StoredSchemaVersion(*db) == 0)
        CreateScopeSchema(*db);
    for (const TableDef* t : tables)
        if (!db->hasTable(t->name))
            throw DataError(TableOpenError(t->name));
    if (scope == Scope::Firm)
        CheckPrimaryKeys(*db, ReportHeader{});
    return db;
}

int FirmDataVersion(const QString& firmFolder, const OpenOptions& options,
                    std::shared_ptr<const SqlDialect> dialect)
{
    if (!QFileInfo::exists(dialect->databaseName(firmFolder, ScopeFileName(Scope::Firm))))
        return -1;
    try {
        Database db(Scope::Firm, firmFolder, dialect, options);
        const QVariant v = db.scalar(QStringLiteral("SELECT Wersja FROM verinf"));
        return v.isValid() ? v.toInt() : -1;
    } catch (const VornError&) {
        return -1;
    }
}

} // namespace vorn
