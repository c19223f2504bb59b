// A fresh folder under the Windows temporary directory, removed with everything in it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

class TempFolder {
public:
    // With an inner name, the files live in that subfolder of the fresh folder.
    explicit TempFolder(std::wstring_view innerName = {});
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path File(std::wstring_view name) const { return m_path / name; }

    void Write(std::wstring_view name, std::string_view bytes) const;
    // The file's bytes, or nothing when it cannot be read (absent, a folder ...).
    std::optional<std::string> Read(std::wstring_view name) const;
    bool Exists(std::wstring_view name) const;

private:
    std::filesystem::path m_root;  // removed at the end
    std::filesystem::path m_path;
};

}  // namespace e2e
