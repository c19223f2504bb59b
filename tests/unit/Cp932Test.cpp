#include <gtest/gtest.h>

#include <random>
#include <string>

#include "framework/Cp932.h"
#include "tests/unit/Cp932TestText.h"

namespace {

constexpr auto npos = std::string_view::npos;

TEST(Cp932, FindMatchesOnlyAtCharacterBoundaries) {
    const std::string so = ToCp932("ソ");  // 0x83 0x5C: the trail byte is a backslash
    const std::string aI = ToCp932("アイ");  // 0x83 0x41 0x83 0x43: 'A' and 'C' as trails
    EXPECT_EQ(Cp932Find(so, "\\"), npos) << "trail byte that looks like a backslash";
    EXPECT_EQ(Cp932Find("a" + so + "\\", "\\"), 3u) << "the real backslash after it";
    EXPECT_EQ(Cp932Find(aI, "A"), npos) << "trail byte that looks like a letter";
    EXPECT_EQ(Cp932Find(aI, "\x41\x83"), npos) << "bytes straddling two characters";
    EXPECT_EQ(Cp932Find(aI, ToCp932("イ")), 2u) << "second character";
    EXPECT_EQ(Cp932Find("\xb1\xb2", "\xb2"), 1u) << "half-width katakana are single bytes";
    EXPECT_EQ(Cp932Find("a\x83", "\x83"), 1u) << "a lead byte at the end stands alone";
    EXPECT_EQ(Cp932Find("ab", ""), 0u) << "empty needle";
    EXPECT_EQ(Cp932Find("", ""), 0u) << "empty needle, empty haystack";
    EXPECT_EQ(Cp932Find("ab", "abc"), npos) << "needle longer than the haystack";
    EXPECT_EQ(Cp932Find("aAb", "A"), 1u) << "case-sensitive";
}

TEST(Cp932, CompareOrdersCharactersAsNumbers) {
    const auto sign = [](int order) { return (order > 0) - (order < 0); };
    const auto cmp = [&](std::string_view a, std::string_view b) {
        return sign(Cp932Compare(ToCp932(a), ToCp932(b)));
    };
    EXPECT_EQ(cmp("か", "が"), -1) << "voiced directly after plain";
    EXPECT_EQ(cmp("が", "き"), -1) << "voiced before the next kana";
    EXPECT_EQ(cmp("ぁ", "あ"), -1) << "small kana first";
    EXPECT_EQ(cmp("あ", "ぃ"), -1) << "table order, not kana order";
    EXPECT_EQ(cmp("か", "かき"), -1) << "proper prefix first";
    EXPECT_EQ(cmp("かき", "かき"), 0) << "equal";
    EXPECT_EQ(cmp("ソ", "ア"), 1) << "trail bytes compared with their lead";
    // Byte by byte, 0x82 of あ would come before 0xB1 of ｱ; as numbers 0x82A0 comes after.
    EXPECT_EQ(cmp("あ", "ｱ"), 1) << "double-byte character after single bytes";
    EXPECT_EQ(cmp("z", "あ"), -1) << "ASCII before kana";
    // The trail that follows in memory lies outside the first text and must not be read.
    EXPECT_EQ(sign(Cp932Compare(std::string_view("\x82\xa0", 1), "\x82\xa0")), -1)
        << "truncated lead byte as one byte";
    EXPECT_EQ(sign(Cp932Compare("a\x82", "a")), 1) << "truncated lead byte is still a character";
}

// The sort settles most reading comparisons by the prefix number alone, so wherever two prefixes
// differ they must order exactly as the full comparison does.
TEST(Cp932, OrderPrefixAgreesWithCompare) {
    const std::string alphabet("\0a\x5c\x82\xa0\xb1\x83\xe0\xfc\xff", 10);
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> length(0, 10);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    const auto randomText = [&] {
        std::string text(length(rng), '\0');
        for (char& c : text) c = alphabet[pick(rng)];
        return text;
    };
    int decided = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string a = randomText();
        const std::string b = randomText();
        const std::uint64_t pa = Cp932OrderPrefix(a);
        const std::uint64_t pb = Cp932OrderPrefix(b);
        if (pa == pb) continue;
        ++decided;
        ASSERT_EQ(pa < pb, Cp932Compare(a, b) < 0) << testing::PrintToString(a) << " vs "
                                                    << testing::PrintToString(b);
    }
    EXPECT_GT(decided, 10000) << "the prefixes decide most pairs";
}

}  // namespace
