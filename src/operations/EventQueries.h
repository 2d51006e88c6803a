#pragma once

#include "common/Row.h"
#include "depreciation/KindParameters.h"

#include <QDate>
#include <QList>
#include <QVariantMap>
#include <optional>

namespace vorn {

class Database;

// Bounds that callers pass to mean "ever": day 0 and day 100000 of the serial calendar.
QDate EverFrom();
QDate EverTo();

// Which events of an asset a date check looks for. With a type, both bounds of DATA1 are
// inclusive; for any type (0) the lower bound is exclusive. With `laterThan` an event also
// matches when its ID is higher, whatever its date (the lower bound then exclusive for every
// type). Without withDates only the asset and the type count.
struct EventFilter
{
    qint64 asset = 0;
    int type = 0;
    QDate to;
    QDate from;
    bool withDates = false;
    std::optional<qint64> laterThan;
};

// The condition of the filter as SQL over F00007ST, its values in `params`.
QString EventCondition(const EventFilter& filter, QVariantMap* params);

// The matching rows in ID order, from the asset's events as read, or from the database.
QList<Row> MatchingEvents(const QList<Row>& events, const EventFilter& filter);
QList<Row> MatchingEvents(Database& db, const EventFilter& filter);

inline bool EventExists(const QList<Row>& events, const EventFilter& filter)
{
    return !MatchingEvents(events, filter).isEmpty();
}
bool EventExists(Database& db, const EventFilter& filter);

// Any event of the asset dated after the day.
inline EventFilter AnyEventAfter(qint64 asset, const QDate& day)
{
    return EventFilter{asset, 0, EverTo(), day, true, std::nullopt};
}

// The asset's events in ID order.
QList<Row> AssetEventRows(Database& db, qint64 asset);

// The kind's write-offs of fiscal year `rok` (see the depreciation rules), read from the
// firm's fiscal years and the asset's events.
double YearWriteOffs(Database& db, Kind kind, qint64 asset, int rok);

// The text shown for an event in lists: KOMENTARZ, for a change of place without its first
// 32 characters (the analytic numbers); empty without an event.
QString EventText(const Row* event);

} // namespace vorn
