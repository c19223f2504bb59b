#include "tests/e2e/Desktop.h"

#include <commctrl.h>

#include <cstring>
#include <cwchar>
#include <stdexcept>

#include "framework/CHandle.h"
#include "framework/WideText.h"

namespace e2e {
namespace {

constexpr DWORD kPollIntervalMs = 15;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kDragSteps = 8;
constexpr std::chrono::milliseconds kCursorArrivalTimeout{1000};
constexpr std::chrono::milliseconds kClickPressTimeout{300};
constexpr std::chrono::milliseconds kModifierSettle{150};
constexpr int kModifierTries = 5;


void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void SendOne(INPUT input) {
    if (::SendInput(1, &input, sizeof(input)) != 1) throw std::runtime_error("SendInput failed");
}

void Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendOne(input);
}

// Buttons, spin arrows and sliders take the capture when the press is handled; releasing before
// that can leave an up-down repeating. Returns the holder, or null when none took it in time.
HWND WaitForCapture(std::chrono::milliseconds timeout) {
    HWND holder = nullptr;
    WaitFor(
        [&holder] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            holder = ::GetGUIThreadInfo(0, &info) ? info.hwndCapture : nullptr;
            return holder != nullptr;
        },
        timeout);
    return holder;
}

// The clipboard's owner may hold it open for a moment.
bool OpenClipboardWhenFree() {
    return WaitFor([] { return ::OpenClipboard(nullptr) != FALSE; });
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(std::wstring_view wide) {
    const int size = static_cast<int>(wide.size());
    std::string utf8(
        static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

// The program's own crossing, so that the driver spells texts exactly as the program does.
std::string Cp932(std::string_view utf8) { return Cp932FromWide(Wide(utf8)).value(); }
std::string Utf8FromCp932(std::string_view cp932) { return Utf8(WideFromCp932(cp932)); }

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout, HANDLE wake) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return done();
        ::MsgWaitForMultipleObjects(wake ? 1 : 0, &wake, FALSE, kPollIntervalMs, QS_ALLINPUT);
    }
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
        // A window that is gone answers nothing; only a live one that does not answer is a fault.
        if (!::IsWindow(window)) return 0;
        throw std::runtime_error(ClassOf(window) + " did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    std::vector<HWND> found;
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window)) found.push_back(window);
    }
    return found;
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<size_t>(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return Utf8(text);
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return Utf8(name);
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = Send(combo, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(Send(combo, CB_GETLBTEXTLEN, i)) + 1, L'\0');
        text.resize(static_cast<size_t>(Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(Utf8(text));
    }
    return items;
}

bool IsChecked(HWND button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }
bool IsTopmost(HWND window) { return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
}

// Read through the top-level window's DC: Wine answers for another process's top-level windows,
// whose surface holds what their child windows painted, but not for the child windows' own DCs.
std::vector<COLORREF> Pixels(HWND window, RECT clientRect) {
    const HWND top = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
    if (window) ::MapWindowPoints(window, top, reinterpret_cast<POINT*>(&clientRect), 2);
    const int width = Width(clientRect);
    const int height = Height(clientRect);
    const HDC source = ::GetDC(top);
    const CScopeExit release([top, source] { ::ReleaseDC(top, source); });
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    // Declared before the DC that selects it, so that it is deleted after the DC.
    const CHandle<HBITMAP, &::DeleteObject> bitmap(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const CHandle<HDC, &::DeleteDC> memory(::CreateCompatibleDC(source));
    if (!bitmap || !memory) throw std::runtime_error("cannot read the window's pixels");
    ::SelectObject(memory.Get(), bitmap.Get());
    ::BitBlt(memory.Get(), 0, 0, width, height, source, clientRect.left, clientRect.top, SRCCOPY);
    ::GdiFlush();
    std::vector<COLORREF> pixels;
    for (const auto* quad = static_cast<const RGBQUAD*>(bits); quad != static_cast<const RGBQUAD*>(bits) + width * height;
         ++quad) {
        pixels.push_back(RGB(quad->rgbRed, quad->rgbGreen, quad->rgbBlue));
    }
    return pixels;
}

void PressKey(WORD virtualKey) {
    Key(virtualKey, false);
    Key(virtualKey, true);
}

void PressChord(WORD modifier, WORD virtualKey) {
    Key(modifier, false);
    PressKey(virtualKey);
    Key(modifier, true);
}

void TypeKeys(std::string_view keys) {
    for (char c : keys) PressKey(static_cast<WORD>(static_cast<unsigned char>(c)));
}

// A button carries its own position: under Wine each move warps the X pointer, and the crossing
// event of that warp reaches the desktop process with the position from before, which it reports
// as a move of its own; a bare press could land where the cursor was before.
void MouseAt(POINT screen, DWORD buttonFlags) {
    // Absolute input is in 1/65536 of the primary screen; rounding up lands on the wanted pixel.
    const auto normalized = [](LONG pixel, int size) {
        return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + size - 1) / size);
    };
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalized(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalized(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendOne(input);
}

void MoveMouse(POINT screen) {
    MouseAt(screen, 0);
    // Under Wine the move reaches the cursor a little later. A point off every screen never
    // arrives: then go on after a short while.
    WaitFor(
        [screen] {
            POINT cursor{};
            return ::GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        },
        kCursorArrivalTimeout);
}

void Click(POINT screen, WORD modifier) {
    MoveMouse(screen);
    // Under Wine the pointer's move brings, a little later, the key state of the X keyboard, where
    // a modifier pressed through SendInput is up: it is pressed until it stays down a while.
    for (int tries = 0; modifier != 0 && tries < kModifierTries; ++tries) {
        Key(modifier, false);
        if (!WaitFor([&] { return ::GetAsyncKeyState(modifier) >= 0; }, kModifierSettle)) break;
    }
    MouseAt(screen, MOUSEEVENTF_LEFTDOWN);
    WaitForCapture(kClickPressTimeout);
    MouseAt(screen, MOUSEEVENTF_LEFTUP);
    if (modifier != 0) Key(modifier, true);
}

HWND Drag(POINT from, POINT to) {
    MoveMouse(from);
    MouseAt(from, MOUSEEVENTF_LEFTDOWN);
    // Moves sent before the press is handled would reach the control as plain hovering.
    const HWND holder = WaitForCapture(kCursorArrivalTimeout);
    for (int step = 1; step <= kDragSteps; ++step) {
        MoveMouse({from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps});
        PumpMessages();
    }
    MouseAt(to, MOUSEEVENTF_LEFTUP);
    return holder;
}

bool MakeForeground(HWND window) {
    ::SetForegroundWindow(window);
    return WaitFor([window] { return ::GetForegroundWindow() == window; });
}

void PressButton(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::optional<std::string> ClipboardText() {
    if (!OpenClipboardWhenFree()) return std::nullopt;
    const CScopeExit close([] { ::CloseClipboard(); });
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const auto* units = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    if (units == nullptr) return std::nullopt;
    const CScopeExit unlock([data] { ::GlobalUnlock(data); });
    return Utf8(std::wstring_view(units, ::wcsnlen(units, ::GlobalSize(data) / sizeof(wchar_t))));
}

void SetClipboardText(std::string_view utf8) {
    if (!OpenClipboardWhenFree()) throw std::runtime_error("the clipboard stays locked");
    const CScopeExit close([] { ::CloseClipboard(); });
    const std::wstring text = Wide(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    CHandle<HGLOBAL, &::GlobalFree> block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    void* memory = block ? ::GlobalLock(block.Get()) : nullptr;
    if (memory == nullptr) throw std::runtime_error("no memory for the clipboard text");
    std::memcpy(memory, text.c_str(), bytes);
    ::GlobalUnlock(block.Get());
    ::EmptyClipboard();
    if (::SetClipboardData(CF_UNICODETEXT, block.Get()) == nullptr) throw std::runtime_error("SetClipboardData failed");
    (void)block.Detach();  // the clipboard owns it now
}

}  // namespace e2e
