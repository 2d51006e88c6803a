#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

namespace vorn {

class Database;
class FiscalYearTable;
class TBitSelect;
class UserMessages;
struct FiscalYearContext;

// Checks a date typed in an operation dialog. An empty date is refused (with strict, with
// "Błędna data."); with strict the date must lie in the working fiscal year and after its
// closed months. An accepted date becomes the last operation date.
bool CheckDialogDate(const QDate& date, bool strict, const FiscalYearContext& year,
                     UserMessages& messages, QDate* lastOperationDate);

// Where refusals of marked assets go instead of a box: one line per asset, its name followed
// directly by the reason, and the asset in the error set.
struct DateCheckCollector
{
    QStringList lines;
    TBitSelect* errors = nullptr;
};

// The date checks every operation shares against an asset's events and plans.
class OperationChecks
{
public:
    OperationChecks(Database& db, const FiscalYearTable& years, UserMessages& messages);

    // Operation mode: no event of the asset may lie after the date; event mode: the date may
    // not precede its first event. Then the date may not pass the next planned write-off
    // (asked, when not collecting) or, without plans, the starts of depreciation.
    bool CheckOperationDate(qint64 asset, bool operation, DateCheckCollector* collect,
                            const QDate& date);
    // The last day of the month of the asset's next planned write-off when the date is later
    // and that depreciation is not complete; nothing otherwise.
    std::optional<QDate> NextWriteOffExceeded(qint64 asset, const QDate& date);
    // The latest event date of the assets within the working year; its first day when none.
    QDate LastOperationDate(const QList<qint64>& assets, const FiscalYearContext& year);

private:
    bool refuse(DateCheckCollector* collect, qint64 asset, const QString& name, const QString& line,
                const QString& message);

    Database& m_db;
    const FiscalYearTable& m_years;
    UserMessages& m_messages;
};

} // namespace vorn
