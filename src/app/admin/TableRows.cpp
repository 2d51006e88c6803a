#include "TableRows.h"

#include "store/Database.h"

#include <QStringList>

namespace vorn::admin {

void InsertRow(Database& db, const QString& table, const QVariantMap& values)
{
    QStringList columns;
    QStringList params;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        columns << it.key();
        params << QLatin1Char(':') + it.key();
    }
    db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, columns.join(QLatin1Char(',')), params.join(QLatin1Char(','))),
            values);
}

int NextFreeId(Database& db, const QString& table, const QString& column)
{
    return db.scalar(QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, table)).toInt() + 1;
}

} // namespace vorn::admin
