#include "depreciation/YearPlan.h"

#include "common/Money.h"
#include "depreciation/DepreciationRules.h"
#include "depreciation/EventSums.h"

#include <cmath>
#include <optional>

namespace vorn {

namespace {

// Tolerance that lets the last regular write-off take a remainder of a few grosze.
constexpr long double Slack = 0.1L;

int monthKey(const YearMonth& ym)
{
    return ym.year * 12 + ym.month - 1;
}

int monthKey(const QDate& d)
{
    return d.year() * 12 + d.month() - 1;
}

QDate firstDay(const YearMonth& ym)
{
    return QDate(ym.year, ym.month, 1);
}

// The state of one distribution: the remaining value R, the adjustment r still to be
// given to the first written period, and the final date E.
class Distribution
{
public:
    Distribution(const PlanYear& year, YearPlan& plan, double opening)
        : m_year(year), m_plan(plan), m_remaining(plan.remaining), m_start(plan.remaining),
          m_opening(opening)
    {
    }

    void yearly(long double annual);
    void monthly(const MonthlyShare& share, int firstPeriod, const std::optional<YearMonth>& last);
    void quarterly(const MonthlyShare& share, int firstPeriod);
    int oneOff(const KindParameters& p, int firstPeriod);

    double total() const
    {
        if (m_fixedTotal)
            return *m_fixedTotal;
        return RoundAmount(2, static_cast<long double>(m_start) - m_remaining);
    }
    const QDate& finalDate() const { return m_final; }

private:
    double& amount(int period) { return m_plan.amounts[static_cast<size_t>(period - 1)]; }
    // Writes a period, takes the adjustment and lowers R; true while something is left.
    bool book(int period, double value)
    {
        amount(period) = value;
        m_opening = 0;
        m_remaining = RoundAmount(2, static_cast<long double>(m_remaining) - value);
        return m_remaining > 0;
    }

