// Texts of the program's string table, as code page 932 bytes (or wide, where they carry paths).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/FrameworkIds.h"

std::string LoadResString(unsigned id);
std::wstring LoadResStringW(unsigned id);
// The string-table text with %1, %2 ... filled in; the wide form for texts that hold paths.
std::string FormatResString(unsigned id, std::initializer_list<std::string_view> args);
std::wstring FormatResString(unsigned id, std::initializer_list<std::wstring_view> args);
// A message box under the application title, owned by the main window's last active popup.
int AfxMessageBox(const std::string& text, unsigned type = 0x30 /* MB_OK | MB_ICONEXCLAMATION */);
int AfxMessageBox(const std::wstring& text, unsigned type = 0x30);
int AfxMessageBox(unsigned stringId, unsigned type = 0x30);
