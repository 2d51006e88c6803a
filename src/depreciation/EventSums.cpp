#include "depreciation/EventSums.h"

#include "common/Money.h"

namespace vorn {

namespace {

const FiscalYearRow* yearByNumber(const QList<FiscalYearRow>& fiscalYears, int rok)
{
    for (const FiscalYearRow& row : fiscalYears) {
        if (row.rok == rok)
            return &row;
    }
    return nullptr;
}

const FiscalYearRow* yearHolding(const QList<FiscalYearRow>& fiscalYears, const QDate& date)
{
    for (const FiscalYearRow& row : fiscalYears) {
        if (row.dataPocz <= date && date <= row.dataKonca)
            return &row;
    }
    return nullptr;
}

bool within(const FiscalYearRow& row, const QDate& date)
{
    return row.dataPocz <= date && date <= row.dataKonca;
}

} // namespace

double YearWriteOffs(Kind kind, const AssetEvents& events, const QList<FiscalYearRow>& fiscalYears,
                     int rok)
{
    const FiscalYearRow* row = yearByNumber(fiscalYears, rok);
    if (!row)
        return 0.0;
    const int writeOffType = kind == Kind::Book ? EventType::BookWriteOff : EventType::TaxWriteOff;
    long double sum = 0.0L;
    for (const AssetEvent& e : events.all()) {
        if (e.type == writeOffType && within(*row, e.data1))
            sum += e.kwota1;
    }
    double s = static_cast<double>(sum);
    for (const AssetEvent& e : events.all()) {
        if (e.type != EventType::Revaluation || !within(*row, e.data1))
            continue;
        const double index = kind == Kind::Book ? e.kwota5 : e.kwota11;
        s = RoundAmount(2, static_cast<long double>(s) * index);
    }
    return s;
}

bool OneOffInPlanYear(Kind kind, const AssetEvents& events, const QList<FiscalYearRow>& fiscalYears,
                      const QDate& operationDate)
{
    const bool book = kind == Kind::Book;
    const AssetEvent* plan = events.first(book ? EventType::BookPlan : EventType::TaxPlan);
    if (!plan)
        return true;
    // A first plan dated outside every fiscal year of the table cannot be the plan being
    // computed; its one-off write-off is taken as spent.
    const FiscalYearRow* firstYear = yearHolding(fiscalYears, plan->data1);
    if (!firstYear || operationDate > firstYear->dataKonca)
        return false;
    const AssetEvent* writeOff =
        events.first(book ? EventType::BookWriteOff : EventType::TaxWriteOff);
    if (!writeOff)
        return true;
    return within(*firstYear, writeOff->data1);
}

} // namespace vorn
