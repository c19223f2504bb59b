// The fixture of every end-to-end test: Huesmith.exe run in a fresh folder of its own holding the
// test's data and settings files, and what a user sees of it and does with it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/CHandle.h"
#include "res/resource.h"
#include "tests/e2e/Desktop.h"
#include "tests/e2e/ProbeProtocol.h"
#include "tests/e2e/Program.h"

namespace e2e {

struct ColourEntry {
    std::string name;     // UTF-8
    std::string reading;  // UTF-8
    int red, green, blue;
};
// The data file's bytes: code page 932, one "name,reading,red,green,blue" per line.
std::string CatalogueBytes(const std::vector<ColourEntry>& entries, std::string_view lineEnd = "\r\n");
inline std::string ListText(const ColourEntry& entry) { return entry.name + "《" + entry.reading + "》"; }
// A few entries with Shift-JIS traps: "ソ" ends in the byte of a backslash; half-width katakana.
const std::vector<ColourEntry>& SampleCatalogue();

using Texts = std::vector<std::string>;
inline constexpr RECT kPreviewStrip{0, 138, 249, 167};  // in the form view's client pixels
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline int CountOf(const std::vector<COLORREF>& pixels, COLORREF c) {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), c));
}

inline constexpr int kMagnifierSide = 154;  // the magnifier's width, border included: its picture's side
inline std::string Describe(POINT p) { return std::to_string(p.x) + ", " + std::to_string(p.y); }
inline POINT CursorNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

// What a test starts the program with.
struct Files {
    std::optional<std::string> catalogue = CatalogueBytes(SampleCatalogue());  // none: no data file
    std::optional<std::string> settings;  // UTF-8 text, written as code page 932; none: no file
    std::wstring folder;                  // the working folder's path below a fresh one
    WORD show = SW_SHOWNORMAL;            // the show state of the start
    bool programInFolder = false;         // a copy of the program beside the files, started from above
};

class HuesmithTest : public ::testing::Test {
protected:
    ~HuesmithTest() override { Stop(); }

    // A fresh folder with the files, the program started there and its main window up.
    void Start(const Files& files = {}, std::chrono::milliseconds timeout = kTimeout);
    // The same without waiting for a main window.
    void Launch(const Files& files);
    // Starts the program again in the same folder, after it ended or was killed.
    void Restart(std::chrono::milliseconds timeout = kTimeout);
    // Closes the program as the user does (which writes the settings); fails if it does not end.
    void Close();

    Program& Process() { return *m_program; }
    const std::filesystem::path& Folder() const { return m_folder->Path(); }
    std::filesystem::path FileInFolder(std::wstring_view name) const { return m_folder->File(name); }
    std::optional<std::string> ReadFile(std::wstring_view name) const { return m_folder->Read(name); }
    void WriteFile(std::wstring_view name, std::string_view bytes) const { m_folder->Write(name, bytes); }
    // The settings file as UTF-8, and one value of it ("" when it is not there).
    std::string Settings() const { return Utf8FromCp932(ReadFile(L"Huesmith.ini").value_or("")); }
    std::string Setting(std::string_view key) const;

    HWND Frame() const { return m_frame; }
    HWND View() const { return ::GetDlgItem(m_frame, AFX_IDW_PANE_FIRST); }
    HWND Control(int id) const { return ::GetDlgItem(View(), id); }
    std::string Title() { return TextOf(m_frame); }
    bool Checked(int controlId) { return IsChecked(Control(controlId)); }
    Texts Fields() { return {DlgText(View(), IDC_EDIT_RED), DlgText(View(), IDC_EDIT_GREEN), DlgText(View(), IDC_EDIT_BLUE)}; }
    std::vector<int> Sliders();
    Texts Listed() { return ComboItems(Control(IDC_COMBO_NAME)); }
    int Selection() { return static_cast<int>(Send(Control(IDC_COMBO_NAME), CB_GETCURSEL)); }
    // What a rectangle of a window of the program shows once everything pending is painted.
    std::vector<COLORREF> Painted(HWND window, const RECT& clientRect) {
        Sync();
        return Pixels(window, clientRect);
    }
    // The middle pixel of a control (a swatch), once painted.
    COLORREF MiddleOf(HWND control) {
        const POINT middle = Centre(ClientRectOf(control));
        return Painted(control, {middle.x, middle.y, middle.x + 1, middle.y + 1})[0];
    }
    std::vector<COLORREF> StripPixels() { return Painted(View(), kPreviewStrip); }
    COLORREF StripBackground() { return Painted(View(), {0, 138, 1, 139}).front(); }  // no text reaches it

