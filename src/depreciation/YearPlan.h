#pragma once

#include "depreciation/PlanInputs.h"

#include <array>

namespace vorn {

// Marks of a period in a year plan: a write-off month, a write-off month after the
// depreciation is complete, not a write-off month.
namespace PeriodMark {
constexpr char WriteOff = 'T';
constexpr char Done = 'D';
constexpr char None = 'N';
} // namespace PeriodMark

// One asset's year plan of one kind: the row of the kind's memory plan and the three
// results of the computation.
struct YearPlan
{
    qint64 assetId = 0;                       // ID_SRODKA
    QString name;                             // OKRESLENIE
    int rok = 0;                              // ROK
    int monthCount = 0;                       // periods in use, 1 .. MaxPeriods
    std::array<double, MaxPeriods> amounts{}; // KWOTA1 .. KWOTA24
    double grossValue = 0;                    // WARTOSC_ZAKT
    double remaining = 0;                     // DO_UMORZ
    std::array<char, MaxPeriods> stored{};    // MIESIACEUMORZ, 'N' for a new plan
    std::array<char, MaxPeriods> marks{};     // MIESAMORT

    double startAccumulated = 0; // rounded stored accumulated depreciation
    double yearTotal = 0;        // the year's planned total
    double endAccumulated = 0;   // startAccumulated + yearTotal

    double amount(int period) const { return amounts[static_cast<size_t>(period - 1)]; }
    char mark(int period) const { return marks[static_cast<size_t>(period - 1)]; }
    // SUMA: KWOTA1 .. KWOTAn for n = monthCount.
    double sum() const;
    QString marksText() const;
    QString storedText() const;
};

YearPlan ComputeYearPlan(const PlanYear& year, const AssetKindInput& in);

} // namespace vorn
