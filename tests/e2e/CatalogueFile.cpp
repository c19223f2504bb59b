#include "tests/e2e/CatalogueFile.h"

#include "tests/e2e/Text.h"

namespace e2e {

std::string CatalogueBytes(const std::vector<ColourEntry>& entries, std::string_view lineEnd) {
    std::string utf8;
    for (const auto& e : entries) {
        utf8 += e.name + ',' + e.reading + ',' + std::to_string(e.red) + ',' +
                std::to_string(e.green) + ',' + std::to_string(e.blue);
        utf8 += lineEnd;
    }
    return Cp932FromUtf8(utf8);
}

std::string ListText(const ColourEntry& entry) { return entry.name + "《" + entry.reading + "》"; }

const std::vector<ColourEntry>& SampleCatalogue() {
    static const std::vector<ColourEntry> entries = {
        // clang-format off
        {"桜色", "さくらいろ", 254, 244, 244},
        {"紅", "べに", 215, 0, 58},
        {"ソーダ水色", "そーだすいいろ", 160, 216, 239},
        {"藍色", "あいいろ", 22, 94, 131},
        {"ﾃｽﾄ黄", "てすときいろ", 248, 181, 0},
        // clang-format on
    };
    return entries;
}

}  // namespace e2e