    const PlanYear& m_year;
    YearPlan& m_plan;
    double m_remaining;
    double m_start;
    double m_opening;
    QDate m_final;
    std::optional<double> m_fixedTotal;
};

void Distribution::yearly(long double annual)
{
    if (m_remaining <= 0)
        return;
    const int last = m_plan.monthCount;
    const long double due = annual + m_opening;
    const double value = due > m_remaining ? RoundAmount(2, m_remaining) : static_cast<double>(due);
    amount(last) = value;
    m_remaining = static_cast<double>(static_cast<long double>(m_remaining) - value);
    m_fixedTotal = RoundAmount(2, value);
    m_final = m_year.context.EndDate;
}

void Distribution::monthly(const MonthlyShare& share, int firstPeriod,
                           const std::optional<YearMonth>& last)
{
    const long double monthly = share.monthly;
    const long double remainder = share.remainder;
    for (int i = firstPeriod; i <= m_plan.monthCount && m_remaining > 0; ++i) {
        const YearMonth ym = m_year.periodMonth(i);
        if (!share.months.has(ym.month))
            continue;
        double value;
        if (std::fabs(remainder) + monthly + m_opening + Slack >= m_remaining) {
            value = m_remaining;
            m_final = firstDay(ym);
        } else if (last && *last == ym) {
            value = static_cast<double>(m_opening + remainder + monthly);
            m_final = firstDay(ym);
        } else {
            value = static_cast<double>(monthly + m_opening);
        }
        if (!book(i, value))
            break;
    }
}

void Distribution::quarterly(const MonthlyShare& share, int firstPeriod)
{
    const long double monthly = share.monthly;
    const long double remainder = share.remainder;
    const int n = m_plan.monthCount;
    const int startMonth = m_year.periodMonth(firstPeriod).month;
    long double k = 3 - (startMonth - 1) % 3;
    // Periods since the last quarter end written (or since the first period): the length of
    // a closing part-quarter when the fiscal year does not end on a quarter end.
    int openMonths = 0;
    for (int i = firstPeriod; i <= n && m_remaining > 0; ++i) {
        const YearMonth ym = m_year.periodMonth(i);
        ++openMonths;
        if (ym.month % 3 == 0) {
            double value;
            if (m_remaining <= monthly + std::fabs(remainder) + m_opening + Slack) {
                value = m_remaining;
                m_final = firstDay(ym);
            } else {
                value = static_cast<double>(k * monthly + m_opening);
                if (std::fabs(remainder) + value + Slack >= m_remaining) {
                    value = m_remaining;
                    m_final = firstDay(ym);
                }
            }
            if (!book(i, value))
                break;
            if (i == n) {
                // The remainder of the year closes the last quarter; it is part of the
                // year's total like every other amount written.
                amount(i) = static_cast<double>(value + remainder);
                m_remaining = RoundAmount(2, static_cast<long double>(m_remaining) - remainder);
                m_final = firstDay(ym);
            }
            k = 3;
            openMonths = 0;
        } else if (i == n) {
            long double due = openMonths * monthly + remainder + m_opening;
            if (std::fabs(due) + Slack >= m_remaining) {
                due = m_remaining;
                m_final = firstDay(ym);
            }
            book(i, static_cast<double>(due));
        }
    }
}

int Distribution::oneOff(const KindParameters& p, int firstPeriod)
{
    m_final = m_year.context.EndDate;
    if (m_remaining <= 0)
        return firstPeriod;
    const long double due = static_cast<long double>(p.oneOffAmount) + m_opening;
    const double value = due > m_remaining ? RoundAmount(2, m_remaining) : static_cast<double>(due);
    int period = 0;
    if (p.frequency == 'R') {
        period = m_plan.monthCount;
    } else {
        const int allowed = p.frequency == 'M'
                                ? CountUseMonths(m_year.context, p.useMonths, QDate()).set
                                : (1 << 2) | (1 << 5) | (1 << 8) | (1 << 11);
        for (int i = firstPeriod; i <= m_plan.monthCount; ++i) {
            if (allowed & (1 << (m_year.periodMonth(i).month - 1))) {
                period = i;
                break;
            }
        }
    }
    if (period == 0)
        return firstPeriod;
    amount(period) = value;
    m_remaining = static_cast<double>(static_cast<long double>(m_remaining) - value);
    // The period that carries the write-off is where the marking starts: it is the write-off
    // month and every later one is done.
    return period;
}

void markPeriods(const PlanYear& year, const KindParameters& p, YearPlan& plan, int firstPeriod,
                 const QDate& final, bool oneOffRule)
{
    if (IsFullyDepreciated(p))
        return;
    for (int i = firstPeriod; i <= plan.monthCount; ++i) {
        const YearMonth ym = year.periodMonth(i);
        if (!IsFrequencyMonth(year.context, p, ym.month, ym.year))
            continue;
        char mark = PeriodMark::WriteOff;
        if (final.isValid()) {
            const bool afterFinal = monthKey(ym) > monthKey(final);
            if (afterFinal || (oneOffRule && i > firstPeriod))
                mark = PeriodMark::Done;
        }
        plan.marks[static_cast<size_t>(i - 1)] = mark;
    }
}

long double annualAmount(const PlanYear& year, const AssetKindInput& in, double x0)
{
    const KindParameters& p = in.current;
    const double r = in.openingAdjustment;
    switch (p.method) {
    case 'L':
        return LinearAmount(year, in, true, 0);
    case 'D':
        if (p.coefficient == 1.0)
            return LinearAmount(year, in, false, 0);
        if (UseLinearInstead(year, in, year.context.Year, p.oneOffAmount > 0, r))
            return LinearAmount(year, in, false, 0);
        return DegressiveAmount(year, in, static_cast<long double>(x0) + r, 0);
    default:
        return 0.0L;
    }
}

} // namespace

double YearPlan::sum() const
{
    long double s = 0.0L;
    for (int i = 0; i < monthCount; ++i)
        s += amounts[static_cast<size_t>(i)];
    return static_cast<double>(s);
}

QString YearPlan::marksText() const
{
    return QString::fromLatin1(marks.data(), MaxPeriods);
}

QString YearPlan::storedText() const
{
    return QString::fromLatin1(stored.data(), MaxPeriods);
}

YearPlan ComputeYearPlan(const PlanYear& year, const AssetKindInput& in)
{
    const KindParameters& p = in.current;
    YearPlan plan;
    plan.assetId = in.assetId;
    plan.name = in.name;
    plan.rok = year.context.Year;
    plan.monthCount = std::min<int>(year.context.MonthCount, MaxPeriods);
    plan.grossValue = p.grossValue;
    plan.remaining = RemainingToDepreciate(p);
    plan.stored.fill(PeriodMark::None);
    plan.marks.fill(PeriodMark::None);

    const double x0 = RoundAmount(2, in.stored.accumulated);
    double degressiveBase = x0;
    const bool firstYear =
        OneOffInPlanYear(in.kind, in.events, year.fiscalYears, year.operationDate);
    Distribution d(year, plan, in.openingAdjustment);
    long double annual = 0.0L;

    if (p.oneOffAmount > 0) {
        if (firstYear && p.oneOffMode == 1) {
            const int period = d.oneOff(p, FirstPlanPeriod(year, in));
            markPeriods(year, p, plan, period, d.finalDate(), true);
            plan.startAccumulated = x0;
            plan.yearTotal = d.total();
            plan.endAccumulated = x0 + plan.yearTotal;
            return plan;
        }
        if (firstYear && p.oneOffMode == 2)
            annual = p.oneOffAmount;
        else if (!firstYear && p.method == 'D')
            degressiveBase = x0 - p.oneOffAmount;
    }
    if (annual == 0.0L)
        annual = annualAmount(year, in, degressiveBase);

    int firstPeriod = 1;
    if (p.frequency == 'R') {
        d.yearly(annual);
    } else if (p.frequency == 'M' || p.frequency == 'K') {
        const MonthlyShare share = MonthlyAmount(year, in, annual);
        firstPeriod = FirstPlanPeriod(year, in);
        if (p.frequency == 'M')
            d.monthly(share, firstPeriod, LastUseMonth(year.context, p.useMonths));
        else
            d.quarterly(share, firstPeriod);
    }
    markPeriods(year, p, plan, firstPeriod, d.finalDate(), false);

    plan.startAccumulated = x0;
    plan.yearTotal = d.total();
    plan.endAccumulated = x0 + plan.yearTotal;
    return plan;
}

} // namespace vorn
