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
    bool Shows(HWND link, LinkColour colour) {
        return WaitFor([&] {
            const auto pixels = Painted(link, ClientRectOf(link));
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

// Web links go to the sink through the shell; mail links, and web links when nothing handles them,
// go through the browser registered for web pages, whose command here has kilobytes of blanks. The
// help document is a web page too.
TEST_F(AboutTest, TheBoxsLinksAndTheHelpOpenTheirTargetsOrSayWhyNot) {
    const LinkSink sink;
    std::wstring longCommand = sink.OpenCommand();
    longCommand.insert(longCommand.find(L"\" \"") + 1, std::wstring(6000, L' '));
    const ClassesOverride noHandler(OpenCommandKey(L"https"), std::nullopt);
    const ClassesOverride noMailer(OpenCommandKey(L"mailto"), std::nullopt);
    const ClassesOverride pageClass(L".htm", L"HuesmithE2E.htmlfile");
    std::optional<ClassesOverride> pageBrowser(std::in_place, OpenCommandKey(L"HuesmithE2E.htmlfile"), sink.OpenCommand());
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    PressKey(VK_F1);
    ASSERT_EQ(sink.WaitForOpened(1).size(), 1u) << "F1 has the shell open the help document";
    EXPECT_TRUE(std::filesystem::equivalent(Wide(sink.WaitForOpened(1)[0]), BesideDriver(L"Huesmith.htm")));
    pageBrowser.reset();  // the shell itself takes no command this long; the program's links must
    pageBrowser.emplace(OpenCommandKey(L"HuesmithE2E.htmlfile"), longCommand);
    HWND box = OpenDialog(ID_APP_ABOUT, kCaption);
    HWND home = ::GetDlgItem(box, IDC_LINK_HOME);
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);
    EXPECT_FALSE(TakesInputMethod(home) || TakesInputMethod(mail)) << "Space reaches the links past any input method";
    EXPECT_EQ(HoverOver(home, kHomeUrl), kHomeUrl) << "home link's tooltip";
    EXPECT_EQ(HoverOver(mail, kMailUrl), kMailUrl) << "mail link's tooltip: mailto: and the encoded subject";
    Click(Centre(WindowRectOf(home)));
    ASSERT_EQ(sink.WaitForOpened(2).size(), 2u) << "a click opened the home page";
    Focus(box, IDC_LINK_MAIL);
    PressKey(VK_SPACE);
    PressKey('A');
    SyncInput();
    EXPECT_EQ(sink.WaitForOpened(3), (Texts{sink.WaitForOpened(1)[0], kHomeUrl, kMailUrl})) << "the pages, whole";
    EXPECT_EQ(Dialogs().size(), 1u) << "no error message beside the box";
    MoveMouse({1000, 900});
    Focus(box, IDOK);
    EXPECT_TRUE(Shows(home, kVisited) && Shows(mail, kVisited)) << "both links visited";
    ClickButton(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !DialogOpen(kCaption) && ::IsWindowEnabled(Frame()); })) << "OK closes";

    Start();
    const ClassesOverride noBrowser(L".htm", std::nullopt);
    box = OpenDialog(ID_APP_ABOUT, kCaption);
    mail = ::GetDlgItem(box, IDC_LINK_MAIL);
    HoverOver(mail, kMailUrl);
    Click(Centre(WindowRectOf(mail)));
    EXPECT_EQ(AnswerMessage(), "Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_TRUE(DialogOpen(kCaption)) << "the about box stays open";
    // The message took the mouse capture from the link: it must not stay in its hover colour.
    MoveMouse({1000, 900});
    EXPECT_TRUE(Shows(mail, kFocused)) << "focused by the click, neither hovered nor visited";
}

}  // namespace
}  // namespace e2e
