// The crossing between the program's code page 932 texts and UTF-16. It is the Windows conversion
// itself, so it is tested here, in the Windows driver, without the program.
#include <gtest/gtest.h>

#include "framework/WideText.h"

namespace e2e {
namespace {

bool IsLead(unsigned byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// NEC's and IBM's extensions share characters (ⅰ, ≒, ∵, 纊 ...): such a character goes back to
// the code Windows prefers for it, which reads back as the same character.
bool IsSharedExtension(unsigned code) {
    return (code >= 0x8790 && code <= 0x879C) || (code >= 0xED40 && code <= 0xEEFC) ||
           (code >= 0xFA4A && code <= 0xFA5B);
}

TEST(WideText, EveryDoubleByteCharacterCrossesBothWays) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; IsLead(lead) && trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::wstring wide = WideFromCp932(bytes);
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << trail;
            const std::optional<std::string> back = Cp932FromWide(wide);
            ASSERT_TRUE(back) << std::hex << lead << trail;
            const unsigned code = lead << 8 | trail;
            // An unassigned code shows as the code page's '・' and is not expected back.
            if (*back != bytes && wide[0] != 0x30FB) {
                EXPECT_TRUE(IsSharedExtension(code) && WideFromCp932(*back) == wide) << std::hex << code;
            }
        }
    }
}

TEST(WideText, BytesThatAreNoCharacterShowAndCharactersWithoutAFormAreRefused) {
    const struct {
        std::string bytes;
        std::size_t units;
        const char* what;
    } odd[] = {{"a\x81", 2, "a lead byte cut off at the end"}, {"\xFF\x80\xA0", 3, "bytes no character starts with"},
               {"\x81\x7F", 1, "a lead byte and a byte that is no trail: one sign"}, {std::string("a\0b", 3), 3, "a NUL inside"}};
    for (const auto& c : odd) EXPECT_EQ(WideFromCp932(c.bytes).size(), c.units) << c.what;
    EXPECT_EQ(Cp932FromWide(L"ｱ色a\\"), "\xB1\x90\x46" "a\\") << "half-width kana, kanji, ASCII";
    for (const wchar_t* text : {L"é", L"Zoë", L"😀", L"\xD800", L"가"}) EXPECT_FALSE(Cp932FromWide(text)) << text;
}

}  // namespace
}  // namespace e2e
