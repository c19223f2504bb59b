// The crossing between the program's code page 932 texts and UTF-16. It is the Windows conversion
// itself, so it is tested here, in the Windows driver, without the program.
#include <gtest/gtest.h>

#include "framework/Cp932.h"
#include "framework/WideText.h"

namespace e2e {
namespace {

TEST(WideText, EveryDoubleByteCharacterCrossesBothWays) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; IsCp932LeadByte(static_cast<unsigned char>(lead)) && trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::wstring wide = WideFromCp932(bytes);
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << trail;
            const std::string back = Cp932FromWide(wide).value_or("none");
            // A character NEC's and IBM's extensions share (ⅰ, ≒, 纊) goes back to the code Windows
            // prefers, the same character; an unassigned code shows as the code page's '・'.
            EXPECT_TRUE(back == bytes || wide[0] == 0x30FB || WideFromCp932(back) == wide) << std::hex << lead << trail;
        }
    }
}

TEST(WideText, BytesThatAreNoCharacterShowAndCharactersWithoutAFormAreRefused) {
    EXPECT_EQ(WideFromCp932("a\x81"), L"a・") << "a lead byte cut off at the end";
    EXPECT_EQ(WideFromCp932(std::string("\xFF\x80\0\x81\x7F", 5)).size(), 4u) << "no character, a NUL, no trail";
    EXPECT_EQ(Cp932FromWide(L"ｱ色a\\"), "\xB1\x90\x46" "a\\") << "half-width kana, kanji, ASCII";
    for (const wchar_t* text : {L"é", L"Zoë", L"😀", L"\xD800", L"가"}) EXPECT_FALSE(Cp932FromWide(text)) << text;
}

}  // namespace
}  // namespace e2e
