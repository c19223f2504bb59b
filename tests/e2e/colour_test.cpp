// The current colour and the commands on it: the target radios and their shortcuts, the list, the
// spin buttons, typed values and the sliders; copy and paste through the real clipboard and the
// options that shape them; the inverse colour; the hex conversion dialog; the platform's colour
// dialog; and what the preview strip shows for each.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using ColourTest = HuesmithTest;

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr int kColourDialogFields[] = {706, 707, 708};  // the platform dialog's red, green and blue
constexpr int kColourDialogDefine = 719;                // its button that opens the custom part

TEST_F(ColourTest, PasteAppliesTheCodeAndCopyFollowsTheOptions) {
    Start({.settings = "[Option]\r\nPreview=見本\r\nCopy=$\r\nUpperLower=1\r\n"});
    NameSearch("色");
    // A full-width code as Japanese text has it; the last is no code: nothing changes.
    for (const char* pasted : {"＃ｆｆ８０００", "Colour: ff8000\r\n", "#FF800"}) {
        SetClipboardText(pasted);
        PressCtrl('V');
        EXPECT_EQ(Fields(), (Texts{"255", "128", "0"})) << pasted;
    }
    EXPECT_TRUE(Title() == "Huesmith - 5" && Selection() == 4) << "all listed again, the nearest name selected";

    HWND dialog = OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ");
    EXPECT_EQ(DlgText(dialog, IDC_EDIT_PREVIEW) + DlgText(dialog, IDC_STATIC_CASE_SAMPLE), "見本rrggbb") << "opened";
    TypeInto(dialog, IDC_EDIT_COPY_PREFIX, "ABC");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CASE_SAMPLE) + DlgText(dialog, IDC_EDIT_COPY_PREFIX), "RRGGBB$")
        << "upper-case sample; a case click puts the typed prefix back";
    SetFieldText(dialog, IDC_EDIT_COPY_PREFIX, "色 #");
    SetFieldText(dialog, IDC_EDIT_PREVIEW, "");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(CountOf(StripPixels(), kOrange), Width(kPreviewStrip) * Height(kPreviewStrip)) << "no preview text";
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "色 #FF8000") << "a double-byte prefix reaches the clipboard whole";
    SetClipboardText("x");
    ASSERT_TRUE(::OpenClipboard(nullptr) && MakeForeground(Frame()));  // another program has it open a moment
    PressChord(VK_CONTROL, 'C');
    ::Sleep(200);
    ::CloseClipboard();
    SyncInput();
    EXPECT_TRUE(Dialogs().empty() && ClipboardText() == "色 #FF8000") << "copied once let go";
    ASSERT_TRUE(::OpenClipboard(nullptr));  // and for long
    PressCtrl('C');
    EXPECT_EQ(AnswerMessage(), "クリップボードにコピーできませんでした。ほかのプログラムが使用中の可能性があります。\n"
                               "しばらくしてから、もう一度コピーしてください。") << "a copy that could not be made says so";
    ::CloseClipboard();
    Close();
    EXPECT_EQ(Settings(), "[Option]\r\nPreview=\r\nCopy=色 #\r\nUpperLower=0\r\n[Window]\r\nLeft=0\r\nTop=0\r\n"
                          "WndStyle=0\r\nStatusBar=1\r\n");
}

