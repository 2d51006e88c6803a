#include "FirmCounters.h"

#include "store/Database.h"

#include <algorithm>

namespace vorn::admin {

int FirmCounters::stored(Counter counter)
{
    return m_db
        .scalar(QStringLiteral("SELECT NUMER FROM F00013ST WHERE ID=:id"),
                {{QStringLiteral("id"), int(counter)}})
        .toInt();
}

void FirmCounters::store(Counter counter, int value)
{
    const QVariantMap params{{QStringLiteral("id"), int(counter)}, {QStringLiteral("n"), value}};
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM F00013ST WHERE ID=:id"),
                    {{QStringLiteral("id"), int(counter)}})
            .toInt() == 0)
        m_db.exec(QStringLiteral("INSERT INTO F00013ST (ID, NUMER) VALUES (:id, :n)"), params);
    else
        m_db.exec(QStringLiteral("UPDATE F00013ST SET NUMER=:n WHERE ID=:id"), params);
}

int FirmCounters::next(Counter counter, const QString& table)
{
    const int highest = m_db.scalar(QStringLiteral("SELECT MAX(ID) FROM %1").arg(table)).toInt();
    const int value = std::max(stored(counter), highest) + 1;
    store(counter, value);
    return value;
}

void FirmCounters::catchUp(Counter counter, const QString& table)
{
    const int highest = m_db.scalar(QStringLiteral("SELECT MAX(ID) FROM %1").arg(table)).toInt();
    if (highest > stored(counter))
        store(counter, highest);
}

} // namespace vorn::admin
