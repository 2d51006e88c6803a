#include "store/KeyCheck.h"

#include "store/Counters.h"
#include "store/Database.h"

namespace vorn {

namespace {

// Counter and the number of the table whose identifiers it gives.
constexpr int kPairs[][2] = {{1, 4},  {2, 7},  {3, 3},   {4, 2},   {5, 6},   {6, 14}, {7, 16},
                             {10, 8}, {11, 5}, {12, 12}, {15, 11}, {16, 10}, {18, 1}, {19, 17}};

QString tableName(int number)
{
    return QStringLiteral("F%1ST").arg(number, 5, 10, QLatin1Char('0'));
}

// One counter in one short transaction; the report line when it was raised.
QString raiseCounter(Database& db, int counter, const QString& table)
{
    const QVariantMap key{{QStringLiteral("id"), counter}};
    db.beginWrite();
    try {
        // The table name comes from the fixed list above, never from input.
        const qint64 max =
            db.scalar(QStringLiteral("select max(id) as Num from ") + table).toLongLong();
        db.exec(
            QStringLiteral(
                "INSERT INTO F00013ST (ID, NUMER) SELECT CAST(:id AS INTEGER), 0 WHERE NOT EXISTS "
                "(SELECT 1 FROM F00013ST WHERE ID = :id)"),
            key);
        const qint64 old =
            db.scalar(QStringLiteral("SELECT NUMER FROM F00013ST WHERE ID = :id"), key)
                .toLongLong();
        QString line;
        if (old < max) {
            db.exec(QStringLiteral("UPDATE F00013ST SET NUMER = :max WHERE ID = :id AND "
                                   "(NUMER IS NULL OR NUMER < :max)"),
                    {{QStringLiteral("id"), counter}, {QStringLiteral("max"), max}});
            line = QStringLiteral("\"%1\"    %2 > %3").arg(CounterName(counter)).arg(old).arg(max);
        }
        db.commit();
        return line;
    } catch (...) {
        db.rollback();
        throw;
    }
}

} // namespace

CheckReport CheckPrimaryKeys(Database& db, const ReportHeader& header, ProgressSink* progress)
{
    if (progress)
        progress->start(kCheckProgressCaption, QString(), std::size(kPairs));
    QStringList raised;
    for (const auto& pair : kPairs) {
        const QString table = tableName(pair[1]);
        if (progress)
            progress->setText(QStringLiteral("Tabela ") + table);
        try {
            const QString line = raiseCounter(db, pair[0], table);
            if (!line.isEmpty())
                raised << line;
        } catch (const SqlFailure& e) {
            // A table that cannot be read keeps its counter; the next opening tries again.
            // A database held by another workstation would hold every pair: stop waiting.
            if (db.dialect().isBusy(e.sqlError()))
                break;
        } catch (const VornError&) {
        }
        if (progress)
            progress->step();
    }
    if (progress)
        progress->finish();

    CheckReport report;
    report.addHeader(QStringLiteral("Poprawność kluczy głównych"), header);
    if (raised.isEmpty())
        report.add(QStringLiteral("Wszystkie wartości kluczy głównych są poprawne."),
                   ReportStyle::Good);
    else
        report.addSection(QStringLiteral("Poprawione wartości kluczy głównych"), raised,
                          ReportStyle::Fault);
    return report;
}

} // namespace vorn
