#include "ClassificationCsv.h"

#include "TableRows.h"
#include "common/Errors.h"
#include "store/Database.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace vorn::admin {

namespace {

constexpr int kMaxSymbol = 4;
constexpr int kMaxName = 255;

// An empty field is no rate; anything else must be a number.
std::optional<double> parseRate(const QString& field, bool* ok)
{
    *ok = true;
    const QString text = field.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    QString normal = text;
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = normal.toDouble(ok);
    if (!*ok)
        return std::nullopt;
    return value;
}

// The reason a line is refused; empty when it is good.
QString checkLine(const QStringList& fields, ClassificationEntry* entry)
{
    if (fields.size() != 4)
        return QStringLiteral("oczekiwano 4 pól (Symbol;Nazwa;StopOd;StopDo), jest %1")
            .arg(fields.size());
    entry->symbol = fields[0].trimmed();
    entry->name = fields[1].trimmed();
    if (entry->symbol.isEmpty())
        return QStringLiteral("brak symbolu");
    if (entry->symbol.size() > kMaxSymbol)
        return QStringLiteral("symbol \"%1\" ma więcej niż %2 znaki")
            .arg(entry->symbol)
            .arg(kMaxSymbol);
    for (const QChar c : entry->symbol)
        if (c.isSpace())
            return QStringLiteral("symbol \"%1\" zawiera odstęp").arg(entry->symbol);
    if (entry->name.isEmpty())
        return QStringLiteral("brak nazwy grupy");
    if (entry->name.size() > kMaxName)
        return QStringLiteral("nazwa ma więcej niż %1 znaków").arg(kMaxName);
    bool ok = false;
    entry->minRate = parseRate(fields[2], &ok);
    if (!ok)
        return QStringLiteral("stawka minimalna \"%1\" nie jest liczbą").arg(fields[2].trimmed());
    entry->maxRate = parseRate(fields[3], &ok);
    if (!ok)
        return QStringLiteral("stawka maksymalna \"%1\" nie jest liczbą").arg(fields[3].trimmed());
    if (entry->minRate && *entry->minRate < 0)
        return QStringLiteral("ujemna stawka minimalna");
    if (entry->maxRate && *entry->maxRate < 0)
        return QStringLiteral("ujemna stawka maksymalna");
    if (entry->minRate && entry->maxRate && *entry->minRate > *entry->maxRate)
        return QStringLiteral("stawka minimalna przekracza maksymalną");
    return {};
}

bool isHeader(const QStringList& fields)
{
    return !fields.isEmpty() &&
           fields.first().trimmed().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

QVariant rate(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

ClassificationFile ParseClassificationCsv(const QByteArray& data)
{
    ClassificationFile out;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(data);
    if (utf8.hasError()) {
        out.errors << QStringLiteral("plik nie jest zapisany w kodowaniu UTF-8");
        return out;
    }
    QHash<QString, int> seen;
    bool firstContent = true;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        const bool header = firstContent && isHeader(fields);
        firstContent = false;
        if (header)
            continue;
        const int lineNumber = i + 1;
        ClassificationEntry entry;
        QString reason = checkLine(fields, &entry);
        if (reason.isEmpty() && seen.contains(entry.symbol))
            reason = QStringLiteral("symbol \"%1\" powtórzony (pierwszy raz w wierszu %2)")
                         .arg(entry.symbol)
                         .arg(seen.value(entry.symbol));
        if (!reason.isEmpty()) {
            out.errors << QStringLiteral("wiersz %1: %2").arg(lineNumber).arg(reason);
            continue;
        }
        seen.insert(entry.symbol, lineNumber);
        out.entries << entry;
    }
    return out;
}

ClassificationMerge MergeClassification(Database& global, const QString& table,
                                        const QList<ClassificationEntry>& entries)
{
    if (table != QLatin1String("D00001ST") && table != QLatin1String("D00005ST"))
        throw DataError(QStringLiteral("Nieznana tabela klasyfikacji: ") + table);
    ClassificationMerge result;
    global.beginWrite();
    try {
        QHash<QString, int> ids;
        for (const Row& row : global.rows(QStringLiteral("SELECT ID, Symbol FROM %1").arg(table)))
            ids.insert(row.str(QStringLiteral("SYMBOL")).trimmed(),
                       int(row.integer(QStringLiteral("ID"))));
        int nextId = NextFreeId(global, table);
        for (const ClassificationEntry& e : entries) {
            QVariantMap values{{QStringLiteral("Nazwa"), e.name},
                               {QStringLiteral("StopOd"), rate(e.minRate)},
                               {QStringLiteral("StopDo"), rate(e.maxRate)},
                               {QStringLiteral("Symbol"), e.symbol}};
            if (const auto it = ids.constFind(e.symbol); it != ids.constEnd()) {
                values.insert(QStringLiteral("ID"), *it);
                global.exec(QStringLiteral("UPDATE %1 SET Nazwa=:Nazwa, StopOd=:StopOd, "
                                           "StopDo=:StopDo, Symbol=:Symbol WHERE ID=:ID")
                                .arg(table),
                            values);
                ++result.updated;
            } else {
                values.insert(QStringLiteral("ID"), nextId);
                values.insert(QStringLiteral("IDParent"), -1);
                InsertRow(global, table, values);
                ids.insert(e.symbol, nextId++);
                ++result.added;
            }
        }
        for (auto it = ids.constBegin(); it != ids.constEnd(); ++it) {
            int parent = -1;
            QString up = it.key();
            for (up.chop(1); !up.isEmpty(); up.chop(1)) {
                if (const auto p = ids.constFind(up); p != ids.constEnd()) {
                    parent = *p;
                    break;
                }
            }
            global.exec(QStringLiteral("UPDATE %1 SET IDParent=:p WHERE ID=:id").arg(table),
                        {{QStringLiteral("p"), parent}, {QStringLiteral("id"), it.value()}});
        }
        global.commit();
    } catch (...) {
        global.rollback();
        throw;
    }
    return result;
}

QByteArray ShippedClassification()
{
    QFile file(QStringLiteral(":/data/kst2016.csv"));
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("Brak wbudowanego pliku klasyfikacji środków trwałych."));
    return file.readAll();
}

} // namespace vorn::admin
