#include "framework/FileIo.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/CHandle.h"

namespace {
void CloseFile(HANDLE file) { ::CloseHandle(file); }
using CFileHandle = CHandle<HANDLE, &CloseFile>;
// CreateFile fails with INVALID_HANDLE_VALUE, not null; the owner knows only null as "none".
HANDLE NullIfInvalid(HANDLE file) { return file == INVALID_HANDLE_VALUE ? nullptr : file; }
constexpr DWORD kMaxChunkBytes = 1U << 30;  // ReadFile/WriteFile take 32-bit counts
constexpr int kTemporaryAttempts = 100;
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A new file beside `path` under a name taken by no other file (a user's own "Huesmith.csv.tmp"
// is never opened, let alone overwritten). `error` says why there is none.
CFileHandle CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary, DWORD& error) {
    const auto stamp = static_cast<unsigned long long>(::GetTickCount64());
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(stamp + attempt) +
                    L".tmp";
        CFileHandle file(NullIfInvalid(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr)));
        if (file) return file;
        error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return CFileHandle();
}
// ReplaceFile is the call that keeps the old file's attributes, permissions and streams; a rename
// would drop them. Given a backup name, every failure leaves each file under a name we know: the
// old one goes back in place and the temporary goes, so a failure changes nothing.
WriteResult PutInPlace(const std::wstring& path, const std::wstring& temporary) {
    const std::wstring backup = temporary + L".old";
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (::ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr) != FALSE) {
        // Wine's ReplaceFile keeps no attributes: they are put back where it dropped them.
        if (attributes != INVALID_FILE_ATTRIBUTES && ::GetFileAttributesW(path.c_str()) != attributes) {
            ::SetFileAttributesW(path.c_str(), attributes & kKeptAttributes);
        }
        ::DeleteFileW(backup.c_str());
        return WriteResult::Written;
    }
    const DWORD error = ::GetLastError();
    // No old file to replace: the new one is moved in place.
    if (error == ERROR_FILE_NOT_FOUND &&
        ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE) {
        return WriteResult::Written;
    }
    // The old file went to the backup name and the new one could not follow: the old one returns.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) ::MoveFileExW(backup.c_str(), path.c_str(), 0);
    ::DeleteFileW(temporary.c_str());
    return WriteResult::Failed;
}
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

WriteResult WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
    std::wstring temporary;
    {
        DWORD error = ERROR_SUCCESS;
        CFileHandle file = CreateTemporaryBeside(path, temporary, error);
        if (!file) return error == ERROR_ACCESS_DENIED ? WriteResult::FolderRefused : WriteResult::Failed;
        bool written = true;
        for (std::size_t done = 0; written && done < bytes.size();) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kMaxChunkBytes));
            DWORD wrote = 0;
            written = ::WriteFile(file.Get(), bytes.data() + done, chunk, &wrote, nullptr) != FALSE && wrote == chunk;
            done += wrote;
        }
        // The data must be on disk before the replacement makes it the file.
        if (!written || ::FlushFileBuffers(file.Get()) == FALSE) {
            file.Reset();
            ::DeleteFileW(temporary.c_str());
            return WriteResult::Failed;
        }
    }
    return PutInPlace(path, temporary);
}
