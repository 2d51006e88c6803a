#pragma once

#include "store/CheckReport.h"

#include <QList>
#include <optional>

namespace vorn {

class Database;
class FiscalYearTable;
class TBitSelect;
class UserMessages;

// The assets a check works on: all, or the marked ones, or the current one when none is
// marked.
struct AssetScope
{
    bool all = true;
    QList<qint64> ids;

    static AssetScope of(bool allAssets, const TBitSelect& marked, qint64 currentAsset);
    // " AND <column> in (1,2,3)" for a selection, empty for all. Numbers only.
    QString condition(const QString& column) const;
    bool isEmpty() const { return !all && ids.isEmpty(); }
};

inline const QString kPlansCheckQuestion = QStringLiteral(
    "Przed użyciem tej funkcji upewnij się, że inni\r\nużytkownicy programu nie dokonują "
    "żadnych operacji.\r\nCzy chcesz kontynuować ?");
inline const QString kAloneCheckQuestion = QStringLiteral(
    "Przed użyciem tej funkcji upewnij się, czy\r\njesteś jedynym użytkownikiem programu.\r\n"
    "Czy chcesz kontynuować ?");

// Brings the states of the fiscal year's plan rows in line with the write-off events and
// their accounting orders, and returns the report; nothing when the user declines or the
// changes cannot be saved (the save's window has told the user then).
std::optional<CheckReport> CheckPlans(Database& db, UserMessages& messages,
                                      const FiscalYearTable& years, int fiscalYear,
                                      const AssetScope& scope, const ReportHeader& header,
                                      ProgressSink* progress = nullptr);

// Rounds to the grosz the accumulated amounts of the assets in scope and, when any was off,
// the plan rows and events of those assets, all accounting order lines and all plan
// snapshots. All or nothing; true when saved.
bool CheckWriteOffAmounts(Database& db, UserMessages& messages, const AssetScope& scope,
                          ProgressSink* progress = nullptr);

// Rebuilds each asset's accumulated depreciation of both kinds from its opening balance and
// its write-off events. All or nothing; true when saved.
bool CheckAccumulatedDepreciation(Database& db, UserMessages& messages, const AssetScope& scope,
                                  ProgressSink* progress = nullptr);

} // namespace vorn
