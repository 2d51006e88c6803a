#include "common/FiscalYear.h"

#include "common/Dates.h"

#include <algorithm>

namespace vorn {

FiscalYearContext FiscalYearContext::fromRow(const FiscalYearRow& row)
{
    FiscalYearContext c;
    c.Year = row.rok;
    c.StartDate = row.dataPocz;
    c.EndDate = row.dataKonca;
    c.StartYear = static_cast<quint16>(row.dataPocz.year());
    c.StartMonth = static_cast<quint16>(row.dataPocz.month());
    c.EndYear = static_cast<quint16>(row.dataKonca.year());
    c.EndMonth = static_cast<quint16>(row.dataKonca.month());
    c.MonthCount = static_cast<quint16>(std::max(MonthSpan(row.dataPocz, row.dataKonca), 1));
    c.ClosedTo = row.zamknietyDo;
    return c;
}

std::optional<FiscalYearRow> FiscalYearOf(const FiscalYearTable& table, const QDate& date)
{
    const auto rows = table.fiscalYears();
    for (const FiscalYearRow& row : rows) {
        if (row.dataPocz <= date && date <= row.dataKonca)
            return row;
    }
    return std::nullopt;
}

bool InFiscalYear(const FiscalYearContext& context, const FiscalYearTable& table, bool useOther,
                  const QDate& reference, const QDate& date)
{
    if (!useOther)
        return context.StartDate <= date && date <= context.EndDate;
    const auto row = FiscalYearOf(table, reference);
    if (!row)
        return false;
    return row->dataPocz <= date && date <= row->dataKonca;
}

} // namespace vorn
