// The contrast ratio as shown and judged, the nearest names (the contrast dialog's and the
// magnifier's readout), and the readable colour suggested.
#include <gtest/gtest.h>

#include <memory>

#include "catalogue/ContrastRatio.h"
#include "catalogue/NearestNames.h"
#include "catalogue/ReadableColour.h"
#include "eyedropper/MagnifierReadout.h"
#include "tests/unit/ReadableColourReference.h"
#include "tests/unit/UnitTest.h"

constexpr HsColor kWhite = PackColor(255, 255, 255);

TEST(Contrast, RatioShownCutOffAndJudged) {
    const Case<double, const char*> cases[] = {
        {ContrastRatio(0, kWhite), "21.00 : 1 ++++", "black on white"},
        {ContrastRatio(kWhite, PackColor(0x77, 0x77, 0x77)), "4.47 : 1 -+--", "either order"},
        {ContrastRatio(PackColor(0x9A, 0x6C, 0x5A), kWhite), "4.49 : 1 -+--", "4.4999998 fails AA"},
        {1.3399999999999999, "1.33 : 1 ----", "times 100 rounds up to 134"},
        {3.0, "3.00 : 1 -+--", "AA large"},
        {4.5, "4.50 : 1 ++-+", "AA normal, AAA large"},
        {7.0, "7.00 : 1 ++++", "AAA normal"},
    };
    // The ratio shown, then AA normal, AA large, AAA normal, AAA large.
    for (const auto& c : cases) {
        const ContrastVerdicts v = ContrastVerdictsFor(c.in);
        std::string text = FormatContrastRatio(c.in) + " ";
        for (bool p : {v.aaNormal, v.aaLarge, v.aaaNormal, v.aaaLarge}) text += "-+"[p];
        EXPECT_EQ(text, c.out) << c.what;
    }
}

// The entries nearest to grey 100 in a catalogue of greys.
std::vector<int> NearestToGrey100(const std::vector<short>& greys) {
    CHuesmithDoc::Catalogue entries;
    for (const short g : greys) entries.push_back(std::make_unique<CColorRecord>("", "", g, g, g));
    std::vector<int> nearest;
    for (const auto& n : FindNearestNames(entries, 100, 100, 100, 5)) nearest.push_back(n.index);
    return nearest;
}

TEST(NearestNames, NearestFirstTiesInCatalogueOrder) {
    const Case<std::vector<short>, std::vector<int>> cases[] = {
        {{255, 100, 130, 100, 0, 110, 80, 130}, {1, 3, 5, 6, 2}, "ties: the later 130 stays out"},
        {{255, 130, 100}, {2, 1, 0}, "fewer than five"},
        {{}, {}, "empty catalogue"},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestToGrey100(c.in), c.out) << c.what;
}

TEST(MagnifierReadout, CodeAsCopiedNearestOfTheWholeCatalogueAndFamily) {
    CHuesmithDoc doc;
    doc.AddRecord("\x90\xd4", "\x82\xa0\x82\xa9", 255, 0, 0);  // 赤, あか
    doc.AddRecord("sky", "", 160, 216, 239);
    doc.AddToDisplay(1);  // the list shows sky alone
    doc.m_strCopyPrefix = "0x";
    doc.m_bLowerCase = 1;
    constexpr std::string_view kFamilies = "R\nY\nG\nB\nK";
    EXPECT_EQ(MagnifierReadoutText(doc, PackColor(250, 10, 5), kFamilies, "-"),
              "0xfa0a05\r\n\x90\xd4\r\n\x82\xa0\x82\xa9\r\nR")
        << "the copy options; the nearest of the catalogue, not of the list";
    EXPECT_EQ(doc.GetDisplayCount(), 1) << "the list untouched";
    doc.m_bLowerCase = 0;
    EXPECT_EQ(MagnifierReadoutText(doc, PackColor(0, 0, 255), kFamilies, "-"), "0x0000FF\r\nsky\r\n\r\nB")
        << "upper case; no reading";
    doc.RemoveAllRecords();
    EXPECT_EQ(MagnifierReadoutText(doc, PackColor(128, 128, 128), kFamilies, "-"), "0x808080\r\n-\r\n\r\nK")
        << "an empty catalogue";
}

// A pass over the whole cube per pair and level. The first pair passes AA already; against the
// second's mid-grey no colour reaches AAA; the last is answered by lighter colours.
TEST(ReadableColour, SameAsTryingEveryColour) {
    const Case<HsColor, HsColor> pairs[] = {
        // edited, other
        {PackColor(0x33, 0x66, 0xCC), PackColor(0xFF, 0xFF, 0x66), "blue on pale yellow"},
        {PackColor(0xFF, 0x80, 0x00), PackColor(0x80, 0x80, 0x80), "orange on mid-grey"},
        {kWhite, kWhite, "equal colours"},
        {PackColor(0xFF, 0, 0), PackColor(0, 0, 0xFF), "red against blue"},
    };
    for (const auto& c : pairs) {
        for (const double level : {kAaNormalRatio, kAaaNormalRatio}) {
            const auto expected = ExhaustiveReadableColour(c.in, c.out, level);
            EXPECT_EQ(NearestReadableColour(c.in, c.out, level), expected) << c.what << level;
        }
    }
}
