// The driver's side of the probe: hooks the program's GUI thread so that Windows loads the probe
// DLL there, and asks it what cannot be read from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/CHandle.h"
#include "tests/e2e/ProbeProtocol.h"

namespace e2e {

// What a list view shows: each row's cell texts (UTF-8) and whether it is selected.
struct ListViewRows {
    std::vector<std::vector<std::string>> cells;
    std::vector<bool> selected;
};

struct MenuItemState {
    bool checked = false;
    bool radio = false;
    bool grayed = false;
    std::string text;  // UTF-8, with its "&" and "\t" accelerator part
};

class ProbeClient {
public:
    explicit ProbeClient(HWND frame);
    ProbeClient(const ProbeClient&) = delete;
    ProbeClient& operator=(const ProbeClient&) = delete;

    // Returns once the program has handled every message posted to it before.
    void Sync();
    // Returns once the program has also handled the keyboard and mouse input sent before;
    // false if it is still busy with it after the default timeout.
    bool SyncInput();
    // The item's marks after the update handlers ran, as a user would see them on opening the
    // menu; throws when the menu has no such item.
    MenuItemState MenuItem(int commandId);
    // Pixels of the form view's client area, row by row.
    std::vector<COLORREF> Pixels(const RECT& viewRect);
    COLORREF Pixel(int x, int y);
    void FocusControl(int controlId);
    // A control's answer to a message that fills a RECT (TBM_GETTHUMBRECT ...).
    RECT ControlRect(int controlId, UINT message, WPARAM wParam = 0);
    // The rows of a list view anywhere in the program (a dialog's, say).
    ListViewRows ListView(HWND list);
    // Any window's answer to a message that fills a RECT, which holds `seed` before (the part
    // LVM_GETITEMRECT asks for ...).
    RECT WindowRect(HWND window, UINT message, WPARAM wParam = 0, const RECT& seed = {});
    // Paints a rectangle of the form view in one colour without invalidating it: what is left there
    // afterwards shows whether the program repainted the rectangle on its own.
    void PaintStale(const RECT& viewRect, COLORREF colour);
    // The program's file writes take `bytes` more bytes and then fail as on a full disk; a negative
    // count gives the disk its room back.
    void FailWritesAfter(long long bytes);

private:
    probe::Block& Shared() const;
    probe::Block& Call(probe::Request request);

    HWND m_frame;
    UINT m_requestMessage;
    CHandle<HMODULE, &::FreeLibrary> m_dll;
    CHandle<HANDLE, &::CloseHandle> m_mapping;
    CHandle<void*, &::UnmapViewOfFile> m_view;
    CHandle<HANDLE, &::CloseHandle> m_done;
    CHandle<HHOOK, &::UnhookWindowsHookEx> m_hook;  // last: unhooked first
};

}  // namespace e2e
