#pragma once

#include "store/Schema.h"

#include <memory>

namespace vorn::test {

// Options for throw-away test databases: no waiting for the disk.
OpenOptions TestOptions(bool create = true);

// A new database of the scope with its complete schema, in a fresh folder.
std::unique_ptr<Database> FreshScope(Scope scope, const QString& name);

// Inserts a row into a table; the values keyed by column names.
void InsertRow(Database& db, const QString& table, const QVariantMap& values);

} // namespace vorn::test
