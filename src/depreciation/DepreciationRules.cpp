#include "depreciation/DepreciationRules.h"

#include "common/Money.h"
#include "depreciation/EventSums.h"

#include <algorithm>

namespace vorn {

namespace {

const KindParameters& valuesOf(const AssetKindInput& in, Values values)
{
    return values == Values::Stored ? in.stored : in.current;
}

int monthKey(int year, int month)
{
    return year * 12 + month - 1;
}

bool isQuarterEnd(int month)
{
    return month % 3 == 0;
}

} // namespace

int MonthFactor(const PlanYear& year, const AssetKindInput& in, bool linear)
{
    const FiscalYearContext& c = year.context;
    if (const auto restart = in.restartDate())
        return std::max(MonthSpan(*restart, c.EndDate), 1);
    const QDate& s = in.current.start;
    if (year.contains(s))
        return std::max(MonthSpan(s, c.EndDate), 1);
    if (linear && s > c.EndDate)
        return 1;
    return c.MonthCount;
}

long double LinearAmount(const PlanYear& year, const AssetKindInput& in, bool withCoefficient,
                         int monthCount, Values values)
{
    const KindParameters& p = valuesOf(in, values);
    const int n = monthCount != 0 ? monthCount : MonthFactor(year, in, true);
    const long double c = withCoefficient ? static_cast<long double>(p.coefficient) : 1.0L;
    return static_cast<long double>(p.rate) / 100.0L * p.grossValue * c * n / 12.0L;
}

long double DegressiveAmount(const PlanYear& year, const AssetKindInput& in, long double deducted,
                             int monthCount, Values values)
{
    const KindParameters& p = valuesOf(in, values);
    const int n = monthCount != 0 ? monthCount : MonthFactor(year, in, false);
    return (p.grossValue - deducted) * static_cast<long double>(p.rate) / 100.0L * p.coefficient *
           n / 12.0L;
}

bool UseLinearInstead(const PlanYear& year, const AssetKindInput& in, int rok, bool oneOff,
                      double openingAdjustment)
{
    long double a = in.current.accumulated;
    if (oneOff)
        a -= in.current.oneOffAmount;
    const long double w = YearWriteOffs(in.kind, in.events, year.fiscalYears, rok);
    const long double degressive = DegressiveAmount(year, in, a - w + openingAdjustment, 0);
    const long double linear = LinearAmount(year, in, false, 0);
    return degressive <= linear;
}

UseMonths CountUseMonths(const FiscalYearContext& context, int mask, const QDate& from)
{
    int month = context.StartMonth;
    int length = context.MonthCount;
    if (from.isValid()) {
        month = from.month();
        length = std::max(MonthSpan(from, context.EndDate), 1);
    }
    UseMonths result;
    for (int i = 0; i < length; ++i) {
        const int bit = 1 << (month - 1);
        if (mask & bit) {
            ++result.count;
            result.set |= bit;
        }
        month = month == 12 ? 1 : month + 1;
    }
    return result;
}

MonthlyShare MonthlyAmount(const PlanYear& year, const AssetKindInput& in, long double annual)
{
    QDate from;
    if (const auto restart = in.restartDate())
        from = *restart;
    else if (year.contains(in.current.start))
        from = in.current.start;
    MonthlyShare share;
    share.months = CountUseMonths(year.context, in.current.useMonths, from);
    const int m = share.months.count;
    if (m > 0) {
        share.monthly = RoundAmount(2, annual / m);
        share.remainder = RoundAmount(2, annual - m * static_cast<long double>(share.monthly));
    }
    return share;
}

int FirstPlanPeriod(const PlanYear& year, const AssetKindInput& in)
{
    const auto restart = in.restartDate();
    const QDate s = restart ? *restart : in.current.start;
    if (!year.contains(s))
        return 1;
    return std::max(MonthSpan(year.context.StartDate, s), 1);
}

std::optional<YearMonth> LastUseMonth(const FiscalYearContext& context, int mask)
{
    int month = context.EndMonth;
    int y = context.EndYear;
    for (int i = 0; i < context.MonthCount; ++i) {
        if (mask & (1 << (month - 1)))
            return YearMonth{y, month};
        if (month == 1) {
            month = 12;
            --y;
        } else {
            --month;
        }
    }
    return std::nullopt;
}

bool IsWriteOffMonth(const FiscalYearContext& context, const KindParameters& p, int month, int year)
{
    return !IsFullyDepreciated(p) && IsFrequencyMonth(context, p, month, year);
}

bool IsFrequencyMonth(const FiscalYearContext& context, const KindParameters& p, int month,
                      int year)
{
    const int ys = p.start.year();
    const int ms = p.start.month();
    const bool notBeforeStart = monthKey(year, month) >= monthKey(ys, ms);
    switch (p.frequency) {
    case 'M':
        return notBeforeStart && (p.useMonths & (1 << (month - 1)));
    case 'K':
        return notBeforeStart &&
               (isQuarterEnd(month) || (year == context.EndYear && month == context.EndMonth));
    case 'R':
        if ((year == ys && month < ms) || year != context.EndYear)
            return false;
        return month == context.EndMonth;
    default:
        return false;
    }
}

bool IsFullyDepreciated(const KindParameters& p)
{
    // The sum of two rounded amounts is rounded again so that float noise of the addition
    // (0.10 + 0.20) cannot hide an exact equality in grosze.
    const double covered = RoundAmount(2, static_cast<long double>(RoundAmount(2, p.accumulated)) +
                                              RoundAmount(2, p.writeDowns));
    return RoundAmount(2, p.grossValue) == covered;
}

double RemainingToDepreciate(const KindParameters& p)
{
    return RoundAmount(2, static_cast<long double>(RoundAmount(2, p.grossValue)) -
                              RoundAmount(2, p.accumulated) - RoundAmount(2, p.writeDowns));
}

} // namespace vorn
