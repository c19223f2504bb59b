// The probe: loaded into Huesmith.exe by the driver's WH_GETMESSAGE hook, it answers on the
// program's GUI thread what Wine will not tell another process (menu marks, child-window pixels).
// The program itself carries no test hooks.
#include <windows.h>

#include <commctrl.h>

#include "framework/CHandle.h"
#include "res/resource.h"
#include "tests/e2e/ProbeProtocol.h"
#include "tests/e2e/ProbeWriteFailure.h"

namespace {

using probe::Block;
using probe::Status;

// Runs the update handlers exactly as opening each pop-up would, nested ones too.
void InitPopups(HWND frame, HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = ::GetSubMenu(menu, i)) {
            ::SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                           MAKELPARAM(i, FALSE));
            InitPopups(frame, popup);
        }
    }
}

bool FindItem(HMENU menu, int commandId, Block& block) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = block.text;
        info.cch = probe::kMaxText;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu) {
            if (FindItem(info.hSubMenu, commandId, block)) return true;
        } else if (static_cast<int>(info.wID) == commandId && !(info.fType & MFT_SEPARATOR)) {
            block.menuState = info.fState;
            block.menuType = info.fType;
            return true;
        }
    }
    block.text[0] = L'\0';
    return false;
}

Status MenuItem(Block& block) {
    HMENU bar = ::GetMenu(block.frame);
    if (!bar) return Status::NotFound;
    InitPopups(block.frame, bar);
    return FindItem(bar, block.commandId, block) ? Status::Done : Status::NotFound;
}

HWND View(const Block& block) { return ::GetDlgItem(block.frame, AFX_IDW_PANE_FIRST); }

Status Pixels(Block& block) {
    HWND view = View(block);
    if (!view) return Status::NotFound;
    const RECT r = block.rect;
    if ((r.right - r.left) * (r.bottom - r.top) > probe::kMaxPixels) return Status::Failed;
    // What the screen shows once the pending paint is done.
    ::UpdateWindow(view);
    HDC dc = ::GetDC(view);
    if (!dc) return Status::Failed;
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) block.pixels[n++] = ::GetPixel(dc, x, y);
    }
    ::ReleaseDC(view, dc);
    return Status::Done;
}

Status FocusControl(Block& block) {
    HWND control = ::GetDlgItem(View(block), block.controlId);
    if (!control) return Status::NotFound;
    ::SetFocus(control);
    return ::GetFocus() == control ? Status::Done : Status::Failed;
}

Status ControlRect(Block& block) {
    HWND control = ::GetDlgItem(View(block), block.controlId);
    if (!control) return Status::NotFound;
    block.rectOut = RECT{};
    ::SendMessageW(control, block.message, block.wParam, reinterpret_cast<LPARAM>(&block.rectOut));
    return Status::Done;
}

// List views answer text requests only with pointers into the program's own memory.
Status ListView(Block& block) {
    const HWND list = block.window;
    if (!::IsWindow(list)) return Status::NotFound;
    const auto header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    block.listColumns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    block.listRows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (block.listRows > probe::kMaxListRows) return Status::Failed;
    int used = 0;
    for (int row = 0; row < block.listRows; ++row) {
        block.listSelected[row] = ::SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0 ? 1 : 0;
        for (int column = 0; column < block.listColumns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = block.cells + used;
            item.cchTextMax = probe::kMaxListChars - used;
            const auto copied =
                static_cast<int>(::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
            // A cell that filled what was left may have been cut.
            if (copied + 1 >= item.cchTextMax) return Status::Failed;
            used += copied + 1;
        }
    }
    return Status::Done;
}

Status WindowRect(Block& block) {
    if (!::IsWindow(block.window)) return Status::NotFound;
    block.rectOut = block.rect;
    ::SendMessageW(block.window, block.message, block.wParam, reinterpret_cast<LPARAM>(&block.rectOut));
    return Status::Done;
}

// Paints straight onto the view, as a picture left over from before would stand there: nothing is
// invalidated, so only a repaint that the program asks for itself puts the view's own picture back.
Status PaintStale(Block& block) {
    HWND view = View(block);
    if (!view) return Status::NotFound;
    HDC dc = ::GetDC(view);
    if (!dc) return Status::Failed;
    const CHandle<HBRUSH, &::DeleteObject> brush(::CreateSolidBrush(block.colour));
    ::FillRect(dc, &block.rect, brush.Get());
    ::ReleaseDC(view, dc);
    return Status::Done;
}

// Posted messages are taken before input, so keyboard and mouse input sent earlier may still wait.
Status Ping(Block& block) {
    block.pendingInput = HIWORD(::GetQueueStatus(QS_INPUT));
    return Status::Done;
}

Status Run(Block& block) {
    switch (block.request) {
    case probe::Request::Ping: return Ping(block);
    case probe::Request::MenuItem: return MenuItem(block);
    case probe::Request::Pixels: return Pixels(block);
    case probe::Request::FocusControl: return FocusControl(block);
    case probe::Request::ControlRect: return ControlRect(block);
    case probe::Request::ListView: return ListView(block);
    case probe::Request::WindowRect: return WindowRect(block);
    case probe::Request::PaintStale: return PaintStale(block);
    case probe::Request::FailWrites: return probe::FailWritesAfter(block.writeBudget) ? Status::Done : Status::Failed;
    case probe::Request::None: break;
    }
    return Status::Failed;
}

void Serve(DWORD driverId) {
    CHandle<HANDLE, &::CloseHandle> mapping(::OpenFileMappingW(
        FILE_MAP_ALL_ACCESS, FALSE, probe::ObjectName(probe::kBlockNameFormat, driverId).c_str()));
    CHandle<HANDLE, &::CloseHandle> done(::OpenEventW(
        EVENT_MODIFY_STATE, FALSE, probe::ObjectName(probe::kDoneEventFormat, driverId).c_str()));
    if (!mapping || !done) return;
    CHandle<void*, &::UnmapViewOfFile> view(
        ::MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Block)));
    if (!view) return;
    auto& block = *static_cast<Block*>(view.Get());
    block.status = Run(block);
    ::SetEvent(done.Get());
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeGetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT s_request = ::RegisterWindowMessageW(probe::kRequestMessage);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        if (msg->message == s_request) {
            Serve(static_cast<DWORD>(msg->wParam));
            msg->message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
