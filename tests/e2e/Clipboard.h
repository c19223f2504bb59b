// The clipboard as another program on the desktop meets it: plain text (CF_TEXT) in the program's
// code page 932, handed to the tests as UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

// The clipboard's text, or none when it holds no text (or stays locked by another program).
std::optional<std::string> ClipboardText();
// Replaces the clipboard's contents with the text, as an editor's copy would; throws on failure.
void SetClipboardText(std::string_view utf8);
// The same with the text's bytes as they are (binary ones too), ended by a NUL.
void SetClipboardBytes(std::string_view text);

}  // namespace e2e
