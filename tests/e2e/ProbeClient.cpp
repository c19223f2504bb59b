#include "tests/e2e/ProbeClient.h"

#include <stdexcept>
#include <string_view>
#include <utility>

#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/WaitFor.h"

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kAnswerTimeout{10000};

std::wstring Named(const wchar_t* format) {
    return probe::ObjectName(format, ::GetCurrentProcessId());
}

}  // namespace

ProbeClient::ProbeClient(HWND frame)
    : m_frame(frame), m_requestMessage(::RegisterWindowMessageW(probe::kRequestMessage)) {
    m_dll.Attach(::LoadLibraryW(BesideDriver(L"huesmith_probe.dll").c_str()));
    if (!m_dll) throw std::runtime_error("cannot load huesmith_probe.dll");
    m_mapping.Attach(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(probe::Block),
                                          Named(probe::kBlockNameFormat).c_str()));
    if (m_mapping) {
        m_view.Attach(
            ::MapViewOfFile(m_mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(probe::Block)));
    }
    m_done.Attach(::CreateEventW(nullptr, FALSE, FALSE, Named(probe::kDoneEventFormat).c_str()));
    if (!m_view || !m_done) throw std::runtime_error("cannot set up the probe's shared memory");
    auto* proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(::GetProcAddress(m_dll.Get(), probe::kHookProcName)));
    const DWORD thread = ::GetWindowThreadProcessId(frame, nullptr);
    m_hook.Attach(::SetWindowsHookExW(WH_GETMESSAGE, proc, m_dll.Get(), thread));
    if (!m_hook) throw std::runtime_error("cannot hook the program's GUI thread");
}

probe::Block& ProbeClient::Shared() const { return *static_cast<probe::Block*>(m_view.Get()); }

probe::Block& ProbeClient::Call(probe::Request request) {
    auto& block = Shared();
    block.request = request;
    block.status = probe::Status::Pending;
    block.frame = m_frame;
    ::ResetEvent(m_done.Get());
    ::PostMessageW(m_frame, m_requestMessage, ::GetCurrentProcessId(), 0);
    if (!WaitForObject(m_done.Get(), kAnswerTimeout))
        throw std::runtime_error("the probe did not answer");
    if (block.status == probe::Status::NotFound) {
        throw std::runtime_error("the probe found no such item");
    }
    if (block.status != probe::Status::Done) throw std::runtime_error("the probe's request failed");
    return block;
}

void ProbeClient::Sync() { Call(probe::Request::Ping); }

bool ProbeClient::SyncInput() {
    return WaitFor([this] { return Call(probe::Request::Ping).pendingInput == 0; });
}

MenuItemState ProbeClient::MenuItem(int commandId) {
    auto& block = Shared();
    block.commandId = commandId;
    Call(probe::Request::MenuItem);
    MenuItemState state;
    state.checked = (block.menuState & MFS_CHECKED) != 0;
    state.radio = state.checked && (block.menuType & MFT_RADIOCHECK) != 0;
    state.grayed = (block.menuState & MFS_GRAYED) != 0;
    state.text = Utf8FromWide(block.text);
    return state;
}

std::vector<COLORREF> ProbeClient::Pixels(const RECT& viewRect) {
    auto& block = Shared();
    block.rect = viewRect;
    Call(probe::Request::Pixels);
    const auto count =
        static_cast<size_t>((viewRect.right - viewRect.left) * (viewRect.bottom - viewRect.top));
    return std::vector<COLORREF>(block.pixels, block.pixels + count);
}

COLORREF ProbeClient::Pixel(int x, int y) { return Pixels(RECT{x, y, x + 1, y + 1}).front(); }

void ProbeClient::FocusControl(int controlId) {
    auto& block = Shared();
    block.controlId = controlId;
    Call(probe::Request::FocusControl);
}

RECT ProbeClient::ControlRect(int controlId, UINT message, WPARAM wParam) {
    auto& block = Shared();
    block.controlId = controlId;
    block.message = message;
    block.wParam = wParam;
    return Call(probe::Request::ControlRect).rectOut;
}

ListViewRows ProbeClient::ListView(HWND list) {
    auto& block = Shared();
    block.window = list;
    Call(probe::Request::ListView);
    ListViewRows rows;
    const wchar_t* cell = block.cells;
    for (int row = 0; row < block.listRows; ++row) {
        std::vector<std::string> texts;
        for (int column = 0; column < block.listColumns; ++column) {
            const std::wstring_view text(cell);
            texts.push_back(Utf8FromWide(text));
            cell += text.size() + 1;
        }
        rows.cells.push_back(std::move(texts));
        rows.selected.push_back(block.listSelected[row] != 0);
    }
    return rows;
}

RECT ProbeClient::WindowRect(HWND window, UINT message, WPARAM wParam, const RECT& seed) {
    auto& block = Shared();
    block.window = window;
    block.message = message;
    block.wParam = wParam;
    block.rect = seed;
    return Call(probe::Request::WindowRect).rectOut;
}

void ProbeClient::PaintStale(const RECT& viewRect, COLORREF colour) {
    auto& block = Shared();
    block.rect = viewRect;
    block.colour = colour;
    Call(probe::Request::PaintStale);
}

void ProbeClient::FailWritesAfter(long long bytes) {
    Shared().writeBudget = bytes;
    Call(probe::Request::FailWrites);
}

}  // namespace e2e
