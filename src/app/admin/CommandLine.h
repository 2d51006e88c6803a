#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace vorn::admin {

// A command line the tool cannot make sense of; the tool answers with its usage and exit
// code 2.
struct UsageError
{
    QString text;
};

// The words of one command: positional arguments and "--name" options. Options not
// declared by the command are usage errors, as are valued options without a value.
class CommandArgs
{
public:
    CommandArgs(const QStringList& words, const QStringList& flags, const QStringList& valued);

    const QStringList& positional() const { return m_positional; }
    // The positional argument at `index`; a usage error naming `what` when missing.
    QString required(int index, const QString& what) const;
    void expectAtMost(int count) const;
    bool flag(const QString& name) const { return m_flags.contains(name); }
    std::optional<QString> value(const QString& name) const;

private:
    QStringList m_positional;
    QStringList m_flags;
    QMap<QString, QString> m_values;
};

// A whole number within [min, max]; a usage error otherwise.
int ParseNumber(const QString& text, const QString& what, int min, int max);

} // namespace vorn::admin
