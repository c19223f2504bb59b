#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <tuple>

#include "controls/LinkText.h"
#include "framework/Cp932.h"
#include "framework/CrtNumber.h"
#include "framework/HalfWidth.h"
#include "tests/unit/UnitTest.h"

namespace {

TEST(Cp932, FindMatchesOnlyAtCharacterBoundaries) {
    // ソ is 0x83 0x5C, its trail byte a backslash; アイ is 0x83 0x41 0x83 0x43, with 'A' and 'C' as trails.
    const Case<std::pair<std::string_view, std::string_view>, std::size_t> cases[] = {
        {{"\x83\x5c", "\\"}, std::string_view::npos, "trail byte that looks like a backslash"},
        {{"\x83\x41\x83\x43", "\x41\x83"}, std::string_view::npos, "bytes straddling two characters"},
        {{"\xb1\xb2", "\xb2"}, 1, "half-width katakana are single bytes"},
        {{"a\x83", "\x83"}, 1, "a lead byte at the end stands alone"},
        {{"ab", "abc"}, std::string_view::npos, "needle longer than the haystack"},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp932Find(c.in.first, c.in.second), c.out) << c.what;
}

TEST(Cp932, CompareOrdersCharactersAsNumbers) {
    EXPECT_GT(Cp932Compare("\x82\xa0", "\xb1"), 0) << "あ (0x82A0) after ｱ (0xB1), though its first byte is lower";
    // The byte after a lead byte that ends the text lies outside it and must not be read.
    EXPECT_LT(Cp932Compare(std::string_view("\x82\xa0", 1), "\x82\xa0"), 0) << "a truncated lead byte: 0x82";
    EXPECT_GT(Cp932Compare("a\x82", "a"), 0) << "a truncated lead byte is still a character";
}

TEST(HalfWidth, FullWidthAsciiReadsAsAscii) {
    EXPECT_EQ(HalfWidthAscii(L"＃ｆＦ０９　－＋~"), L"#fF09 -+~") << "digits, letters, signs, the ideographic space";
    EXPECT_EQ(HalfWidthAscii(L"\xFF00\xFF5F色ｶ"), L"\xFF00\xFF5F色ｶ") << "the range's neighbours, kanji, kana stay";
}

// Each text as atoi, strtol in base 16 and the dialog's whole-field integer read it.
TEST(CrtNumber, ReadsLikeTheCRuntime) {
    const Case<const char*, std::tuple<int, long, std::optional<long>>> cases[] = {
        {" \t\r\n\v\f-5", {-5, -5, -5}, "white space and a sign"},
        {"12aBc", {12, 0x12abc, std::nullopt}, "stops at a non-digit; hexadecimal digits of either case"},
        {"- 5", {0, 0, std::nullopt}, "blank after the sign"},
        {"-2147483648", {INT_MIN, INT_MIN, INT_MIN}, "smallest 32-bit value"},
        {"2147483648", {INT_MAX, INT_MAX, std::nullopt}, "one past clamps"},
        {"99999999999999999999999999", {INT_MAX, INT_MAX, std::nullopt}, "very long number clamps"},
        {"000000000000000000000042", {42, 0x42, 42}, "leading zeros do not overflow"},
    };
    for (const auto& [text, read, what] : cases) {
        const auto& [atoi, strtolHex, dialog] = read;
        EXPECT_EQ(CrtAtoi(text), atoi) << "atoi: " << what;
        EXPECT_EQ(CrtStrtolHex(text), strtolHex) << "strtol: " << what;
        EXPECT_EQ(ParseDialogInteger(text), dialog) << "dialog: " << what;
    }
}

TEST(HtmCommandLine, CutsThePlaceholderAndAppendsTheUrl) {
    const std::wstring url = L"https://huesmith.example.org/";
    const Case<std::wstring, std::wstring> cases[] = {
        {LR"("C:\Program Files\b.exe" "%1")", LR"("C:\Program Files\b.exe" )" + url, "program \"%1\""},
        {L"b.exe %1 -new", L"b.exe " + url, "a bare %1 and what follows it"},
        {LR"(b.exe -x%1 "%1")", L"b.exe -x%1 " + url, "the quoted placeholder wins over an earlier bare one"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildHtmCommandLine(c.in, url), c.out) << c.what;
}

}  // namespace
