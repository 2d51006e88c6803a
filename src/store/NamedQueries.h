#pragma once

#include "common/Row.h"
#include "store/RowSet.h"

#include <QStringList>
#include <QVariantMap>

namespace vorn {

class Database;

// The statements the operations share, by the names the rest of the program uses
// ("qryPlanAmortyzacji"), with their named parameters (":ids", ":irok"). Parameters are always
// bound; a statement whose parameter has no value fails instead of reading a null.
QStringList NamedQueryNames();
QString NamedQuerySql(const QString& name); // DataError for an unknown name
// Whether the result is edited and written back (through a RowSet).
bool NamedQueryIsLive(const QString& name);

QList<Row> RunNamedQuery(Database& db, const QString& name, const QVariantMap& params);
// A live query's rows, ready for changes and SaveOperation.
RowSet LoadNamedRowSet(Database& db, const QString& name, const QVariantMap& params);

// A statement kept as numbered lines, for the two statements whose lines callers replace by
// number (the browser's conditions, the event date condition). Only conditions the program
// builds itself, with named parameters, may go into a line; never text a user typed.
class LineQuery
{
public:
    explicit LineQuery(QStringList lines) : m_lines(std::move(lines)) {}
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    const QString& line(int i) const { return m_lines.at(i); }
    void setLine(int i, const QString& text) { m_lines[i] = text; }
    QString sql() const;

private:
    QStringList m_lines;
};

// qrySrodkiFiltr, lines 0 .. 24: 2 the tables, 6 the tree node's condition, 7 the
// classification, 8 the asset state, 9 the acceptance date, 10 the order.
LineQuery SrodkiFiltrQuery();
// qryJestWydarzenie, lines 0 .. 6: 6 the date condition.
LineQuery JestWydarzenieQuery();

} // namespace vorn
