// Loading and saving the data file, the memory a catalogue takes, and searching the catalogue at
// 10k, 100k and 1M entries.
#include <benchmark/benchmark.h>
#include <malloc.h>  // mallinfo2 (glibc)

#include <cstddef>
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

// Writing the catalogue back as the data file's bytes (the document template then writes them out
// in one go).
void BM_SaveDataFile(benchmark::State& state) {
    const auto doc = MakeCatalogue(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        CArchive archive;
        doc->Serialize(archive);
        bytes = archive.GetStoredBytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_SaveDataFile)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// What the running program holds per entry: the catalogue loaded and all of it listed, as after
// start-up. Counted as the heap in use before and after (glibc's own bookkeeping included).
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_MemoryPerEntry(benchmark::State& state) {
    const std::string file = MakeDataFile(state.range(0));
    double perEntry = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto doc = std::make_unique<CHuesmithDoc>();
        CArchive archive(file);
        doc->Serialize(archive);
        for (int i = 0; i < doc->GetCount(); ++i) doc->AddToDisplay(i);
        perEntry = static_cast<double>(HeapInUse() - before) / static_cast<double>(state.range(0));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_entry"] = perEntry;
}
BENCHMARK(BM_MemoryPerEntry)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
