// Data files and documents of a given size, shaped like the real catalogue, for the benchmarks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CHuesmithDoc;

constexpr std::uint32_t kBenchSeed = 20240601;

// CP932 lines of kanji names (1-5 characters), hiragana readings (2-10) and random channels.
std::string MakeDataFile(std::int64_t lines);

// A document loaded from such a file, nothing listed yet.
std::unique_ptr<CHuesmithDoc> MakeCatalogue(std::int64_t entries);
