#pragma once

#include "common/Dates.h"
#include "depreciation/PlanInputs.h"

#include <optional>

namespace vorn {

// Months of use counted over a range of months, and the calendar months counted
// (bit k-1 for month k): the set the monthly and one-off distributions write into.
struct UseMonths
{
    int count = 0;
    int set = 0;
    bool has(int month) const { return (set >> (month - 1)) & 1; }
};

// The annual amount spread over the months of use: both parts rounded.
struct MonthlyShare
{
    double monthly = 0;
    double remainder = 0;
    UseMonths months;
};

// Number of months the annual amount is scaled by (n / 12): from the start of depreciation
// (or the restart after a change of initial value) to the end of the fiscal year.
int MonthFactor(const PlanYear& year, const AssetKindInput& in, bool linear);

// rate / 100 x gross value x coefficient (or 1) x n / 12, unrounded. A monthCount of 0
// takes n from MonthFactor.
long double LinearAmount(const PlanYear& year, const AssetKindInput& in, bool withCoefficient,
                         int monthCount, Values values = Values::Current);

// (gross value - deducted) x rate / 100 x coefficient x n / 12, unrounded.
long double DegressiveAmount(const PlanYear& year, const AssetKindInput& in, long double deducted,
                             int monthCount, Values values = Values::Current);

// The switch from degressive to linear: the degressive amount on the net value at the start
// of year `rok` no longer exceeds the linear amount without the coefficient.
bool UseLinearInstead(const PlanYear& year, const AssetKindInput& in, int rok, bool oneOff,
                      double openingAdjustment);

// Months of use from the month of `from` to the end of the fiscal year; with a null `from`
// the whole fiscal year.
UseMonths CountUseMonths(const FiscalYearContext& context, int mask, const QDate& from);

MonthlyShare MonthlyAmount(const PlanYear& year, const AssetKindInput& in, long double annual);

// Period in which the year's depreciation starts.
int FirstPlanPeriod(const PlanYear& year, const AssetKindInput& in);

// The last month of use of the fiscal year; nothing when no month of the year is used.
std::optional<YearMonth> LastUseMonth(const FiscalYearContext& context, int mask);

// Whether a write-off falls in calendar month `month` of `year` by the kind's frequency.
bool IsWriteOffMonth(const FiscalYearContext& context, const KindParameters& p, int month,
                     int year);

// The frequency part of IsWriteOffMonth alone, for callers that tested full depreciation
// once for many months.
bool IsFrequencyMonth(const FiscalYearContext& context, const KindParameters& p, int month,
                      int year);

// Rounded gross value equals rounded accumulated depreciation plus rounded write-downs.
bool IsFullyDepreciated(const KindParameters& p);

// Rounded gross value less rounded accumulated depreciation and rounded write-downs.
double RemainingToDepreciate(const KindParameters& p);

} // namespace vorn
