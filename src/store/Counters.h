#pragma once

#include <QString>

namespace vorn {

class Database;

inline const QString kCounterAccessError = QStringLiteral("Problem z dostępem do bazy numerów.");
inline const QString kCounterOpenSuffix = QStringLiteral(" (Otworzenie bazy)");
inline const QString kCounterBusySuffix = QStringLiteral(" (Zajęte pole)");
inline const QString kCounterInsertError =
    QStringLiteral("Problem przy wstawianiu rekordu do bazy numerów.");

// How many times a counter busy at another workstation is tried before giving up.
constexpr int kCounterAttempts = 21;

// The next identifier of a counter of F00013ST; the first of a counter without a row is 1.
// Each number is taken in a short transaction of its own, written at once and never part of
// an operation's save, so two workstations never receive the same number. Throws DataError:
// "Problem z dostępem do bazy numerów." + " (Otworzenie bazy)" when the counters cannot be
// read, + " (Zajęte pole)" after 21 busy attempts, or "Problem przy wstawianiu rekordu do bazy
// numerów." when a new counter's row cannot be written.
qint64 NextNumber(Database& db, int counter);

// The name of a counter in reports ("Środki trwałe" for 1); empty for an unknown one.
QString CounterName(int counter);

} // namespace vorn
