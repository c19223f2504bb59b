// The about box as a user meets it: how it opens and closes, what it says, and its two links:
// their texts, tooltips and colours, what they open, and what happens when nothing can open them.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/CHandle.h"
#include "res/resource.h"
#include "tests/e2e/ClassesOverride.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/LinkSinkLog.h"
#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

const std::string kCaption = "Huesmithのﾊﾞｰｼﾞｮﾝ情報";
const std::string kHomeUrl = "https://huesmith.example.org/";
const std::string kMailAddress = "support@huesmith.example.org";
// The subject "Huesmithに関して" in UTF-8, percent-encoded.
const std::string kMailUrl =
    "mailto:support@huesmith.example.org?subject=Huesmith%E3%81%AB%E9%96%A2%E3%81%97%E3%81%A6";

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kVisitedPurple = RGB(128, 0, 128);
constexpr COLORREF kFocusTeal = RGB(0, 128, 128);
constexpr COLORREF kHoverRed = RGB(255, 0, 0);

POINT Centre(HWND window) {
    const RECT r = WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// What the screen shows in a rectangle of screen pixels (the program's child windows cannot be
// read from their own DCs by another process; the screen can).
std::vector<COLORREF> ScreenPixels(const RECT& r) {
    const int width = Width(r);
    const int height = Height(r);
    HDC screen = ::GetDC(nullptr);
    const CScopeExit release([screen] { ::ReleaseDC(nullptr, screen); });
    HDC memory = ::CreateCompatibleDC(screen);
    const CScopeExit remove([memory] { ::DeleteDC(memory); });
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) throw std::runtime_error("no bitmap for the screen pixels");
    const CScopeExit free([bitmap] { ::DeleteObject(bitmap); });
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(memory, old);
    std::vector<COLORREF> pixels;
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    }
    return pixels;
}

// A string of the program's version resource, in the block of one language and code page.
std::string VersionString(const std::vector<char>& block, const wchar_t* translation, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + translation + L"\\" + name;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || length == 0) {
        return {};
    }
    return Utf8FromWide(std::wstring_view(text, length - 1));
}

class AboutTest : public HuesmithTest {
protected:
    // The help menu's about command; returns the box once it is up and has the keyboard.
    HWND OpenAbout() {
        Command(ID_APP_ABOUT);
        return WaitForDialog(kCaption);
    }

    bool AboutIsOpen() {
        for (HWND d : OtherDialogsOf(Session().ProcessId())) {
            if (TextOf(d) == kCaption) return true;
        }
        return false;
    }

    // Waits until the link's text shows the colour (its underline is solid) and no other link
    // colour; true if it did.
    bool WaitForLinkColour(HWND link, COLORREF colour) {
        return WaitFor([&] {
            const auto pixels = ScreenPixels(WindowRectOf(link));
            int others = 0;
            for (COLORREF c : {kLinkBlue, kVisitedPurple, kFocusTeal, kHoverRed}) {
                if (c != colour) others += CountOf(pixels, c);
            }
            return CountOf(pixels, colour) > 0 && others == 0;
        });
    }

    // What a failed colour check saw: how many pixels of each link colour the link shows.
    static std::string SeenColours(HWND link) {
        const auto pixels = ScreenPixels(WindowRectOf(link));
        const auto count = [&](COLORREF c) { return std::to_string(CountOf(pixels, c)); };
        return " (seen: blue " + count(kLinkBlue) + ", purple " + count(kVisitedPurple) + ", teal " +
               count(kFocusTeal) + ", red " + count(kHoverRed) + ")";
    }

    // The text of the tooltip on show, once it shows this text; empty if it never did.
    std::string WaitForTooltip(const std::string& text) {
        std::string shown;
        WaitFor([&] {
            for (HWND w : TopLevelWindowsOf(Session().ProcessId())) {
                if (ClassOf(w) == "tooltips_class32" && IsVisible(w)) shown = TextOf(w);
            }
            return shown == text;
        });
        return shown;
    }

