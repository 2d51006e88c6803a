#include "store/OperationLocks.h"

#include "common/Errors.h"
#include "store/Counters.h"
#include "store/Database.h"

#include <QDateTime>

namespace vorn {

namespace {

constexpr int kLockCounter = 12;

} // namespace

QString LockStatusText(QChar code, const QString& holder)
{
    switch (code.unicode()) {
    case 'B':
    case 'P':
        return QStringLiteral("Plany amortyzacji są edytowane przez użytkownika \"%1\".")
            .arg(holder);
    case 'D':
        return QStringLiteral("Trwa usuwanie środka.");
    case 'E':
        return QStringLiteral("Środek jest edytowany przez użytkownika \"%1\".").arg(holder);
    case 'J':
        return QStringLiteral("Dokonywane przyjęcie środka.");
    case 'L':
        return QStringLiteral("Dokonywana likwidacja środka.");
    case 'S':
        return QStringLiteral("Dokonywana sprzedaż środka.");
    case 'U':
        return QStringLiteral("Dokonywane umorzenie.");
    case 'X':
        return QStringLiteral("Sporządzane są wydruki.");
    case 'Z':
        return QStringLiteral("Dokonywana zmiana wartości środka.");
    default:
        return QStringLiteral("Wolny");
    }
}

OperationLocks::OperationLocks(Database& db, LockOwner owner) : m_db(db), m_owner(std::move(owner))
{
}

LockState OperationLocks::statusInside(qint64 asset)
{
    const auto row =
        m_db.firstRow(QStringLiteral("SELECT IDUZK, KOD FROM F00012ST WHERE IDSRODKA = "
                                     ":asset ORDER BY ID"),
                      {{QStringLiteral("asset"), asset}});
    LockState state;
    if (!row)
        return state;
    const QString holder = row->str(QStringLiteral("IDUZK"));
    if (holder.trimmed().compare(m_owner.identifier.trimmed(), Qt::CaseInsensitive) == 0)
        return state;
    const QChar code = row->chr(QStringLiteral("KOD"));
    if (code.isNull())
        return state;
    state.code = code;
    state.text = LockStatusText(code, holder);
    return state;
}

LockState OperationLocks::LockStatus(qint64 asset)
{
    try {
        return statusInside(asset);
    } catch (const VornError&) {
        return {};
    }
}

void OperationLocks::append(qint64 id, qint64 asset, QChar code)
{
    m_db.exec(
        QStringLiteral("INSERT INTO F00012ST (ID, IDUZK, NAZWAUZK, IDSRODKA, KOD, DATA) VALUES "
                       "(:id, :uzk, :nazwa, :asset, :kod, :data)"),
        {{QStringLiteral("id"), id},
         {QStringLiteral("uzk"), m_owner.identifier},
         {QStringLiteral("nazwa"), m_owner.name.left(20)},
         {QStringLiteral("asset"), asset},
         {QStringLiteral("kod"), QString(code)},
         {QStringLiteral("data"), QDateTime::currentDateTime()}});
}

bool OperationLocks::AcquireLock(qint64 asset, QChar code)
{
    try {
        append(NextNumber(m_db, kLockCounter), asset, code);
        return false;
    } catch (const VornError&) {
        return true;
    }
}

LockState OperationLocks::TryLock(qint64 asset, QChar code)
{
    try {
        const qint64 id = NextNumber(m_db, kLockCounter);
        m_db.beginWrite();
        try {
            const LockState state = statusInside(asset);
            if (state.free())
                append(id, asset, code);
            m_db.commit();
            return state;
        } catch (...) {
            m_db.rollback();
            throw;
        }
    } catch (const VornError&) {
        // As with a failed append: the asset stays unlocked, without a message.
        return {};
    }
}

void OperationLocks::ReleaseLocks(qint64 asset, QChar code)
{
    QString sql = QStringLiteral("DELETE FROM F00012ST WHERE IDUZK = :id");
    QVariantMap params{{QStringLiteral("id"), m_owner.identifier}};
    const bool allCodes = code == QLatin1Char('W');
    if (!allCodes) {
        sql += QStringLiteral(" AND KOD = :kod");
        params.insert(QStringLiteral("kod"), QString(code));
    }
    if (asset != -1) {
        sql += QStringLiteral(" AND IDSRODKA = :ids");
        params.insert(QStringLiteral("ids"), asset);
    }
    try {
        m_db.exec(sql, params);
    } catch (const VornError&) {
        // A row that cannot be removed stays until the user's next start.
    }
}

} // namespace vorn
