#include "store/RowSet.h"

#include "common/Errors.h"
#include "store/Database.h"

#include <algorithm>

namespace vorn {

namespace {

const TableDef& tableOrThrow(const QString& name)
{
    const TableDef* t = FindTable(name);
    if (!t)
        throw DataError(QStringLiteral("Nieznana tabela: ") + name);
    return *t;
}

QDateTime toDateTime(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        if (s.size() == 10)
            return QDateTime(QDate::fromString(s, Qt::ISODate), QTime(0, 0));
        return QDateTime::fromString(s, Qt::ISODate);
    }
    return v.toDateTime();
}

} // namespace

QVariant CoerceValue(const ColumnDef& column, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (column.type) {
    case ColumnType::Integer:
        return value.toLongLong();
    case ColumnType::Float:
        return value.toDouble();
    case ColumnType::Text:
        // A text column holds at most its length, as the fixed-width field always did.
        return value.toString().left(column.length);
    case ColumnType::Memo:
        return value.toString();
    case ColumnType::Date: {
        QDate d;
        if (value.typeId() == QMetaType::QDateTime)
            d = value.toDateTime().date();
        else if (value.typeId() == QMetaType::QString)
            d = QDate::fromString(value.toString().left(10), Qt::ISODate);
        else
            d = value.toDate();
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case ColumnType::DateTime: {
        const QDateTime dt = toDateTime(value);
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    }
    return value;
}

Row CoerceRow(const TableDef& table, const Row& row)
{
    Row out;
    for (auto it = row.values().constBegin(); it != row.values().constEnd(); ++it) {
        const ColumnDef* c = table.column(it.key());
        if (!c)
            throw DataError(
                QStringLiteral("Tabela %1 nie ma kolumny %2.").arg(table.name, it.key()));
        out.set(c->name.toUpper(), CoerceValue(*c, it.value()));
    }
    return out;
}

RowSet::RowSet(const QString& table) : m_table(&tableOrThrow(table)) {}

int RowSet::load(Database& db, const QString& where, const QVariantMap& params,
                 const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT * FROM ") + m_table->name;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    const QList<Row> read = db.rows(sql, params, m_table);
    for (const Row& r : read)
        adopt(r);
    return static_cast<int>(read.size());
}

int RowSet::adopt(const Row& stored)
{
    const Row r = CoerceRow(*m_table, stored);
    m_rows.append({r, r, false, m_nextOrder++});
    return size() - 1;
}

QList<Row> RowSet::rows() const
{
    QList<Row> out;
    for (const Entry& e : m_rows)
        out << e.current;
    return out;
}

int RowSet::indexOfId(qint64 id) const
{
    for (int i = 0; i < size(); ++i)
        if (!m_rows[i].current.isNull(QStringLiteral("ID")) &&
            m_rows[i].current.integer(QStringLiteral("ID")) == id)
            return i;
    return -1;
}

int RowSet::indexWhere(const std::function<bool(const Row&)>& test, int from) const
{
    for (int i = std::max(from, 0); i < size(); ++i)
        if (test(m_rows[i].current))
            return i;
    return -1;
}

void RowSet::setValue(int i, const QString& column, const QVariant& value)
{
    const ColumnDef* c = m_table->column(column);
    if (!c)
        throw DataError(QStringLiteral("Tabela %1 nie ma kolumny %2.").arg(m_table->name, column));
    m_rows[i].current.set(c->name.toUpper(), CoerceValue(*c, value));
}

void RowSet::update(int i, const Row& row)
{
    const Row r = CoerceRow(*m_table, row);
    for (auto it = r.values().constBegin(); it != r.values().constEnd(); ++it)
        m_rows[i].current.set(it.key(), it.value());
}

int RowSet::append(const Row& row)
{
    m_rows.append({Row(), CoerceRow(*m_table, row), true, m_nextOrder++});
    return size() - 1;
}

void RowSet::remove(int i)
{
    Entry e = m_rows.takeAt(i);
    if (!e.inserted)
        m_removed.append(e);
}

void RowSet::clear()
{
    while (!m_rows.isEmpty())
        remove(size() - 1);
}

bool RowSet::hasChanges() const
{
    if (!m_removed.isEmpty())
        return true;
    for (const Entry& e : m_rows)
        if (e.inserted || !(e.current == e.original))
            return true;
    return false;
}

QList<RowSet::Change> RowSet::changes() const
{
    QList<Change> out;
    for (const Entry& e : m_removed)
        out.append({Change::Delete, e.original, e.original});
    for (const Entry& e : m_rows)
        if (!e.inserted && !(e.current == e.original))
            out.append({Change::Update, e.original, e.current});
    for (const Entry& e : m_rows)
        if (e.inserted)
            out.append({Change::Insert, Row(), e.current});
    return out;
}

void RowSet::cancel()
{
    QList<Entry> kept;
    for (Entry& e : m_rows) {
        if (e.inserted)
            continue;
        e.current = e.original;
        kept.append(e);
    }
    for (const Entry& e : m_removed)
        kept.append(e);
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Entry& a, const Entry& b) { return a.order < b.order; });
    m_rows = kept;
    m_removed.clear();
}

void RowSet::accept()
{
    for (Entry& e : m_rows) {
        e.original = e.current;
        e.inserted = false;
    }
    m_removed.clear();
}

} // namespace vorn
