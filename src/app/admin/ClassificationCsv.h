#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vorn {
class Database;
}

namespace vorn::admin {

// One node of the classification of fixed assets with its rates in percent; a rate the
// law does not give is absent.
struct ClassificationEntry
{
    QString symbol;
    QString name;
    std::optional<double> minRate;
    std::optional<double> maxRate;
};

struct ClassificationFile
{
    QList<ClassificationEntry> entries;
    QStringList errors; // one line per refused line: "wiersz 7: ..."
};

// Reads "Symbol;Nazwa;StopOd;StopDo" lines (UTF-8; an optional header line; empty lines
// skipped; rates with a decimal point or comma, empty for none). Every line is checked the
// way the classification editor checks a node; a file with any error is to be refused whole.
ClassificationFile ParseClassificationCsv(const QByteArray& data);

struct ClassificationMerge
{
    int added = 0;
    int updated = 0;
};

// Merges the entries into D00001ST or D00005ST in one transaction: a symbol already there
// keeps its ID and takes the new name and rates, a new one is appended, nothing is removed.
// Every node then hangs under its nearest ancestor present in the table (a symbol is its
// parent's symbol and one more character); nodes without one are top nodes (-1).
ClassificationMerge MergeClassification(Database& global, const QString& table,
                                        const QList<ClassificationEntry>& entries);

// The classification shipped with the program.
QByteArray ShippedClassification();

} // namespace vorn::admin
