// Whole-file reading and crash-safe writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// Writes the bytes to a temporary file beside `path`, flushes it to disk, then puts it in place of
// `path` in one step. On any failure the old file is left as it was and false is returned.
bool WriteFileReplacing(const std::wstring& path, std::string_view bytes);
