#pragma once

#include "store/CheckReport.h"

namespace vorn {

class Database;

inline const QString kCheckProgressCaption = QStringLiteral("Kontrola poprawności danych");

// Raises every counter of F00013ST that lies below the largest ID of its table, so that no
// new row can take an existing identifier. Counters are only ever raised, never lowered, so
// the check is safe while other workstations draw numbers. A failing table is passed over.
// Runs silently (no progress, report unused) whenever a firm's counters open; the menu
// command shows the report.
CheckReport CheckPrimaryKeys(Database& db, const ReportHeader& header,
                             ProgressSink* progress = nullptr);

} // namespace vorn
