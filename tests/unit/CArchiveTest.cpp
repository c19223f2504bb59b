#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CArchive.h"

namespace {

std::vector<std::string> ReadAll(std::string_view bytes) {
    CArchive archive(bytes);
    std::vector<std::string> lines;
    std::string line;
    while (archive.ReadString(line)) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(CArchive, SplitsLinesAtCrLfAndLoneLf) {
    EXPECT_EQ(ReadAll(""), Lines{}) << "empty file";
    EXPECT_EQ(ReadAll("a\r\nb\nc"), (Lines{"a", "b", "c"})) << "mixed ends, last line unended";
    EXPECT_EQ(ReadAll("a\r\n"), Lines{"a"}) << "final line end gives no extra line";
    EXPECT_EQ(ReadAll("\r\n\n"), (Lines{"", ""})) << "empty lines are lines";
    EXPECT_EQ(ReadAll("a\rb\r\nc"), (Lines{"a\rb", "c"})) << "lone CR stays inside the line";
    EXPECT_EQ(ReadAll("a\r\r\n"), Lines{"a\r"}) << "only the CR before LF is the line end";
    EXPECT_EQ(ReadAll("a\r"), Lines{"a\r"}) << "CR at the very end is data";
    const std::string longLine(200000, 'x');
    EXPECT_EQ(ReadAll(longLine + "\r\n"), Lines{longLine}) << "lines of any length";
}

}  // namespace
