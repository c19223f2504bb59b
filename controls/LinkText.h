// Texts a hyperlink works with: the command line of the ".htm" fallback, the message for a link
// that could not be opened, and the target of a mail link.
#pragma once

#include <string>
#include <string_view>

// The registered ".htm" open command with its placeholder cut off and a blank and the URL after
// it: `program "%1"` gives `program <url>`. The placeholder is the first quoted "%1", else the
// first bare %1; without one the whole command is kept. Blanks before the cut are dropped, so
// exactly one separates the URL. Any length.
std::wstring BuildHtmCommandLine(std::wstring_view registered, std::wstring_view url);

// "Can't open link:\n\n" and the line for the result code of the shell or of starting the program.
std::string LinkErrorText(long long code);

// "mailto:" + address + "?subject=" + the subject's UTF-8 bytes percent-encoded.
std::string MailtoUrl(std::string_view address, std::u8string_view subject);
