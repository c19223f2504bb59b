#include "tests/e2e/ProbeWriteFailure.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace probe {
namespace {

using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

WriteFileFunction s_realWriteFile = nullptr;
std::atomic<long long> s_bytesLeft{-1};

// What a full disk does: the bytes that fit are written, then the call fails.
BOOL WINAPI WriteFileUntilFull(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    const long long left = s_bytesLeft.load();
    if (left < 0) return s_realWriteFile(file, data, size, written, overlapped);
    const auto allowed = static_cast<DWORD>(std::min<long long>(size, left));
    DWORD wrote = 0;
    if (allowed > 0 && s_realWriteFile(file, data, allowed, &wrote, overlapped) == FALSE) return FALSE;
    s_bytesLeft = left - wrote;
    if (written != nullptr) *written = wrote;
    if (wrote == size) return TRUE;
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// The program's import-address-table slot for a function of a DLL, imported by name.
ULONG_PTR* ImportSlot(HMODULE module, const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
        const DWORD nameTable = entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + nameTable);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

bool RedirectWriteFile() {
    if (s_realWriteFile != nullptr) return true;
    ULONG_PTR* slot = ImportSlot(::GetModuleHandleW(nullptr), "kernel32.dll", "WriteFile");
    if (slot == nullptr) return false;
    // The program keeps calling into this DLL after the driver unhooks: it must never be unloaded.
    HMODULE self = nullptr;
    if (::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                             reinterpret_cast<LPCWSTR>(&WriteFileUntilFull), &self) == FALSE) {
        return false;
    }
    DWORD protection = 0;
    if (::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection) == FALSE) return false;
    s_realWriteFile = reinterpret_cast<WriteFileFunction>(*slot);
    *slot = reinterpret_cast<ULONG_PTR>(&WriteFileUntilFull);
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
    return true;
}

}  // namespace

bool FailWritesAfter(long long bytes) {
    if (!RedirectWriteFile()) return false;
    s_bytesLeft = bytes < 0 ? -1 : bytes;
    return true;
}

}  // namespace probe
