// The hex conversion dialog: opened with the current colour, its fields keeping each other in step,
// its swatch, a negative field refused, and what OK and Cancel hand back to the main form.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

// The three hexadecimal fields, the code and the three decimals, as one text.
std::string Shown(HWND dialog) {
    std::string text;
    for (int id : {IDC_EDIT_HEX_RED, IDC_EDIT_HEX_GREEN, IDC_EDIT_HEX_BLUE, IDC_EDIT_HEX_HTML_CODE, IDC_STATIC_DEC_RED,
                   IDC_STATIC_DEC_GREEN, IDC_STATIC_DEC_BLUE}) {
        text += (text.empty() ? "" : " ") + DlgText(dialog, id);
    }
    return text;
}


class HexConvertTest : public HuesmithTest {
protected:
    COLORREF Swatch(HWND dialog) {
        HWND swatch = ::GetDlgItem(dialog, IDC_STATIC_HEX_SWATCH);
        const POINT middle = Centre(ClientRectOf(swatch));
        return Painted(swatch, {middle.x, middle.y, middle.x + 1, middle.y + 1})[0];
    }
};

TEST_F(HexConvertTest, FieldsKeepInStepANegativeOneIsRefusedAndOkAppliesTheColour) {
    Start({.catalogue = CatalogueBytes({{"白", "しろ", 255, 255, 255},
                                        {"朱色", "しゅいろ", 255, 10, 0},
                                        {"黒", "くろ", 0, 0, 0},
                                        {"緋色", "ひいろ", 255, 10, 8}})});
    ChooseEntry(1);
    PressCtrl('H');
    HWND dialog = WaitForDialog("16進数変換");
    EXPECT_EQ(Shown(dialog), "FF A 0 #FF0A00 255 10 0") << "opened with the current colour, without padding";
    EXPECT_EQ(Swatch(dialog), RGB(255, 10, 0)) << "opened: swatch";
    TypeInto(dialog, IDC_EDIT_HEX_GREEN, "8");
    EXPECT_EQ(Shown(dialog), "FF 8 0 #FF0800 255 8 0") << "8 typed over green";
    EXPECT_EQ(Swatch(dialog), RGB(255, 8, 0)) << "swatch follows green";
    TypeInto(dialog, IDC_EDIT_HEX_HTML_CODE, "12AB3C");  // keys without shift: "12ab3c"
    EXPECT_EQ(Shown(dialog), "12 AB 3C 12ab3c 18 171 60") << "a typed code: fields upper-cased, the code as typed";
    ClickButton(dialog, IDCANCEL);
    EXPECT_FALSE(DialogOpen("16進数変換")) << "cancel closes";
    EXPECT_TRUE(Fields() == (Texts{"255", "10", "0"}) && Selection() == 1) << "cancel returns nothing";

    dialog = OpenDialog(ID_EDIT_HEX, "16進数変換");
    SetFieldText(dialog, IDC_EDIT_HEX_HTML_CODE, "#-10a0b");  // a sign has no key here: pasted
    EXPECT_EQ(Shown(dialog), "-1 A B #-10a0b × 10 11") << "a negative pair shown as typed and marked";
    PressButton(dialog, IDOK);
    EXPECT_EQ(AnswerMessage(), "16進数は00からFFまでの値を入力して下さい") << "OK refuses a negative field";
    EXPECT_TRUE(WaitFor([&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &gui) &&
               gui.hwndFocus == ::GetDlgItem(dialog, IDC_EDIT_HEX_RED);
    })) << "the refused field has the focus";
    TypeInto(dialog, IDC_EDIT_HEX_RED, "FF");
    EXPECT_EQ(Shown(dialog), "ff A B #FF0A0B 255 10 11") << "a channel again (keys typed without shift)";
    ClickButton(dialog, IDOK);
    EXPECT_FALSE(DialogOpen("16進数変換")) << "OK closes";
    EXPECT_EQ(Fields(), (Texts{"255", "10", "11"})) << "OK returns the colour";
    EXPECT_EQ(Selection(), 3) << "the nearest name: 緋色";
    EXPECT_EQ(StripBackground(), RGB(255, 10, 11)) << "the preview takes the colour";
}

}  // namespace
}  // namespace e2e
