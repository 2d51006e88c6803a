#pragma once

#include "common/Row.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QSqlQuery;

namespace vorn {

// A set of record numbers 1 .. RecordCount, one bit each, that carries marked records
// between windows. Eight numbers per byte: number n lies in byte (n + 7) / 8 - 1, the first
// number of a byte in its highest bit. Numbers below 1 lie outside every set; reaching past
// RecordCount grows the set, the new numbers taking DefaultVal.
class TBitSelect
{
public:
    explicit TBitSelect(int recordCount = 0, int defaultVal = 0);

    int RecordCount() const { return m_count; }
    // A negative count is ignored; shrinking clears the numbers above the new count first;
    // growing gives the new numbers DefaultVal.
    void SetRecordCount(int count);
    int DefaultVal() const { return m_default; }
    void SetDefaultVal(int value); // 0 or 1; anything else is ignored

    int Get(int n);
    // Value 1 sets the number, 0 clears it, anything else leaves it.
    void Set(int n, int value);
    // Every byte 255 for value 1, else 0.
    void SetAll(int value);
    int Count() const;
    // The numbers in the set ascending, separated by "," without blanks; for SQL lists such
    // as "ID_SRODKA in (%s)". Only numbers: safe to place in a statement.
    QString List() const;
    QList<int> Numbers() const;
    bool Contains(int value) const;

    // Sets the number in the field of every row to value. False when there is no dataset, it
    // fails, or a value is not an integer: the walk stops there and what was set stays.
    // On success the query is back on the row it was on.
    bool MarkFromDataSet(QSqlQuery* dataset, const QString& field, int value);
    bool MarkFromDataSet(const QList<Row>* rows, const QString& field, int value);

    const QByteArray& Bytes() const { return m_bits; }

private:
    bool bit(int n) const;
    void setBit(int n, bool on);

    QByteArray m_bits;
    int m_count = 0;
    int m_default = 0;
};

} // namespace vorn
