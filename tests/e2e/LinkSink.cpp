// A harmless handler for links that the end-to-end tests register in the Wine prefix: started as
// `huesmith_link_sink.exe LOG TARGET`, it appends TARGET and a line end to the file LOG (UTF-8)
// and ends. The tests read LOG to see which target the program opened, and how often.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/CHandle.h"
#include "tests/e2e/Text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    const CHandle<LPWSTR*, &::LocalFree> args(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!args || count < 3) return 2;
    const HANDLE file = ::CreateFileW(args.Get()[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const CHandle<HANDLE, &::CloseHandle> log(file);
    const std::string line = e2e::Utf8FromWide(args.Get()[2]) + "\n";
    DWORD written = 0;
    return ::WriteFile(log.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 1;
}
