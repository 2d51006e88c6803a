#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace vorn::admin {

class Installation;

// The Administrator's work on whole firms that this tool does in its least form: copies for
// archiving, the export of accounting orders to a text file, and the upgrade of databases.
// Each returns the lines that tell the user what was done.
class Maintenance
{
public:
    Maintenance(const Installation& installation, QDateTime now)
        : m_installation(installation), m_now(std::move(now))
    {
    }

    // A consistent copy of the firm's database and its KST.Ini in
    // root/ARCHIWUM/Fnnnnn/<date and time>/, and the archiving date of the firm in this
    // program's module (D00001AD) set to now. `firms` empty: every firm of the module.
    QStringList archive(const QList<int>& firms) const;
    // Accounting orders (F00008ST with their lines F00009ST) not yet posted, as tab-separated
    // text in root/EKSPORT; nothing in the firm changes, since no finance-accounting module
    // takes them over here.
    QStringList exportOrders(const QList<int>& firms) const;
    // Runs the pending layout steps of the Administrator database, the shared dictionaries and
    // every firm, and brings each firm's data version up to the program's.
    QStringList upgrade() const;

    QStringList listFirms() const;
    QStringList listUsers() const;

private:
    QList<int> firmsOrAll(const QList<int>& firms) const;

    const Installation& m_installation;
    QDateTime m_now;
};

} // namespace vorn::admin
