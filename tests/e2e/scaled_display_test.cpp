// The main window on a scaled display: Wine takes the DPI from the user's LogPixels setting when a
// program starts, so the program sees 144 DPI (150 %) while the driver keeps its own.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

constexpr COLORREF kFormBeige = RGB(245, 245, 220);

// Sets the user's LogPixels for programs started from now on, and puts the old value back.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) {
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                              nullptr, &m_key, nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot open the desktop settings");
        }
        DWORD old = 0;
        DWORD size = sizeof old;
        DWORD type = 0;
        if (::RegQueryValueExW(m_key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(&old), &size) == ERROR_SUCCESS &&
            type == REG_DWORD) {
            m_old = old;
        }
        Write(dpi);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
    ~ScopedLogPixels() {
        if (m_old) {
            Write(*m_old);
        } else {
            ::RegDeleteValueW(m_key, kValue);
        }
        ::RegCloseKey(m_key);
    }

private:
    static constexpr const wchar_t* kValue = L"LogPixels";
    void Write(DWORD dpi) { ::RegSetValueExW(m_key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi); }

    HKEY m_key = nullptr;
    std::optional<DWORD> m_old;
};

using ScaledDisplayTest = HuesmithTest;

TEST_F(ScaledDisplayTest, At150PercentTheStripFillsTheFormBottomWithItsTextCentred) {
    const ScopedLogPixels dpi(144);
    auto& session = Start();
    const RECT form = ClientRectOf(session.View());
    ASSERT_GT(Height(form), 167 * 5 / 4) << "the form grew with its dialog font";
    ASSERT_GT(Width(form), 249 * 5 / 4);

    // 138 pixels at 96 DPI are 207 at 144: the strip runs from there to the form's bottom and right edges.
    constexpr int kStripTop = 207;
    const RECT strip{0, kStripTop, form.right, form.bottom};
    const auto pixels = session.Probe().Pixels(strip);
    const int width = Width(strip);
    const int height = Height(strip);
    const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; };
    const auto above = session.Probe().Pixels({0, kStripTop - 1, form.right, kStripTop});
    EXPECT_EQ(CountOf(above, kFormBeige), Width(form)) << "the form shows just above the strip";
    for (int x = 0; x < width; ++x) {
        ASSERT_EQ(at(x, 0), kWhite) << "the strip's top row, x " << x;
        ASSERT_EQ(at(x, height - 1), kWhite) << "the strip reaches the form's bottom, x " << x;
    }
    for (int y = 0; y < height; ++y) {
        ASSERT_EQ(at(0, y), kWhite) << "left edge, y " << y;
        ASSERT_EQ(at(width - 1, y), kWhite) << "the strip reaches the form's right edge, y " << y;
    }

    // The ink of "Test Print..." in the scaled font, centred in the strip.
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y) == kWhite) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(right, 0) << "the preview text shows";
    EXPECT_GT(bottom - top + 1, 24) << "the text's font grew with the DPI";
    EXPECT_LE(std::abs(left - (width - 1 - right)), 8) << "centred across: " << left << " left, " << width - 1 - right
                                                       << " right";
    EXPECT_LE(std::abs(top - (height - 1 - bottom)), 10) << "centred down: " << top << " above, " << height - 1 - bottom
                                                         << " below";
    Close();
}

}  // namespace
}  // namespace e2e
