#include "shell/Profiles.h"

#include "common/Paths.h"
#include "shell/Modules.h"

#include <QDir>

namespace vorn {

QString ProfileFile(const QString& rootPath, const QString& user, int module, const QString& name,
                    int year, int firm)
{
    QStringList parts{rootPath, QStringLiteral("Profiles"), user, ModuleCode(module)};
    if (firm >= 0) {
        parts << QStringLiteral("F%1").arg(firm, 5, 10, QLatin1Char('0'));
        if (year >= 0)
            parts << QString::number(year);
    }
    const QString folder = JoinPath(parts);
    QDir().mkpath(folder);
    return JoinPath({folder, name + QStringLiteral(".ini")});
}

} // namespace vorn
