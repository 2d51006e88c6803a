#include "operations/EventQueries.h"

#include "depreciation/AssetEvents.h"
#include "depreciation/EventSums.h"
#include "store/Database.h"
#include "store/TableDef.h"

#include <QDateTime>
#include <algorithm>

namespace vorn {

namespace {

const QString kEvents = QStringLiteral("F00007ST");

// Stored values are compared as they are: a DATA1 with a time of day lies after that day.
QDateTime moment(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    return QDateTime::fromString(v.toString(), Qt::ISODate);
}

QDateTime dayStart(const QDate& d)
{
    return QDateTime(d, QTime(0, 0));
}

bool matches(const Row& e, const EventFilter& f)
{
    if (e.integer(QStringLiteral("ID_SRODKA")) != f.asset)
        return false;
    if (f.type > 0 && e.integer(QStringLiteral("TYP")) != f.type)
        return false;
    if (!f.withDates)
        return true;
    const QDateTime d = moment(e.value(QStringLiteral("DATA1")));
    const bool beforeTo = d.isValid() && d <= dayStart(f.to);
    if (f.laterThan) {
        const bool inRange = d.isValid() && d > dayStart(f.from) && beforeTo;
        return inRange || e.integer(QStringLiteral("ID")) > *f.laterThan;
    }
    if (!d.isValid())
        return false;
    const bool afterFrom = f.type > 0 ? d >= dayStart(f.from) : d > dayStart(f.from);
    return afterFrom && beforeTo;
}

} // namespace

QDate EverFrom()
{
    return QDate(1899, 12, 30);
}

QDate EverTo()
{
    return EverFrom().addDays(100000);
}

QString EventCondition(const EventFilter& f, QVariantMap* params)
{
    params->insert(QStringLiteral("Ids"), f.asset);
    QString sql = QStringLiteral("ID_SRODKA=:Ids");
    if (f.type > 0) {
        sql += QStringLiteral(" AND TYP=:Typ");
        params->insert(QStringLiteral("Typ"), f.type);
    }
    if (!f.withDates)
        return sql;
    params->insert(QStringLiteral("DataOd"), f.from);
    params->insert(QStringLiteral("DataDo"), f.to);
    if (f.laterThan) {
        params->insert(QStringLiteral("Id"), *f.laterThan);
        return sql + QStringLiteral(" AND ((DATA1>:DataOd AND DATA1<=:DataDo) OR (ID>:Id))");
    }
    if (f.type > 0)
        return sql + QStringLiteral(" AND DATA1>=:DataOd AND DATA1<=:DataDo");
    return sql + QStringLiteral(" AND DATA1>:DataOd AND DATA1<=:DataDo");
}

QList<Row> MatchingEvents(const QList<Row>& events, const EventFilter& filter)
{
    QList<Row> out;
    for (const Row& e : events) {
        if (matches(e, filter))
            out.append(e);
    }
    std::stable_sort(out.begin(), out.end(), [](const Row& a, const Row& b) {
        return a.integer(QStringLiteral("ID")) < b.integer(QStringLiteral("ID"));
    });
    return out;
}

QList<Row> MatchingEvents(Database& db, const EventFilter& filter)
{
    QVariantMap params;
    const QString where = EventCondition(filter, &params);
    return db.rows(QStringLiteral("SELECT * FROM F00007ST WHERE ") + where +
                       QStringLiteral(" ORDER BY ID"),
                   params, FindTable(kEvents));
}

bool EventExists(Database& db, const EventFilter& filter)
{
    QVariantMap params;
    const QString where = EventCondition(filter, &params);
    return db.firstRow(QStringLiteral("SELECT ID FROM F00007ST WHERE ") + where, params)
        .has_value();
}

QList<Row> AssetEventRows(Database& db, qint64 asset)
{
    return db.rows(QStringLiteral("SELECT * FROM F00007ST WHERE ID_SRODKA=:Ids ORDER BY ID"),
                   {{QStringLiteral("Ids"), asset}}, FindTable(kEvents));
}

double YearWriteOffs(Database& db, Kind kind, qint64 asset, int rok)
{
    QList<FiscalYearRow> years;
    const auto row = db.firstRow(
        QStringLiteral(
            "SELECT ROK, DATA_POCZ, DATA_KONCA, ZAMKNIETYDO FROM F00001ST WHERE ROK=:Rok"),
        {{QStringLiteral("Rok"), rok}}, FindTable(QStringLiteral("F00001ST")));
    if (!row)
        return 0.0;
    years.append(FiscalYearRow{rok, row->date(QStringLiteral("DATA_POCZ")),
                               row->date(QStringLiteral("DATA_KONCA")),
                               row->date(QStringLiteral("ZAMKNIETYDO"))});
    return YearWriteOffs(kind, AssetEvents::fromRows(AssetEventRows(db, asset)), years, rok);
}

QString EventText(const Row* event)
{
    if (!event || event->values().isEmpty())
        return {};
    const QString comment = event->str(QStringLiteral("KOMENTARZ"));
    if (event->integer(QStringLiteral("TYP")) == EventType::PlaceChange &&
        event->isNull(QStringLiteral("LONG4")))
        return comment.mid(32);
    return comment;
}

} // namespace vorn
