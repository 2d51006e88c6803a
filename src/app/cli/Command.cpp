#include "app/cli/Command.h"

#include "common/Errors.h"

#include <exception>

namespace vorn::cli {

namespace {

void write(QIODevice* device, const QString& text)
{
    device->write(text.toUtf8());
}

QString usage(const QList<Command>& commands)
{
    QString text =
        QStringLiteral("Użycie: vornst-cli [opcje] polecenie [argumenty]\n"
                       "Opcje: --root KATALOG, --registry KATALOG, --user IDENTYFIKATOR,\n"
                       "       --password HASŁO, --firm NUMER, --year ROK, --json, --yes\n"
                       "Polecenia:\n");
    for (const Command& c : commands)
        text += QStringLiteral("  %1  %2\n").arg(c.words.join(QLatin1Char(' ')), c.summary);
    return text;
}

int badUsage(const QList<Command>& commands, QIODevice* err, const QString& message)
{
    write(err, QStringLiteral("vornst-cli: %1\n").arg(message) + usage(commands));
    return ExitBadInput;
}

} // namespace

const QStringList& GlobalOptions()
{
    static const QStringList options{QStringLiteral("--root"), QStringLiteral("--registry"),
                                     QStringLiteral("--user"), QStringLiteral("--password"),
                                     QStringLiteral("--firm"), QStringLiteral("--year")};
    return options;
}

const QStringList& GlobalFlags()
{
    static const QStringList flags{QStringLiteral("--json"), QStringLiteral("--yes")};
    return flags;
}

int Dispatch(const QList<Command>& commands, const QStringList& arguments, QIODevice* in,
             QIODevice* out, QIODevice* err)
{
    Invocation inv{{}, {}, in, out, err};
    int i = 0;
    for (; i < arguments.size() && arguments.at(i).startsWith(QLatin1String("--")); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--help")) {
            write(out, usage(commands));
            return ExitOk;
        }
        if (GlobalFlags().contains(arg)) {
            inv.options.insert(arg, QStringLiteral("1"));
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (!GlobalOptions().contains(name))
            return badUsage(commands, err, QStringLiteral("nieznana opcja %1").arg(name));
        if (eq >= 0) {
            inv.options.insert(name, arg.mid(eq + 1));
        } else if (i + 1 < arguments.size()) {
            inv.options.insert(name, arguments.at(++i));
        } else {
            return badUsage(commands, err, QStringLiteral("opcja %1 wymaga wartości").arg(name));
        }
    }
    const QStringList rest = arguments.mid(i);
    for (const Command& c : commands) {
        if (rest.mid(0, c.words.size()) != c.words)
            continue;
        inv.arguments = rest.mid(c.words.size());
        try {
            return c.run(inv);
        } catch (const ValidationError& e) {
            write(err, QStringLiteral("vornst-cli: %1\n").arg(e.message()));
            return ExitBadInput;
        } catch (const VornError& e) {
            write(err, QStringLiteral("vornst-cli: %1\n").arg(e.message()));
            return ExitFailure;
        } catch (const std::exception& e) {
            write(err, QStringLiteral("vornst-cli: %1\n").arg(QString::fromLocal8Bit(e.what())));
            return ExitFailure;
        }
    }
    if (rest.isEmpty())
        return badUsage(commands, err, QStringLiteral("nie podano polecenia"));
    return badUsage(commands, err,
                    QStringLiteral("nieznane polecenie \"%1\"").arg(rest.join(QLatin1Char(' '))));
}

} // namespace vorn::cli
