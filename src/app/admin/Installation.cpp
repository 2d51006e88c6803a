#include "Installation.h"

#include "common/Errors.h"
#include "common/Paths.h"
#include "shell/ConfigStore.h"
#include "shell/Modules.h"
#include "shell/Registry.h"
#include "store/Schema.h"

#include <QDir>
#include <QFileInfo>

namespace vorn::admin {

Installation::Installation(const QString& root) : m_root(QDir(root).absolutePath()) {}

Installation Installation::FromRegistry(const ConfigStore& store)
{
    QString root =
        store.read(Hive::LocalMachine, TV2Registry::ModuleKey(ModuleAD), QStringLiteral("RootPath"))
            .value_or(QString());
    NormalizePath(root);
    if (root.isEmpty())
        throw DataError(QStringLiteral("Brak wpisów w rejestrze dla modułu AD. Instalację "
                                       "tworzy polecenie: vornst-admin init KATALOG"));
    if (!QFileInfo(root).isDir())
        throw DataError(
            QStringLiteral("Niepoprawna ścieżka podstawowa (RootPath) dla modułu AD: ") + root);
    return Installation(root);
}

QString Installation::adminFolder() const
{
    return JoinPath({m_root, QStringLiteral("DATA"), QStringLiteral("AD")});
}

QString Installation::globalFolder() const
{
    return GlobalFolder(m_root);
}

QString Installation::firmFolder(int firmNumber) const
{
    return FirmFolder(m_root, firmNumber);
}

namespace {

std::unique_ptr<Database> open(Scope scope, const QString& folder, bool create)
{
    OpenOptions options;
    options.createSchema = create;
    return OpenScope(scope, folder, options);
}

} // namespace

std::unique_ptr<Database> Installation::openAdmin(bool create) const
{
    return open(Scope::Admin, adminFolder(), create);
}

std::unique_ptr<Database> Installation::openGlobal(bool create) const
{
    return open(Scope::Global, globalFolder(), create);
}

std::unique_ptr<Database> Installation::openFirm(int firmNumber, bool create) const
{
    return open(Scope::Firm, firmFolder(firmNumber), create);
}

} // namespace vorn::admin
