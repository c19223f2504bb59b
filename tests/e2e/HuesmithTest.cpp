#include "tests/e2e/HuesmithTest.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kCloseWait{10000};
constexpr std::chrono::milliseconds kProbeAnswerWait{10000};
constexpr int kMessageTextId = 0xFFFF;  // the static control that holds a message box's text

bool IsMessageBox(HWND dialog) { return TextOf(dialog) == "Huesmith" && ::GetDlgItem(dialog, kMessageTextId); }

}  // namespace

std::string CatalogueBytes(const std::vector<ColourEntry>& entries, std::string_view lineEnd) {
    std::string utf8;
    for (const auto& e : entries) {
        utf8 += e.name + ',' + e.reading + ',' + std::to_string(e.red) + ',' + std::to_string(e.green) + ',' +
                std::to_string(e.blue) + std::string(lineEnd);
    }
    return Cp932(utf8);
}

const std::vector<ColourEntry>& SampleCatalogue() {
    static const std::vector<ColourEntry> entries = {
        {"桜色", "さくらいろ", 254, 244, 244}, {"紅", "べに", 215, 0, 58},     {"ソーダ水色", "そーだすいいろ", 160, 216, 239},
        {"藍色", "あいいろ", 22, 94, 131},    {"ﾃｽﾄ黄", "てすときいろ", 248, 181, 0},
    };
    return entries;
}

void HuesmithTest::Stop() {
    m_hook.Reset();
    // Closing under an open dialog would tear the frame down beneath it: then it is killed.
    if (m_program && m_program->IsRunning() && m_frame && Dialogs().empty()) {
        ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
        m_program->WaitForExit(kCloseWait);
    }
    m_program.reset();
    m_folder.reset();
}

void HuesmithTest::Launch(const Files& files) {
    Stop();
    m_folder.emplace(files.folder);
    if (files.catalogue) m_folder->Write(L"Huesmith.csv", *files.catalogue);
    if (files.settings) m_folder->Write(L"Huesmith.ini", Cp932(*files.settings));
    m_frame = nullptr;
    m_programPath = BesideDriver(L"Huesmith.exe");
    if (files.programInFolder) {
        std::filesystem::copy_file(m_programPath, FileInFolder(L"Huesmith.exe"));
        m_programPath = FileInFolder(L"Huesmith.exe");
    }
    m_program.emplace(m_programPath, files.programInFolder ? Folder().parent_path() : Folder(), files.show);
}

void HuesmithTest::Start(const Files& files, std::chrono::milliseconds timeout) {
    Launch(files);
    WaitForFrame(timeout);
}

void HuesmithTest::Restart(std::chrono::milliseconds timeout) {
    m_hook.Reset();
    m_program.reset();
    m_program.emplace(m_programPath, Folder());
    WaitForFrame(timeout);
}

// The visible top-level window whose caption begins with "Huesmith - ".
void HuesmithTest::WaitForFrame(std::chrono::milliseconds timeout) {
    m_frame = nullptr;
    WaitFor(
        [&] {
            for (HWND window : VisibleWindowsOf(m_program->Id())) {
                if (TextOf(window).starts_with("Huesmith - ")) m_frame = window;
            }
            return m_frame || !m_program->IsRunning();
        },
        timeout);
    if (!m_frame) throw std::runtime_error("the main window of Huesmith.exe did not appear");
}

void HuesmithTest::Close() {
    m_hook.Reset();
    ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_program->WaitForExit(kCloseWait)) << "Huesmith.exe did not end on close";
}

std::string HuesmithTest::Setting(std::string_view key) const {
    const std::string text = "\n" + Settings();
    const size_t at = text.find("\n" + std::string(key) + "=");
    if (at == std::string::npos) return {};
    const size_t start = at + key.size() + 2;
    return text.substr(start, text.find_first_of("\r\n", start) - start);
}

std::vector<int> HuesmithTest::Sliders() {
    std::vector<int> positions;
    for (int id : {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE}) {
        positions.push_back(static_cast<int>(Send(Control(id), TBM_GETPOS)));
    }
    return positions;
}

