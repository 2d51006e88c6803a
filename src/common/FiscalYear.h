#pragma once

#include <QDate>
#include <QList>
#include <optional>

namespace vorn {

// One row of the fiscal-year table F00001ST.
struct FiscalYearRow
{
    int rok = 0;       // ROK
    QDate dataPocz;    // DATA_POCZ
    QDate dataKonca;   // DATA_KONCA
    QDate zamknietyDo; // ZAMKNIETYDO
};

// Where the date helpers read fiscal years from: the firm's table, or a plain list in
// tests and headless computation. Rows come in the table's order.
class FiscalYearTable
{
public:
    virtual ~FiscalYearTable() = default;
    virtual QList<FiscalYearRow> fiscalYears() const = 0;
};

class FiscalYearList : public FiscalYearTable
{
public:
    FiscalYearList() = default;
    explicit FiscalYearList(QList<FiscalYearRow> rows) : m_rows(std::move(rows)) {}
    QList<FiscalYearRow> fiscalYears() const override { return m_rows; }
    void setRows(QList<FiscalYearRow> rows) { m_rows = std::move(rows); }

private:
    QList<FiscalYearRow> m_rows;
};

// The working fiscal year: filled from the chosen row each time a fiscal year is chosen
// and read by every depreciation rule. Periods run 1 .. MonthCount from the start month.
struct FiscalYearContext
{
    int Year = 0;
    QDate StartDate;
    QDate EndDate;
    quint16 StartYear = 0;
    quint16 StartMonth = 0;
    quint16 EndYear = 0;
    quint16 EndMonth = 0;
    quint16 MonthCount = 1; // 1 .. 24
    QDate ClosedTo;

    static FiscalYearContext fromRow(const FiscalYearRow& row);
    bool isSet() const { return Year != 0 && StartDate.isValid(); }
};

// The fiscal year whose bounds hold the date: the first such row of the table.
std::optional<FiscalYearRow> FiscalYearOf(const FiscalYearTable& table, const QDate& date);

// With useOther false: does the date lie in the working fiscal year. With useOther true:
// does it lie in the fiscal year that holds the reference date (false when none does).
bool InFiscalYear(const FiscalYearContext& context, const FiscalYearTable& table, bool useOther,
                  const QDate& reference, const QDate& date);

} // namespace vorn
