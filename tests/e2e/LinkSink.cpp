// A harmless handler for links that the end-to-end tests register in the Wine prefix: started as
// `huesmith_link_sink.exe LOG TARGET`, it appends TARGET (UTF-8) and a line end to the file LOG and
// ends. The tests read LOG to see which target the program opened, and how often.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/CHandle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    const CHandle<LPWSTR*, &::LocalFree> args(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!args || count < 3) return 2;
    const CHandle<HANDLE, &::CloseHandle> log(::CreateFileW(args.Get()[1], FILE_APPEND_DATA,
                                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                                                            nullptr));
    std::string line(4 * std::wcslen(args.Get()[2]) + 1, '\0');
    line.resize(static_cast<size_t>(
        ::WideCharToMultiByte(CP_UTF8, 0, args.Get()[2], -1, line.data(), static_cast<int>(line.size()), nullptr, nullptr)));
    if (line.empty()) return 1;
    line.back() = '\n';  // in place of the null character
    DWORD written = 0;
    return ::WriteFile(log.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 1;
}
