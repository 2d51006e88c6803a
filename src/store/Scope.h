#pragma once

#include <QString>

namespace vorn {

// The three databases the module works on: one firm's tables, the dictionaries shared by
// all firms, and the tables of the Administrator module.
enum class Scope
{
    Firm,
    Global,
    Admin
};

QString ScopeName(Scope scope);

// RootPath of ST + "DATA/F" + five-digit firm number + "/ST".
QString FirmFolder(const QString& rootPath, int firmNumber);
// RootPath of ST + "Data/ST".
QString GlobalFolder(const QString& rootPath);

// The database file of a scope inside its folder.
QString ScopeFileName(Scope scope);

} // namespace vorn
