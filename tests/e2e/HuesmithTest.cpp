#include "tests/e2e/HuesmithTest.h"

#include <algorithm>

#include "res/resource.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {

int CountOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

HuesmithSession& HuesmithTest::Start(const SessionFiles& files) {
    m_session.reset();
    m_session.emplace(files);
    m_session->Start();
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

}  // namespace e2e
