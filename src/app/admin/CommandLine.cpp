#include "CommandLine.h"

namespace vorn::admin {

CommandArgs::CommandArgs(const QStringList& words, const QStringList& flags,
                         const QStringList& valued)
{
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (!word.startsWith(QStringLiteral("--")) || word.size() == 2) {
            m_positional << word;
            continue;
        }
        const QString name = word.mid(2);
        if (flags.contains(name)) {
            m_flags << name;
        } else if (valued.contains(name)) {
            if (i + 1 >= words.size())
                throw UsageError{QStringLiteral("Brak wartości opcji --%1.").arg(name)};
            m_values.insert(name, words.at(++i));
        } else {
            throw UsageError{QStringLiteral("Nieznana opcja: %1").arg(word)};
        }
    }
}

QString CommandArgs::required(int index, const QString& what) const
{
    if (index >= m_positional.size())
        throw UsageError{QStringLiteral("Brak argumentu: %1.").arg(what)};
    return m_positional.at(index);
}

void CommandArgs::expectAtMost(int count) const
{
    if (m_positional.size() > count)
        throw UsageError{QStringLiteral("Nadmiarowy argument: %1").arg(m_positional.at(count))};
}

std::optional<QString> CommandArgs::value(const QString& name) const
{
    const auto it = m_values.constFind(name);
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

int ParseNumber(const QString& text, const QString& what, int min, int max)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        throw UsageError{QStringLiteral("%1 musi być liczbą od %2 do %3: %4")
                             .arg(what)
                             .arg(min)
                             .arg(max)
                             .arg(text)};
    return n;
}

} // namespace vorn::admin
