#pragma once

#include "store/Database.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace vorn::test {

struct ToolResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The built vornst-admin on a fresh folder of its own: its registry, lock folder and
// installation root all live there, so runs never meet another test's.
class AdminTool
{
public:
    AdminTool();

    ToolResult run(const QStringList& args, const QByteArray& input = {}) const;
    // Runs and insists on exit code 0.
    ToolResult ok(const QStringList& args, const QByteArray& input = {}) const;

    QString root() const { return m_dir + QStringLiteral("/root"); }
    QString dir() const { return m_dir; }

    std::unique_ptr<Database> admin() const;
    std::unique_ptr<Database> global() const;
    std::unique_ptr<Database> firm(int number) const;

private:
    QString m_dir;
};

QString ToolBinary();

} // namespace vorn::test
