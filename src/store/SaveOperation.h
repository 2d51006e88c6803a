#pragma once

#include "store/RowSet.h"

#include <QList>

namespace vorn {

class Database;
class UserMessages;

inline const QString kSaveConflictText =
    QStringLiteral("Danych nie można zapisać. Inny użytkownik zmienił dane.\n\rProszę spróbować "
                   "ponownie.");
inline const QString kUnsavedDataQuestion =
    QStringLiteral("Niezapisane dane. Czy chcesz kontynuować wyjście?");

// Writes the changes of all the row sets, in list order, inside one transaction: all or
// nothing. An update or delete finds its row by every value it had when read; a row that
// another user changed or deleted since then fails the whole write with ConflictError.
// Other database failures throw SqlFailure. On success the row sets hold the stored rows.
void ApplyChanges(Database& db, const QList<RowSet*>& sets);

// Ends an operation. With commit: ApplyChanges, and on a failure the information window
// "Błąd" with the database's text in its details; the changes of every row set are then
// cancelled, so nothing of the operation is kept. Without commit: with ask the user is asked
// "Niezapisane dane. Czy chcesz kontynuować wyjście?" first (No: false, nothing changes),
// then all changes are cancelled.
// True when the operation is over: saved, or discarded on purpose; false when the save
// failed or the user chose to stay.
bool SaveOperation(Database& db, const QList<RowSet*>& sets, bool commit, bool ask,
                   UserMessages& messages);

} // namespace vorn
