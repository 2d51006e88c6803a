#pragma once

#include "depreciation/PlanInputs.h"
#include "depreciation/YearPlan.h"

#include <QString>

namespace vorn::test {

// Calendar fiscal years 2022 .. 2026 numbered by their calendar year.
QList<FiscalYearRow> CalendarYears();
PlanYear CalendarYear(int rok, QDate operationDate = {});
PlanYear YearOf(const QDate& first, const QDate& last, int rok = 1);

// A book-linear, monthly, every-month asset of 12 000,00 at 10 % from 1 January 2024;
// each setter changes one book column.
class AssetBuilder
{
public:
    AssetBuilder();
    AssetBuilder& gross(double v) { return set("WART_ZAKT", v); }
    AssetBuilder& accumulated(double v) { return set("ZAKTUAL_UMORZ", v); }
    AssetBuilder& writeDowns(double v) { return set("ODPISY_AKT", v); }
    AssetBuilder& method(const char* v) { return set("METODA_AMORT", QString::fromLatin1(v)); }
    AssetBuilder& rate(double v) { return set("STAWKA", v); }
    AssetBuilder& coefficient(double v) { return set("WSPOLCZYNNIK", v); }
    AssetBuilder& frequency(const char* v)
    {
        return set("CZESTOTL_ODPISOW", QString::fromLatin1(v));
    }
    AssetBuilder& useMonths(int mask) { return set("MIESIACE_UZYTK", mask); }
    AssetBuilder& start(const QDate& d) { return set("POCZ_AMORTYZACJI", d); }
    AssetBuilder& oneOff(double amount, int mode)
    {
        set("ODPIS_JEDN", amount);
        return set("ODPIS_JEDN_TRYB", mode);
    }
    AssetBuilder& event(Row e)
    {
        m_events.append(std::move(e));
        return *this;
    }
    AssetBuilder& opening(double r)
    {
        m_opening = r;
        return *this;
    }

    const Row& row() const { return m_row; }
    AssetKindInput input(Kind kind = Kind::Book) const;
    YearPlan plan(const PlanYear& year) const { return ComputeYearPlan(year, input()); }

private:
    AssetBuilder& set(const char* column, const QVariant& v)
    {
        m_row.set(QString::fromLatin1(column), v);
        return *this;
    }
    Row m_row;
    QList<Row> m_events;
    double m_opening = 0;
};

// An event row with the slots the depreciation rules read.
Row EventRow(qint64 id, int type, const QDate& data1, double kwota1 = 0);

// The first `n` period amounts of a plan.
std::vector<double> Amounts(const YearPlan& plan);
std::vector<double> Periods(int count, std::initializer_list<std::pair<int, double>> values);
QString Marks(const YearPlan& plan, int count = 12);

} // namespace vorn::test
