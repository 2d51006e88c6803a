#include "PlanFixture.h"

namespace vorn::test {

QList<FiscalYearRow> CalendarYears()
{
    QList<FiscalYearRow> rows;
    for (int y = 2022; y <= 2026; ++y)
        rows.append(FiscalYearRow{y, QDate(y, 1, 1), QDate(y, 12, 31), QDate(y - 1, 12, 31)});
    return rows;
}

PlanYear CalendarYear(int rok, QDate operationDate)
{
    if (!operationDate.isValid())
        operationDate = QDate(rok, 1, 15);
    return PlanYear::make(CalendarYears(), rok, operationDate);
}

PlanYear YearOf(const QDate& first, const QDate& last, int rok)
{
    return PlanYear::make({FiscalYearRow{rok, first, last, first.addDays(-1)}}, rok, first);
}

AssetBuilder::AssetBuilder()
{
    set("ID", 7);
    set("OKRESLENIE", QStringLiteral("Tokarka"));
    gross(12000.0).accumulated(0.0).writeDowns(0.0).method("L").rate(10.0).coefficient(1.0);
    frequency("M").useMonths(4095).start(QDate(2024, 1, 1)).oneOff(0.0, 0);
}

AssetKindInput AssetBuilder::input(Kind kind) const
{
    AssetKindInput in = AssetKindInput::fromRows(m_row, m_row, m_events, kind);
    in.openingAdjustment = m_opening;
    return in;
}

Row EventRow(qint64 id, int type, const QDate& data1, double kwota1)
{
    Row e;
    e.set(QStringLiteral("ID"), id);
    e.set(QStringLiteral("ID_SRODKA"), 7);
    e.set(QStringLiteral("TYP"), type);
    e.set(QStringLiteral("DATA1"), data1);
    e.set(QStringLiteral("KWOTA1"), kwota1);
    return e;
}

std::vector<double> Amounts(const YearPlan& plan)
{
    return {plan.amounts.begin(), plan.amounts.begin() + plan.monthCount};
}

std::vector<double> Periods(int count, std::initializer_list<std::pair<int, double>> values)
{
    std::vector<double> out(static_cast<size_t>(count), 0.0);
    for (const auto& [period, amount] : values)
        out[static_cast<size_t>(period - 1)] = amount;
    return out;
}

QString Marks(const YearPlan& plan, int count)
{
    return plan.marksText().left(count);
}

} // namespace vorn::test
