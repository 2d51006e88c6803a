#pragma once

#include "common/Row.h"

#include <QString>

namespace vorn {

class Database;
class UserMessages;

// Which classification of fixed assets the firm uses (its KST.Ini chooses).
enum class ClassificationTable
{
    Kst2000, // D00001ST, "Tabela 2000", KST_VER 1
    Kst2002  // D00005ST, "Tabela 2002", KST_VER 2
};

QString ClassificationTableName(ClassificationTable table);

inline const QString kSymbolNotInTable =
    QStringLiteral("Wprowadzony symbol nie znajduje się w wybranej tabeli KŚT.");

// A new classification symbol typed on the asset card (KRST already holds it). An empty
// symbol changes nothing. A symbol missing from the table is told to the user and false is
// returned (the card puts the focus back on the symbol). For a symbol found, an asset not yet
// accepted takes its maximum rate as the book rate (unless one-off) and, with the tax part
// on, as the tax rate (unless one-off). KST_VER names the table in use.
bool ApplyClassificationSymbol(Database& dictionaries, ClassificationTable table, Database& firm,
                               Row& asset, bool taxPartOn, UserMessages& messages);

} // namespace vorn
