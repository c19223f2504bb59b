// The yardstick for the program's start-up: the least a Win32 program does to show a window (one
// class, one window, a message loop), started and waited for exactly as Huesmith.exe is. Built a
// second time with HUESMITH_BENCH_WITH_LIBRARIES, it first loads what Huesmith.exe loads before its
// first window (the same imports, common controls 6 by the same manifest), which shows how much
// of the program's start the libraries take.
#include <windows.h>

#ifdef HUESMITH_BENCH_WITH_LIBRARIES
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#endif

#include "bench/BareWindowCaption.h"

namespace {

constexpr wchar_t kClassName[] = L"HuesmithBenchBareWindow";
constexpr int kWidthPx = 400;
constexpr int kHeightPx = 300;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

#ifdef HUESMITH_BENCH_WITH_LIBRARIES
void InitialiseHuesmithLibraries() {
    // Naming one function of each library keeps it among the imports the loader resolves.
    static void* const volatile kImports[] = {
        reinterpret_cast<void*>(&::ShellExecuteW), reinterpret_cast<void*>(&::CoInitialize),
        reinterpret_cast<void*>(&::GetOpenFileNameW), reinterpret_cast<void*>(&::RegOpenKeyExW)};
    (void)kImports;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
#ifdef HUESMITH_BENCH_WITH_LIBRARIES
    InitialiseHuesmithLibraries();
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassW(&windowClass)) return 1;

    HWND window = ::CreateWindowExW(0, kClassName, kBareWindowCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, kWidthPx, kHeightPx, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ::ShowWindow(window, showCommand);
    ::UpdateWindow(window);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
