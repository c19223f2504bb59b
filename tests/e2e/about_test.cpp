// The about box: how it opens and closes, what it says, and its two links: their texts, tooltips
// and colours, what they open, and what happens when nothing can open them.
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/LinkHandlers.h"

namespace e2e {
namespace {

const std::string kCaption = "Huesmithのﾊﾞｰｼﾞｮﾝ情報";
const std::string kHomeUrl = "https://huesmith.example.org/";
// The subject "Huesmithに関して" in UTF-8, percent-encoded.
const std::string kMailUrl = "mailto:support@huesmith.example.org?subject=Huesmith%E3%81%AB%E9%96%A2%E3%81%97%E3%81%A6";
constexpr COLORREF kLinkColours[] = {RGB(0, 0, 255), RGB(128, 0, 128), RGB(0, 128, 128), RGB(255, 0, 0)};
enum LinkColour { kNew, kVisited, kFocused, kHovered };

class AboutTest : public HuesmithTest {
protected:
    // Waits until the link shows the colour (its underline is solid) and no other link colour.
    static bool Shows(HWND link, LinkColour colour) {
        return WaitFor([&] {
            const auto pixels = Pixels(link, ClientRectOf(link));
            int others = 0;
            for (COLORREF c : kLinkColours) others += c == kLinkColours[colour] ? 0 : CountOf(pixels, c);
            return CountOf(pixels, kLinkColours[colour]) > 0 && others == 0;
        });
    }
    // The mouse comes to rest over the link, moving a little inside it as a hand does; returns the
    // tooltip's text once it is the expected one, or what it shows.
    std::string HoverOver(HWND link, const std::string& tip) {
        const POINT p = Centre(WindowRectOf(link));
        MoveMouse(p);
        MoveMouse({p.x + 1, p.y});
        SyncInput();
        std::string shown;
        WaitFor([&] {
            for (HWND w : VisibleWindowsOf(Process().Id())) {
                if (ClassOf(w) == "tooltips_class32") shown = TextOf(w);
            }
            return shown == tip;
        });
        return shown;
    }
    void Focus(HWND box, int id) {
        Send(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(box, id)), TRUE);
        Sync();
    }
};

TEST_F(AboutTest, OpensFromTheMenuShowsTheVersionAndClosesWithOkEscapeAndTheCloseBox) {
    Start();
    HWND box = OpenDialog(ID_APP_ABOUT, kCaption);
    EXPECT_TRUE(::GetWindow(box, GW_OWNER) == Frame() && !::IsWindowEnabled(Frame())) << "modal, owned by the frame";
    Texts texts;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(TextOf(child));
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Huesmith  version 3.02"), texts.end()) << "two blanks between";
    EXPECT_EQ(DlgText(box, IDC_LINK_HOME), kHomeUrl) << "home link shows the address";
    EXPECT_EQ(DlgText(box, IDC_LINK_MAIL), "support@huesmith.example.org") << "mail link shows the bare address";
    ClickButton(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(kCaption) && ::IsWindowEnabled(Frame()); })) << "OK closes";
    OpenDialog(ID_APP_ABOUT, kCaption);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(kCaption); })) << "Escape closes the box";
    ::PostMessageW(OpenDialog(ID_APP_ABOUT, kCaption), WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(kCaption); })) << "the close box closes the box";

    // The file's version resource says the same, in both languages.
    const std::wstring program = BesideDriver(L"Huesmith.exe").wstring();
    std::vector<char> block(::GetFileVersionInfoSizeW(program.c_str(), nullptr));
    ASSERT_TRUE(!block.empty() && ::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    for (const wchar_t* item : {L"041103A4\\ProductVersion", L"041103A4\\FileVersion", L"040904B0\\ProductVersion",
                                L"040904B0\\FileVersion"}) {
        wchar_t* text = nullptr;
        UINT size = 0;
        const bool found = ::VerQueryValueW(block.data(), (std::wstring(L"\\StringFileInfo\\") + item).c_str(),
                                            reinterpret_cast<void**>(&text), &size);
        EXPECT_EQ(found ? Utf8(text) : "", "3.02") << Utf8(item);
    }
}

