#include "framework/FileIo.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/CHandle.h"
#include "framework/Retry.h"

namespace {
void CloseFile(HANDLE file) { ::CloseHandle(file); }
using CFileHandle = CHandle<HANDLE, &CloseFile>;
// CreateFile fails with INVALID_HANDLE_VALUE, not null; the owner knows only null as "none".
HANDLE NullIfInvalid(HANDLE file) { return file == INVALID_HANDLE_VALUE ? nullptr : file; }
constexpr DWORD kMaxChunkBytes = 1U << 30;  // ReadFile/WriteFile take 32-bit counts
constexpr int kTemporaryAttempts = 100;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Carried over to the new file; the archive bit is set anyway, the content having changed.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
// A scanner or a cloud client lets go of a file within a few hundred milliseconds.
constexpr std::chrono::milliseconds kBusyPatience{2000};
constexpr std::chrono::milliseconds kBusyPause{50};

// Why looking at a file's attributes failed: anything but its absence means something is there
// (no access, deletion pending).
bool ThereThoughUnreadable(DWORD error) { return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND; }

// The errors another program's brief hold on the file gives. Access denied counts only while the
// file is there (a replacement waiting for a handle to close, a deletion pending), never for a
// name nobody has nor for a read-only file, which stays so.
bool IsBusyError(DWORD error, const std::wstring& path) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return true;
    case ERROR_ACCESS_DENIED: {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
        return ThereThoughUnreadable(::GetLastError());
    }
    default: return false;
    }
}

// Runs the step again while `path` is busy, for a bounded time; the step's error stays the last.
template <class Step>
bool RetryWhileFileBusy(const std::wstring& path, Step step) {
    DWORD error = ERROR_SUCCESS;
    const bool done = RetryWhileBusy(
        [&] {
            if (step()) return true;
            error = ::GetLastError();
            return false;
        },
        [&] { return IsBusyError(error, path); }, kBusyPatience, kBusyPause);
    if (!done) ::SetLastError(error);
    return done;
}

// With the disposition set, Windows deletes the file when its handle closes, a killed program's too.
bool SetDeletedOnClose(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(deleted ? TRUE : FALSE)};
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

// A new file beside `path` under a name taken by no other file (a user's own "Huesmith.csv.tmp"
// is never opened, let alone overwritten), deleted when closed unless it takes the old one's place;
// should the deletion not be set again after a failed rename, the owner deletes it by its name.
class CTemporaryFile {
public:
    CTemporaryFile(CTemporaryFile&&) = default;  // the moved-from one holds no file
    CTemporaryFile& operator=(CTemporaryFile&&) = delete;
    ~CTemporaryFile() {
        if (!m_file) return;
        m_file.Reset();
        if (!m_bKept) ::DeleteFileW(m_path.c_str());
    }
    // `error` says why there is none.
    static std::optional<CTemporaryFile> CreateBeside(const std::wstring& path, DWORD& error);

    HANDLE Get() const { return m_file.Get(); }
    void Keep() { m_bKept = true; }

private:
    CTemporaryFile(CFileHandle file, std::wstring path) : m_file(std::move(file)), m_path(std::move(path)) {}
    CFileHandle m_file;
    std::wstring m_path;
    bool m_bKept = false;
};

std::optional<CTemporaryFile> CTemporaryFile::CreateBeside(const std::wstring& path, DWORD& error) {
    const auto stamp = static_cast<unsigned long long>(::GetTickCount64());
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(stamp + attempt) + L".tmp";
        CFileHandle file;
        RetryWhileFileBusy(temporary, [&] {
            file.Attach(NullIfInvalid(::CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr)));
            return static_cast<bool>(file);
        });
        error = ::GetLastError();
        if (file) {
            CTemporaryFile created(std::move(file), std::move(temporary));
            if (SetDeletedOnClose(created.Get(), true)) return created;
            error = ::GetLastError();
            return std::nullopt;
        }
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return std::nullopt;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kMaxChunkBytes));
        DWORD wrote = 0;
        if (::WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) == FALSE || wrote != chunk) return false;
        done += wrote;
    }
    return true;
}

// What a user sees of the old file in Explorer goes to the new one: its attributes (hidden ...)
// and when it was created. Zero times in the record leave the others as they are.
void CarryOverAttributes(const std::wstring& path, HANDLE file) {
    WIN32_FILE_ATTRIBUTE_DATA old{};
    if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &old) == FALSE) return;
    FILE_BASIC_INFO basic{};
    basic.CreationTime.LowPart = old.ftCreationTime.dwLowDateTime;
    basic.CreationTime.HighPart = static_cast<LONG>(old.ftCreationTime.dwHighDateTime);
    basic.FileAttributes = (old.dwFileAttributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
    ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof(basic));
}

// One rename over the old name, which the file system makes in one step on the same volume. The
// deletion at close is called off just before and set again on failure: a kill leaves no
// temporary but in that instant.
bool RenameOver(HANDLE file, const std::wstring& path) {
    const std::size_t nameBytes = path.size() * sizeof(wchar_t);
    const std::size_t size = offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t);
    // Records, not bytes, so that the name that runs on past the first one is aligned for it.
    std::vector<FILE_RENAME_INFO> records(size / sizeof(FILE_RENAME_INFO) + 1);
    FILE_RENAME_INFO* rename = records.data();
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(rename->FileName, path.c_str(), nameBytes + sizeof(wchar_t));
    if (!SetDeletedOnClose(file, false)) return false;
    if (::SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(size)) != FALSE) return true;
    const DWORD error = ::GetLastError();
    SetDeletedOnClose(file, true);
    ::SetLastError(error);
    return false;
}

// Another program has the file open without letting it be deleted or replaced.
bool HeldByAnotherProgram(const std::wstring& path) {
    const CFileHandle probe(NullIfInvalid(
        ::CreateFileW(path.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    return !probe && ::GetLastError() == ERROR_SHARING_VIOLATION;
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    CFileHandle file;
    RetryWhileFileBusy(path, [&] {
        file.Attach(NullIfInvalid(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
        return static_cast<bool>(file);
    });
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
    DWORD error = ERROR_SUCCESS;
    std::optional<CTemporaryFile> file = CTemporaryFile::CreateBeside(path, error);
    if (!file) return error == ERROR_ACCESS_DENIED ? WriteResult::FolderRefused : WriteResult::Failed;
    // The data must be on disk before the rename makes it the file.
    if (!WriteAll(file->Get(), bytes) || ::FlushFileBuffers(file->Get()) == FALSE) return WriteResult::Failed;
    CarryOverAttributes(path, file->Get());
    if (!RetryWhileFileBusy(path, [&] { return RenameOver(file->Get(), path); })) {
        return HeldByAnotherProgram(path) ? WriteResult::InUse : WriteResult::Failed;
    }
    file->Keep();
    // The new name on disk too before the save counts as done.
    ::FlushFileBuffers(file->Get());
    return WriteResult::Written;
}

bool FileIsThere(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES || ThereThoughUnreadable(::GetLastError());
}

bool FolderAcceptsNewFiles(const std::wstring& path) {
    DWORD error = ERROR_SUCCESS;
    return CTemporaryFile::CreateBeside(path, error).has_value();
}
