#include "StoreTestEnv.h"

#include "support/TestEnv.h"

#include <QStringList>

namespace vorn::test {

OpenOptions TestOptions(bool create)
{
    OpenOptions o;
    o.synchronousWrites = false;
    o.createSchema = create;
    return o;
}

std::unique_ptr<Database> FreshScope(Scope scope, const QString& name)
{
    return OpenScope(scope, FreshDir(name), TestOptions());
}

void InsertRow(Database& db, const QString& table, const QVariantMap& values)
{
    QStringList cols;
    QStringList params;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        cols << it.key();
        params << QLatin1Char(':') + it.key();
    }
    db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, cols.join(QLatin1Char(',')), params.join(QLatin1Char(','))),
            values);
}

} // namespace vorn::test
