#include "tests/e2e/ProgramFiles.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "framework/CHandle.h"
#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/Text.h"

namespace e2e {

std::string ProgramString(unsigned id) {
    CHandle<HMODULE, &::FreeLibrary> program(::LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!program) throw std::runtime_error("cannot read the resources of Huesmith.exe");
    const wchar_t* text = nullptr;
    // With a zero size LoadStringW hands out a pointer into the resource itself.
    const int length = ::LoadStringW(program.Get(), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0) throw std::runtime_error("Huesmith.exe has no string " + std::to_string(id));
    return Utf8FromWide(std::wstring_view(text, static_cast<size_t>(length)));
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= args.size()) {
            filled += *(args.begin() + (number - 1));
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::map<std::string, std::string> IniSection(const std::filesystem::path& file,
                                              const wchar_t* section) {
    std::vector<wchar_t> buffer(32 * 1024);
    const DWORD length = ::GetPrivateProfileSectionW(
        section, buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    std::map<std::string, std::string> entries;
    // The section comes as "key=value\0key=value\0\0".
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line;
         line += std::wcslen(line) + 1) {
        const std::wstring_view entry(line);
        const auto equals = entry.find(L'=');
        if (equals == std::wstring_view::npos) continue;
        entries[Utf8FromWide(entry.substr(0, equals))] = Utf8FromWide(entry.substr(equals + 1));
    }
    return entries;
}

}  // namespace e2e
