#pragma once

#include "store/Scope.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vorn {

// Logical column types; the dialect maps them to the engine's own.
enum class ColumnType
{
    Integer,  // 32-bit signed
    Text,     // at most `length` characters
    Float,    // IEEE double; money in zloty
    Date,     // a day
    DateTime, // day and time
    Memo      // text of any length
};

struct ColumnDef
{
    QString name;
    ColumnType type = ColumnType::Integer;
    int length = 0; // Text only
};

struct IndexDef
{
    QString name;
    QStringList columns;
    bool caseInsensitive = false; // on the one text column of the index
};

struct TableDef
{
    QString name;
    Scope scope = Scope::Firm;
    QList<ColumnDef> columns;
    QStringList primaryKey;
    QList<IndexDef> indexes;

    const ColumnDef* column(const QString& name) const;
    QStringList columnNames() const;
};

// The layout that schema version 1 creates. Frozen: a later change is a numbered upgrade
// step (Schema.cpp), never an edit here.
const QList<TableDef>& BaseTables();

// A table of the base layout by name, case-insensitively; nullptr when unknown.
const TableDef* FindTable(const QString& name);

QList<const TableDef*> ScopeTables(Scope scope);

// Whether any table keeps a column of this name as a date or a date-time: values of such
// columns read by free queries are turned back into dates.
bool IsDateColumnName(const QString& column);

QString ColumnTypeName(ColumnType type);

} // namespace vorn
