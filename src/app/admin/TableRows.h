#pragma once

#include <QString>
#include <QVariantMap>

namespace vorn {
class Database;
}

namespace vorn::admin {

// Inserts one row; `values` keyed by the table's column names, every value bound.
void InsertRow(Database& db, const QString& table, const QVariantMap& values);

// The table's highest value of `column` + 1 (1 for an empty table), for the tables that
// number their rows that way. `table` and `column` are names from the code, never input.
int NextFreeId(Database& db, const QString& table, const QString& column = QStringLiteral("ID"));

} // namespace vorn::admin
