#include "store/Counters.h"

#include "store/Database.h"

namespace vorn {

namespace {

enum class Attempt
{
    Done,
    Busy
};

Attempt drawOnce(Database& db, int counter, qint64* value)
{
    const QVariantMap key{{QStringLiteral("id"), counter}};
    try {
        db.beginWrite();
    } catch (const SqlFailure& e) {
        if (db.dialect().isBusy(e.sqlError()))
            return Attempt::Busy;
        throw DataError(kCounterAccessError + kCounterOpenSuffix);
    }
    try {
        QSqlQuery q = db.exec(
            QStringLiteral("UPDATE F00013ST SET NUMER = COALESCE(NUMER, 0) + 1 WHERE ID = :id"),
            key);
        if (q.numRowsAffected() == 0) {
            try {
                db.exec(QStringLiteral("INSERT INTO F00013ST (ID, NUMER) VALUES (:id, 1)"), key);
            } catch (const SqlFailure& e) {
                if (db.dialect().isBusy(e.sqlError()))
                    throw;
                db.rollback();
                throw DataError(kCounterInsertError);
            }
            *value = 1;
        } else {
            *value = db.scalar(QStringLiteral("SELECT NUMER FROM F00013ST WHERE ID = :id"), key)
                         .toLongLong();
        }
        db.commit();
        return Attempt::Done;
    } catch (const SqlFailure& e) {
        db.rollback();
        if (db.dialect().isBusy(e.sqlError()))
            return Attempt::Busy;
        throw DataError(kCounterAccessError + kCounterOpenSuffix);
    }
}

} // namespace

qint64 NextNumber(Database& db, int counter)
{
    for (int attempt = 0; attempt < kCounterAttempts; ++attempt) {
        qint64 value = 0;
        if (drawOnce(db, counter, &value) == Attempt::Done)
            return value;
    }
    throw DataError(kCounterAccessError + kCounterBusySuffix);
}

QString CounterName(int counter)
{
    static const char* const names[] = {"Środki trwałe",
                                        "Wydarzenia",
                                        "Miejsca użytkowania",
                                        "Grupy środków",
                                        "Plany amortyzacji",
                                        "Wzorce księgować",
                                        "Schematy księgowań",
                                        "Tabele aktualizacji",
                                        "Współczynniki aktualizacji",
                                        "Nagłówki poleceń księgowania",
                                        "Powiązania",
                                        "Blokady",
                                        "Przedziały aktualizacji",
                                        "Karta środka",
                                        "Dokumenty likwidacji",
                                        "Dokumenty przyjęcia",
                                        "Plany globalne",
                                        "Lata obrachunkowe",
                                        "Rodzaje księgowe środków",
                                        "Odpisy aktualizujące"};
    if (counter < 1 || counter > 20)
        return {};
    return QString::fromUtf8(names[counter - 1]);
}

} // namespace vorn
