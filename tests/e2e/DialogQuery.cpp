#include "tests/e2e/DialogQuery.h"

#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

bool IsMessageBox(HWND dialog) {
    return WideTextOf(dialog) == L"Huesmith" && ::GetDlgItem(dialog, kMessageTextId) != nullptr;
}

}  // namespace

std::vector<HWND> DialogsOf(DWORD processId) {
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (IsVisible(window) && ClassOf(window) == "#32770") dialogs.push_back(window);
    }
    return dialogs;
}

std::vector<HWND> MessageBoxesOf(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND dialog : DialogsOf(processId)) {
        if (IsMessageBox(dialog)) boxes.push_back(dialog);
    }
    return boxes;
}

std::vector<HWND> OtherDialogsOf(DWORD processId) {
    std::vector<HWND> others;
    for (HWND dialog : DialogsOf(processId)) {
        // A dialog still being built has no caption yet; it is neither kind until it has one.
        if (!IsMessageBox(dialog) && !WideTextOf(dialog).empty()) others.push_back(dialog);
    }
    return others;
}

std::string MessageBoxText(HWND box) { return TextOf(::GetDlgItem(box, kMessageTextId)); }

void PressButton(HWND dialog, int buttonId) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, buttonId)));
}

}  // namespace e2e