    // The mouse comes to rest over the window, moving a little inside it as a hand does.
    static void HoverOver(HWND window) {
        POINT p = Centre(window);
        MoveMouse(p);
        ++p.x;
        MoveMouse(p);
    }
    static void MoveMouseAway() { MoveMouse(POINT{1000, 900}); }
    // As a hand clicks: the mouse comes to the link first, and the button follows once the
    // program has seen it arrive (and the link it left has let the capture go).
    void ClickLink(HWND link) {
        HoverOver(link);
        Session().Probe().SyncInput();
        Click(Centre(link));
    }

    void FocusItem(HWND box, int id) {
        Send(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(box, id)), TRUE);
        Session().Probe().Sync();
    }
};

TEST_F(AboutTest, OpensFromTheMenuShowsTheVersionAndClosesWithOkEscapeAndTheCloseBox) {
    auto& session = Start();

    HWND box = OpenAbout();
    EXPECT_EQ(::GetWindow(box, GW_OWNER), session.Frame()) << "owned by the main window";
    EXPECT_FALSE(::IsWindowEnabled(session.Frame())) << "main window disabled while the box is up";
    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(TextOf(child));
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Huesmith  version 3.02"), texts.end())
        << "name and version, two blanks between";
    EXPECT_EQ(TextOf(::GetDlgItem(box, IDC_LINK_HOME)), kHomeUrl) << "home link shows the address";
    EXPECT_EQ(TextOf(::GetDlgItem(box, IDC_LINK_MAIL)), kMailAddress) << "mail link shows the bare address";
    // The button's own click (BM_CLICK): a real mouse click right after a pointer move can land at
    // the old pointer position under Wine.
    ClickButton(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !AboutIsOpen(); })) << "OK closes the box";
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowEnabled(session.Frame()) != FALSE; })) << "main window enabled again";

    OpenAbout();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !AboutIsOpen(); })) << "Escape closes the box";

    box = OpenAbout();
    ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_TRUE(WaitFor([&] { return !AboutIsOpen(); })) << "the close box closes the box";

    // The file's version resource says the same, in both languages.
    const std::wstring program = ProgramPath().wstring();
    std::vector<char> block(::GetFileVersionInfoSizeW(program.c_str(), nullptr));
    ASSERT_FALSE(block.empty()) << "a version resource";
    ASSERT_TRUE(::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 3)) << "file version 3.2";
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 3)) << "product version 3.2";
    for (const wchar_t* translation : {L"041103A4", L"040904B0"}) {
        EXPECT_EQ(VersionString(block, translation, L"ProductVersion"), "3.02") << "product version text";
        EXPECT_EQ(VersionString(block, translation, L"FileVersion"), "3.02") << "file version text";
    }
}

TEST_F(AboutTest, LinksShowTheirTargetsInTooltipsAndTheHoverColourWhileTheMouseIsOver) {
    Start();
    HWND box = OpenAbout();
    HWND home = ::GetDlgItem(box, IDC_LINK_HOME);
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);
    EXPECT_TRUE(WaitForLinkColour(home, kLinkBlue)) << "home link, not yet visited" << SeenColours(home);
    EXPECT_TRUE(WaitForLinkColour(mail, kLinkBlue)) << "mail link, not yet visited" << SeenColours(mail);

    HoverOver(home);
    EXPECT_EQ(WaitForTooltip(kHomeUrl), kHomeUrl) << "home link's tooltip";
    EXPECT_TRUE(WaitForLinkColour(home, kHoverRed)) << "home link under the mouse" << SeenColours(home);

    HoverOver(mail);
    EXPECT_EQ(WaitForTooltip(kMailUrl), kMailUrl) << "mail link's tooltip: mailto: and the encoded subject";
    EXPECT_TRUE(WaitForLinkColour(mail, kHoverRed)) << "mail link under the mouse" << SeenColours(mail);
    EXPECT_TRUE(WaitForLinkColour(home, kLinkBlue)) << "home link once the mouse left it" << SeenColours(home);

    MoveMouseAway();
    EXPECT_TRUE(WaitForLinkColour(mail, kLinkBlue)) << "mail link once the mouse left it" << SeenColours(mail);
}

