// The colour commands: copy and paste through the real clipboard, the options that shape the copy
// and the preview, the inverse colour and the platform's colour dialog.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using ColourCommandsTest = HuesmithTest;

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr int kColourDialogFields[] = {706, 707, 708};  // the platform dialog's red, green and blue
constexpr int kColourDialogDefine = 719;                // its button that opens the custom part

TEST_F(ColourCommandsTest, PasteAppliesTheCodeAndCopyFollowsTheOptions) {
    Start({.settings = "[Option]\r\nPreview=見本\r\nCopy=$\r\nUpperLower=1\r\n"});
    NameSearch("色");
    for (const char* pasted : {"Colour: ff8000\r\n", "#FF800"}) {  // the second is no code: nothing changes
        SetClipboardBytes(pasted);
        PressCtrl('V');
        EXPECT_EQ(Fields(), (Texts{"255", "128", "0"})) << pasted;
    }
    EXPECT_TRUE(Title() == "Huesmith - 5" && Selection() == 4) << "all listed again, the nearest name selected";
    EXPECT_EQ(StripBackground(), kOrange) << "the pasted colour itself becomes the background";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "$ff8000") << "the saved prefix and lower case";

    HWND dialog = OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ");
    EXPECT_TRUE(DlgText(dialog, IDC_EDIT_PREVIEW) == "見本" && DlgTicked(dialog, IDC_RADIO_LOWER_CASE)) << "opened";
    TypeInto(dialog, IDC_EDIT_COPY_PREFIX, "ABC");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CASE_SAMPLE), "RRGGBB") << "upper-case sample";
    EXPECT_EQ(DlgText(dialog, IDC_EDIT_COPY_PREFIX), "$") << "a case click puts the typed prefix back";
    ClickButton(dialog, IDCANCEL);
    dialog = OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    SetFieldText(dialog, IDC_EDIT_COPY_PREFIX, "色 #");
    SetFieldText(dialog, IDC_EDIT_PREVIEW, "");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(CountOf(StripPixels(), kOrange), Width(kPreviewStrip) * Height(kPreviewStrip)) << "no preview text";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "色 #FF8000") << "a double-byte prefix reaches the clipboard whole";
    SetClipboardBytes("zzzzzz");
    PressCtrl('V');
    EXPECT_TRUE(Fields() == (Texts{"0", "0", "0"}) && Selection() == 3) << "six letters z read as black, 藍色 nearest";
    Close();
    EXPECT_EQ(Settings(), "[Option]\r\nPreview=\r\nCopy=色 #\r\nUpperLower=0\r\n[Window]\r\nLeft=0\r\nTop=0\r\n"
                          "WndStyle=0\r\nStatusBar=1\r\n");
}

TEST_F(ColourCommandsTest, InverseSwitchesTheTargetToTheFarthestColourUnlessNothingIsFarther) {
    Start();
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT) && Selection() == 1) << "文字色 takes 紅, the farthest from white";
    EXPECT_GT(CountOf(StripPixels(), RGB(215, 0, 58)), 0) << "the text is drawn in 紅";
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && Selection() == 0) << "背景色 takes 桜色, the farthest from 紅";
    EXPECT_EQ(StripBackground(), RGB(254, 244, 244));
    // Every entry is the current colour: nothing is farther, so nothing changes, the target included.
    Start({.catalogue = CatalogueBytes({{"白", "しろ", 255, 255, 255}})});
    ChooseEntry(0);
    PressCtrl('R');
    ChooseEntry(0);
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && CountOf(StripPixels(), kBlack) > 0) << "the target was not switched";
}

TEST_F(ColourCommandsTest, ColourDialogOpensFullyAtTheCurrentColourAndOnlyOkApplies) {
    Start();
    ChooseEntry(3);  // 藍色 22 94 131
    for (const int button : {IDCANCEL, IDOK}) {
        PressCtrl('D');
        HWND dialog = WaitForDialog("");
        ASSERT_NE(::GetDlgItem(dialog, kColourDialogFields[0]), nullptr) << "Ctrl+D opens the colour dialog";
        EXPECT_EQ(DlgText(dialog, 706) + " " + DlgText(dialog, 707) + " " + DlgText(dialog, 708), "22 94 131")
            << "starts at the current colour";
        EXPECT_TRUE(::GetWindow(dialog, GW_OWNER) == Frame() && !DlgEnabled(dialog, kColourDialogDefine)) << "fully open";
        const char* typed[] = {"255", "128", "0"};
        for (int i = 0; i < 3; ++i) TypeInto(dialog, kColourDialogFields[i], typed[i]);
        ClickButton(dialog, button);
        if (button == IDCANCEL) {
            EXPECT_EQ(Fields(), (Texts{"22", "94", "131"})) << "cancel changes nothing";
            NameSearch("紅");
        }
    }
    EXPECT_TRUE(WaitFor([&] { return Fields() == Texts{"255", "128", "0"}; })) << "OK applies the chosen colour";
    EXPECT_TRUE(Title() == "Huesmith - 5" && Selection() == 4) << "all listed again, the nearest name selected";
}

}  // namespace
}  // namespace e2e
