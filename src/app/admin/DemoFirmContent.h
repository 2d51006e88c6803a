#pragma once

#include <QDate>

namespace vorn {
class Database;
}

namespace vorn::admin {

// What a new user of the demo finds in its firm: a fiscal year for the calendar year of
// `today`, the numbering of "PK", "OT" and "LT", an example posting scheme, a few kinds,
// places and groups, and assets entered but not yet accepted, acquired in that year.
class DemoFirmContent
{
public:
    explicit DemoFirmContent(QDate today) : m_today(today) {}

    // Writes everything in one transaction into an empty firm database.
    void fill(Database& firm) const;

    int year() const { return m_today.year(); }

private:
    void fiscalYear(Database& firm) const;
    void numbering(Database& firm) const;
    void postingScheme(Database& firm) const;
    void kinds(Database& firm) const;
    void places(Database& firm) const;
    void groups(Database& firm) const;
    void assets(Database& firm) const;

    QDate m_today;
};

} // namespace vorn::admin
