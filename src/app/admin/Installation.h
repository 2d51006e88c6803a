#pragma once

#include "store/Database.h"

#include <QString>
#include <memory>

namespace vorn {
class ConfigStore;
}

namespace vorn::admin {

// The folders and databases of one installation, found from its root: the Administrator
// tables in root/DATA/AD, the shared dictionaries in root/Data/ST and the firms in
// root/DATA/Fnnnnn/ST.
class Installation
{
public:
    explicit Installation(const QString& root);
    // The installation the registry names (RootPath of module AD). Fails with a Polish
    // message when the registry has no such entry or the folder is gone.
    static Installation FromRegistry(const ConfigStore& store);

    const QString& root() const { return m_root; }
    QString adminFolder() const;
    QString globalFolder() const;
    QString firmFolder(int firmNumber) const;

    // With create, a missing database is created with its complete schema.
    std::unique_ptr<Database> openAdmin(bool create = false) const;
    std::unique_ptr<Database> openGlobal(bool create = false) const;
    std::unique_ptr<Database> openFirm(int firmNumber, bool create = false) const;

private:
    QString m_root;
};

} // namespace vorn::admin
