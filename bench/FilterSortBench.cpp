// The catalogue filters and the display-list sort at 10k, 100k and 1M entries.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "bench/SyntheticCatalogue.h"
#include "catalogue/CHuesmithDoc.h"
#include "catalogue/CategoryFilter.h"

namespace {

void ShowAll(CHuesmithDoc& doc) {
    doc.ClearDisplay();
    for (int i = 0; i < doc.GetCount(); ++i) doc.AddToDisplay(i);
}

// Runs one filter per iteration over a fresh catalogue and reports how much it listed.
template <class Filter>
void RunFilter(benchmark::State& state, Filter filter) {
    const auto doc = MakeCatalogue(state.range(0));
    for (auto _ : state) {
        filter(*doc);
        benchmark::DoNotOptimize(doc->GetDisplayCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["listed"] = doc->GetDisplayCount();
}

void BM_FilterByName(benchmark::State& state) {
    const std::string text = "\x82\xa9\x82\xaa";  // かが: found in some readings
    RunFilter(state, [&](CHuesmithDoc& doc) { doc.FilterByName(text); });
}

void BM_FilterByRange(benchmark::State& state) {
    RunFilter(state, [](CHuesmithDoc& doc) { doc.FilterByRange(100, 200, 0, 255, 50, 150); });
}

void BM_FilterByReading(benchmark::State& state) {
    const std::array<int, kKanaRowCount> rows = {1, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    const std::string rowChars = JoinKanaRows(rows);
    RunFilter(state, [&](CHuesmithDoc& doc) {
        doc.ClearDisplay();
        doc.FilterByReading(rowChars);
    });
}

void BM_FilterByFamily(benchmark::State& state) {
    const std::array<int, kColorFamilyCount> families = {0, 0, 1, 0, 1};  // green and grey
    const FamilyFilterArgs args = FamilyFilterFor(families);
    RunFilter(state, [&](CHuesmithDoc& doc) {
        doc.ClearDisplay();
        doc.FilterByFamily(args.hueLo, args.hueHi, args.satLo, args.satHi);
    });
}

// Each iteration sorts the whole catalogue from catalogue order; restoring it is not timed.
void BM_SortDisplay(benchmark::State& state, int key) {
    const auto doc = MakeCatalogue(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ShowAll(*doc);
        state.ResumeTiming();
        doc->SortDisplay(0, doc->GetDisplayCount() - 1, key);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortByReading(benchmark::State& state) { BM_SortDisplay(state, 0); }
void BM_SortByRedDescending(benchmark::State& state) { BM_SortDisplay(state, 3); }

// The three catalogue sizes, timed in milliseconds.
void AtScale(benchmark::internal::Benchmark* bench) {
    bench->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_FilterByName)->Apply(AtScale);
BENCHMARK(BM_FilterByRange)->Apply(AtScale);
BENCHMARK(BM_FilterByReading)->Apply(AtScale);
BENCHMARK(BM_FilterByFamily)->Apply(AtScale);
BENCHMARK(BM_SortByReading)->Apply(AtScale);
BENCHMARK(BM_SortByRedDescending)->Apply(AtScale);