void HuesmithTest::Command(int commandId) {
    ::PostMessageW(m_frame, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    Sync();
}

void HuesmithTest::PressCtrl(WORD key) {
    MakeForeground(m_frame);
    PressChord(VK_CONTROL, key);
    SyncInput();
}

void HuesmithTest::ChooseEntry(int index) {
    HWND combo = Control(IDC_COMBO_NAME);
    // What the list sends when the user picks an entry: the new selection, then the notification.
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    ::PostMessageW(View(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_NAME, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Sync();
}

void HuesmithTest::NameSearch(std::string_view utf8) {
    Command(ID_VIEW_SEARCH);
    HWND dialog = WaitForDialog("検索");
    ClickButton(dialog, IDC_RADIO_SEARCH_NAME);
    SetFieldText(dialog, IDC_EDIT_SEARCH_NAME, utf8);
    ClickButton(dialog, IDOK);
}

probe::Block& HuesmithTest::Block() {
    if (!m_hook) {
        const DWORD driver = ::GetCurrentProcessId();
        m_probeDll.Attach(::LoadLibraryW(BesideDriver(L"huesmith_probe.dll").c_str()));
        m_mapping.Attach(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(probe::Block),
                                              probe::ObjectName(L"Block", driver).c_str()));
        if (m_mapping) m_block.Attach(::MapViewOfFile(m_mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(probe::Block)));
        m_done.Attach(::CreateEventW(nullptr, TRUE, FALSE, probe::ObjectName(L"Done", driver).c_str()));
        const auto hook = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(::GetProcAddress(m_probeDll.Get(), probe::kHookProcName)));
        if (!m_block || !m_done || !hook) throw std::runtime_error("cannot set up the probe");
        m_hook.Attach(::SetWindowsHookExW(WH_GETMESSAGE, hook, m_probeDll.Get(),
                                          ::GetWindowThreadProcessId(m_frame, nullptr)));
        if (!m_hook) throw std::runtime_error("cannot hook the program's GUI thread");
    }
    return *static_cast<probe::Block*>(m_block.Get());
}

probe::Block& HuesmithTest::Call(probe::Request request) {
    auto& block = Block();
    block.request = request;
    block.status = probe::Status::Pending;
    block.frame = m_frame;
    ::ResetEvent(m_done.Get());
    ::PostMessageW(m_frame, ::RegisterWindowMessageW(probe::kRequestMessage), ::GetCurrentProcessId(), 0);
    if (!WaitForObject(m_done.Get(), kProbeAnswerWait)) throw std::runtime_error("the probe did not answer");
    if (block.status != probe::Status::Done) throw std::runtime_error("the probe's request failed");
    return block;
}

HuesmithTest::MenuMarks HuesmithTest::Menu(int commandId) {
    Block().id = commandId;
    const auto& block = Call(probe::Request::MenuItem);
    const bool checked = (block.menuState & MFS_CHECKED) != 0;
    return {checked, checked && (block.menuType & MFT_RADIOCHECK) != 0};
}

RECT HuesmithTest::AskRect(HWND window, UINT message, WPARAM wParam, const RECT& seed) {
    auto& block = Block();
    block.window = window;
    block.message = message;
    block.wParam = wParam;
    block.rect = seed;
    return Call(probe::Request::Rect).rect;
}

void HuesmithTest::SetHighContrast(bool on) {
    Block().highContrast = on;
    Call(probe::Request::HighContrast);
    Send(m_frame, WM_SYSCOLORCHANGE);
}

bool HuesmithTest::TakesInputMethod(HWND window) {
    Block().window = window;
    return Call(probe::Request::InputMethod).inputMethod;
}

void HuesmithTest::FailWritesAfter(long long bytes) {
    Block().writeBudget = bytes;
    Call(probe::Request::FailWrites);
}

std::vector<HWND> HuesmithTest::Dialogs() {
    std::vector<HWND> dialogs;
    for (HWND w : VisibleWindowsOf(m_program->Id())) {
        if (ClassOf(w) == "#32770") dialogs.push_back(w);
    }
    return dialogs;
}

HWND HuesmithTest::FindDialog(std::string_view captionStart) {
    for (HWND d : Dialogs()) {
        const std::string caption = TextOf(d);
        if (!caption.empty() && caption.starts_with(captionStart) && !IsMessageBox(d)) return d;
    }
    return nullptr;
}

HWND HuesmithTest::WaitForDialog(std::string_view captionStart) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(captionStart)) != nullptr; });
    if (dialog == nullptr) throw std::runtime_error("no dialog " + std::string(captionStart));
    MakeForeground(dialog);
    return dialog;
}

std::string HuesmithTest::AnswerMessage(int buttonId) {
    const auto boxes = [this] {
        auto dialogs = Dialogs();
        std::erase_if(dialogs, [](HWND d) { return !IsMessageBox(d); });
        return dialogs;
    };
    std::vector<HWND> shown;
    WaitFor([&] { return (shown = boxes()).size() == 1; });
    if (shown.size() != 1) return "(" + std::to_string(shown.size()) + " message boxes)";
    const std::string text = TextOf(::GetDlgItem(shown.front(), kMessageTextId));
    PressButton(shown.front(), buttonId);
    WaitFor([&] { return boxes().empty(); });
    return text;
}

void HuesmithTest::ClickButton(HWND dialog, int id) {
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Sync();
}

void HuesmithTest::TypeInto(HWND dialog, int id, std::string_view keys) {
    Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, id)), TRUE);
    TypeKeys(keys);
    SyncInput();
}

void HuesmithTest::SetFieldText(HWND dialog, int id, std::string_view utf8) {
    const std::wstring wide = Wide(utf8);
    Send(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace e2e
