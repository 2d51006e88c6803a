#include "operations/EventWriter.h"

#include "common/EmptyValue.h"
#include "common/Errors.h"
#include "operations/EventSlots.h"
#include "operations/EventTypes.h"
#include "store/BitSelect.h"
#include "store/RowSet.h"

namespace vorn {

bool HasTaxDepreciation(const Row& asset)
{
    return !IsEmptyValue(asset.value(QStringLiteral("POD_METODA_AMORT")), QLatin1Char('S'), true);
}

EventWriter::EventWriter(PlanYear year, EventUser user, std::function<qint64()> nextId,
                         EventSelections selections, std::function<QDateTime()> clock)
    : m_year(std::move(year)), m_user(std::move(user)), m_nextId(std::move(nextId)),
      m_selections(selections), m_clock(std::move(clock))
{
}

qint64 EventWriter::AddEvent(RowSet& events, RowSet& assets, qint64 asset, int type,
                             const EventDialog& dialog, const EventSources& sources)
{
    // Every slot is filled from this asset's own values: a writer that cannot find the
    // asset refuses instead of reading whatever record happens to be current.
    const int assetIndex = assets.indexOfId(asset);
    if (assetIndex < 0)
        throw DataError(
            QStringLiteral("Nie znaleziono środka trwałego o identyfikatorze %1.").arg(asset));

    const qint64 id = m_nextId();
    Row event;
    event.set(QStringLiteral("ID"), id);
    event.set(QStringLiteral("ID_SRODKA"), asset);
    event.set(QStringLiteral("DATA"), m_clock());
    event.set(QStringLiteral("TYP"), type);
    event.set(QStringLiteral("ID_OPERATOR"), m_user.id);
    event.set(QStringLiteral("NAZWAOP"), m_user.name);
    event.set(QStringLiteral("DOKUMENT"), QString());
    event.set(QStringLiteral("KOMENTARZ"), EventComment(type, m_year.context.Year));

    SlotContext context{m_year,
                        dialog,
                        sources,
                        AssetEvents::fromRows(sources.assetEvents),
                        sources.storedAsset,
                        assets.at(assetIndex),
                        Row(),
                        m_selections};
    FillSlots(type, context, event);
    if (!context.assetChanges.values().isEmpty())
        assets.update(assetIndex, context.assetChanges);

    events.append(event);
    if (m_selections.toPost)
        m_selections.toPost->Set(static_cast<int>(id), 1);
    if (type == EventType::PlaceChange) {
        if (m_selections.handOver)
            m_selections.handOver->Set(static_cast<int>(id), 1);
        if (m_selections.markedEvents)
            m_selections.markedEvents->Set(static_cast<int>(id), 0);
    }
    return id;
}

} // namespace vorn
