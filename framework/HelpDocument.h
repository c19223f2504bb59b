// Where the program's help lives: an HTML document beside the program, named after it.
#pragma once

#include <string>
#include <string_view>

// The program's path with the extension of its file name replaced by ".htm", or
// ".htm" appended when the name has none: "C:\Tools\Huesmith.exe" gives "C:\Tools\Huesmith.htm".
std::wstring HelpDocumentPath(std::wstring_view programPath);
