// Opening a document or an address as Explorer would: in the program the user chose for it.
#pragma once

#include <windows.h>

#include <string>

// ShellExecute's "open", with COM initialised on the thread for the call, as the shell requires
// (the registered handler may be a COM object). ShellExecute's result: 32 or less is a failure.
INT_PTR ShellOpen(HWND owner, const std::wstring& target, int showCommand);
