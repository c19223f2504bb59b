#include <gtest/gtest.h>

#include <climits>

#include "framework/CrtNumber.h"

namespace {

TEST(CrtNumber, AtoiReadsLikeTheCRuntime) {
    EXPECT_EQ(CrtAtoi(""), 0) << "empty";
    EXPECT_EQ(CrtAtoi("abc"), 0) << "no digits";
    EXPECT_EQ(CrtAtoi("12abc"), 12) << "stops at a non-digit";
    EXPECT_EQ(CrtAtoi(" \t\r\n\v\f-5"), -5) << "white space and sign";
    EXPECT_EQ(CrtAtoi("+300"), 300) << "plus sign";
    EXPECT_EQ(CrtAtoi("- 5"), 0) << "blank after the sign";
    EXPECT_EQ(CrtAtoi("2147483647"), INT_MAX) << "largest int";
    EXPECT_EQ(CrtAtoi("-2147483648"), INT_MIN) << "smallest int";
    EXPECT_EQ(CrtAtoi("2147483648"), INT_MAX) << "one past clamps";
    EXPECT_EQ(CrtAtoi("-2147483649"), INT_MIN) << "one below clamps";
    EXPECT_EQ(CrtAtoi("99999999999999999999999999"), INT_MAX) << "very long number clamps";
    EXPECT_EQ(CrtAtoi("000000000000000000000042"), 42) << "leading zeros do not overflow";
}

TEST(CrtNumber, DialogIntegerIsWholeTextOrNothing) {
    EXPECT_EQ(ParseDialogInteger(" 12 "), 12L) << "white space around";
    EXPECT_EQ(ParseDialogInteger("-7"), -7L) << "minus";
    EXPECT_EQ(ParseDialogInteger("300"), 300L) << "range is the caller's check";
    EXPECT_EQ(ParseDialogInteger(""), std::nullopt) << "empty field";
    EXPECT_EQ(ParseDialogInteger("  "), std::nullopt) << "blanks only";
    EXPECT_EQ(ParseDialogInteger("-"), std::nullopt) << "sign only";
    EXPECT_EQ(ParseDialogInteger("12a"), std::nullopt) << "trailing letter";
    EXPECT_EQ(ParseDialogInteger("1 2"), std::nullopt) << "two numbers";
    EXPECT_EQ(ParseDialogInteger("0x10"), std::nullopt) << "hexadecimal";
    EXPECT_EQ(ParseDialogInteger("- 1"), std::nullopt) << "blank after the sign";
    EXPECT_EQ(ParseDialogInteger("2147483647"), 2147483647L) << "largest 32-bit long";
    EXPECT_EQ(ParseDialogInteger("-2147483648"), -2147483648L) << "smallest 32-bit long";
    EXPECT_EQ(ParseDialogInteger("2147483648"), std::nullopt) << "past a 32-bit long";
    EXPECT_EQ(ParseDialogInteger("-99999999999999999999"), std::nullopt) << "far below";
}

}  // namespace

TEST(CrtNumber, StrtolHexReadsLikeTheRuntime) {
    EXPECT_EQ(CrtStrtolHex("ff"), 255) << "lower case";
    EXPECT_EQ(CrtStrtolHex("A0"), 160) << "upper case";
    EXPECT_EQ(CrtStrtolHex("  7z"), 7) << "blanks skipped, stops at a non-digit";
    EXPECT_EQ(CrtStrtolHex("-1"), -1) << "sign accepted";
    EXPECT_EQ(CrtStrtolHex("zz"), 0) << "no digits";
    EXPECT_EQ(CrtStrtolHex(""), 0) << "empty";
    EXPECT_EQ(CrtStrtolHex("0x1F"), 31) << "0x prefix";
    EXPECT_EQ(CrtStrtolHex("0x"), 0) << "0x without digits reads the 0";
    EXPECT_EQ(CrtStrtolHex("FFFFFFFFFF"), 2147483647L) << "clamped high";
    EXPECT_EQ(CrtStrtolHex("-FFFFFFFFFF"), -2147483647L - 1) << "clamped low";
}
