#pragma once

#include <QChar>
#include <QString>

namespace vorn {

class Database;

// Who takes locks: the logged-in user's login identifier and name.
struct LockOwner
{
    QString identifier;
    QString name;
};

struct LockState
{
    QChar code = QLatin1Char('W'); // 'W': free
    QString text = QStringLiteral("Wolny");
    bool free() const { return code == QLatin1Char('W'); }
};

// The status text another user sees for a lock code; "Wolny" for codes without a text.
QString LockStatusText(QChar code, const QString& holder);

// Advisory locks of operations on assets, rows of F00012ST. A user's own rows never block
// him; rows are appended and deleted, never updated; each is written at once, outside any
// operation's save.
class OperationLocks
{
public:
    OperationLocks(Database& db, LockOwner owner);

    // The first lock of another user on the asset; free when there is none or on any error.
    LockState LockStatus(qint64 asset);
    // Appends a lock row; true when it failed (the caller need not look).
    bool AcquireLock(qint64 asset, QChar code);
    // Checks and locks in one step, so two users cannot both pass the check in the same
    // instant: the asset's status, free when the lock was taken.
    LockState TryLock(qint64 asset, QChar code);
    // Removes the user's own rows: asset -1 means every asset, code 'W' every code.
    void ReleaseLocks(qint64 asset, QChar code);

    const LockOwner& owner() const { return m_owner; }

private:
    LockState statusInside(qint64 asset);
    void append(qint64 id, qint64 asset, QChar code);

    Database& m_db;
    LockOwner m_owner;
};

} // namespace vorn
