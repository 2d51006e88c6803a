#include "store/FirmFiscalYears.h"

#include "store/Database.h"
#include "store/TableDef.h"

namespace vorn {

QList<FiscalYearRow> FirmFiscalYears::fiscalYears() const
{
    QList<FiscalYearRow> out;
    for (const Row& r : m_db.rows(QStringLiteral("SELECT * FROM F00001ST ORDER BY ID"), {},
                                  FindTable(QStringLiteral("F00001ST"))))
        out.append({static_cast<int>(r.integer(QStringLiteral("ROK"))),
                    r.date(QStringLiteral("DATA_POCZ")), r.date(QStringLiteral("DATA_KONCA")),
                    r.date(QStringLiteral("ZAMKNIETYDO"))});
    return out;
}

} // namespace vorn