    // Posts a menu or accelerator command to the frame and waits until the program handled it.
    void Command(int commandId);
    // Ctrl and the key, pressed in the main window.
    void PressCtrl(WORD key);
    // The user picks the entry in the colour-name list.
    void ChooseEntry(int index);
    // Lists what the search dialog finds for the text in the name mode.
    void NameSearch(std::string_view utf8);

    // Returns once the program has handled every message posted to it before; SyncInput also
    // waits for the keyboard and mouse input sent before.
    void Sync() { Call(probe::Request::Ping); }
    bool SyncInput() { return WaitFor([this] { return Call(probe::Request::Ping).pendingInput == 0; }); }
    struct MenuMarks {
        bool checked, radio;
    };
    // The item's marks after the update handlers ran, as a user sees them on opening the menu.
    MenuMarks Menu(int commandId);
    // A window's answer to a message that fills a RECT holding `seed` before.
    RECT AskRect(HWND window, UINT message, WPARAM wParam = 0, const RECT& seed = {});
    // From now on the program is told that a high-contrast theme is on (or off), and then that the
    // system's colours changed, as Windows tells it when the user switches the theme.
    void SetHighContrast(bool on);
    // Whether keys typed into the window go through the input method.
    bool TakesInputMethod(HWND window);
    // The program's writes take `bytes` more bytes, then fail as on a full disk; negative: room again.
    void FailWritesAfter(long long bytes);

    // The eyedropper's magnifier: the picture's width, the readout below it.
    HWND Magnifier() {
        for (HWND d : Dialogs()) {
            if (Width(WindowRectOf(d)) == kMagnifierSide && Height(WindowRectOf(d)) > kMagnifierSide) return d;
        }
        return nullptr;
    }
    // Under Wine the program's own cursor moves (the arrow keys) come back as X pointer motion a
    // little later and can undo a mouse move made meanwhile: the move counts once it has held for
    // longer than Wine's 100 ms after the program handled its input, and is repeated when undone.
    void PlaceCursor(POINT p) {
        auto since = std::chrono::steady_clock::now();
        WaitFor([&] {
            if (Describe(CursorNow()) == Describe(p)) {
                return SyncInput() && std::chrono::steady_clock::now() - since > std::chrono::milliseconds(250);
            }
            MoveMouse({p.x > 0 ? p.x - 1 : p.x + 1, p.y});  // Wine warps the pointer only for a change
            MoveMouse(p);
            since = std::chrono::steady_clock::now();
            return false;
        });
    }
    // The program's visible dialogs (class "#32770"): its own, the common ones, message boxes.
    std::vector<HWND> Dialogs();
    // The program's own dialog whose caption begins with the text, or null; one that is still
    // being built has no caption yet and counts once it has one.
    HWND FindDialog(std::string_view captionStart);
    bool DialogOpen(std::string_view captionStart) { return FindDialog(captionStart) != nullptr; }
    // The dialog once it is up and has the keyboard; fails the test when none appears.
    HWND WaitForDialog(std::string_view captionStart);
    HWND OpenDialog(int commandId, std::string_view captionStart) {
        Command(commandId);
        return WaitForDialog(captionStart);
    }
    // Waits for the one message box, answers it with the button and returns its text.
    std::string AnswerMessage(int buttonId = IDOK);
    // Sends the button's click and waits until it is handled.
    void ClickButton(HWND dialog, int id);
    // Tabs to the field, which selects its text, and types over it.
    void TypeInto(HWND dialog, int id, std::string_view keys);
    // A text that arrives whole, as a paste or an input method puts it.
    static void SetFieldText(HWND dialog, int id, std::string_view utf8);

private:
    probe::Block& Block();  // connects to the probe on first use
    probe::Block& Call(probe::Request request);
    void WaitForFrame(std::chrono::milliseconds timeout);
    void Stop();

    std::optional<TempFolder> m_folder;  // first: removed after the program has ended
    std::optional<Program> m_program;
    std::filesystem::path m_programPath;
    HWND m_frame = nullptr;
    // The probe: its DLL, the shared block and the hook that loads it into the program.
    CHandle<HMODULE, &::FreeLibrary> m_probeDll;
    CHandle<HANDLE, &::CloseHandle> m_mapping;
    CHandle<void*, &::UnmapViewOfFile> m_block;
    CHandle<HANDLE, &::CloseHandle> m_done;
    CHandle<HHOOK, &::UnhookWindowsHookEx> m_hook;  // last: unhooked first
};

}  // namespace e2e
