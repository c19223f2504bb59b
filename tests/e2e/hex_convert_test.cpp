// The hex conversion dialog as a user meets it: opened with the current colour, its fields keeping
// each other in step, its swatch, and what OK and Cancel hand back to the main form.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

constexpr int kVermilion = 1;  // 255, 10, 0: the colour the dialog opens with
constexpr int kScarlet = 3;    // 255, 10, 8: nearest to 255, 10, 7

SessionFiles HexFiles() {
    SessionFiles files;
    files.catalogue = CatalogueBytes({
        {"白", "しろ", 255, 255, 255},
        {"朱色", "しゅいろ", 255, 10, 0},
        {"黒", "くろ", 0, 0, 0},
        {"緋色", "ひいろ", 255, 10, 8},
        {"若竹色", "わかたけいろ", 18, 171, 60},
    });
    return files;
}

class HexConvertTest : public HuesmithTest {
protected:
    // Starts on the test catalogue with 朱色 as the current colour and opens the dialog with Ctrl+H.
    HWND OpenWithVermilion() {
        Start(HexFiles());
        ChooseEntry(kVermilion);
        if (!MakeForeground(Session().Frame())) throw std::runtime_error("main window not foreground");
        PressChord(VK_CONTROL, 'H');
        HWND dialog = nullptr;
        WaitFor([&] {
            for (HWND d : OtherDialogsOf(Session().ProcessId())) {
                if (TextOf(d) == "16進数変換") dialog = d;
            }
            return dialog != nullptr;
        });
        if (dialog == nullptr) throw std::runtime_error("no hex conversion dialog");
        MakeForeground(dialog);
        return dialog;
    }

    static std::string Field(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }
    static Triple HexFields(HWND dialog) {
        return {Field(dialog, IDC_EDIT_HEX_RED), Field(dialog, IDC_EDIT_HEX_GREEN), Field(dialog, IDC_EDIT_HEX_BLUE)};
    }
    static Triple Decimals(HWND dialog) {
        return {Field(dialog, IDC_STATIC_DEC_RED), Field(dialog, IDC_STATIC_DEC_GREEN), Field(dialog, IDC_STATIC_DEC_BLUE)};
    }
    static std::string Code(HWND dialog) { return Field(dialog, IDC_EDIT_HEX_HTML_CODE); }

    // A text that arrives whole, as a paste does (a sign has no key of its own in TypeKeys).
    static void Paste(HWND dialog, int id, const char* utf8) { SetFieldText(dialog, id, utf8); }

    // The middle of the swatch, read through the dialog's own (top-level) DC once it has painted.
    static COLORREF SwatchColour(HWND dialog) {
        RECT frame = WindowRectOf(::GetDlgItem(dialog, IDC_STATIC_HEX_SWATCH));
        ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&frame), 2);
        ::UpdateWindow(dialog);
        HDC dc = ::GetDC(dialog);
        const COLORREF colour = ::GetPixel(dc, (frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
        ::ReleaseDC(dialog, dc);
        return colour;
    }
    static bool WaitForSwatch(HWND dialog, COLORREF colour) {
        return WaitFor([&] { return SwatchColour(dialog) == colour; });
    }

    bool DialogOpen() { return !OtherDialogsOf(Session().ProcessId()).empty(); }
    int Selection() { return ComboSelection(Session().Control(IDC_COMBO_NAME)); }
};