TEST_F(AboutTest, ALinkNothingCanOpenShowsTheErrorAndTheBoxStaysOpen) {
    auto& session = Start();
    // No handler for mail links, and no browser registered for web pages to fall back on.
    const ClassesOverride noMailer(OpenCommandKey(L"mailto"), std::nullopt);
    const ClassesOverride noBrowser(L".htm", std::nullopt);
    HWND box = OpenAbout();
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);

    ClickLink(mail);
    const auto boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "one error message";
    EXPECT_EQ(MessageBoxText(boxes[0]),
              "Can't open link:\n\nThere is no application associated\nwith the given filename extension.")
        << "the line for the shell's result";
    PressButton(boxes[0], IDOK);
    EXPECT_TRUE(WaitFor([&] { return MessageBoxesOf(session.ProcessId()).empty(); })) << "message closed";
    EXPECT_TRUE(AboutIsOpen()) << "the about box stays open";
    EXPECT_FALSE(::IsWindowEnabled(session.Frame())) << "and still modal";

    // The message took the mouse capture from the link: it must not stay in its hover colour.
    MoveMouseAway();
    EXPECT_TRUE(WaitForLinkColour(mail, kFocusTeal)) << "focused by the click, no longer hovered" << SeenColours(mail);
    FocusItem(box, IDOK);
    EXPECT_TRUE(WaitForLinkColour(mail, kLinkBlue)) << "not visited after a failure" << SeenColours(mail);
}

TEST_F(AboutTest, OpenedLinksPassTheirTargetsTurnVisitedAndSpaceOpensTheFocusedOne) {
    Start();
    // Web links go to the sink through the shell; mail links find no handler there and go
    // through the browser registered for web pages instead.
    const LinkSinkLog sink;
    const ClassesOverride browser(OpenCommandKey(L"https"), sink.OpenCommand());
    const ClassesOverride noMailer(OpenCommandKey(L"mailto"), std::nullopt);
    const ClassesOverride pageClass(L".htm", L"HuesmithE2E.htmlfile");
    const ClassesOverride pageBrowser(OpenCommandKey(L"HuesmithE2E.htmlfile"), sink.OpenCommand());
    HWND box = OpenAbout();
    HWND home = ::GetDlgItem(box, IDC_LINK_HOME);
    HWND mail = ::GetDlgItem(box, IDC_LINK_MAIL);

    ClickLink(home);
    ASSERT_TRUE(sink.WaitForOpened(1)) << "the home link started its handler";
    ClickLink(mail);
    ASSERT_TRUE(sink.WaitForOpened(2)) << "the mail link started the page browser";
    EXPECT_EQ(sink.Opened(), (std::vector<std::string>{kHomeUrl, kMailUrl})) << "targets, in order";
    EXPECT_TRUE(MessageBoxesOf(Session().ProcessId()).empty()) << "no error message";

    MoveMouseAway();
    FocusItem(box, IDOK);
    EXPECT_TRUE(WaitForLinkColour(home, kVisitedPurple)) << "home link visited" << SeenColours(home);
    EXPECT_TRUE(WaitForLinkColour(mail, kVisitedPurple)) << "mail link visited" << SeenColours(mail);

    FocusItem(box, IDC_LINK_HOME);
    EXPECT_TRUE(WaitForLinkColour(home, kFocusTeal)) << "focused link" << SeenColours(home);
    PressKey(VK_SPACE);
    ASSERT_TRUE(sink.WaitForOpened(3)) << "Space opened the focused link";
    EXPECT_EQ(sink.Opened().back(), kHomeUrl) << "Space opened the home page";
    PressKey('A');
    Session().Probe().SyncInput();
    EXPECT_EQ(sink.Opened().size(), 3u) << "another key opens nothing";
    EXPECT_TRUE(AboutIsOpen()) << "the box stays open";
}

}  // namespace
}  // namespace e2e
