#include "store/SaveOperation.h"

#include "common/Messages.h"
#include "store/Database.h"

namespace vorn {

namespace {

QString keyText(const TableDef& table, const Row& row)
{
    QStringList parts;
    for (const QString& k : table.primaryKey)
        parts << k + QStringLiteral(" = ") + row.value(k.toUpper()).toString();
    return parts.join(QStringLiteral(", "));
}

// The condition that finds a row by every value it was read with.
QString sameAsRead(const Database& db, const Row& original, QVariantMap& params)
{
    QStringList conds;
    int n = 0;
    for (auto it = original.values().constBegin(); it != original.values().constEnd(); ++it) {
        const QString p = QStringLiteral("o%1").arg(n++);
        conds << db.dialect().nullSafeEquals(it.key(), QLatin1Char(':') + p);
        params.insert(p, it.value());
    }
    return conds.join(QStringLiteral(" AND "));
}

void expectOneRow(const TableDef& table, const Row& original, QSqlQuery& q)
{
    if (q.numRowsAffected() != 1)
        throw ConflictError(
            QStringLiteral("Rekord tabeli %1 (%2) został zmieniony lub usunięty przez innego "
                           "użytkownika.")
                .arg(table.name, keyText(table, original)));
}

void applyChange(Database& db, const TableDef& table, const RowSet::Change& c)
{
    QVariantMap params;
    switch (c.kind) {
    case RowSet::Change::Insert: {
        QStringList cols, values;
        int n = 0;
        for (auto it = c.current.values().constBegin(); it != c.current.values().constEnd(); ++it) {
            const QString p = QStringLiteral("v%1").arg(n++);
            cols << it.key();
            values << QLatin1Char(':') + p;
            params.insert(p, it.value());
        }
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table.name, cols.join(QLatin1Char(',')), values.join(QLatin1Char(','))),
                params);
        return;
    }
    case RowSet::Change::Update: {
        QStringList sets;
        int n = 0;
        for (auto it = c.current.values().constBegin(); it != c.current.values().constEnd(); ++it) {
            if (c.original.has(it.key()) && c.original.value(it.key()) == it.value())
                continue;
            const QString p = QStringLiteral("v%1").arg(n++);
            sets << it.key() + QStringLiteral(" = :") + p;
            params.insert(p, it.value());
        }
        const QString where = sameAsRead(db, c.original, params);
        QSqlQuery q = db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                  .arg(table.name, sets.join(QStringLiteral(", ")), where),
                              params);
        expectOneRow(table, c.original, q);
        return;
    }
    case RowSet::Change::Delete: {
        const QString where = sameAsRead(db, c.original, params);
        QSqlQuery q =
            db.exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(table.name, where), params);
        expectOneRow(table, c.original, q);
        return;
    }
    }
}

void cancelAll(const QList<RowSet*>& sets)
{
    for (RowSet* s : sets)
        s->cancel();
}

} // namespace

void ApplyChanges(Database& db, const QList<RowSet*>& sets)
{
    bool any = false;
    for (const RowSet* s : sets)
        any = any || s->hasChanges();
    if (!any)
        return;
    db.beginWrite();
    try {
        for (const RowSet* s : sets)
            for (const RowSet::Change& c : s->changes())
                applyChange(db, s->table(), c);
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    for (RowSet* s : sets)
        s->accept();
}

bool SaveOperation(Database& db, const QList<RowSet*>& sets, bool commit, bool ask,
                   UserMessages& messages)
{
    if (!commit) {
        if (ask && !messages.question(kUnsavedDataQuestion, DefaultAnswer::No))
            return false;
        cancelAll(sets);
        return true;
    }
    try {
        ApplyChanges(db, sets);
        return true;
    } catch (const VornError& e) {
        InfoWindowRequest w;
        w.caption = kCaptionError;
        w.text = kSaveConflictText;
        w.info = QStringList{e.message()};
        w.iconType = IconType::itError;
        messages.infoWindow(w);
    }
    cancelAll(sets);
    return false;
}

} // namespace vorn
