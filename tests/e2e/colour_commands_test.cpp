// The colour commands: copy and paste through the real clipboard, the options that shape the copy
// and the preview, the inverse colour, the platform's colour dialog and the help.
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/LinkHandlers.h"

namespace e2e {
namespace {

using ColourCommandsTest = HuesmithTest;

constexpr COLORREF kBeni = RGB(215, 0, 58);  // 紅, the sample's second entry
constexpr COLORREF kMagenta = RGB(255, 0, 255);
// The platform colour dialog's red, green and blue fields and its button that opens the custom part.
constexpr int kColourDialogFields[] = {706, 707, 708};
constexpr int kColourDialogDefine = 719;

TEST_F(ColourCommandsTest, PasteAppliesTheCodeAndCopyFollowsTheOptions) {
    Start(WithSettings("[Option]\r\nPreview=見本\r\nCopy=$\r\nUpperLower=1\r\n"));
    NameSearch("色");
    SetClipboardBytes("Colour: ff8000\r\n");
    PressCtrl('V');
    EXPECT_EQ(Fields(), (Texts{"255", "128", "0"})) << "the code at the end of a text with a line break";
    EXPECT_EQ(Title(), "Huesmith - 5") << "the whole catalogue listed again";
    EXPECT_EQ(Selection(), 4) << "the nearest named colour, ﾃｽﾄ黄, selected";
    EXPECT_EQ(StripBackground(), RGB(255, 128, 0)) << "the pasted colour itself becomes the background";
    SetClipboardBytes("#FF800");
    PressCtrl('V');
    EXPECT_EQ(Fields(), (Texts{"255", "128", "0"})) << "no code: nothing changes";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "$ff8000") << "the saved prefix and lower case";

    HWND dialog = OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ");
    EXPECT_TRUE(DlgText(dialog, IDC_EDIT_PREVIEW) == "見本" && DlgTicked(dialog, IDC_RADIO_LOWER_CASE)) << "opened";
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CASE_SAMPLE), "rrggbb") << "lower-case sample";
    TypeInto(dialog, IDC_EDIT_COPY_PREFIX, "ABC");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CASE_SAMPLE), "RRGGBB") << "upper-case sample";
    EXPECT_EQ(DlgText(dialog, IDC_EDIT_COPY_PREFIX), "$") << "a case click puts the typed prefix back";
    // Out of the strip's way, so that only the program itself can repaint the strip.
    ::SetWindowPos(dialog, nullptr, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    StripPixels();  // lets the uncovered parts repaint first
    PaintStale(kPreviewStrip, kMagenta);
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(CountOf(StripPixels(), kMagenta), 0) << "cancel repaints the strip";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "$ff8000") << "cancel keeps the options";

    dialog = OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    SetFieldText(dialog, IDC_EDIT_COPY_PREFIX, "色 #");
    SetFieldText(dialog, IDC_EDIT_PREVIEW, "");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(CountOf(StripPixels(), RGB(255, 128, 0)), Width(kPreviewStrip) * Height(kPreviewStrip)) << "no text";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "色 #FF8000") << "a double-byte prefix reaches the clipboard whole";
    SetClipboardBytes("zzzzzz");
    PressCtrl('V');
    EXPECT_EQ(Fields(), (Texts{"0", "0", "0"})) << "six letters z read as black";
    EXPECT_EQ(Selection(), 3) << "nearest to black: 藍色";
    Close();
    EXPECT_EQ(Settings(), "[Option]\r\nPreview=\r\nCopy=色 #\r\nUpperLower=0\r\n[Window]\r\nLeft=0\r\nTop=0\r\n"
                          "WndStyle=0\r\nStatusBar=1\r\n");
}

