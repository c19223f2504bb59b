// Whole-file reading and crash-safe writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

enum class WriteResult {
    Written,
    FolderRefused,  // no file may be created beside it (the file itself may still be writable)
    Failed,
};

// Writes the bytes to a new temporary file beside `path` (a name no other file has), flushes it to
// disk, then puts it in place of `path` in one step, keeping what the old file carried
// (attributes, permissions, other streams). On any failure the old file is left as it was.
WriteResult WriteFileReplacing(const std::wstring& path, std::string_view bytes);
