// Loading the data file and searching the catalogue at 10k, 100k and 1M entries.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "bench/SyntheticCatalogue.h"
#include "catalogue/CHuesmithDoc.h"
#include "framework/CArchive.h"

namespace {

void BM_LoadDataFile(benchmark::State& state) {
    const std::string file = MakeDataFile(state.range(0));
    for (auto _ : state) {
        auto doc = std::make_unique<CHuesmithDoc>();
        CArchive archive(file);
        doc->Serialize(archive);
        benchmark::DoNotOptimize(doc->GetCount());
        state.PauseTiming();  // freeing the catalogue is not loading it
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(BM_LoadDataFile)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A catalogue of random colours, all listed, as the searches require.
std::unique_ptr<CHuesmithDoc> MakeListedCatalogue(std::int64_t entries) {
    std::mt19937 rng(kBenchSeed);
    std::uniform_int_distribution<int> channel(0, 255);
    auto doc = std::make_unique<CHuesmithDoc>();
    for (std::int64_t i = 0; i < entries; ++i) {
        doc->AddRecord("n", "r", static_cast<short>(channel(rng)),
                       static_cast<short>(channel(rng)), static_cast<short>(channel(rng)));
    }
    for (int i = 0; i < doc->GetCount(); ++i) doc->AddToDisplay(i);
    return doc;
}

template <int (CHuesmithDoc::*Search)(short, short, short) const>
void BM_Search(benchmark::State& state) {
    const auto doc = MakeListedCatalogue(state.range(0));
    std::mt19937 rng(kBenchSeed + 1);
    std::uniform_int_distribution<int> channel(0, 255);
    for (auto _ : state) {
        const auto red = static_cast<short>(channel(rng));
        const auto green = static_cast<short>(channel(rng));
        const auto blue = static_cast<short>(channel(rng));
        benchmark::DoNotOptimize(((*doc).*Search)(red, green, blue));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Search<&CHuesmithDoc::FindNearest>)
    ->Name("BM_FindNearest")->Arg(10'000)->Arg(100'000)->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Search<&CHuesmithDoc::FindFarthest>)
    ->Name("BM_FindFarthest")->Arg(10'000)->Arg(100'000)->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
