// The application: one copy at a time, the catalogue document opened from Huesmith.csv in the
// current directory or beside the program, and the settings file beside it.
#pragma once

#include <windows.h>

#include "framework/CHandle.h"
#include "framework/CWinApp.h"

class CHuesmithApp : public CWinApp {
public:
    bool InitInstance() override;
    int ExitInstance() override;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }

private:
    static void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
    // True when another copy runs; that copy's main window is brought forward.
    bool ActivateRunningCopy();
    // The about box, run modally.
    void OnAppAbout();

    static const CCmdEntry s_entries[];
    // Held for the life of the process: its name marks that a copy is running.
    CHandle<HANDLE, &CHuesmithApp::CloseKernelHandle> m_instanceMutex;
};
