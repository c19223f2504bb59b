// Text on the clipboard, as Unicode, so that it reads the same on any system code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The clipboard's text in code page 932 (full-width ASCII made half-width), or nothing when it
// holds none, another program keeps it open, or it holds a character code page 932 lacks.
std::optional<std::string> ReadClipboardText();

// Puts the text on the clipboard, owned by `owner`; false when the clipboard or the memory is not
// to be had.
bool WriteClipboardText(HWND owner, const std::string& text);
