#pragma once

#include <QString>

namespace vorn::tables {

// The tables of a firm, by what they hold. A RowSet over one of them is the typed row set
// of that kind of row (RowSet(tables::Assets) holds asset rows checked against the asset
// layout).
inline const QString FiscalYears = QStringLiteral("F00001ST");
inline const QString Groups = QStringLiteral("F00002ST");
inline const QString Places = QStringLiteral("F00003ST");
inline const QString Assets = QStringLiteral("F00004ST");
inline const QString GroupMembers = QStringLiteral("F00005ST");
inline const QString PlanRows = QStringLiteral("F00006ST");
inline const QString Events = QStringLiteral("F00007ST");
inline const QString OrderHeaders = QStringLiteral("F00008ST");
inline const QString OrderLines = QStringLiteral("F00009ST");
inline const QString AcceptanceDocuments = QStringLiteral("F00010ST");
inline const QString LiquidationDocuments = QStringLiteral("F00011ST");
inline const QString Locks = QStringLiteral("F00012ST");
inline const QString Counters = QStringLiteral("F00013ST");
inline const QString TemplateLines = QStringLiteral("F00014ST");
inline const QString DocumentSymbols = QStringLiteral("F00015ST");
inline const QString PostingSchemes = QStringLiteral("F00016ST");
inline const QString Kinds = QStringLiteral("F00017ST");
inline const QString PurchaseDocuments = QStringLiteral("F00018ST");
inline const QString AcceptanceDetails = QStringLiteral("F00019st");
inline const QString LiquidationDetails = QStringLiteral("F00020st");
inline const QString HandOverDetails = QStringLiteral("F00021st");
inline const QString PlanSnapshots = QStringLiteral("F00022ST");
inline const QString FirmVersion = QStringLiteral("verinf");

// The dictionaries shared by all firms.
inline const QString Classification2000 = QStringLiteral("D00001ST");
inline const QString RevaluationTables = QStringLiteral("D00002ST");
inline const QString RevaluationPeriods = QStringLiteral("D00003ST");
inline const QString RevaluationCoefficients = QStringLiteral("D00004ST");
inline const QString Classification2002 = QStringLiteral("D00005ST");

} // namespace vorn::tables