TEST_F(ColourTest, RadiosListSpinTypingSliderInverseAndTheColourDialogSetTheColourTheStripShows) {
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    Click(Centre(WindowRectOf(Control(IDC_RADIO_TEXT))));
    EXPECT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_TEXT) && Fields() == Texts{"0", "0", "0"}; }))
        << "a click on 文字色 loads the black text colour";
    ChooseEntry(3);
    EXPECT_EQ(Sliders(), (std::vector<int>{22, 94, 131})) << "藍色 chosen as text colour";
    EXPECT_TRUE(StripBackground() == kWhite && CountOf(StripPixels(), RGB(22, 94, 131)) > 0) << "only the text";
    PressCtrl('B');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && Fields() == (Texts{"255", "255", "255"}) && Selection() == 0)
        << "Ctrl+B loads the background, 桜色 the nearest to white";

    const RECT spin = WindowRectOf(Control(IDC_SPIN_RED));
    Click({Centre(spin).x, spin.top + Height(spin) / 4});  // the up arrow
    EXPECT_TRUE(WaitFor([&] { return Fields()[0] == "0" && Sliders()[0] == 0; })) << "255 up wraps to 0";
    TypeInto(View(), IDC_EDIT_RED, "300");
    EXPECT_EQ(AnswerMessage(), "0 から 255 までの整数を入力してください。") << "the standard range message";
    EXPECT_EQ(StripBackground(), RGB(30, 255, 255)) << "the colour keeps the last good value";
    SetFieldText(View(), IDC_EDIT_RED, "２９");  // as the Japanese input method commits digits
    EXPECT_TRUE(Dialogs().empty() && StripBackground() == RGB(29, 255, 255)) << "full-width digits read as a number";
    EXPECT_TRUE(!TakesInputMethod(Control(IDC_EDIT_RED)) && TakesInputMethod(Frame())) << "no input method for numbers";

    RECT thumb = AskRect(Control(IDC_SLIDER_RED), TBM_GETTHUMBRECT);
    ::MapWindowPoints(Control(IDC_SLIDER_RED), nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    const POINT from = Centre(thumb);
    ASSERT_EQ(Drag(from, {from.x + Width(ClientRectOf(Control(IDC_SLIDER_RED))) / 2, from.y}), Control(IDC_SLIDER_RED))
        << "the press on the thumb gives the slider the capture";
    ASSERT_TRUE(SyncInput()) << "the drag is handled";
    const int red = Sliders()[0];
    EXPECT_TRUE(red > 30 && Fields()[0] == std::to_string(red)) << "the field follows the slider";
    EXPECT_EQ(StripBackground(), RGB(red, 255, 255)) << "so does the strip";
    EXPECT_EQ(Selection(), 0) << "the list does not follow a colour set by hand to ソーダ水色, the nearest";

    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT) && Selection() == 1 && CountOf(StripPixels(), RGB(215, 0, 58)) > 0)
        << "文字色 takes 紅, the farthest from white, and the text shows it";
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && Selection() == 0 && StripBackground() == RGB(254, 244, 244))
        << "背景色 takes 桜色, the farthest from 紅";
    ChooseEntry(3);  // 藍色 22 94 131
    NameSearch("紅");
    PressCtrl('D');
    HWND dialog = WaitForDialog("");
    ASSERT_NE(::GetDlgItem(dialog, kColourDialogFields[0]), nullptr) << "Ctrl+D opens the colour dialog";
    EXPECT_EQ(DlgText(dialog, 706) + " " + DlgText(dialog, 707) + " " + DlgText(dialog, 708), "22 94 131")
        << "starts at the current colour";
    EXPECT_TRUE(::GetWindow(dialog, GW_OWNER) == Frame() && !DlgEnabled(dialog, kColourDialogDefine)) << "fully open";
    const char* typed[] = {"255", "128", "0"};
    for (int i = 0; i < 3; ++i) TypeInto(dialog, kColourDialogFields[i], typed[i]);
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return Fields() == Texts{"255", "128", "0"}; })) << "OK applies the chosen colour";
}

// The three hexadecimal fields, the code and the three decimals, as one text.
std::string Shown(HWND dialog) {
    std::string text;
    for (int id : {IDC_EDIT_HEX_RED, IDC_EDIT_HEX_GREEN, IDC_EDIT_HEX_BLUE, IDC_EDIT_HEX_HTML_CODE, IDC_STATIC_DEC_RED,
                   IDC_STATIC_DEC_GREEN, IDC_STATIC_DEC_BLUE}) {
        text += (text.empty() ? "" : " ") + DlgText(dialog, id);
    }
    return text;
}

