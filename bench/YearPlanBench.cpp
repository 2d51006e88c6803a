// Year plans of a firm's register: 10 000 assets of mixed methods, frequencies, months of
// use, starts and histories, planned for one calendar fiscal year.
#include "depreciation/YearPlan.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace vorn;

namespace {

constexpr int AssetCount = 10000;

QList<FiscalYearRow> Years()
{
    QList<FiscalYearRow> rows;
    for (int y = 2018; y <= 2025; ++y)
        rows.append(FiscalYearRow{y, QDate(y, 1, 1), QDate(y, 12, 31), QDate(y - 1, 12, 31)});
    return rows;
}

Row EventRow(qint64 id, int type, const QDate& date, double amount)
{
    Row e;
    e.set(QStringLiteral("ID"), id);
    e.set(QStringLiteral("TYP"), type);
    e.set(QStringLiteral("DATA1"), date);
    e.set(QStringLiteral("KWOTA1"), amount);
    e.set(QStringLiteral("KWOTA5"), 1.05);
    return e;
}

struct Sample
{
    Row asset;
    QList<Row> events;
};

// A deterministic mix: every fourth asset degressive, every fifth with a one-off write-off,
// frequencies M, K, R in turn, a few with seasonal months of use, starts spread over years.
Sample MakeAsset(int i)
{
    static const char* methods[] = {"L", "L", "L", "D"};
    static const char* frequencies[] = {"M", "K", "R"};
    static const int masks[] = {4095, 4095, 4095, 504, 63};
    Sample s;
    Row& a = s.asset;
    const double gross = 1000.0 + (i * 7919 % 500000) / 10.0;
    const double accumulated = gross * ((i * 31) % 60) / 100.0;
    a.set(QStringLiteral("ID"), i + 1);
    a.set(QStringLiteral("OKRESLENIE"), QStringLiteral("Środek %1").arg(i + 1));
    a.set(QStringLiteral("WART_ZAKT"), gross);
    a.set(QStringLiteral("ZAKTUAL_UMORZ"), accumulated);
    a.set(QStringLiteral("ODPISY_AKT"), i % 17 == 0 ? gross * 0.05 : 0.0);
    a.set(QStringLiteral("METODA_AMORT"), QString::fromLatin1(methods[i % 4]));
    a.set(QStringLiteral("STAWKA"), 2.5 + (i % 8) * 2.5);
    a.set(QStringLiteral("WSPOLCZYNNIK"),
          i % 8 == 3 ? 1.0 : (i % 4 == 3 ? 2.0 : 1.0 + (i % 3) * 0.2));
    a.set(QStringLiteral("CZESTOTL_ODPISOW"), QString::fromLatin1(frequencies[i % 3]));
    a.set(QStringLiteral("MIESIACE_UZYTK"), masks[i % 5]);
    a.set(QStringLiteral("POCZ_AMORTYZACJI"), QDate(2019 + i % 7, 1 + i % 12, 1 + i % 28));
    if (i % 5 == 0) {
        a.set(QStringLiteral("ODPIS_JEDN"), gross * 0.3);
        a.set(QStringLiteral("ODPIS_JEDN_TRYB"), 1 + i % 2);
    }
    qint64 id = i * 10;
    if (i % 2 == 0) {
        s.events.append(EventRow(++id, 2, QDate(2024, 1, 10), 0));
        for (int m = 1; m <= 3; ++m)
            s.events.append(EventRow(++id, 4, QDate(2024, m, 28), gross * 0.01));
    }
    if (i % 11 == 0)
        s.events.append(EventRow(++id, 6, QDate(2024, 2, 1), 0));
    return s;
}

const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> v;
        v.reserve(AssetCount);
        for (int i = 0; i < AssetCount; ++i)
            v.push_back(MakeAsset(i));
        return v;
    }();
    return samples;
}

// The plans alone, from inputs read once.
void BM_ComputeYearPlan10000(benchmark::State& state)
{
    const PlanYear year = PlanYear::make(Years(), 2024, QDate(2024, 4, 15));
    std::vector<AssetKindInput> inputs;
    inputs.reserve(AssetCount);
    for (const Sample& s : Samples())
        inputs.push_back(AssetKindInput::fromRows(s.asset, s.asset, s.events, Kind::Book));
    for (auto _ : state) {
        double total = 0;
        for (const AssetKindInput& in : inputs)
            total += ComputeYearPlan(year, in).yearTotal;
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * AssetCount);
}
BENCHMARK(BM_ComputeYearPlan10000)->Unit(benchmark::kMillisecond);

// The same including reading each asset's values and events out of its rows.
void BM_ComputeYearPlanFromRows10000(benchmark::State& state)
{
    const PlanYear year = PlanYear::make(Years(), 2024, QDate(2024, 4, 15));
    for (auto _ : state) {
        double total = 0;
        for (const Sample& s : Samples()) {
            const AssetKindInput in =
                AssetKindInput::fromRows(s.asset, s.asset, s.events, Kind::Book);
            total += ComputeYearPlan(year, in).yearTotal;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * AssetCount);
}
BENCHMARK(BM_ComputeYearPlanFromRows10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
