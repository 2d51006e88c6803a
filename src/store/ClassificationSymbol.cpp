#include "store/ClassificationSymbol.h"

#include "common/Messages.h"
#include "store/Database.h"

namespace vorn {

QString ClassificationTableName(ClassificationTable table)
{
    return table == ClassificationTable::Kst2000 ? QStringLiteral("D00001ST")
                                                 : QStringLiteral("D00005ST");
}

bool ApplyClassificationSymbol(Database& dictionaries, ClassificationTable table, Database& firm,
                               Row& asset, bool taxPartOn, UserMessages& messages)
{
    const QString symbol = asset.str(QStringLiteral("KRST"));
    if (symbol.isEmpty())
        return true;
    asset.set(QStringLiteral("KST_VER"), table == ClassificationTable::Kst2000 ? 1 : 2);
    // The table name is one of the two fixed names above.
    const auto found =
        dictionaries.firstRow(QStringLiteral("SELECT StopDo FROM %1 WHERE Symbol = :s")
                                  .arg(ClassificationTableName(table)),
                              {{QStringLiteral("s"), symbol}});
    if (!found) {
        messages.information(kSymbolNotInTable);
        return false;
    }
    const bool accepted =
        !asset.isNull(QStringLiteral("ID")) &&
        firm.scalar(
                QStringLiteral("SELECT COUNT(*) FROM F00007ST WHERE ID_SRODKA = :id AND TYP = 1"),
                {{QStringLiteral("id"), asset.integer(QStringLiteral("ID"))}})
                .toInt() > 0;
    if (accepted)
        return true;
    const QVariant rate = found->value(QStringLiteral("STOPDO"));
    if (asset.str(QStringLiteral("METODA_AMORT")) != QLatin1String("J"))
        asset.set(QStringLiteral("STAWKA"), rate);
    if (taxPartOn && asset.str(QStringLiteral("POD_METODA_AMORT")) != QLatin1String("J"))
        asset.set(QStringLiteral("POD_STAWKA"), rate);
    return true;
}

} // namespace vorn
