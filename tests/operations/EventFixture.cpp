#include "EventFixture.h"

#include "common/FiscalYear.h"

namespace vorn::test {

EventFixture::EventFixture(bool withTax)
{
    const QVariantMap book{{"ID", 7},
                           {"OKRESLENIE", QStringLiteral("Tokarka")},
                           {"IDUZYT", 3},
                           {"DATA_PRZYJ", QDate(2024, 2, 20)},
                           {"POCZ_AMORTYZACJI", QDate(2024, 3, 1)},
                           {"WARTOSC_POCZ", 12000.0},
                           {"WART_ZAKT", 12000.0},
                           {"DOTYCHCZAS_UMORZ", 300.0},
                           {"ZAKTUAL_UMORZ", 300.0},
                           {"ODPISY_AKT", 100.0},
                           {"METODA_AMORT", "L"},
                           {"STAWKA", 10.0},
                           {"WSPOLCZYNNIK", 1.2},
                           {"CZESTOTL_ODPISOW", "M"},
                           {"MIESIACE_UZYTK", 4095}};
    stored = Row(book);
    if (withTax) {
        const QVariantMap tax{{"POD_POCZ_AMORT", QDate(2024, 4, 1)},
                              {"POD_WARTOSC_POCZ", 11000.0},
                              {"POD_WARTOSC_ZAKT", 11000.0},
                              {"POD_DOT_UMORZ", 200.0},
                              {"POD_ZAKTUAL_UMORZ", 200.0},
                              {"POD_ODPISY_AKT", 0.0},
                              {"POD_METODA_AMORT", "D"},
                              {"POD_STAWKA", 20.0},
                              {"POD_WSPOLCZYNNIK", 2.0},
                              {"POD_CZEST_ODPISOW", "K"},
                              {"POD_MIESIACE_UZYTK", 4095}};
        for (auto it = tax.begin(); it != tax.end(); ++it)
            stored.set(it.key(), it.value());
    } else {
        stored.set("POD_METODA_AMORT", QString());
    }
    assets.adopt(stored);
    sources.storedAsset = stored;
    dialog.operationDate = QDate(2024, 5, 20);
}

void EventFixture::edit(const char* column, const QVariant& value)
{
    assets.setValue(0, QString::fromLatin1(column), value);
}

void EventFixture::history(qint64 id, int type, const QDate& data1, double kwota1,
                           std::initializer_list<std::pair<const char*, QVariant>> more)
{
    Row e;
    e.set("ID", id);
    e.set("ID_SRODKA", 7);
    e.set("TYP", type);
    e.set("DATA1", data1);
    e.set("KWOTA1", kwota1);
    for (const auto& [column, value] : more)
        e.set(QString::fromLatin1(column), value);
    sources.assetEvents.append(e);
}

EventWriter EventFixture::writer()
{
    QList<FiscalYearRow> years;
    for (int y = 2023; y <= 2025; ++y)
        years.append({y, QDate(y, 1, 1), QDate(y, 12, 31), QDate(y - 1, 12, 31)});
    return EventWriter(
        PlanYear::make(years, 2024, dialog.operationDate),
        {QStringLiteral("JKOWAL"), QStringLiteral("Jan Kowalski")}, [this] { return ++nextId; },
        {&toPost, &writtenOff, &handOver, &marked},
        [] { return QDateTime(QDate(2024, 5, 21), QTime(10, 15, 30)); });
}

Row EventFixture::add(int type)
{
    const qint64 id = writer().AddEvent(events, assets, 7, type, dialog, sources);
    return events.at(events.indexOfId(id));
}

} // namespace vorn::test
