#pragma once

#include "common/FiscalYear.h"
#include "depreciation/AssetEvents.h"
#include "depreciation/KindParameters.h"

#include <QList>

namespace vorn {

// Sum of the kind's monthly write-offs dated in fiscal year `rok`, scaled by the index of
// each revaluation dated in that year in identifier order, rounded after each scaling.
// 0 when the table has no year `rok`.
double YearWriteOffs(Kind kind, const AssetEvents& events, const QList<FiscalYearRow>& fiscalYears,
                     int rok);

// Whether the kind's one-off write-off belongs to the plan being computed: no plan of the
// kind was determined yet, or the operation still lies in the fiscal year of the first
// plan and no write-off was made outside that year.
bool OneOffInPlanYear(Kind kind, const AssetEvents& events, const QList<FiscalYearRow>& fiscalYears,
                      const QDate& operationDate);

} // namespace vorn
