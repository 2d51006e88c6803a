#pragma once

#include "common/Row.h"
#include "store/TableDef.h"

#include <QList>
#include <QVariantMap>
#include <functional>

namespace vorn {

class Database;

// Converts a row to the table's column types, with upper-case keys. A column the table does
// not have is a programming fault and throws DataError.
Row CoerceRow(const TableDef& table, const Row& row);
QVariant CoerceValue(const ColumnDef& column, const QVariant& value);

// The rows of one table that an operation read, with its changes kept in memory until
// SaveOperation writes them (or they are cancelled). Queries of the database see only stored
// rows; the operation's own edits are here. Every value takes its column's type.
class RowSet
{
public:
    struct Change
    {
        enum Kind
        {
            Insert,
            Update,
            Delete
        } kind;
        Row original; // as read: the optimistic check of Update and Delete
        Row current;
    };

    explicit RowSet(const QString& table);

    const TableDef& table() const { return *m_table; }

    // Adds (never merges) the stored rows of the table that meet the condition (portable SQL with
    // named parameters; empty: all rows), in the given order.
    int load(Database& db, const QString& where = {}, const QVariantMap& params = {},
             const QString& orderBy = QStringLiteral("ID"));
    // A row read by another query, as stored.
    int adopt(const Row& stored);

    int size() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const Row& at(int i) const { return m_rows.at(i).current; }
    QList<Row> rows() const;
    // Position of the row whose ID is given; -1 when none.
    int indexOfId(qint64 id) const;
    // Position of the first row from `from` on that meets the test; -1 when none.
    int indexWhere(const std::function<bool(const Row&)>& test, int from = 0) const;

    void setValue(int i, const QString& column, const QVariant& value);
    void update(int i, const Row& row); // the row's columns replace the current ones
    int append(const Row& row);         // a new row
    void remove(int i);
    void clear(); // removes every row (deletes the stored ones)

    bool hasChanges() const;
    QList<Change> changes() const; // deletes, then updates, then inserts
    // Back to the stored rows: edits undone, new rows dropped, removed rows back.
    void cancel();
    // After a successful save the current rows are the stored rows.
    void accept();

private:
    struct Entry
    {
        Row original;
        Row current;
        bool inserted = false;
        int order = 0; // place among the stored rows, kept through a cancel
    };
    const TableDef* m_table;
    QList<Entry> m_rows;
    QList<Entry> m_removed;
    int m_nextOrder = 0;
};

} // namespace vorn
