#include "framework/ShellOpen.h"

#include <objbase.h>
#include <shellapi.h>

#include "framework/CHandle.h"

INT_PTR ShellOpen(HWND owner, const std::wstring& target, int showCommand) {
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const CScopeExit uninitialize([com] {
        if (SUCCEEDED(com)) ::CoUninitialize();
    });
    return reinterpret_cast<INT_PTR>(::ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, showCommand));
}
