#pragma once

#include "store/CheckReport.h"
#include "store/Schema.h"

#include <QStringList>

#include <memory>

namespace vorn::test {

// Options for throw-away test databases: no waiting for the disk.
OpenOptions TestOptions(bool create = true);

// A new database of the scope with its complete schema, in a fresh folder.
std::unique_ptr<Database> FreshScope(Scope scope, const QString& name);

// Inserts a row into a table; the values keyed by column names.
void InsertRow(Database& db, const QString& table, const QVariantMap& values);

// Keeps what a check shows in its progress box: the caption with the step count, then
// every text.
struct RecordingProgress : ProgressSink
{
    void start(const QString& caption, const QString& text, int n) override
    {
        log << caption + QStringLiteral(" ") + QString::number(n);
        if (!text.isEmpty())
            log << text;
    }
    void setText(const QString& text) override { log << text; }
    void step() override { ++steps; }
    void finish() override { finished = true; }
    QStringList log;
    int steps = 0;
    bool finished = false;
};

} // namespace vorn::test
