#include "depreciation/AssetEvents.h"

#include <algorithm>

namespace vorn {

AssetEvent AssetEvent::fromRow(const Row& event)
{
    AssetEvent e;
    e.id = event.integer(QStringLiteral("ID"));
    e.type = static_cast<int>(event.integer(QStringLiteral("TYP")));
    e.data1 = event.date(QStringLiteral("DATA1"));
    e.data3 = event.date(QStringLiteral("DATA3"));
    e.data4 = event.date(QStringLiteral("DATA4"));
    e.kwota1 = event.num(QStringLiteral("KWOTA1"));
    e.kwota5 = event.num(QStringLiteral("KWOTA5"));
    e.kwota11 = event.num(QStringLiteral("KWOTA11"));
    return e;
}

AssetEvents::AssetEvents(std::vector<AssetEvent> events) : m_events(std::move(events))
{
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const AssetEvent& a, const AssetEvent& b) { return a.id < b.id; });
}

AssetEvents AssetEvents::fromRows(const QList<Row>& rows)
{
    std::vector<AssetEvent> events;
    events.reserve(static_cast<size_t>(rows.size()));
    for (const Row& row : rows)
        events.push_back(AssetEvent::fromRow(row));
    return AssetEvents(std::move(events));
}

const AssetEvent* AssetEvents::first(int type) const
{
    for (const AssetEvent& e : m_events) {
        if (e.type == type)
            return &e;
    }
    return nullptr;
}

const AssetEvent* AssetEvents::last(int type) const
{
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->type == type)
            return &*it;
    }
    return nullptr;
}

} // namespace vorn
