#pragma once

#include <QString>

namespace vorn {
class Database;
}

namespace vorn::admin {

// Identifiers of new firm rows, taken the way the program takes them: from the counters
// table F00013ST, whose row keeps the last identifier given. The counter never goes below
// the table's highest ID, so rows written before a counter existed are not given again.
class FirmCounters
{
public:
    // The counters of the firm tables this tool writes.
    enum Counter
    {
        Assets = 1,
        Places = 3,
        Groups = 4,
        Templates = 6,
        Schemes = 7,
        GroupMembers = 11,
        FiscalYears = 18,
        Kinds = 19
    };

    explicit FirmCounters(Database& firm) : m_db(firm) {}

    // The next identifier of `counter`, whose rows live in `table`; the counter row is
    // stored at once. Call inside the caller's transaction.
    int next(Counter counter, const QString& table);
    // Raises the counter to the table's highest ID (for rows inserted with fixed IDs).
    void catchUp(Counter counter, const QString& table);

private:
    int stored(Counter counter);
    void store(Counter counter, int value);

    Database& m_db;
};

} // namespace vorn::admin
