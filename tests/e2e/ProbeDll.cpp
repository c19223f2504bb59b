// The probe: loaded into Huesmith.exe by the driver's WH_GETMESSAGE hook, it answers on the
// program's GUI thread what Wine will not tell another process, and can make the program's file
// writes fail as on a full disk. The program itself carries no test hooks.
#include <windows.h>
#include <imm.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "framework/CHandle.h"
#include "res/resource.h"
#include "tests/e2e/ProbeProtocol.h"

namespace {

using probe::Block;
using probe::Status;

// Runs the update handlers exactly as opening each pop-up would, nested ones too; then finds the
// item.
bool FindMenuItem(HWND frame, HMENU menu, Block& block) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu) {
            ::SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(info.hSubMenu), MAKELPARAM(i, FALSE));
            if (FindMenuItem(frame, info.hSubMenu, block)) return true;
        } else if (static_cast<int>(info.wID) == block.id && !(info.fType & MFT_SEPARATOR)) {
            block.menuState = info.fState;
            block.menuType = info.fType;
            return true;
        }
    }
    return false;
}

using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
WriteFileFunction s_realWriteFile = nullptr;
std::atomic<long long> s_bytesLeft{-1};

// What a full disk does: the bytes that fit are written, then the call fails.
BOOL WINAPI WriteFileUntilFull(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    const long long left = s_bytesLeft.load();
    if (left < 0) return s_realWriteFile(file, data, size, written, overlapped);
    DWORD wrote = 0;
    const auto allowed = static_cast<DWORD>(std::min<long long>(size, left));
    if (allowed > 0 && s_realWriteFile(file, data, allowed, &wrote, overlapped) == FALSE) return FALSE;
    s_bytesLeft = left - wrote;
    if (written != nullptr) *written = wrote;
    if (wrote == size) return TRUE;
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// The program's import-address-table slot of a function it imports by name.
ULONG_PTR* ImportSlot(const char* dllName, const char* functionName) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && dll->Name; ++dll) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), dllName) != 0) continue;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), functionName) == 0) {
                return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

// Puts `replacement` into the slot once, keeping the real function in `real`. The program calls
// into this DLL after the driver unhooks: it must never be unloaded.
template <class Function>
bool Redirect(const char* dllName, const char* functionName, Function replacement, Function& real) {
    if (real != nullptr) return true;
    ULONG_PTR* slot = ImportSlot(dllName, functionName);
    HMODULE self = nullptr;
    DWORD protection = 0;
    if (slot == nullptr ||
        !::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                              reinterpret_cast<LPCWSTR>(&ImportSlot), &self) ||
        !::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection)) {
        return false;
    }
    real = reinterpret_cast<Function>(*slot);
    *slot = reinterpret_cast<ULONG_PTR>(replacement);
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
    return true;
}

Status FailWrites(const Block& block) {
    if (!Redirect("kernel32.dll", "WriteFile", &WriteFileUntilFull, s_realWriteFile)) return Status::Failed;
    s_bytesLeft = block.writeBudget < 0 ? -1 : block.writeBudget;
    return Status::Done;
}

// A high-contrast theme as the program asks for it; every other question goes to Windows.
using SystemParametersFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersFunction s_realSystemParameters = nullptr;
std::atomic<bool> s_highContrast{false};

BOOL WINAPI SystemParametersWithContrast(UINT action, UINT size, PVOID data, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST) return s_realSystemParameters(action, size, data, flags);
    auto* contrast = static_cast<HIGHCONTRASTW*>(data);
    contrast->dwFlags = s_highContrast ? HCF_HIGHCONTRASTON : 0;
    return TRUE;
}

Status HighContrast(const Block& block) {
    if (!Redirect("user32.dll", "SystemParametersInfoW", &SystemParametersWithContrast, s_realSystemParameters)) {
        return Status::Failed;
    }
    s_highContrast = block.highContrast;
    return Status::Done;
}

Status Run(Block& block) {
    switch (block.request) {
    case probe::Request::Ping:
        // Posted messages are taken before input, so input sent earlier may still wait.
        block.pendingInput = HIWORD(::GetQueueStatus(QS_INPUT));
        // Paints come only once the queue is empty: what the windows show must be up to date now.
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND window, LPARAM) {
            return ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }, 0);
        return Status::Done;
    case probe::Request::MenuItem:
        return FindMenuItem(block.frame, ::GetMenu(block.frame), block) ? Status::Done : Status::NotFound;
    case probe::Request::Rect:
        ::SendMessageW(block.window, block.message, block.wParam, reinterpret_cast<LPARAM>(&block.rect));
        return Status::Done;
    case probe::Request::FailWrites: return FailWrites(block);
    case probe::Request::HighContrast: return HighContrast(block);
    case probe::Request::InputMethod: {
        const HIMC context = ::ImmGetContext(block.window);  // of the program's own thread only
        block.inputMethod = context != nullptr;
        ::ImmReleaseContext(block.window, context);
        return Status::Done;
    }
    }
    return Status::Failed;
}

void Serve(DWORD driverId) {
    const CHandle<HANDLE, &::CloseHandle> mapping(
        ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, probe::ObjectName(L"Block", driverId).c_str()));
    const CHandle<HANDLE, &::CloseHandle> done(
        ::OpenEventW(EVENT_MODIFY_STATE, FALSE, probe::ObjectName(L"Done", driverId).c_str()));
    if (!mapping || !done) return;
    const CHandle<void*, &::UnmapViewOfFile> view(::MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Block)));
    if (!view) return;
    auto& block = *static_cast<Block*>(view.Get());
    block.status = Run(block);
    ::SetEvent(done.Get());
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT s_request = ::RegisterWindowMessageW(probe::kRequestMessage);
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == s_request) {
        Serve(static_cast<DWORD>(msg->wParam));
        msg->message = WM_NULL;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
