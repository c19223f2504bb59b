// The fixture of every end-to-end test: one program run per test, and the readings that most
// tests take of it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/HuesmithSession.h"

namespace e2e {

// The preview strip, in the form view's client pixels.
inline constexpr RECT kPreviewStrip{0, 138, 249, 167};
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

using Triple = std::vector<std::string>;

// Counts pixels of one colour.
int CountOf(const std::vector<COLORREF>& pixels, COLORREF colour);

class HuesmithTest : public ::testing::Test {
protected:
    // Starts the program on these files and waits for its main window.
    HuesmithSession& Start(const SessionFiles& files = SampleFiles(),
                           std::chrono::milliseconds timeout = kDefaultTimeout);
    // Ends the current run as the user would, so that the next Start can follow.
    void Close();
    HuesmithSession& Session() { return *m_session; }

    std::string Text(int controlId);
    // The red, green and blue fields' texts and sliders' positions.
    Triple Fields();
    std::vector<int> Sliders();
    bool Checked(int controlId);
    int SliderPos(int controlId);
    std::string StatusText();
    std::vector<COLORREF> StripPixels();
    // The strip's top-left pixel, where the preview text never reaches.
    COLORREF StripBackground();

    // Posts a menu command to the frame, as the menu or an accelerator would send it, and waits
    // until the program has handled it.
    void Command(int commandId);
    // The user picks the entry in the colour-name list.
    void ChooseEntry(int index);
    // Waits until the control shows the text; true if it did.
    bool WaitForText(int controlId, const std::string& text);
    bool WaitForFields(const Triple& texts);
    // Waits for the program's message boxes to number exactly `count`, and returns them.
    std::vector<HWND> WaitForMessageBoxes(size_t count);

    // A tool dialog whose caption begins with the text (UTF-8), once it is up and has the
    // keyboard; throws when none appears.
    HWND WaitForDialog(std::string_view captionStart);
    // A mouse click on a dialog's button: check boxes toggle, radio buttons check themselves.
    void ClickButton(HWND dialog, int id);
    // Tabs to the dialog's field, which selects its text, and types over it.
    void TypeInto(HWND dialog, int id, std::string_view keys);
    // A text (UTF-8) that arrives in the field whole, as a paste or an input method puts it.
    static void SetFieldText(HWND dialog, int id, std::string_view text);

private:
    std::optional<HuesmithSession> m_session;
};

}  // namespace e2e
