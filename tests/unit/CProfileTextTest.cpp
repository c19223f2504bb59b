#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "framework/CProfileText.h"
#include "tests/unit/UnitTest.h"

namespace {

using namespace std::string_literals;

TEST(CProfileText, ReadsAsTheProfileFunctionsRead) {
    // A read through the profile functions stops at 4,095 bytes, here inside 見 (0x8C 0xA9).
    const std::string longValue = std::string(4094, '#') + "\x8c\xa9" + std::string(4000, '#');
    // ゾ is 0x83 0x5D, its trail byte a "]"; ア is 0x83 0x41 and ャ 0x83 0x61, trails of "A" and "a".
    const CProfileText text("\xEF\xBB\xBF[ Window ]\r\ntop=1\r\n\tLeft \t= \t-5 \t\r\nLeft=2\r\n; Right=4\r\nodd\r\n"
                            "[Window]\r\nRight=3\r\n[Option]\nPreview=\" 0x \"\nHalf=\"a'\nOne=\"\nLong=" +
                            longValue + "\n[\x83\x5d]\r\n\x83\x41=1");
    const Case<std::array<const char*, 2>, std::optional<std::string>> cases[] = {
        {{"window", "TOP"}, "1", "case of ASCII letters ignored; the UTF-8 signature skipped"},
        {{"Window", "Left"}, "-5", "blanks around the key, = and value; the first of two keys"},
        {{"Window", "Right"}, std::nullopt, "a comment and a second section of the name do not count"},
        {{"Option", "Preview"}, " 0x ", "quotes keep the blanks; LF line ends"},
        {{"Option", "Half"}, "\"a'", "quotes that differ stay"},
        {{"Option", "One"}, "\"", "one quote is no pair"},
        {{"Option", "Long"}, longValue, "a long value whole"},
        {{"\x83\x5d", "\x83\x41"}, "1", "a section name whose trail byte is ]; a last line without a line end"},
        {{"\x83\x5d", "\x83\x61"}, std::nullopt, "trail bytes never fold: ャ is not ア"},
    };
    for (const auto& [in, out, what] : cases) EXPECT_EQ(text.GetString(in[0], in[1]), out) << what;
}

TEST(CProfileText, WritesValuesThatReadBackAndKeepsEveryOtherByte) {
    CProfileText text("; by hand\n[window]\r\n  LEFT = 1 \r\nodd\0line\r\n; next=1\r\n\r\n[Other]\r\nk=v"s);
    const Case<std::array<const char*, 3>, bool> cases[] = {
        {{"Window", "Left", "-20"}, true, "replaced, the key's spelling and spacing kept"},
        {{"Window", "Top", "0x "}, true, "a new key after the section's last key, quoted for its blank"},
        {{"Other", "k", ""}, true, "an empty value, on a last line without a line end"},
        {{"Option", "Copy", "'a'"}, true, "a new section at the end, quoted for its quotes"},
        {{"Option", "Preview", "a\r\nb"}, false, "a line break does not fit on a line"},
        {{"[Option]", "Copy=", "x"}, false, "names that would not read back"},
    };
    for (const auto& [in, accepted, what] : cases) {
        EXPECT_EQ(text.SetString(in[0], in[1], in[2]), accepted) << what;
        EXPECT_EQ(text.GetString(in[0], in[1]), accepted ? std::optional<std::string>(in[2]) : std::nullopt) << what;
    }
    EXPECT_EQ(text.Bytes(), "; by hand\n[window]\r\n  LEFT = -20\r\nTop=\"0x \"\r\nodd\0line\r\n; next=1\r\n\r\n"
                            "[Other]\r\nk=\r\n[Option]\r\nCopy=\"'a'\"\r\n"s);
}

}  // namespace
