// What the driver and the probe DLL inside Huesmith.exe say to each other. Wine cannot read the
// program's menus or answer messages that fill a RECT from outside, so the driver asks the probe,
// which runs on the program's GUI thread, through a shared memory block.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>

namespace probe {

// Posted to the main frame with the driver's process id as wParam; the probe's WH_GETMESSAGE hook
// answers it and turns it into WM_NULL, so that the program never sees it.
inline constexpr wchar_t kRequestMessage[] = L"HuesmithE2EProbeRequest";
inline constexpr char kHookProcName[] = "ProbeGetMessageHook";

// The names carry the driver's process id, so that parallel drivers would not meet.
inline std::wstring ObjectName(const wchar_t* kind, DWORD driverId) {
    return std::wstring(L"Local\\HuesmithE2EProbe") + kind + L"." + std::to_wstring(driverId);
}

enum class Request : std::uint32_t {
    Ping,        // answered once the posted messages before it are handled and the windows painted;
                 // out: pendingInput
    MenuItem,    // in: id (a command); out: menuState, menuType, after the update handlers ran
    Rect,        // in: window, message, wParam, rect (what the RECT holds before); out: rect
    FailWrites,  // in: writeBudget, bytes the program may still write (negative: no limit)
    InputMethod,  // in: window; out: inputMethod, whether it has an input context
    HighContrast,  // in: highContrast, what the program is told of the theme from now on
};

enum class Status : std::uint32_t { Pending, Done, NotFound, Failed };


struct Block {
    Request request;
    Status status;
    HWND frame;
    HWND window;
    int id;
    UINT message;
    WPARAM wParam;
    RECT rect;
    long long writeBudget;
    UINT pendingInput;
    UINT menuState;
    UINT menuType;
    bool inputMethod;
    bool highContrast;
};

}  // namespace probe
