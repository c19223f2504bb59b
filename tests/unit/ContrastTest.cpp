// The contrast ratio as shown and judged, also as people with a colour-vision deficiency see it, the nearest names (the contrast dialog's and the
// magnifier's readout), and the readable colour suggested.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "catalogue/ColourVision.h"
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

// Expected: tests/unit/colour_vision_reference.py, the same published method and data worked out
// apart. Protanopia, deuteranopia, tritanopia, greyscale.
TEST(ColourVision, DichromatsByBrettelAndGreyscaleKeepGreysGrey) {
    using Views = std::array<LinearRgb, kSimulatedVisions.size()>;
    const Case<HsColor, Views> cases[] = {
        {PackColor(255, 0, 0),
         {{{0.14501, 0.10439, 0.00427}, {0.37003, 0.25761, -0.01951}, {1.01353, -0.01180, 0.07702}, {0.2126, 0.2126, 0.2126}}},
         "red"},
        {PackColor(0, 255, 0),
         {{{1.20181, 0.85326, -0.00600}, {0.88552, 0.63789, 0.02743}, {0.19995, 0.82566, 1.13819}, {0.7152, 0.7152, 0.7152}}},
         "green"},
        {PackColor(0, 0, 255),
         {{{-0.30912, 0.03774, 1.00154}, {-0.22964, 0.09390, 0.99289}, {-0.13335, 0.11627, 0.24095}, {0.0722, 0.0722, 0.0722}}},
         "blue"},
        {PackColor(51, 102, 204),
         {{{-0.02679, 0.14018, 0.60413}, {-0.01139, 0.15106, 0.60245}, {-0.02305, 0.18183, 0.28417}, {0.14566, 0.14566, 0.14566}}},
         "a mid tone"},
    };
    constexpr double kPrinted = 5e-6;  // the reference's five decimals
    for (const auto& c : cases) {
        for (std::size_t v = 0; v < kSimulatedVisions.size(); ++v) {
            const LinearRgb seen = SimulateVision(LinearRgbOf(c.in), kSimulatedVisions[v]);
            EXPECT_NEAR(seen.red, c.out[v].red, kPrinted) << c.what << ", view " << v;
            EXPECT_NEAR(seen.green, c.out[v].green, kPrinted) << c.what << ", view " << v;
            EXPECT_NEAR(seen.blue, c.out[v].blue, kPrinted) << c.what << ", view " << v;
        }
    }
    for (const int level : {0, 1, 128, 254, 255}) {
        for (const ColourVision vision : kSimulatedVisions) {
            const LinearRgb seen = SimulateVision(LinearRgbOf(PackColor(level, level, level)), vision);
            EXPECT_TRUE(std::abs(seen.red - LinearChannel(level)) < 1e-9 && std::abs(seen.green - seen.red) < 1e-9 &&
                        std::abs(seen.blue - seen.red) < 1e-9)
                << "grey " << level << " stays itself, view " << static_cast<int>(vision);
        }
    }
    EXPECT_EQ(FormatContrastRatio(SimulatedContrastRatio(PackColor(255, 0, 0), 0, ColourVision::Protanopia)), "3.11 : 1")
        << "red on black as protanopes see it (5.25 : 1 for normal vision)";
    EXPECT_EQ(VisionsFailingAlone(PackColor(255, 0, 0), 0, kAaNormalRatio), std::vector{ColourVision::Protanopia})
        << "red on black: AA for normal vision, not for protanopes";
    EXPECT_TRUE(VisionsFailingAlone(0, PackColor(255, 255, 255), kAaaNormalRatio).empty()) << "black on white";
    EXPECT_TRUE(VisionsFailingAlone(PackColor(0x77, 0x77, 0x77), PackColor(255, 255, 255), kAaNormalRatio).empty())
        << "4.47 : 1 fails normal vision too";
    EXPECT_EQ(FormatContrastRatio(SimulatedContrastRatio(PackColor(0, 0, 255), 0, ColourVision::Protanopia)), "2.98 : 1")
        << "blue on black: the simulated red below 0 counts as 0";
    EXPECT_EQ(ColourOf(SimulateVision(LinearRgbOf(PackColor(255, 0, 0)), ColourVision::Achromatopsia)),
              PackColor(127, 127, 127))
        << "encoded for the screen: red's luminance 0.2126 is grey 127";
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
