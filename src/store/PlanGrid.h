#pragma once

#include "common/Row.h"

#include <QList>
#include <QString>

namespace vorn {

// Rules of the annual plan grids (book and tax): one row per asset with KWOTA1 .. KWOTA24
// per period, and a last row "SUMA:" in OKRESLENIE holding the period totals.
class PlanGrid
{
public:
    static const QString kTotalsName; // "SUMA:"

    // SUMA: KWOTA1 .. KWOTA<monthCount>.
    static double Sum(const Row& row, int monthCount);
    // An amount typed into a period (1 .. 24) of a row: a number ("Błędna wartość.") not
    // below zero ("Ujemna wartość."), both ValidationError with nothing changed. The totals
    // row (the last) changes by the difference between the new and the old amount.
    static void EnterAmount(QList<Row>& rows, int rowIndex, int period, const QString& text);
    // Before a row other than the totals row is written while a period column is selected:
    // that period's character of MIESIACEUMORZ becomes "U" for an amount above 0, else "D".
    static void MarkPeriod(Row& row, int selectedPeriod);

    // MIESIACROK of the monthly global plans: MIESIAC + "/" + ROK; of the yearly ones: ROK.
    static QString MonthYearText(const Row& row, bool yearly);
    // The check mark of CHECK: written off ("T") or posted ("Z").
    static bool CheckMark(const QString& code);
};

} // namespace vorn