TEST_F(HexConvertTest, FieldsCodeAndDecimalsKeepInStep) {
    HWND dialog = OpenWithVermilion();
    EXPECT_EQ(HexFields(dialog), (Triple{"FF", "A", "0"})) << "opened: hexadecimal without padding";
    EXPECT_EQ(Code(dialog), "#FF0A00") << "opened: code";
    EXPECT_EQ(Decimals(dialog), (Triple{"255", "10", "0"})) << "opened: decimals";
    EXPECT_TRUE(WaitForSwatch(dialog, RGB(255, 10, 0))) << "opened: swatch";

    TypeInto(dialog, IDC_EDIT_HEX_GREEN, "8");
    EXPECT_EQ(Code(dialog), "#FF0800") << "8 typed over green";
    EXPECT_EQ(Decimals(dialog), (Triple{"255", "8", "0"})) << "green decimal follows";
    EXPECT_TRUE(WaitForSwatch(dialog, RGB(255, 8, 0))) << "swatch follows green";

    TypeInto(dialog, IDC_EDIT_HEX_HTML_CODE, "12AB3C");  // keys without shift: "12ab3c"
    EXPECT_EQ(HexFields(dialog), (Triple{"12", "AB", "3C"})) << "code typed: fields upper-cased";
    EXPECT_EQ(Code(dialog), "12ab3c") << "the code keeps its text as typed";
    EXPECT_EQ(Decimals(dialog), (Triple{"18", "171", "60"})) << "code typed: decimals";
    EXPECT_TRUE(WaitForSwatch(dialog, RGB(18, 171, 60))) << "swatch follows the code";

    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(); })) << "cancel closes";
    EXPECT_EQ(Fields(), (Triple{"255", "10", "0"})) << "cancel returns nothing";
    EXPECT_EQ(Selection(), kVermilion) << "cancel keeps the selection";
}

TEST_F(HexConvertTest, OkMakesTheFieldsTheColourAndSelectsTheNearestName) {
    HWND dialog = OpenWithVermilion();
    TypeInto(dialog, IDC_EDIT_HEX_BLUE, "7");
    EXPECT_EQ(Code(dialog), "#FF0A07") << "blue typed";

    PressButton(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(); })) << "OK closes";
    EXPECT_TRUE(WaitForFields({"255", "10", "7"})) << "blue 7 returned";
    EXPECT_EQ(Sliders(), (std::vector<int>{255, 10, 7})) << "sliders follow";
    EXPECT_EQ(Selection(), kScarlet) << "nearest name: 緋色";
    EXPECT_EQ(StripBackground(), RGB(255, 10, 7)) << "the preview takes the colour";
}

// A sign makes a field read negative: the dialog marks it, the code shows it as typed, and OK
// refuses it until the field holds a channel again.
TEST_F(HexConvertTest, NegativeFieldIsRefused) {
    HWND dialog = OpenWithVermilion();
    Paste(dialog, IDC_EDIT_HEX_RED, "-f");
    EXPECT_EQ(Decimals(dialog), (Triple{"×", "10", "0"})) << "red decimal marked";
    EXPECT_EQ(Code(dialog), "#-F0A00") << "no eight-digit text: the field as typed";

    Paste(dialog, IDC_EDIT_HEX_HTML_CODE, "#-10a0b");
    EXPECT_EQ(HexFields(dialog), (Triple{"-1", "A", "B"})) << "negative pair shown as typed";
    EXPECT_EQ(Decimals(dialog), (Triple{"×", "10", "11"})) << "negative pair marked";

    PressButton(dialog, IDOK);
    const std::vector<HWND> boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "OK with a negative field";
    EXPECT_EQ(MessageBoxText(boxes[0]), "16進数は00からFFまでの値を入力して下さい") << "the refusal";
    PressButton(boxes[0], IDOK);
    EXPECT_TRUE(WaitForMessageBoxes(0).empty()) << "refusal dismissed";
    EXPECT_TRUE(DialogOpen()) << "the dialog stays open";
    EXPECT_TRUE(WaitFor([&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &gui);
        return gui.hwndFocus == ::GetDlgItem(dialog, IDC_EDIT_HEX_RED);
    })) << "the refused field has the focus";

    TypeInto(dialog, IDC_EDIT_HEX_RED, "20");
    EXPECT_EQ(Code(dialog), "#200A0B") << "a channel again";
    PressButton(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(); })) << "OK accepted";
    EXPECT_TRUE(WaitForFields({"32", "10", "11"})) << "the corrected colour returned";
}

}  // namespace
}  // namespace e2e
