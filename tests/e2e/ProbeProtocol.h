// What the driver and the probe DLL inside Huesmith.exe say to each other. Wine cannot read the
// program's menus or its child windows' pixels from outside, so the driver asks the probe, which
// runs on the program's GUI thread, through a shared memory block.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>

namespace probe {

// Posted to the program's main frame with the driver's process id as wParam; the probe's
// WH_GETMESSAGE hook answers it and turns it into WM_NULL so that the program never sees it.
inline constexpr wchar_t kRequestMessage[] = L"HuesmithE2EProbeRequest";

// Both names carry the driver's process id, so that parallel drivers would not meet.
inline constexpr wchar_t kBlockNameFormat[] = L"Local\\HuesmithE2EProbeBlock.%lu";
inline constexpr wchar_t kDoneEventFormat[] = L"Local\\HuesmithE2EProbeDone.%lu";

inline std::wstring ObjectName(const wchar_t* format, DWORD driverId) {
    wchar_t name[64];
    std::swprintf(name, 64, format, static_cast<unsigned long>(driverId));
    return name;
}

inline constexpr char kHookProcName[] = "ProbeGetMessageHook";

enum class Request : std::uint32_t {
    None,
    Ping,          // answered once the program has handled the messages posted before it;
                   // out: pendingInput, the input still queued for the GUI thread
    MenuItem,      // in: commandId; out: menuState, menuType, text
    Pixels,        // in: rect (view client pixels); out: pixels, row by row
    FocusControl,  // in: controlId (inside the form view)
    ControlRect,   // in: controlId, message, wParam; out: rect (the message fills a RECT)
    ListView,      // in: window (a list view); out: listRows, listColumns, listSelected, cells
    WindowRect,    // in: window, message, wParam, rect (what the RECT holds before); out: rectOut
    PaintStale,    // in: rect (view client pixels), colour; painted over without invalidating
    FailWrites,    // in: writeBudget (bytes the program may still write; negative: no limit)
};

enum class Status : std::uint32_t { Pending, Done, NotFound, Failed };

inline constexpr int kMaxPixels = 64 * 1024;
inline constexpr int kMaxText = 256;
inline constexpr int kMaxListRows = 4096;
inline constexpr int kMaxListChars = 128 * 1024;

struct Block {
    Request request;
    Status status;
    // Arguments.
    HWND frame;
    int commandId;
    int controlId;
    UINT message;
    WPARAM wParam;
    RECT rect;
    // Results.
    UINT pendingInput;
    UINT menuState;
    UINT menuType;
    wchar_t text[kMaxText];
    RECT rectOut;
    COLORREF pixels[kMaxPixels];
    // Any window of the program, by handle (list views and their headers live in dialogs).
    HWND window;
    int listRows;
    int listColumns;
    std::uint8_t listSelected[kMaxListRows];
    // Row by row, each cell's text ended by a null character.
    wchar_t cells[kMaxListChars];
    COLORREF colour;
    long long writeBudget;
};

}  // namespace probe
