#pragma once

#include "common/FiscalYear.h"

namespace vorn {

class Database;

// The firm's fiscal years (F00001ST), read afresh on every call, in the table's order.
class FirmFiscalYears : public FiscalYearTable
{
public:
    explicit FirmFiscalYears(Database& db) : m_db(db) {}
    QList<FiscalYearRow> fiscalYears() const override;

private:
    Database& m_db;
};

} // namespace vorn
