#include "bench/SyntheticCatalogue.h"

#include <random>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/DataFileLine.h"
#include "framework/CArchive.h"

namespace {

std::string RandomCp932(std::mt19937& rng, int minChars, int maxChars, unsigned char lead0,
                        unsigned char leadCount, unsigned char trail0, unsigned char trailCount) {
    std::uniform_int_distribution<int> length(minChars, maxChars);
    std::uniform_int_distribution<int> lead(0, leadCount - 1);
    std::uniform_int_distribution<int> trail(0, trailCount - 1);
    std::string text;
    for (int n = length(rng); n > 0; --n) {
        text.push_back(static_cast<char>(lead0 + lead(rng)));
        text.push_back(static_cast<char>(trail0 + trail(rng)));
    }
    return text;
}

}  // namespace

std::string MakeDataFile(std::int64_t lines) {
    std::mt19937 rng(kBenchSeed);
    std::uniform_int_distribution<int> channel(0, 255);
    std::string file;
    std::string line;
    for (std::int64_t i = 0; i < lines; ++i) {
        const std::string name = RandomCp932(rng, 1, 5, 0x88, 0x17, 0x80, 0x7c);
        const std::string reading = RandomCp932(rng, 2, 10, 0x82, 1, 0x9f, 0x53);
        line.clear();
        FormatRecordLine({name, reading, static_cast<short>(channel(rng)),
                          static_cast<short>(channel(rng)), static_cast<short>(channel(rng))},
                         line);
        file += line;
    }
    return file;
}

std::unique_ptr<CHuesmithDoc> MakeCatalogue(std::int64_t entries) {
    auto doc = std::make_unique<CHuesmithDoc>();
    const std::string file = MakeDataFile(entries);
    CArchive archive(file);
    doc->Serialize(archive);
    return doc;
}
