#pragma once

#include "common/Row.h"

#include <QList>
#include <QString>
#include <optional>

namespace vorn {
class Database;
}

namespace vorn::admin {

class Installation;

struct NewFirm
{
    int number = 0; // names the firm folder DATA/Fnnnnn
    QString fullName;
    QString shortName; // the full name when empty
};

// The firms of the installation (D00002AD) and their data folders.
class FirmRegister
{
public:
    FirmRegister(const Installation& installation, Database& admin)
        : m_installation(installation), m_db(admin)
    {
    }

    // Adds the firm for this program's module and creates its tables (with the data
    // version) in its folder. Returns the firm's ID.
    int add(const NewFirm& firm);
    std::optional<Row> byNumber(int number);
    // The firm of that number; refused with a Polish message when there is none.
    Row require(int number);
    // Firms that use this program's module, by number.
    QList<Row> firmsOfModule();

    // MODULY of a firm that uses only the module given: "1" at the module's number.
    static QString ModulesMask(int module);

private:
    const Installation& m_installation;
    Database& m_db;
};

} // namespace vorn::admin
