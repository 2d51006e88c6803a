#pragma once

#include "common/Row.h"

#include <QDate>
#include <QList>
#include <vector>

namespace vorn {

// Event types of F00007ST that the depreciation rules read.
namespace EventType {
constexpr int Any = 0;
constexpr int Acceptance = 1;
constexpr int BookPlan = 2;
constexpr int TaxPlan = 3;
constexpr int BookWriteOff = 4;
constexpr int TaxWriteOff = 5;
constexpr int Revaluation = 6;
constexpr int InitialValueChange = 7;
constexpr int Liquidation = 8;
constexpr int Sale = 10;
constexpr int PlaceChange = 11;
constexpr int TaxPlanCorrection = 12;
constexpr int BookPlanCorrection = 13;
constexpr int WriteDown = 14;
constexpr int WriteDownReversal = 15;
} // namespace EventType

// The slots of one event that the depreciation rules need.
struct AssetEvent
{
    qint64 id = 0;
    int type = 0;
    QDate data1; // the operation date
    QDate data3;
    QDate data4;
    double kwota1 = 0;
    double kwota5 = 0;
    double kwota11 = 0;

    static AssetEvent fromRow(const Row& event);
};

// The events of one asset in identifier order, as the rules walk them.
class AssetEvents
{
public:
    AssetEvents() = default;
    explicit AssetEvents(std::vector<AssetEvent> events);
    static AssetEvents fromRows(const QList<Row>& rows);

    const std::vector<AssetEvent>& all() const { return m_events; }
    // The event of the type with the lowest identifier; nullptr when there is none.
    const AssetEvent* first(int type) const;
    // The event of the type with the highest identifier; nullptr when there is none.
    const AssetEvent* last(int type) const;

private:
    std::vector<AssetEvent> m_events;
};

} // namespace vorn
