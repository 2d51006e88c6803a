#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace vorn {

// One record of a table, its values keyed by the table's column names (upper case, as the
// schema writes them: WART_ZAKT, DATA_NABYCIA). A column that is absent or holds a null
// QVariant is null. Typed getters give the column's value or the stated default when null.
class Row
{
public:
    Row() = default;
    explicit Row(QVariantMap values) : m_values(std::move(values)) {}

    bool has(const QString& column) const { return m_values.contains(column); }
    bool isNull(const QString& column) const
    {
        const auto it = m_values.constFind(column);
        return it == m_values.constEnd() || !it->isValid() || it->isNull();
    }
    QVariant value(const QString& column) const { return m_values.value(column); }

    double num(const QString& column, double fallback = 0.0) const
    {
        return isNull(column) ? fallback : m_values.value(column).toDouble();
    }
    qint64 integer(const QString& column, qint64 fallback = 0) const
    {
        return isNull(column) ? fallback : m_values.value(column).toLongLong();
    }
    QString str(const QString& column) const
    {
        return isNull(column) ? QString() : m_values.value(column).toString();
    }
    QChar chr(const QString& column) const
    {
        const QString s = str(column);
        return s.isEmpty() ? QChar() : s.at(0);
    }
    QDate date(const QString& column) const
    {
        if (isNull(column))
            return {};
        const QVariant v = m_values.value(column);
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        if (v.typeId() == QMetaType::QString)
            return QDate::fromString(v.toString().left(10), Qt::ISODate);
        return v.toDate();
    }

    void set(const QString& column, const QVariant& value) { m_values.insert(column, value); }
    void setNull(const QString& column) { m_values.insert(column, QVariant()); }

    const QVariantMap& values() const { return m_values; }
    QStringList columns() const { return m_values.keys(); }
    bool operator==(const Row& other) const { return m_values == other.m_values; }

private:
    QVariantMap m_values;
};

} // namespace vorn