TEST_F(ColourTest, FieldsKeepInStepANegativeOneIsRefusedAndOkAppliesTheColour) {
    Start({.catalogue = CatalogueBytes({{"白", "しろ", 255, 255, 255},
                                        {"朱色", "しゅいろ", 255, 10, 0},
                                        {"黒", "くろ", 0, 0, 0},
                                        {"緋色", "ひいろ", 255, 10, 8}})});
    ChooseEntry(1);
    PressCtrl('H');
    HWND dialog = WaitForDialog("16進数変換");
    EXPECT_EQ(Shown(dialog), "FF A 0 #FF0A00 255 10 0") << "opened with the current colour, without padding";
    ClickButton(dialog, IDCANCEL);
    EXPECT_TRUE(!DialogOpen("16進数変換") && Fields() == (Texts{"255", "10", "0"}) && Selection() == 1)
        << "cancel closes and returns nothing";

    dialog = OpenDialog(ID_EDIT_HEX, "16進数変換");
    SetFieldText(dialog, IDC_EDIT_HEX_HTML_CODE, "#-10a0b");  // a sign has no key here: pasted
    PressButton(dialog, IDOK);
    EXPECT_EQ(AnswerMessage(), "16進数は00からFFまでの値を入力して下さい") << "OK refuses a negative field";
    SetFieldText(dialog, IDC_EDIT_HEX_RED, "ｆＦ");
    EXPECT_TRUE(DlgText(dialog, IDC_STATIC_DEC_RED) == "255" && !TakesInputMethod(::GetDlgItem(dialog, IDC_EDIT_HEX_RED)))
        << "full-width hexadecimal digits read as such; no input method";
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(!DialogOpen("16進数変換") && Fields() == (Texts{"255", "10", "11"}) && Selection() == 3)
        << "OK closes and applies it; 緋色 is nearest";
    EXPECT_EQ(StripBackground(), RGB(255, 10, 11)) << "the preview takes the colour";
}

// Text #777777 on white: the published 4.47 : 1, under AA for normal text. The nearest colour that
// reaches AA is #767676, whose nearest name is ソーダ水色.
TEST_F(ColourTest, ContrastDialogJudgesThePairAndItsProposalsSetTheColourBeingAdjusted) {
    Start();
    PressCtrl('T');
    SetClipboardText("#777777");
    PressCtrl('V');
    const auto judged = [](HWND d) {
        std::string text = DlgText(d, IDC_STATIC_CONTRAST_BACK) + "|" + DlgText(d, IDC_STATIC_CONTRAST_TEXT);
        for (int id : {IDC_STATIC_CONTRAST_RATIO, IDC_STATIC_VERDICT_AA_NORMAL, IDC_STATIC_VERDICT_AA_LARGE,
                       IDC_STATIC_VERDICT_AAA_NORMAL, IDC_STATIC_VERDICT_AAA_LARGE, IDC_STATIC_CONTRAST_PROPOSAL}) {
            text += "|" + DlgText(d, id);
        }
        return text;
    };
    HWND dialog = OpenDialog(ID_TOOL_CONTRAST, "コントラストと近い色");
    EXPECT_EQ(judged(dialog), "#FFFFFF|#777777 (調整中)|4.47 : 1|不合格|合格|不合格|不合格|(なし)") << "by the menu";
    ClickButton(dialog, IDC_BUTTON_CONTRAST_PROPOSE);
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CONTRAST_PROPOSAL), "#767676   4.54 : 1") << "the nearest colour that reads at AA";
    EXPECT_EQ(MiddleOf(::GetDlgItem(dialog, IDC_STATIC_CONTRAST_SWATCH)), RGB(118, 118, 118)) << "its swatch shows it";
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(Fields(), (Texts{"119", "119", "119"})) << "Cancel changes nothing";

    PressCtrl('K');
    dialog = WaitForDialog("コントラストと近い色");
    ClickButton(dialog, IDC_BUTTON_CONTRAST_PROPOSE);
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(Fields() == (Texts{"118", "118", "118"}) && CountOf(StripPixels(), RGB(118, 118, 118)) > 0 && Selection() == 2)
        << "by Ctrl+K; OK sets the proposal as the text colour and selects its nearest name";
    PressCtrl('K');
    dialog = WaitForDialog("コントラストと近い色");
    PressKey(VK_DOWN);  // the nearest names' list has the focus: its first row
    ClickButton(dialog, IDC_BUTTON_CONTRAST_USE_NAME);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Fields(), (Texts{"160", "216", "239"})) << "a nearest name applied";
}

