#include "framework/FileIo.h"

#include <windows.h>

#include <algorithm>

#include "framework/CHandle.h"

namespace {
void CloseFile(HANDLE file) { ::CloseHandle(file); }
using CFileHandle = CHandle<HANDLE, &CloseFile>;
// CreateFile fails with INVALID_HANDLE_VALUE, not null; the owner knows only null as "none".
HANDLE NullIfInvalid(HANDLE file) { return file == INVALID_HANDLE_VALUE ? nullptr : file; }
constexpr DWORD kMaxChunkBytes = 1U << 30;  // ReadFile/WriteFile take 32-bit counts
}  // namespace

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    CFileHandle file(NullIfInvalid(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.Get(), &size) == FALSE) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kMaxChunkBytes));
        DWORD read = 0;
        if (::ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr) == FALSE) return std::nullopt;
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = path + L".tmp";
    {
        CFileHandle file(NullIfInvalid(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr)));
        if (!file) return false;
        bool written = true;
        for (std::size_t done = 0; written && done < bytes.size();) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kMaxChunkBytes));
            DWORD wrote = 0;
            written = ::WriteFile(file.Get(), bytes.data() + done, chunk, &wrote, nullptr) != FALSE && wrote == chunk;
            done += wrote;
        }
        // The data must be on disk before the rename makes it the catalogue.
        if (!written || ::FlushFileBuffers(file.Get()) == FALSE) {
            file.Reset();
            ::DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
