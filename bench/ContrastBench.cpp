// The nearest-name searches: the contrast dialog's five nearest names and the magnifier's readout
// in a large catalogue, and the nearest readable colour beside the exhaustive search the unit test
// checks it against.
#include <benchmark/benchmark.h>

#include <optional>
#include <cstdint>
#include <random>

#include "bench/SyntheticCatalogue.h"
#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColourVision.h"
#include "catalogue/ContrastRatio.h"
#include "catalogue/NearestNames.h"
#include "catalogue/ReadableColour.h"
#include "eyedropper/MagnifierReadout.h"
#include "tests/unit/ReadableColourReference.h"

namespace {

constexpr std::size_t kNamesShown = 5;

void BM_FindNearestNames(benchmark::State& state) {
    const auto doc = MakeCatalogue(state.range(0));
    std::mt19937 rng(kBenchSeed + 2);
    std::uniform_int_distribution<int> channel(0, 255);
    for (auto _ : state) {
        const auto red = static_cast<short>(channel(rng));
        const auto green = static_cast<short>(channel(rng));
        const auto blue = static_cast<short>(channel(rng));
        benchmark::DoNotOptimize(
            FindNearestNames(doc->GetCatalogue(), red, green, blue, kNamesShown));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FindNearestNames)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

// One update of the magnifier's readout for a new pixel: code, nearest name and family.
void BM_MagnifierReadout(benchmark::State& state) {
    const auto doc = MakeCatalogue(state.range(0));
    std::mt19937 rng(kBenchSeed + 3);
    std::uniform_int_distribution<int> channel(0, 255);
    constexpr std::string_view kFamilies = "R\nY\nG\nB\nK";
    for (auto _ : state) {
        const HsColor pixel = PackColor(static_cast<short>(channel(rng)), static_cast<short>(channel(rng)),
                                        static_cast<short>(channel(rng)));
        benchmark::DoNotOptimize(MagnifierReadoutText(*doc, pixel, kFamilies, "-"));
    }
}
BENCHMARK(BM_MagnifierReadout)->Arg(400)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// The contrast dialog's colour-vision section for one pair: the four views and their ratios.
void BM_SimulatedContrast(benchmark::State& state) {
    std::mt19937 rng(kBenchSeed + 4);
    std::uniform_int_distribution<HsColor> colour(0, 0xFFFFFF);
    for (auto _ : state) {
        const HsColor text = colour(rng);
        const HsColor back = colour(rng);
        for (const ColourVision vision : kSimulatedVisions) {
            benchmark::DoNotOptimize(SimulatedContrastRatio(text, back, vision));
        }
    }
}
BENCHMARK(BM_SimulatedContrast)->Unit(benchmark::kMicrosecond);

// Edited colour, other colour, level: the dialog's usual cases and its hardest.
struct ReadablePair {
    HsColor edited;
    HsColor other;
    double level;
    const char* what;
};
constexpr ReadablePair kPairs[] = {
    {PackColor(0x77, 0x77, 0x77), PackColor(255, 255, 255), kAaNormalRatio,
     "grey_text_on_white_AA"},
    {PackColor(0x77, 0x77, 0x77), PackColor(255, 255, 255), kAaaNormalRatio,
     "grey_text_on_white_AAA"},
    {PackColor(255, 255, 255), PackColor(255, 255, 255), kAaaNormalRatio, "white_on_white_AAA"},
    {PackColor(0xFF, 0x80, 0x00), PackColor(0x80, 0x80, 0x80), kAaNormalRatio,
     "orange_on_mid_grey_AA"},
    {PackColor(0xFF, 0x80, 0x00), PackColor(0x80, 0x80, 0x80), kAaaNormalRatio,
     "orange_on_mid_grey_AAA_none"},
    {PackColor(0x33, 0x66, 0xCC), PackColor(0xFF, 0xFF, 0x66), kAaaNormalRatio,
     "blue_on_pale_yellow_AAA"},
};

// The search the dialog runs, and for comparison every colour tried.
template <std::optional<HsColor> (*Search)(HsColor, HsColor, double)>
void BM_ReadableColour(benchmark::State& state) {
    const ReadablePair& pair = kPairs[state.range(0)];
    state.SetLabel(pair.what);
    for (auto _ : state) benchmark::DoNotOptimize(Search(pair.edited, pair.other, pair.level));
}
BENCHMARK(BM_ReadableColour<&NearestReadableColour>)
    ->Name("BM_NearestReadableColour")
    ->DenseRange(0, std::size(kPairs) - 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadableColour<&ExhaustiveReadableColour>)
    ->Name("BM_ExhaustiveReadableColour")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