// Red text on black: AA for normal vision (5.25 : 1), 3.11 : 1 as protanopes see it. Colours
// taken from the screen: the strip's black and a field's white.
TEST_F(ColourTest, ContrastDialogTakesThePairFromTheScreenAndJudgesItForColourVisionDeficiencies) {
    Start();
    SetClipboardText("#000000");
    PressCtrl('V');
    PressCtrl('T');
    SetClipboardText("#FF0000");
    PressCtrl('V');
    POINT black{1, kPreviewStrip.top + 1};
    ::ClientToScreen(View(), &black);
    const RECT field = ClientRectOf(Control(IDC_EDIT_RED));
    POINT white{field.left + 3, Centre(field).y};  // left of the digits, which keep to the right
    ::ClientToScreen(Control(IDC_EDIT_RED), &white);
    const auto pick = [&](HWND dialog, int button, POINT at) {
        PressButton(dialog, button);
        EXPECT_TRUE(WaitFor([&] { return Magnifier() != nullptr && !::IsWindowVisible(dialog); })) << "out of the way";
        PlaceCursor(at);
        PressKey(VK_SPACE);
        return WaitFor([&] { return ::IsWindowVisible(dialog) && !Magnifier(); });
    };
    const auto views = [](HWND d) {
        std::string text;
        for (int id = IDC_STATIC_VISION_RATIO_1; id <= IDC_STATIC_VISION_RATIO_4; ++id) text += DlgText(d, id) + "|";
        return text + DlgText(d, IDC_STATIC_VISION_VERDICT_1) + "|" + DlgText(d, IDC_STATIC_VISION_WARNING);
    };
    HWND dialog = OpenDialog(ID_TOOL_CONTRAST, "コントラストと近い色");
    EXPECT_EQ(views(dialog), "3.11 : 1|6.25 : 1|5.36 : 1|5.25 : 1|AA 通常の文字 : 不合格|"
                             "通常の色覚ではAA 通常の文字に合格しますが、1型色覚では不合格です。")
        << "the four views, and the warning naming protanopia";
    ASSERT_TRUE(pick(dialog, IDC_BUTTON_CONTRAST_PICK_TEXT, black));
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CONTRAST_TEXT) + " " + DlgText(dialog, IDC_STATIC_CONTRAST_RATIO),
              "#000000 (調整中) 1.00 : 1") << "the text colour taken from the strip";
    ASSERT_TRUE(pick(dialog, IDC_BUTTON_CONTRAST_PICK_BACK, white));
    EXPECT_EQ(DlgText(dialog, IDC_STATIC_CONTRAST_BACK) + " " + DlgText(dialog, IDC_STATIC_CONTRAST_RATIO) + " " +
                  DlgText(dialog, IDC_STATIC_VISION_WARNING) + "|" + DlgText(dialog, IDC_STATIC_VISION_RATIO_1),
              "#FFFFFF 21.00 : 1 |21.00 : 1")
        << "the background from a field; black on white warns of nothing";
    ClickButton(dialog, IDCANCEL);
    EXPECT_TRUE(Fields() == (Texts{"255", "0", "0"}) && StripBackground() == kBlack) << "Cancel changes nothing";

    dialog = OpenDialog(ID_TOOL_CONTRAST, "コントラストと近い色");
    ASSERT_TRUE(pick(dialog, IDC_BUTTON_CONTRAST_PICK_TEXT, black));
    ASSERT_TRUE(pick(dialog, IDC_BUTTON_CONTRAST_PICK_BACK, white));
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(Fields() == (Texts{"0", "0", "0"}) && StripBackground() == kWhite)
        << "OK: the text colour being adjusted and the background as taken";
}

}  // namespace
}  // namespace e2e
