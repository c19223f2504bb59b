// Whole-file reading and crash-safe writing, as files are on a user's desk: open in other programs,
// opened for a moment by virus scanners, indexers and cloud clients.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nullopt when it cannot be opened or read. Other programs may go on reading,
// writing and deleting it meanwhile.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

enum class WriteResult {
    Written,
    FolderRefused,  // no file may be created beside it (the file itself may still be writable)
    InUse,          // another program has the file open and lets nobody replace it
    Failed,
};

// Writes the bytes to a new temporary file beside `path`, flushes it to disk, then renames it over
// `path` in one step, with the old file's attributes. At every instant `path` is the whole old
// file or the whole new one; on any failure, or if the program is killed, the temporary goes.
WriteResult WriteFileReplacing(const std::wstring& path, std::string_view bytes);

// Whether there is a file or folder at `path`: true also when it cannot be looked at (no access,
// deletion pending), since only a name nobody has is not there.
bool FileIsThere(const std::wstring& path);

// Whether a new file may be created in the folder of `path` (one is made and removed at once).
bool FolderAcceptsNewFiles(const std::wstring& path);