TEST_F(ColourCommandsTest, InverseTwiceSwitchesTheTargetThereAndBackWithTheFarthestColours) {
    Start();
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT) && Selection() == 1) << "first: 文字色 takes 紅, the farthest from white";
    EXPECT_EQ(StripBackground(), kWhite) << "first: the background stays white";
    EXPECT_GT(CountOf(StripPixels(), kBeni), 0) << "first: the text is drawn in 紅";
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && Selection() == 0) << "second: 背景色 takes 桜色, the farthest from 紅";
    EXPECT_EQ(Fields(), (Texts{"254", "244", "244"}));
    EXPECT_EQ(StripBackground(), RGB(254, 244, 244)) << "second: the background takes 桜色";

    // Every entry is the current colour: nothing is farther, so nothing changes, the target
    // included; an entry chosen afterwards still goes to the background.
    Start(WithCatalogue(CatalogueBytes({{"白", "しろ", 255, 255, 255}})));
    ChooseEntry(0);
    PressCtrl('R');
    EXPECT_EQ(Selection(), CB_ERR) << "nothing farther: nothing selected";
    ChooseEntry(0);
    EXPECT_TRUE(Checked(IDC_RADIO_BACK)) << "nothing farther: the target was not switched behind the radios";
    EXPECT_GT(CountOf(StripPixels(), kBlack), 0) << "nothing farther: the text stays black";
}

TEST_F(ColourCommandsTest, ColourDialogOpensFullyAtTheCurrentColourAndOnlyOkApplies) {
    Start();
    ChooseEntry(3);  // 藍色 22 94 131
    for (const int button : {IDCANCEL, IDOK}) {
        PressCtrl('D');
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = FindDialog("")) != nullptr; });
        ASSERT_NE(::GetDlgItem(dialog, kColourDialogFields[0]), nullptr) << "Ctrl+D opens the colour dialog";
        EXPECT_EQ(::GetWindow(dialog, GW_OWNER), Frame()) << "owned by the main window";
        EXPECT_EQ(DlgText(dialog, 706) + " " + DlgText(dialog, 707) + " " + DlgText(dialog, 708), "22 94 131")
            << "starts at the current colour";
        EXPECT_FALSE(DlgEnabled(dialog, kColourDialogDefine)) << "fully open: nothing left to open";
        MakeForeground(dialog);
        const char* typed[] = {"255", "128", "0"};
        for (int i = 0; i < 3; ++i) TypeInto(dialog, kColourDialogFields[i], typed[i]);
        ClickButton(dialog, button);
        if (button == IDCANCEL) {
            EXPECT_EQ(Fields(), (Texts{"22", "94", "131"})) << "cancel changes nothing";
            NameSearch("紅");
        }
    }
    EXPECT_TRUE(WaitFor([&] { return Fields() == Texts{"255", "128", "0"}; })) << "OK applies the chosen colour";
    EXPECT_EQ(Title(), "Huesmith - 5") << "OK lists the whole catalogue again";
    EXPECT_EQ(Selection(), 4) << "OK selects the nearest name";
}

TEST_F(ColourCommandsTest, F1OpensTheHelpDocumentBesideTheProgramOrSaysItCannot) {
    const LinkSink sink;
    const ClassesOverride htmClass(L".htm", L"HuesmithE2E.helpfile");
    const ClassesOverride htmOpen(OpenCommandKey(L"HuesmithE2E.helpfile"), sink.OpenCommand());
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    PressKey(VK_F1);
    const auto opened = sink.WaitForOpened(1);
    ASSERT_EQ(opened.size(), 1u) << "F1 has the shell open a document";
    EXPECT_TRUE(std::filesystem::equivalent(Wide(opened[0]), BesideDriver(L"Huesmith.htm"))) << opened[0];
    SyncInput();
    EXPECT_TRUE(MessageBoxes().empty()) << "no message once the shell has opened it";
    Files alone;
    alone.programCopy = true;  // a copy of the program with no help document beside it
    Start(alone);
    ASSERT_TRUE(MakeForeground(Frame()));
    PressKey(VK_F1);
    EXPECT_EQ(AnswerMessage(), "ヘルプを起動できませんでした。") << "a missing help document is reported";
    EXPECT_EQ(sink.WaitForOpened(1).size(), 1u) << "the shell opened nothing more";
}

}  // namespace
}  // namespace e2e
