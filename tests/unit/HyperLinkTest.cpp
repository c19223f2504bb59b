#include <gtest/gtest.h>

#include <string>

#include "controls/HyperLinkRules.h"
#include "controls/LinkText.h"
#include "tests/unit/Cp932TestText.h"

namespace {

constexpr std::string_view kUrl = "https://huesmith.example.org/";

TEST(HtmCommandLine, CutsThePlaceholderAndAppendsTheUrl) {
    const std::string url(kUrl);
    EXPECT_EQ(BuildHtmCommandLine(R"("C:\Program Files\b.exe" "%1")", kUrl), R"("C:\Program Files\b.exe" )" + url)
        << "program \"%1\"";
    EXPECT_EQ(BuildHtmCommandLine(R"(C:\b.exe -nohome)", kUrl), R"(C:\b.exe -nohome )" + url) << "no placeholder";
    EXPECT_EQ(BuildHtmCommandLine(R"(b.exe %1 -new)", kUrl), "b.exe " + url) << "a bare %1 and what follows it";
    EXPECT_EQ(BuildHtmCommandLine(R"(b.exe -x%1 "%1")", kUrl), "b.exe -x%1 " + url)
        << "the quoted placeholder wins over an earlier bare one";
    EXPECT_EQ(BuildHtmCommandLine(R"(b.exe "%1" "%1")", kUrl), "b.exe " + url) << "only the first is cut";
    EXPECT_EQ(BuildHtmCommandLine("", kUrl), " " + url) << "an empty command";
}

TEST(HtmCommandLine, ReadsDoubleByteTextByCharacters) {
    const std::string url(kUrl);
    const std::string program = ToCp932(R"("C:\ソフト\表示.exe")");  // both trails are backslashes
    EXPECT_EQ(BuildHtmCommandLine(program + R"( "%1" )" + ToCp932("／表示"), kUrl), program + " " + url)
        << "double-byte text before and after the placeholder";
    // A lead byte takes the quote after it as its trail: no quoted placeholder starts there, so
    // the bare %1 inside it is cut instead.
    EXPECT_EQ(BuildHtmCommandLine("b.exe \x81\"%1\"", kUrl), "b.exe \x81\" " + url) << "lead byte before the quote";
    EXPECT_EQ(BuildHtmCommandLine(ToCp932("表示.exe \"%1\""), kUrl), ToCp932("表示.exe") + " " + url)
        << "a placeholder right after a double-byte word";
}

TEST(HtmCommandLine, HoldsCommandsAndUrlsOfAnyLength) {
    const std::string program = "\"C:\\" + std::string(5000, 'p') + ".exe\"";
    const std::string url = "https://example.org/?" + std::string(70000, 'q');
    const std::string command = BuildHtmCommandLine(program + " \"%1\"", url);
    EXPECT_EQ(command.size(), program.size() + 1 + url.size()) << "nothing cut short";
    EXPECT_EQ(command, program + " " + url) << "long command and long URL";
}

TEST(LinkError, ShowsTheLineOfEachCode) {
    const std::string head = "Can't open link:\n\n";
    const std::pair<long long, const char*> lines[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    for (const auto& [code, line] : lines) EXPECT_EQ(LinkErrorText(code), head + line) << "code " << code;
    EXPECT_EQ(LinkErrorText(1), head + "Unknown Error (1) occurred.") << "a code without a line";
    EXPECT_EQ(LinkErrorText(-5), head + "Unknown Error (-5) occurred.") << "a negative code";
}

TEST(MailtoUrl, PercentEncodesTheSubjectAsUtf8) {
    EXPECT_EQ(MailtoUrl("support@huesmith.example.org", u8"Huesmithに関して"),
              "mailto:support@huesmith.example.org?subject=Huesmith%E3%81%AB%E9%96%A2%E3%81%97%E3%81%A6")
        << "the about box's subject";
    EXPECT_EQ(MailtoUrl("a@b.example", u8"a b+c&d=e?f#g%h/i"),
              "mailto:a@b.example?subject=a%20b%2Bc%26d%3De%3Ff%23g%25h%2Fi")
        << "delimiters and the blank escaped";
    EXPECT_EQ(MailtoUrl("a@b.example", u8"Az09-._~"), "mailto:a@b.example?subject=Az09-._~") << "unreserved kept";
    EXPECT_EQ(MailtoUrl("a@b.example", u8""), "mailto:a@b.example?subject=") << "empty subject";
}

TEST(LinkLook, HoverBeatsFocusWhichBeatsVisited) {
    EXPECT_EQ(LinkTextColor({}), kLinkColor) << "new link";
    EXPECT_EQ(LinkTextColor({.visited = true}), kLinkVisitedColor) << "visited";
    EXPECT_EQ(LinkTextColor({.focus = true, .visited = true}), kLinkFocusColor) << "focused, visited";
    EXPECT_EQ(LinkTextColor({.hover = true, .hoverColor = true, .focus = true, .visited = true}), kLinkHoverColor)
        << "hovered with the hover style";
    EXPECT_EQ(LinkTextColor({.hover = true, .hoverColor = false, .visited = true}), kLinkVisitedColor)
        << "hovered without the hover style";
    EXPECT_EQ(kLinkVisitedColor, 0x00800080u) << "purple";
    EXPECT_EQ(kLinkFocusColor, 0x00808000u) << "teal as 0x00BBGGRR";
}

TEST(LinkLook, FitsTheWindowToItsText) {
    const LinkBox plain{10, 20, 110, 36};  // no border: 100 x 16 client pixels
    EXPECT_EQ(FitLinkToText(plain, 100, 16, 60, 12, LinkAlign::Left, false), (LinkBox{10, 20, 70, 32})) << "left";
    EXPECT_EQ(FitLinkToText(plain, 100, 16, 60, 12, LinkAlign::Right, false), (LinkBox{50, 20, 110, 32})) << "right";
    EXPECT_EQ(FitLinkToText(plain, 100, 16, 61, 12, LinkAlign::Centre, true), (LinkBox{29, 22, 91, 34}))
        << "centred both ways, odd slack rounds toward the text";
    const LinkBox framed{10, 20, 114, 40};  // 2-pixel border around 100 x 16
    EXPECT_EQ(FitLinkToText(framed, 100, 16, 60, 12, LinkAlign::Left, false), (LinkBox{10, 20, 74, 36}))
        << "the border stays around the text";
    EXPECT_EQ(FitLinkToText(plain, 100, 16, 150, 20, LinkAlign::Left, false), (LinkBox{10, 20, 160, 40}))
        << "a text longer than the control widens it";
}

}  // namespace
