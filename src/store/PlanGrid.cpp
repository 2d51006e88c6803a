#include "store/PlanGrid.h"

#include "common/Errors.h"
#include "common/Money.h"
#include "store/FieldHandlers.h"

namespace vorn {

const QString PlanGrid::kTotalsName = QStringLiteral("SUMA:");

namespace {

QString amountColumn(int period)
{
    return QStringLiteral("KWOTA%1").arg(period);
}

} // namespace

double PlanGrid::Sum(const Row& row, int monthCount)
{
    long double sum = 0;
    for (int p = 1; p <= monthCount && p <= 24; ++p)
        sum += row.num(amountColumn(p));
    return static_cast<double>(sum);
}

void PlanGrid::EnterAmount(QList<Row>& rows, int rowIndex, int period, const QString& text)
{
    double value = 0;
    if (!ParseAmount(text.trimmed(), &value))
        throw ValidationError(kBadValue);
    if (value < 0)
        throw ValidationError(kNegativeValue);
    const QString column = amountColumn(period);
    const double old = rows[rowIndex].num(column);
    rows[rowIndex].set(column, value);
    const int totals = static_cast<int>(rows.size()) - 1;
    // The totals row typed into itself has already changed by the difference.
    if (rowIndex != totals && rows[totals].str(QStringLiteral("OKRESLENIE")) == kTotalsName)
        rows[totals].set(
            column,
            static_cast<double>(static_cast<long double>(rows[totals].num(column)) + value - old));
}

void PlanGrid::MarkPeriod(Row& row, int selectedPeriod)
{
    if (selectedPeriod < 1 || selectedPeriod > 24 ||
        row.str(QStringLiteral("OKRESLENIE")) == kTotalsName)
        return;
    QString marks = row.str(QStringLiteral("MIESIACEUMORZ"));
    if (marks.size() < selectedPeriod)
        marks = marks.leftJustified(selectedPeriod, QLatin1Char(' '));
    marks[selectedPeriod - 1] =
        row.num(amountColumn(selectedPeriod)) > 0 ? QLatin1Char('U') : QLatin1Char('D');
    row.set(QStringLiteral("MIESIACEUMORZ"), marks);
}

QString PlanGrid::MonthYearText(const Row& row, bool yearly)
{
    if (yearly)
        return row.str(QStringLiteral("ROK"));
    return row.str(QStringLiteral("MIESIAC")) + QLatin1Char('/') + row.str(QStringLiteral("ROK"));
}

bool PlanGrid::CheckMark(const QString& code)
{
    return code == QLatin1String("T") || code == QLatin1String("Z");
}

} // namespace vorn
