#include "store/BitSelect.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <bit>

namespace vorn {

namespace {

int byteOf(int n)
{
    return (n + 7) / 8 - 1;
}

unsigned char maskOf(int n)
{
    return static_cast<unsigned char>(0x80u >> ((n - 1) % 8));
}

} // namespace

TBitSelect::TBitSelect(int recordCount, int defaultVal)
{
    SetDefaultVal(defaultVal);
    SetRecordCount(recordCount);
}

bool TBitSelect::bit(int n) const
{
    return (static_cast<unsigned char>(m_bits.at(byteOf(n))) & maskOf(n)) != 0;
}

void TBitSelect::setBit(int n, bool on)
{
    char& b = m_bits[byteOf(n)];
    b = static_cast<char>(on ? (static_cast<unsigned char>(b) | maskOf(n))
                             : (static_cast<unsigned char>(b) & ~maskOf(n)));
}

void TBitSelect::SetRecordCount(int count)
{
    if (count < 0 || count == m_count)
        return;
    if (count < m_count) {
        for (int n = count + 1; n <= m_count && n % 8 != 1; ++n)
            setBit(n, false);
        m_bits.resize((count + 7) / 8);
        m_count = count;
        return;
    }
    const int old = m_count;
    m_bits.resize((count + 7) / 8, m_default ? '\xff' : '\0');
    // Bits of the old last byte above the old count may hold anything (SetAll fills bytes).
    for (int n = old + 1; n <= count && n % 8 != 1; ++n)
        setBit(n, m_default == 1);
    m_count = count;
}

void TBitSelect::SetDefaultVal(int value)
{
    if (value == 0 || value == 1)
        m_default = value;
}

int TBitSelect::Get(int n)
{
    if (n < 1)
        return m_default;
    if (n > m_count)
        SetRecordCount(n);
    return bit(n) ? 1 : 0;
}

void TBitSelect::Set(int n, int value)
{
    if (n < 1)
        return;
    if (n > m_count)
        SetRecordCount(n);
    if (value == 1 || value == 0)
        setBit(n, value == 1);
}

void TBitSelect::SetAll(int value)
{
    m_bits.fill(value == 1 ? '\xff' : '\0');
}

int TBitSelect::Count() const
{
    int full = m_count / 8;
    int count = 0;
    for (int i = 0; i < full; ++i)
        count += std::popcount(static_cast<unsigned char>(m_bits.at(i)));
    for (int n = full * 8 + 1; n <= m_count; ++n)
        count += bit(n) ? 1 : 0;
    return count;
}

QList<int> TBitSelect::Numbers() const
{
    QList<int> out;
    for (int n = 1; n <= m_count; ++n) {
        if (n % 8 == 1 && m_bits.at(byteOf(n)) == '\0') {
            n += 7;
            continue;
        }
        if (bit(n))
            out << n;
    }
    return out;
}

QString TBitSelect::List() const
{
    QStringList parts;
    for (int n : Numbers())
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

bool TBitSelect::Contains(int value) const
{
    if (value != 0 && value != 1)
        return false;
    for (int n = 1; n <= m_count; ++n)
        if (bit(n) == (value == 1))
            return true;
    return false;
}

bool TBitSelect::MarkFromDataSet(QSqlQuery* dataset, const QString& field, int value)
{
    if (!dataset || !dataset->isActive() || !dataset->isSelect() || dataset->isForwardOnly())
        return false;
    const int column = dataset->record().indexOf(field);
    if (column < 0)
        return false;
    const int saved = dataset->at();
    for (bool ok = dataset->first(); ok; ok = dataset->next()) {
        bool converted = false;
        const QVariant v = dataset->value(column);
        const int n = v.toInt(&converted);
        if (v.isNull() || !converted)
            return false;
        Set(n, value);
    }
    if (saved >= 0)
        dataset->seek(saved);
    return true;
}

bool TBitSelect::MarkFromDataSet(const QList<Row>* rows, const QString& field, int value)
{
    if (!rows)
        return false;
    for (const Row& r : *rows) {
        bool converted = false;
        const QVariant v = r.value(field);
        const int n = v.toInt(&converted);
        if (v.isNull() || !converted)
            return false;
        Set(n, value);
    }
    return true;
}

} // namespace vorn
