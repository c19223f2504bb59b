#include "tests/e2e/HuesmithTest.h"

#include <algorithm>
#include <stdexcept>

#include "res/resource.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {

int CountOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

HuesmithSession& HuesmithTest::Start(const SessionFiles& files, std::chrono::milliseconds timeout) {
    m_session.reset();
    m_session.emplace(files);
    m_session->Start(timeout);
    return *m_session;
}

void HuesmithTest::Close() { m_session->Close(); }

std::string HuesmithTest::Text(int controlId) { return TextOf(Session().Control(controlId)); }
Triple HuesmithTest::Fields() {
    return {Text(IDC_EDIT_RED), Text(IDC_EDIT_GREEN), Text(IDC_EDIT_BLUE)};
}
std::vector<int> HuesmithTest::Sliders() {
    return {SliderPos(IDC_SLIDER_RED), SliderPos(IDC_SLIDER_GREEN), SliderPos(IDC_SLIDER_BLUE)};
}
bool HuesmithTest::Checked(int controlId) { return IsChecked(Session().Control(controlId)); }
int HuesmithTest::SliderPos(int controlId) { return TrackbarPos(Session().Control(controlId)); }
std::string HuesmithTest::StatusText() { return TextOf(Session().StatusBar()); }
std::vector<COLORREF> HuesmithTest::StripPixels() {
    return Session().Probe().Pixels(kPreviewStrip);
}
COLORREF HuesmithTest::StripBackground() {
    return Session().Probe().Pixel(kPreviewStrip.left, kPreviewStrip.top);
}

void HuesmithTest::Command(int commandId) {
    ::PostMessageW(Session().Frame(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    Session().Probe().Sync();
}

void HuesmithTest::ChooseEntry(int index) {
    HWND combo = Session().Control(IDC_COMBO_NAME);
    // What the list sends when the user picks an entry: the new selection, then the notification.
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    ::PostMessageW(Session().View(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_NAME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    Session().Probe().Sync();
}

bool HuesmithTest::WaitForText(int controlId, const std::string& text) {
    return WaitFor([&] { return Text(controlId) == text; });
}

bool HuesmithTest::WaitForFields(const Triple& texts) {
    return WaitFor([&] { return Fields() == texts; });
}

std::vector<HWND> HuesmithTest::WaitForMessageBoxes(size_t count) {
    std::vector<HWND> boxes;
    WaitFor([&] { return (boxes = MessageBoxesOf(Session().ProcessId())).size() == count; });
    return boxes;
}

HWND HuesmithTest::WaitForDialog(std::string_view captionStart) {
    HWND dialog = nullptr;
    WaitFor([&] {
        for (HWND d : OtherDialogsOf(Session().ProcessId())) {
            if (TextOf(d).starts_with(captionStart)) dialog = d;
        }
        return dialog != nullptr;
    });
    if (dialog == nullptr) throw std::runtime_error("no dialog " + std::string(captionStart));
    MakeForeground(dialog);
    return dialog;
}

void HuesmithTest::ClickButton(HWND dialog, int id) {
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Session().Probe().Sync();
}

void HuesmithTest::TypeInto(HWND dialog, int id, std::string_view keys) {
    Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, id)), TRUE);
    TypeKeys(keys);
    Session().Probe().SyncInput();
}

void HuesmithTest::SetFieldText(HWND dialog, int id, std::string_view text) {
    const std::wstring wide = WideFromUtf8(text);
    Send(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace e2e
