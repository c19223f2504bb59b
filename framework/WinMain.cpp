// The program's entry point: run the one application object.
#include <windows.h>
#include <commctrl.h>

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) {
    // First of all: a DLL that is loaded by name alone, by us or by Windows on our behalf (the
    // shell, the common dialogs), comes from the system folder, never from the program's folder
    // or the current one, where a planted copy may wait (a downloads folder). Imported, not looked
    // up: every Windows the program runs on has it (8 and later; 7 with update KB2533623 or one
    // that replaced it), and a lookup would only let it run unprotected where it is missing.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->m_hInstance = instance;
    app->m_nCmdShow = cmdShow;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
