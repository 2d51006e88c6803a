#pragma once

#include "store/Database.h"

#include <QString>
#include <functional>
#include <memory>

namespace vorn {

// The firm data version written to `verinf`: the version this program expects.
constexpr int kFirmDataVersion = 10;

// A numbered change of a scope's layout. Version 1 creates the base tables; every later
// change of a table is a new step with the next number, so databases of every age upgrade.
struct SchemaStep
{
    int version;
    QString description;
    std::function<void(Database&)> apply;
};

const QList<SchemaStep>& SchemaSteps(Scope scope);
int LatestSchemaVersion(Scope scope);
// The version a database has reached; 0 for an empty one.
int StoredSchemaVersion(Database& db);

// Creates every table and index of the database's scope (and, for a firm, the version row
// of `verinf`) in one transaction. The database must be empty.
void CreateScopeSchema(Database& db);
// Runs the steps above the stored version, each in its own transaction.
void UpgradeScopeSchema(Database& db);

// Opens the database of a scope in its folder. Every table of the scope must exist;
// the first missing one fails with "Błąd podczas otwierania tabeli\r\nOpis: " + its name.
// With options.createSchema a new database gets the scope's schema first. Opening a firm
// opens its counters, which repairs them silently (CheckPrimaryKeys).
std::unique_ptr<Database> OpenScope(Scope scope, const QString& folder,
                                    const OpenOptions& options = {},
                                    std::shared_ptr<const SqlDialect> dialect = DefaultDialect());

QString TableOpenError(const QString& table);

// The data version `Wersja` of the firm whose folder is given; -1 when the database or its
// version record cannot be read.
int FirmDataVersion(const QString& firmFolder, const OpenOptions& options = {},
                    std::shared_ptr<const SqlDialect> dialect = DefaultDialect());

} // namespace vorn
