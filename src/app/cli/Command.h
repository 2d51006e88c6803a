#pragma once

#include <QIODevice>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

namespace vorn::cli {

// Exit codes of the program.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;  // the command could not do its work
constexpr int ExitBadInput = 2; // wrong command line or input

// What a command is given: the global options before the command name, its own
// arguments, and the three standard streams.
struct Invocation
{
    QMap<QString, QString> options; // "--root" -> value
    QStringList arguments;
    QIODevice* in = nullptr;
    QIODevice* out = nullptr;
    QIODevice* err = nullptr;
};

struct Command
{
    QStringList words; // e.g. {"plan", "compute"}
    QString summary;   // one line of the usage text
    std::function<int(const Invocation&)> run;
};

// Global options every command accepts; each takes one value.
const QStringList& GlobalOptions();
// Global switches without a value ("--json"); present ones map to "1".
const QStringList& GlobalFlags();

// Parses the command line, finds the command and runs it. Failures of the command line and
// ValidationError exit with ExitBadInput, other VornError with ExitFailure; the message
// goes to err.
int Dispatch(const QList<Command>& commands, const QStringList& arguments, QIODevice* in,
             QIODevice* out, QIODevice* err);

} // namespace vorn::cli
