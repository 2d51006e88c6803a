#pragma once

#include <QString>

namespace vorn {

// Names of the per-user profile files windows keep their layout in.
inline const QString kProfileBrowsers = QStringLiteral("Br");
inline const QString kProfileFilters = QStringLiteral("Flt");
inline const QString kProfileDialogs = QStringLiteral("Dlg");
inline const QString kProfileEditors = QStringLiteral("Ed");

// The profile file `name`.ini of a user for a module, optionally narrowed to a firm
// (firm >= 0) and, within the firm, to a fiscal year (year >= 0). The folder
// rootPath/Profiles/<user>/<module code>[/F<firm %05d>[/<year>]] is created when missing.
// rootPath is the RootPath of this program's module.
QString ProfileFile(const QString& rootPath, const QString& user, int module, const QString& name,
                    int year = -1, int firm = -1);

} // namespace vorn
