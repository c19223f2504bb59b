// The settings file: any bytes parse; a value set reads back as it was set, every other key keeps
// its value, and a refused value changes nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "framework/CProfileText.h"

namespace {

// Names that are the same but for case share an id. ア (0x83 0x41) and ャ (0x83 0x61) differ only
// in a trail byte that looks like a letter; ゾ (0x83 0x5D) ends in a "]".
struct Name {
    const char* text;
    int id;
};
constexpr std::array<Name, 5> kSections = {
    {{"Window", 0}, {"WINDOW", 0}, {"Option", 1}, {"\x83\x41", 2}, {"\x83\x5d", 3}}};
constexpr std::array<Name, 5> kKeys = {{{"Left", 0}, {"left", 0}, {"Preview", 1}, {"\x83\x41", 2}, {"\x83\x61", 3}}};

using Values = std::array<std::array<std::optional<std::string>, kKeys.size()>, kSections.size()>;

Values ReadAll(const CProfileText& text) {
    Values values;
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) values[s][k] = text.GetString(kSections[s].text, kKeys[k].text);
    }
    return values;
}

}  // namespace

// Input: a byte choosing the section, one choosing the key, one giving the value's length, the
// value, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 3;
    if (size < kHeader) return 0;
    const Name& section = kSections[data[0] % kSections.size()];
    const Name& key = kKeys[data[1] % kKeys.size()];
    const std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
    const std::string_view value = rest.substr(0, data[2] % (rest.size() + 1));
    CProfileText text{std::string(rest.substr(value.size()))};

    const Values before = ReadAll(text);
    const std::string bytesBefore = text.Bytes();
    const bool stored = text.SetString(section.text, key.text, value);
    if (!stored && (text.Bytes() != bytesBefore || value.find_first_of("\r\n") == std::string_view::npos)) std::abort();
    const Values after = ReadAll(text);
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            const bool target = stored && kSections[s].id == section.id && kKeys[k].id == key.id;
            if (target ? after[s][k] != value : after[s][k] != before[s][k]) std::abort();
        }
    }
    return 0;
}
