#include "store/Scope.h"

#include "common/Paths.h"

namespace vorn {

QString ScopeName(Scope scope)
{
    switch (scope) {
    case Scope::Firm:
        return QStringLiteral("firma");
    case Scope::Global:
        return QStringLiteral("słowniki");
    case Scope::Admin:
        return QStringLiteral("administrator");
    }
    return {};
}

QString FirmFolder(const QString& rootPath, int firmNumber)
{
    return JoinPath({rootPath, QStringLiteral("DATA"),
                     QStringLiteral("F%1").arg(firmNumber, 5, 10, QLatin1Char('0')),
                     QStringLiteral("ST")});
}

QString GlobalFolder(const QString& rootPath)
{
    return JoinPath({rootPath, QStringLiteral("Data"), QStringLiteral("ST")});
}

QString ScopeFileName(Scope scope)
{
    switch (scope) {
    case Scope::Firm:
        return QStringLiteral("firm.sqlite");
    case Scope::Global:
        return QStringLiteral("global.sqlite");
    case Scope::Admin:
        return QStringLiteral("admin.sqlite");
    }
    return {};
}

} // namespace vorn
