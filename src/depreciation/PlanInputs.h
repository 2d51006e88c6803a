#pragma once

#include "common/Dates.h"
#include "common/FiscalYear.h"
#include "depreciation/AssetEvents.h"
#include "depreciation/KindParameters.h"

#include <QDate>
#include <QList>
#include <optional>

namespace vorn {

// Longest fiscal year the plans can hold: one amount per period, 24 periods.
constexpr int MaxPeriods = 24;

// What every asset's computation in one fiscal year shares: the working fiscal year, the
// firm's fiscal-year table and the date of the running operation.
struct PlanYear
{
    FiscalYearContext context;
    QList<FiscalYearRow> fiscalYears;
    QDate operationDate;

    // Context of year `rok` of the table; throws ValidationError when the table has no such
    // year or the year is longer than MaxPeriods months.
    static PlanYear make(QList<FiscalYearRow> fiscalYears, int rok, const QDate& operationDate);

    // Calendar month of period 1 .. MonthCount.
    YearMonth periodMonth(int period) const;
    bool contains(const QDate& date) const
    {
        return context.StartDate <= date && date <= context.EndDate;
    }
};

// A plan recomputed inside a change of initial value of an asset that was fully
// depreciated before it restarts from the first write-off date recorded in the change's
// event; both conditions must hold.
struct ValueChangeReplan
{
    bool duringChange = false;
    bool fullyDepreciatedBefore = false;
};

// One asset and one kind as the computation sees it: the values being edited, the same
// asset as stored before the running operation, its events and the caller's adjustments.
struct AssetKindInput
{
    Kind kind = Kind::Book;
    qint64 assetId = 0;
    QString name;
    KindParameters current;
    KindParameters stored;
    AssetEvents events;
    double openingAdjustment = 0;
    ValueChangeReplan valueChange;

    static AssetKindInput fromRows(const Row& asset, const Row& storedAsset,
                                   const QList<Row>& events, Kind kind);

    // The first write-off date after a change of initial value, when the plan restarts
    // from it (see ValueChangeReplan); nothing otherwise.
    std::optional<QDate> restartDate() const;
};

// Which values the annual amounts are computed from.
enum class Values
{
    Current, // as being edited
    Stored   // as before the running operation
};

} // namespace vorn