TEST_F(AboutTest, ALinkNothingCanOpenShowsTheErrorAndTheBoxStaysOpen) {
    // No handler for mail links, and no browser registered for web pages to fall back on.
    const ClassesOverride noMailer(OpenCommandKey(L"mailto"), std::nullopt);
    const ClassesOverride noBrowser(L".htm", std::nullopt);
    Start();
    HWND box = OpenDialog(ID_APP_ABOUT, kCaption);
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);
    HoverOver(mail, kMailUrl);
    Click(Centre(WindowRectOf(mail)));
    EXPECT_EQ(AnswerMessage(), "Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_TRUE(DialogOpen(kCaption) && !::IsWindowEnabled(Frame())) << "the about box stays open and modal";
    // The message took the mouse capture from the link: it must not stay in its hover colour.
    MoveMouse({1000, 900});
    EXPECT_TRUE(Shows(mail, kFocused)) << "focused by the click, no longer hovered";
    Focus(box, IDOK);
    EXPECT_TRUE(Shows(mail, kNew)) << "not visited after a failure";
}

TEST_F(AboutTest, LinksShowTheirTargetsOpenThemTurnVisitedAndSpaceOpensTheFocusedOne) {
    // Web links go to the sink through the shell; mail links find no handler there and go through
    // the browser registered for web pages, whose command has kilobytes of blanks in it.
    const LinkSink sink;
    std::wstring longCommand = sink.OpenCommand();
    longCommand.insert(longCommand.find(L"\" \"") + 1, std::wstring(6000, L' '));
    const ClassesOverride browser(OpenCommandKey(L"https"), sink.OpenCommand());
    const ClassesOverride noMailer(OpenCommandKey(L"mailto"), std::nullopt);
    const ClassesOverride pageClass(L".htm", L"HuesmithE2E.htmlfile");
    const ClassesOverride pageBrowser(OpenCommandKey(L"HuesmithE2E.htmlfile"), longCommand);
    Start();
    HWND box = OpenDialog(ID_APP_ABOUT, kCaption);
    HWND home = ::GetDlgItem(box, IDC_LINK_HOME);
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);
    EXPECT_TRUE(Shows(home, kNew) && Shows(mail, kNew)) << "links not yet visited";
    EXPECT_EQ(HoverOver(home, kHomeUrl), kHomeUrl) << "home link's tooltip";
    EXPECT_TRUE(Shows(home, kHovered)) << "home link under the mouse";
    EXPECT_EQ(HoverOver(mail, kMailUrl), kMailUrl) << "mail link's tooltip: mailto: and the encoded subject";
    EXPECT_TRUE(Shows(mail, kHovered) && Shows(home, kNew)) << "the hover colour follows the mouse";
    Click(Centre(WindowRectOf(mail)));
    ASSERT_EQ(sink.WaitForOpened(1).size(), 1u) << "the mail link started the page browser";
    HoverOver(home, kHomeUrl);
    Click(Centre(WindowRectOf(home)));
    EXPECT_EQ(sink.WaitForOpened(2), (Texts{kMailUrl, kHomeUrl})) << "targets, in order, whole";
    EXPECT_TRUE(MessageBoxes().empty()) << "no error message";
    MoveMouse({1000, 900});
    Focus(box, IDOK);
    EXPECT_TRUE(Shows(home, kVisited) && Shows(mail, kVisited)) << "both links visited";
    Focus(box, IDC_LINK_HOME);
    EXPECT_TRUE(Shows(home, kFocused)) << "focused link";
    PressKey(VK_SPACE);
    EXPECT_EQ(sink.WaitForOpened(3).back(), kHomeUrl) << "Space opened the focused link";
    PressKey('A');
    SyncInput();
    EXPECT_EQ(sink.WaitForOpened(3).size(), 3u) << "another key opens nothing";
}

}  // namespace
}  // namespace e2e
