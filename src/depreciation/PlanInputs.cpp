#include "depreciation/PlanInputs.h"

#include "common/Errors.h"

namespace vorn {

PlanYear PlanYear::make(QList<FiscalYearRow> fiscalYears, int rok, const QDate& operationDate)
{
    for (const FiscalYearRow& row : fiscalYears) {
        if (row.rok != rok)
            continue;
        if (!row.dataPocz.isValid() || !row.dataKonca.isValid() || row.dataKonca < row.dataPocz)
            throw ValidationError(QStringLiteral("Niepoprawne daty roku obrotowego %1.").arg(rok));
        PlanYear year;
        year.context = FiscalYearContext::fromRow(row);
        if (year.context.MonthCount > MaxPeriods)
            throw ValidationError(
                QStringLiteral("Rok obrotowy %1 jest dłuższy niż 24 miesiące.").arg(rok));
        year.fiscalYears = std::move(fiscalYears);
        year.operationDate = operationDate;
        return year;
    }
    throw ValidationError(QStringLiteral("Brak roku obrotowego %1.").arg(rok));
}

YearMonth PlanYear::periodMonth(int period) const
{
    const int index = context.StartMonth - 1 + period - 1;
    return {context.StartYear + index / 12, index % 12 + 1};
}

AssetKindInput AssetKindInput::fromRows(const Row& asset, const Row& storedAsset,
                                        const QList<Row>& events, Kind kind)
{
    AssetKindInput in;
    in.kind = kind;
    in.assetId = asset.integer(QStringLiteral("ID"));
    in.name = asset.str(QStringLiteral("OKRESLENIE"));
    in.current = KindParameters::fromRow(asset, kind);
    in.stored = KindParameters::fromRow(storedAsset, kind);
    in.events = AssetEvents::fromRows(events);
    return in;
}

std::optional<QDate> AssetKindInput::restartDate() const
{
    if (!valueChange.duringChange || !valueChange.fullyDepreciatedBefore)
        return std::nullopt;
    const AssetEvent* change = events.last(EventType::InitialValueChange);
    if (!change)
        return std::nullopt;
    const QDate d = kind == Kind::Book ? change->data3 : change->data4;
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace vorn
