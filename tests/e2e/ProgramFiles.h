// The program's own texts and settings file, read as the tests expect them (UTF-8).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace e2e {

// A string-table text of Huesmith.exe; message boxes are compared with these, so that the tests
// do not fix the wording of the framework's standard messages.
std::string ProgramString(unsigned id);
// Replaces the placeholders %1, %2 ... with the given texts.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

// Every key=value of one section of an ini file, as Windows reads it.
std::map<std::string, std::string> IniSection(const std::filesystem::path& file,
                                              const wchar_t* section);

}  // namespace e2e
