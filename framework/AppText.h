// Texts of the program's string table, as code page 932 bytes.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/FrameworkIds.h"

std::string LoadResString(unsigned id);
// The string-table text with %1, %2 ... filled in.
std::string FormatResString(unsigned id, std::initializer_list<std::string_view> args);
// A message box under the application title, owned by the main window's last active popup.
int AfxMessageBox(const std::string& text, unsigned type = 0x30 /* MB_OK | MB_ICONEXCLAMATION */);
int AfxMessageBox(unsigned stringId, unsigned type = 0x30);
