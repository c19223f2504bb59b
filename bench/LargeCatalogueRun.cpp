#include "bench/LargeCatalogueRun.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "bench/SyntheticCatalogue.h"
#include "bench/WineTiming.h"
#include "res/resource.h"
#include "tests/e2e/Program.h"
#include "tests/e2e/Desktop.h"

namespace bench {
namespace {

constexpr std::wstring_view kMainCaptionPrefix = L"Huesmith - ";
constexpr std::wstring_view kCategoryCaption = L"読み別・色別表示";
constexpr std::wstring_view kEditorCaption = L"色データ編集";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr std::chrono::milliseconds kCloseWait{60000};
constexpr int kChannelMax = 255;
// A corner of the preview strip (view client pixels) that its text never reaches.
constexpr POINT kStripCorner{1, 139};

std::wstring ListedCaption(int count) { return std::wstring(kMainCaptionPrefix) + std::to_wstring(count); }

}  // namespace

LargeCatalogueRun::LargeCatalogueRun(int entries) : m_entries(entries) {
    m_folder.Write(L"Huesmith.csv", MakeDataFile(entries));
    m_process.emplace(e2e::BesideDriver(L"Huesmith.exe"), m_folder.Path());
    m_frame = WaitForShownWindow(*m_process, kMainCaptionPrefix);
    ExpectListed(entries);
}

LargeCatalogueRun::~LargeCatalogueRun() {
    ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
    if (!m_process->WaitForExit(kCloseWait)) m_process->Kill();
}

HWND LargeCatalogueRun::View() const { return ::GetDlgItem(m_frame, AFX_IDW_PANE_FIRST); }

void LargeCatalogueRun::ExpectListed(int count) const {
    if (CaptionOf(m_frame) != ListedCaption(count))
        throw std::runtime_error("the main window does not list " + std::to_string(count) + " entries");
}

// Show-all does nothing while everything is listed: the サ row is listed first, through the
// category dialog as a user picks it.
void LargeCatalogueRun::ListOneKanaRow() {
    ::PostMessageW(m_frame, WM_COMMAND, ID_VIEW_CATEGORY, 0);
    HWND dialog = WaitForShownWindow(*m_process, kCategoryCaption, kDialogClass);
    SendPatiently(::GetDlgItem(dialog, IDC_CHECK_ROW_SA), BM_SETCHECK, BST_CHECKED);
    e2e::PressButton(dialog, IDOK);
    WaitUntilGone(dialog);
    SendPatiently(m_frame, WM_NULL);
    if (CaptionOf(m_frame) == ListedCaption(m_entries)) throw std::runtime_error("the サ row lists everything");
}

// Sent rather than posted, so that the call returns when the command has run.
double LargeCatalogueRun::ShowAllMs() {
    ListOneKanaRow();
    const Clock::time_point start = Clock::now();
    SendPatiently(m_frame, WM_COMMAND, ID_VIEW_ALL, 0);
    FinishPainting(m_frame);
    const double ms = MillisecondsSince(start);
    ExpectListed(m_entries);
    return ms;
}

// The dialog becomes visible only after its initialisation has filled the list.
EditorTimes LargeCatalogueRun::OpenAndCancelEditor() {
    const Clock::time_point start = Clock::now();
    ::PostMessageW(m_frame, WM_COMMAND, ID_EDIT_COLOR_DATA, 0);
    HWND dialog = WaitForShownWindow(*m_process, kEditorCaption, kDialogClass);
    FinishPainting(dialog);
    const double openMs = MillisecondsSince(start);
    const std::wstring rows = std::wstring(kEditorCaption) + L" - " + std::to_wstring(m_entries);
    if (!CaptionOf(dialog).starts_with(rows)) throw std::runtime_error("the editor does not list every entry");

    const Clock::time_point closing = Clock::now();
    e2e::PressButton(dialog, IDCANCEL);
    WaitUntilGone(dialog);
    SendPatiently(m_frame, WM_NULL);
    return {openMs, MillisecondsSince(closing)};
}

// Each step is what a drag's mouse move makes the slider do: move its thumb and notify the view
// with TB_THUMBTRACK; then everything invalid is painted before the next step.
SliderTimes LargeCatalogueRun::DragRedSlider() {
    HWND view = View();
    HWND slider = ::GetDlgItem(view, IDC_SLIDER_RED);
    const auto sliderParam = reinterpret_cast<LPARAM>(slider);
    constexpr int kSteps = kChannelMax + 1;

    Clock::time_point start = Clock::now();
    for (int pos = kChannelMax; pos >= 0; --pos) {
        SendPatiently(slider, TBM_SETPOS, TRUE, pos);
        SendPatiently(view, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, pos), sliderParam);
        FinishPainting(m_frame);
    }
    const double msPerStep = MillisecondsSince(start) / kSteps;

    if (e2e::TextOf(::GetDlgItem(view, IDC_EDIT_RED)) != "0") throw std::runtime_error("the drag did not reach red 0");
    const RECT corner{kStripCorner.x, kStripCorner.y, kStripCorner.x + 1, kStripCorner.y + 1};
    if (e2e::Pixels(view, corner).front() != RGB(0, kChannelMax, kChannelMax))
        throw std::runtime_error("the preview strip did not follow the drag");

    // The same round trips with nothing to do: what the benchmark itself costs per step.
    start = Clock::now();
    for (int step = 0; step < kSteps; ++step) {
        SendPatiently(slider, WM_NULL);
        SendPatiently(view, WM_NULL);
        FinishPainting(m_frame);
    }
    return {msPerStep, MillisecondsSince(start) / kSteps};
}

}  // namespace bench
