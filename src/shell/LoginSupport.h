#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

class UserMessages;

// Deletes the lock and control files other table engines leave (extensions .LCK and .NET,
// any case) in the folder and, when recursive, below it. Files in use stay; errors are
// ignored.
void DeleteLockFiles(const QString& folder, bool recursive);

// A network path written "\\server\share\...".
bool IsUncPath(const QString& path);

// "~" + prefix + six digits: a name for a report's temporary table.
QString TempTableName(const QString& prefix);

// Empties a private working folder (its files and those of its sub-folders; the folders
// stay), or creates it with its parents. False when it does not exist afterwards.
bool ResetPrivateFolder(const QString& folder);

// The information window of a failure with a code: caption "Błąd", the code before the
// message, the database's own text in the details.
void ShowCodedFailure(UserMessages& messages, const QString& code, const QString& text,
                      const QString& detail);

} // namespace vorn
